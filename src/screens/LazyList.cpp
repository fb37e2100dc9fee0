#include "screens/LazyList.h"

#include "design/components/SScrollBar.h"

#include <QApplication>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace {

// Rows within this many viewport heights of the visible part are built;
// built rows further than the larger reach are let go.
constexpr double buildReach = 1.0;
constexpr double keepReach = 3.0;

} // namespace

LazyList::LazyList(Source source, QWidget* parent)
    : QScrollArea(parent)
    , m_source(std::move(source))
    , m_content(new QWidget)
{
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBar(new SScrollBar(Qt::Vertical, this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidgetResizable(false);
    m_content->setObjectName(QStringLiteral("lazyListContent"));
    setWidget(m_content);
    viewport()->setAutoFillBackground(false);
    m_content->setAutoFillBackground(false);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { fill(); });
}

void LazyList::setPadding(const QMargins& padding)
{
    m_padding = padding;
    relayout();
}

void LazyList::setRows(const QList<Row>& rows)
{
    // The first row in view stays where it is on screen when rows change.
    const int scroll = verticalScrollBar()->value();
    QString anchorKey;
    int anchorOffset = 0;
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_tops.value(i) + m_heights.value(i) > scroll) {
            anchorKey = m_rows.at(i).key;
            anchorOffset = scroll - m_tops.value(i);
            break;
        }
    }

    m_rows = rows;
    QHash<QString, int> index;
    for (int i = 0; i < m_rows.size(); ++i)
        index.insert(m_rows.at(i).key, i);
    for (auto it = m_built.begin(); it != m_built.end();) {
        const auto found = index.constFind(it.key());
        if (found == index.constEnd()) {
            m_measured.remove(it.key());
            it.value()->deleteLater();
            it.value()->hide();
            it = m_built.erase(it);
        } else {
            m_source.update(*found, it.value());
            ++it;
        }
    }
    relayout();
    if (const auto found = index.constFind(anchorKey); found != index.constEnd() && scroll > 0)
        verticalScrollBar()->setValue(m_tops.value(*found) + anchorOffset);
    fill();
}

int LazyList::contentWidth() const
{
    return std::max(1, viewport()->width() - m_padding.left() - m_padding.right());
}

int LazyList::heightOf(int row) const
{
    const Row& r = m_rows.at(row);
    if (QWidget* widget = m_built.value(r.key)) {
        const int width = contentWidth() + r.outset.left() + r.outset.right();
        const int full = widget->hasHeightForWidth() ? widget->heightForWidth(width) : widget->sizeHint().height();
        return std::max(0, full - r.outset.top() - r.outset.bottom());
    }
    if (const auto found = m_measured.constFind(r.key); found != m_measured.constEnd())
        return *found;
    return m_source.estimate(row, contentWidth());
}

void LazyList::relayout()
{
    const int width = contentWidth();
    if (width != m_measuredWidth) {
        m_measured.clear();
        m_measuredWidth = width;
    }
    m_tops.resize(m_rows.size());
    m_heights.resize(m_rows.size());
    int y = m_padding.top();
    for (int i = 0; i < m_rows.size(); ++i) {
        const Row& row = m_rows.at(i);
        y += row.gapAbove;
        const int height = heightOf(i);
        m_tops[i] = y;
        m_heights[i] = height;
        if (QWidget* widget = m_built.value(row.key)) {
            m_measured.insert(row.key, height);
            widget->setGeometry(QRect(m_padding.left(), y, width, height).marginsAdded(row.outset));
        }
        y += height;
    }
    m_content->resize(viewport()->width(), y + m_padding.bottom());
}

void LazyList::fill()
{
    if (m_filling)
        return;
    m_filling = true;
    const int view = std::max(1, viewport()->height());
    // What is on screen is built now; the rows within reach of it once the
    // frame is painted, so that scrolling finds them ready.
    buildWithin(0, view);
    if (!m_prefetchQueued) {
        m_prefetchQueued = true;
        QTimer::singleShot(0, this, [this, view] {
            m_prefetchQueued = false;
            if (m_filling)
                return;
            m_filling = true;
            buildWithin(-int(view * buildReach), view + int(view * buildReach));
            m_filling = false;
        });
    }

    const int scroll = verticalScrollBar()->value();
    const int keepFrom = scroll - int(view * keepReach);
    const int keepTo = scroll + view + int(view * keepReach);
    QWidget* focus = QApplication::focusWidget();
    for (int i = 0; i < m_rows.size(); ++i) {
        QWidget* widget = m_built.value(m_rows.at(i).key);
        if (!widget || (m_tops.value(i) + m_heights.value(i) >= keepFrom && m_tops.value(i) <= keepTo))
            continue;
        // What the user is typing in stays, however far it scrolled.
        if (focus && (focus == widget || widget->isAncestorOf(focus)))
            continue;
        m_built.remove(m_rows.at(i).key);
        widget->hide();
        widget->deleteLater();
    }
    m_filling = false;
}

void LazyList::buildWithin(int above, int below)
{
    // Building changes heights, which moves rows in or out of reach; a few
    // rounds settle it.
    for (int round = 0; round < 4; ++round) {
        const int scroll = verticalScrollBar()->value();
        const int from = scroll + above;
        const int to = scroll + below;
        bool built = false;
        for (int i = 0; i < m_rows.size(); ++i) {
            if (m_tops.value(i) + m_heights.value(i) < from || m_tops.value(i) > to)
                continue;
            if (!m_built.contains(m_rows.at(i).key)) {
                build(i);
                built = true;
            }
        }
        if (!built)
            break;
        // Rows built above the view must not push what is on screen.
        QString anchorKey;
        int anchorOffset = 0;
        for (int i = 0; i < m_rows.size(); ++i) {
            if (m_tops.value(i) + m_heights.value(i) > scroll) {
                anchorKey = m_rows.at(i).key;
                anchorOffset = scroll - m_tops.value(i);
                break;
            }
        }
        relayout();
        for (int i = 0; i < m_rows.size() && scroll > 0; ++i) {
            if (m_rows.at(i).key == anchorKey) {
                verticalScrollBar()->setValue(m_tops.value(i) + anchorOffset);
                break;
            }
        }
    }
}

QWidget* LazyList::build(int row)
{
    QWidget* widget = m_source.create(row, m_content);
    m_built.insert(m_rows.at(row).key, widget);
    const Row& r = m_rows.at(row);
    widget->setGeometry(QRect(m_padding.left(), m_tops.value(row), contentWidth(), heightOf(row)).marginsAdded(r.outset));
    widget->show();
    return widget;
}

QRect LazyList::rowRect(int row) const
{
    return QRect(m_padding.left(), m_tops.value(row), contentWidth(), m_heights.value(row));
}

void LazyList::reveal(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    ensureVisible(0, m_tops.value(row) + m_heights.value(row) / 2, 0, m_heights.value(row) / 2 + 1);
    fill();
}

void LazyList::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    relayout();
    fill();
}
