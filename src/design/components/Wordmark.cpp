#include "design/components/Wordmark.h"

#include "design/Onest.h"
#include "design/Palette.h"
#include "design/Theme.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace {

const QString first = QStringLiteral("kesto");

} // namespace

Wordmark::Wordmark(const QString& product, qreal size, QWidget* parent)
    : QWidget(parent)
    , m_product(product)
    , m_size(size)
{
    setAccessibleName(first + u' ' + product);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

QFont Wordmark::font() const
{
    QFont f = Onest::font(m_size, QFont::Bold);
    f.setLetterSpacing(QFont::AbsoluteSpacing, -0.02 * m_size);
    return f;
}

qreal Wordmark::firstWidth() const
{
    return QFontMetricsF(font()).horizontalAdvance(first);
}

QRectF Wordmark::tileRect() const
{
    const qreal s = m_size;
    const qreal width = QFontMetricsF(font()).horizontalAdvance(m_product) + 2 * 0.32 * s;
    const qreal height = s + 0.06 * s;
    return QRectF(firstWidth() + 0.14 * s, (this->height() - height) / 2, width, height);
}

QSize Wordmark::sizeHint() const
{
    const qreal s = m_size;
    const qreal width = firstWidth() + 0.14 * s + QFontMetricsF(font()).horizontalAdvance(m_product) + 2 * 0.32 * s;
    return QSize(int(std::ceil(width)), int(std::ceil(s * 1.06)));
}

void Wordmark::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal s = m_size;
    painter.setFont(font());
    const QRectF tile = tileRect();
    // Both words sit centred in a frame of the font size.
    const QRectF firstFrame(0, (height() - s) / 2, firstWidth(), s);
    painter.setPen(Palette::textPrimary.color());
    painter.drawText(firstFrame, Qt::AlignCenter | Qt::TextSingleLine, first);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::logoBlue.color());
    painter.drawRoundedRect(tile, 0.3 * s, 0.3 * s);
    const QRectF productFrame(tile.left() + 0.32 * s, tile.top(), tile.width() - 0.64 * s, s);
    painter.setPen(Palette::white.color());
    painter.drawText(productFrame, Qt::AlignCenter | Qt::TextSingleLine, m_product);
}
