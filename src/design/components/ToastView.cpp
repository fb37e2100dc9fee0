#include "design/components/ToastView.h"

#include "design/Icon.h"
#include "design/Palette.h"
#include "design/Surface.h"
#include "design/Theme.h"

#include <QPainter>

#include <cmath>

ToastStyle ToastStyle::of(ToastTone tone)
{
    using namespace Palette;
    ToastStyle style;
    switch (tone) {
    case ToastTone::success:
        style.icon = QStringLiteral("circle-check"), style.iconColor = positive;
        break;
    case ToastTone::danger:
        style.icon = QStringLiteral("circle-alert"), style.iconColor = negative;
        break;
    case ToastTone::warning:
        style.icon = QStringLiteral("triangle-alert"), style.iconColor = warning;
        break;
    case ToastTone::info:
        style.icon = QStringLiteral("info"), style.iconColor = info;
        break;
    }
    style.titleColor = textPrimary;
    style.detailColor = textSecondary;
    style.border = borderDefault;
    return style;
}

ToastView::ToastView(const QString& title, const QString& detail, ToastTone tone, QWidget* parent)
    : QWidget(parent)
    , m_title(title)
    , m_detail(detail)
    , m_tone(tone)
    , m_style(ToastStyle::of(tone))
{
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setAccessibleName(title);
    setAccessibleDescription(detail);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

void ToastView::setToast(const QString& title, const QString& detail, ToastTone tone)
{
    m_title = title;
    m_detail = detail;
    m_tone = tone;
    m_style = ToastStyle::of(tone);
    setAccessibleName(title);
    setAccessibleDescription(detail);
    updateGeometry();
    update();
}

QRectF ToastView::cardRect() const
{
    return QRectF(rect()).marginsRemoved(Shadow::margins(m_style.elevation));
}

qreal ToastView::textWidth(qreal cardWidth) const
{
    return std::max<qreal>(1, cardWidth - 2 * m_style.paddingX - m_style.iconSize - m_style.spacing);
}

qreal ToastView::textHeight(qreal width) const
{
    qreal height = m_style.title.measure(m_title, width).height();
    if (!m_detail.isEmpty())
        height += m_style.lineGap + m_style.detail.measure(m_detail, width).height();
    return height;
}

int ToastView::heightForWidth(int width) const
{
    const QMargins m = Shadow::margins(m_style.elevation);
    const qreal card = width - m.left() - m.right();
    const qreal content = std::max<qreal>(m_style.iconSize, textHeight(textWidth(card)));
    return int(std::ceil(content)) + 2 * m_style.paddingY + m.top() + m.bottom();
}

QSize ToastView::sizeHint() const
{
    const QMargins m = Shadow::margins(m_style.elevation);
    qreal text = m_style.title.measure(m_title).width();
    if (!m_detail.isEmpty())
        text = std::max(text, m_style.detail.measure(m_detail).width());
    const int width = int(std::ceil(std::min<qreal>(text, 360))) + 2 * m_style.paddingX + m_style.iconSize
        + m_style.spacing + m.left() + m.right();
    return QSize(width, heightForWidth(width));
}

QSize ToastView::minimumSizeHint() const
{
    const QMargins m = Shadow::margins(m_style.elevation);
    const int width = 2 * m_style.paddingX + m_style.iconSize + m_style.spacing + 80 + m.left() + m.right();
    return QSize(width, heightForWidth(width));
}

void ToastView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = cardRect();
    Surface::card(painter, card, m_style.radius, m_style.elevation, m_style.border);
    const QPointF iconAt(card.left() + m_style.paddingX, card.top() + m_style.paddingY);
    Icon::paint(painter, m_style.icon, iconAt, m_style.iconSize, m_style.iconColor, 1.75);
    const qreal left = iconAt.x() + m_style.iconSize + m_style.spacing;
    const qreal width = textWidth(card.width());
    qreal y = card.top() + m_style.paddingY;
    const qreal titleHeight = m_style.title.measure(m_title, width).height();
    m_style.title.draw(painter, QRectF(left, y, width, titleHeight), m_title, m_style.titleColor);
    if (!m_detail.isEmpty()) {
        y += titleHeight + m_style.lineGap;
        const qreal detailHeight = m_style.detail.measure(m_detail, width).height();
        m_style.detail.draw(painter, QRectF(left, y, width, detailHeight), m_detail, m_style.detailColor);
    }
}
