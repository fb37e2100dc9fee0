#pragma once

#include "design/ColorToken.h"

#include <QFont>
#include <QString>

#include <optional>

class QPainter;
class QRectF;
class QSizeF;

// The one text style: Onest at a size (logical pixels) and weight, a fixed
// line height (none: the face's own), tracking in em and tabular digits.
// Every line of text sits centred in a box of the line height; a line height
// below the face's own keeps the text to one line.
struct TypeModifier {
    qreal size = 13;
    QFont::Weight weight = QFont::Normal;
    std::optional<qreal> line;
    qreal tracking = 0;
    bool tabular = false;

    QFont font() const;
    qreal naturalLineHeight() const;
    qreal lineHeight() const;
    bool singleLine() const;
    // Letter spacing in pixels (tracking x size).
    qreal letterSpacing() const { return size * tracking; }

    // Size of the text laid out within width (unbounded when width <= 0).
    QSizeF measure(const QString& text, qreal width = 0) const;
    // Draws plain text in rect, lines aligned horizontally by alignment,
    // the block vertically centred; lines that do not fit end in "...".
    // Without wrap the text stays on one line.
    void draw(QPainter& painter, const QRectF& rect, const QString& text, const ColorToken& color,
              Qt::Alignment alignment = Qt::AlignLeft, bool wrap = true) const;

    friend bool operator==(const TypeModifier&, const TypeModifier&) = default;
};
