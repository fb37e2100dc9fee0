#include "design/components/EmptyStateView.h"

#include "design/Icon.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/components/ControlStyle.h"

#include <QPainter>

#include <cmath>

EmptyStateStyle EmptyStateStyle::standard()
{
    using namespace Palette;
    EmptyStateStyle style;
    style.icon = brand;
    style.tileFill = surfaceBrandSoft;
    style.titleColor = textPrimary;
    style.detailColor = textSecondary;
    return style;
}

EmptyStateView::EmptyStateView(const QString& icon, const QString& title, const QString& detail, QWidget* parent)
    : QWidget(parent)
    , m_icon(icon)
    , m_title(title)
    , m_detail(detail)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setAccessibleName(title);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

void EmptyStateView::setIcon(const QString& name)
{
    m_icon = name;
    update();
}

void EmptyStateView::setTitle(const QString& title)
{
    m_title = title;
    setAccessibleName(title);
    updateGeometry();
    update();
}

void EmptyStateView::setDetail(const QString& detail)
{
    m_detail = detail;
    updateGeometry();
    update();
}

EmptyStateView::Blocks EmptyStateView::layoutFor(qreal width) const
{
    Blocks blocks;
    const qreal inner = std::max<qreal>(1, width - 2 * m_style.paddingX);
    qreal y = m_style.paddingY;
    blocks.tile = QRectF((width - m_style.tile) / 2, y, m_style.tile, m_style.tile);
    y += m_style.tile + m_style.tileGap + m_style.spacing;
    const QSizeF title = m_style.title.measure(m_title, inner);
    blocks.title = QRectF(m_style.paddingX, y, inner, title.height());
    y += title.height();
    if (!m_detail.isEmpty()) {
        y += m_style.spacing;
        const qreal column = std::min<qreal>(inner, m_style.detailWidth);
        const QSizeF detail = m_style.detail.measure(m_detail, column);
        blocks.detail = QRectF((width - column) / 2, y, column, detail.height());
        y += detail.height();
    }
    blocks.height = y + m_style.paddingY;
    return blocks;
}

QRectF EmptyStateView::tileRect() const
{
    return layoutFor(width()).tile;
}

QRectF EmptyStateView::detailRect() const
{
    return layoutFor(width()).detail;
}

int EmptyStateView::heightForWidth(int width) const
{
    return int(std::ceil(layoutFor(width).height));
}

QSize EmptyStateView::sizeHint() const
{
    qreal content = std::max<qreal>(m_style.tile, m_style.title.measure(m_title).width());
    if (!m_detail.isEmpty())
        content = std::max(content, std::min<qreal>(m_style.detailWidth, m_style.detail.measure(m_detail).width()));
    const int width = int(std::ceil(content)) + 2 * m_style.paddingX;
    return QSize(width, heightForWidth(width));
}

QSize EmptyStateView::minimumSizeHint() const
{
    const int width = m_style.tile + 2 * m_style.paddingX;
    return QSize(width, heightForWidth(width));
}

void EmptyStateView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const Blocks blocks = layoutFor(width());
    ControlPaint::fill(painter, blocks.tile, m_style.tileRadius, m_style.tileFill.color());
    Icon::paint(painter, m_icon, blocks.tile, m_style.iconSize, m_style.icon, 1.75);
    m_style.title.draw(painter, blocks.title, m_title, m_style.titleColor, Qt::AlignHCenter);
    if (!m_detail.isEmpty())
        m_style.detail.draw(painter, blocks.detail, m_detail, m_style.detailColor, Qt::AlignHCenter);
}
