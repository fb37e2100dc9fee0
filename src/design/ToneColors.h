#pragma once

#include "core/Tone.h"
#include "design/ColorToken.h"

// The mark and fill colours of each tone (icon tiles, application glyphs).
namespace ToneColors {

ColorToken foreground(Tone tone);
ColorToken background(Tone tone);

} // namespace ToneColors
