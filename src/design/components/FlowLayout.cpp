#include "design/components/FlowLayout.h"

#include <QWidget>

#include <algorithm>
#include <limits>

FlowLayout::FlowLayout(int spacing, int lineSpacing, Qt::Alignment alignment, QWidget* parent)
    : QLayout(parent)
    , m_spacing(spacing)
    , m_lineSpacing(lineSpacing)
    , m_alignment(alignment)
{
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

QList<FlowLayout::Row> FlowLayout::rows(int maxWidth, const QList<QSize>& sizes, int spacing)
{
    QList<Row> result;
    Row current;
    for (int i = 0; i < sizes.size(); ++i) {
        const QSize size = sizes.at(i);
        const bool empty = current.indices.isEmpty();
        // 64-bit so an unbounded maxWidth cannot overflow the sum.
        const qint64 candidate = empty ? size.width() : qint64(current.width) + spacing + size.width();
        if (candidate > maxWidth && !empty) {
            result.append(current);
            current = Row();
        }
        current.width = current.indices.isEmpty() ? size.width() : current.width + spacing + size.width();
        current.height = std::max(current.height, size.height());
        current.indices.append(i);
    }
    if (!current.indices.isEmpty())
        result.append(current);
    return result;
}

void FlowLayout::addItem(QLayoutItem* item)
{
    m_items.append(item);
    invalidate();
}

int FlowLayout::count() const
{
    return int(m_items.size());
}

QLayoutItem* FlowLayout::itemAt(int index) const
{
    return m_items.value(index);
}

QLayoutItem* FlowLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    QLayoutItem* item = m_items.takeAt(index);
    invalidate();
    return item;
}

Qt::Orientations FlowLayout::expandingDirections() const
{
    return {};
}

bool FlowLayout::hasHeightForWidth() const
{
    return true;
}

QList<QSize> FlowLayout::itemSizes() const
{
    QList<QSize> sizes;
    sizes.reserve(m_items.size());
    for (QLayoutItem* item : m_items)
        sizes.append(item->isEmpty() ? QSize(0, 0) : item->sizeHint());
    return sizes;
}

int FlowLayout::contentHeight(const QList<Row>& rows) const
{
    if (rows.isEmpty())
        return 0;
    int height = m_lineSpacing * int(rows.size() - 1);
    for (const Row& row : rows)
        height += row.height;
    return height;
}

int FlowLayout::heightForWidth(int width) const
{
    const QMargins m = contentsMargins();
    return contentHeight(rows(width - m.left() - m.right(), itemSizes(), m_spacing)) + m.top() + m.bottom();
}

QSize FlowLayout::sizeHint() const
{
    // Without a width everything stays on one row.
    const auto all = rows(std::numeric_limits<int>::max(), itemSizes(), m_spacing);
    const QMargins m = contentsMargins();
    const int width = all.isEmpty() ? 0 : all.first().width;
    return QSize(width + m.left() + m.right(), contentHeight(all) + m.top() + m.bottom());
}

QSize FlowLayout::minimumSize() const
{
    // No narrower than the widest item, so nothing is clipped.
    int width = 0;
    for (const QSize& size : itemSizes())
        width = std::max(width, size.width());
    const QMargins m = contentsMargins();
    width += m.left() + m.right();
    return QSize(width, heightForWidth(width));
}

void FlowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    const QRect area = rect.marginsRemoved(contentsMargins());
    const QList<QSize> sizes = itemSizes();
    int y = area.top();
    for (const Row& row : rows(area.width(), sizes, m_spacing)) {
        int x = area.left();
        for (int index : row.indices) {
            const QSize size = sizes.at(index);
            int offset = (row.height - size.height()) / 2;
            if (m_alignment & Qt::AlignTop)
                offset = 0;
            else if (m_alignment & Qt::AlignBottom)
                offset = row.height - size.height();
            m_items.at(index)->setGeometry(QRect(QPoint(x, y + offset), size));
            x += size.width() + m_spacing;
        }
        y += row.height + m_lineSpacing;
    }
}
