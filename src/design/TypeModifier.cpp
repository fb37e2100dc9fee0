#include "design/TypeModifier.h"

#include "design/Onest.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace {

struct Laid {
    QStringList lines;
    qreal width = 0;
};

// Breaks text into lines that fit width, honouring its own line breaks.
Laid breakLines(const QFont& font, const QString& text, qreal width, bool single)
{
    Laid laid;
    const QFontMetricsF metrics(font);
    const QStringList paragraphs = single ? QStringList{QString(text).replace(u'\n', u' ')} : text.split(u'\n');
    for (const QString& paragraph : paragraphs) {
        if (single || width <= 0) {
            laid.lines << paragraph;
            laid.width = std::max(laid.width, metrics.horizontalAdvance(paragraph));
            continue;
        }
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        bool any = false;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            laid.lines << paragraph.mid(line.textStart(), line.textLength()).trimmed();
            laid.width = std::max(laid.width, line.naturalTextWidth());
            any = true;
        }
        layout.endLayout();
        if (!any)
            laid.lines << QString();
    }
    return laid;
}

} // namespace

QFont TypeModifier::font() const
{
    QFont result = Onest::font(size, weight, tabular);
    if (tracking != 0)
        result.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing());
    return result;
}

qreal TypeModifier::naturalLineHeight() const
{
    return Onest::naturalLineHeight(size, weight);
}

qreal TypeModifier::lineHeight() const
{
    return line.value_or(naturalLineHeight());
}

bool TypeModifier::singleLine() const
{
    return naturalLineHeight() > lineHeight();
}

QSizeF TypeModifier::measure(const QString& text, qreal width) const
{
    const Laid laid = breakLines(font(), text, width, singleLine());
    const qreal w = width > 0 ? std::min(width, laid.width) : laid.width;
    return QSizeF(std::ceil(w), lineHeight() * laid.lines.size());
}

void TypeModifier::draw(QPainter& painter, const QRectF& rect, const QString& text, const ColorToken& color,
                        Qt::Alignment alignment, bool wrap) const
{
    const QFont f = font();
    const QFontMetricsF metrics(f);
    const Laid laid = breakLines(f, text, rect.width(), singleLine() || !wrap);
    const qreal step = lineHeight();
    const int fit = std::max(1, int(std::floor(rect.height() / step + 1e-6)));
    const int count = std::min<int>(laid.lines.size(), fit);
    qreal y = rect.top() + (rect.height() - step * count) / 2;
    painter.save();
    painter.setFont(f);
    painter.setPen(color.color());
    for (int i = 0; i < count; ++i) {
        QString lineText = laid.lines.at(i);
        if (i == count - 1 && count < laid.lines.size())
            lineText += QStringLiteral(" \u2026");
        lineText = metrics.elidedText(lineText, Qt::ElideRight, rect.width());
        const QRectF box(rect.left(), y, rect.width(), step);
        // Centre the glyph box (ascent + descent) in the line box.
        const qreal baseline = box.top() + (step - metrics.height()) / 2 + metrics.ascent();
        qreal x = box.left();
        const qreal advance = metrics.horizontalAdvance(lineText);
        if (alignment & Qt::AlignHCenter)
            x += (box.width() - advance) / 2;
        else if (alignment & Qt::AlignRight)
            x += box.width() - advance;
        painter.drawText(QPointF(x, baseline), lineText);
        y += step;
    }
    painter.restore();
}
