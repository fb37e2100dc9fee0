#pragma once

#include <QPainterPath>
#include <QStringView>

// SVG path data (the "d" attribute) to a QPainterPath: the commands M L H V
// C S Q T A Z in both cases, implicit repetition, smooth-curve reflection and
// arcs (as cubic segments). Locale-independent. Malformed data ends the parse
// and yields what was built up to there; it never fails.
namespace SvgPath {

QPainterPath parse(QStringView data);

} // namespace SvgPath
