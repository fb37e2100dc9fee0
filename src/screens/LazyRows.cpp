#include "screens/LazyRows.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace {

// Rows within this many viewport heights of the visible part are built;
// built rows further than the larger reach are let go.
constexpr double buildReach = 1.0;
constexpr double keepReach = 3.0;

} // namespace

LazyRows::LazyRows(Source source, QWidget* parent)
    : QWidget(parent)
    , m_source(std::move(source))
{
    setAutoFillBackground(false);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    findScrollArea();
}

void LazyRows::setPadding(const QMargins& padding)
{
    m_padding = padding;
    relayout();
}

void LazyRows::setRows(const QList<Row>& rows)
{
    // The first row in view stays where it is on screen when rows change.
    const std::pair<QString, int> kept = anchor();
    // Copied into this list's own room rather than shared: a long list
    // changed again and again reuses it instead of allocating anew.
    m_rows.clear();
    m_rows.append(rows);
    const int width = contentWidth();
    // One look-up a row: every built row has been measured at this width,
    // so only a measured row can be built; the others take their guess.
    // (At a width not yet laid out, the layout below measures again.)
    const bool sameWidth = width == m_measuredWidth;
    m_index.clear();
    m_heights.resize(m_rows.size());
    for (int i = 0; i < m_rows.size(); ++i) {
        const QString& key = m_rows.at(i).key;
        const auto measured = sameWidth ? m_measured.constFind(key) : m_measured.constEnd();
        if (measured != m_measured.constEnd()) {
            m_heights[i] = *measured;
            if (m_built.contains(key))
                m_index.insert(key, i);
        } else {
            m_heights[i] = m_source.estimate(i, width);
            if (!sameWidth && m_built.contains(key))
                m_index.insert(key, i);
        }
        if (key == kept.first)
            m_index.insert(key, i);
    }
    QList<QWidget*> gone;
    for (auto it = m_built.begin(); it != m_built.end();) {
        const auto found = m_index.constFind(it.key());
        if (found == m_index.constEnd()) {
            m_measured.remove(it.key());
            gone.append(it.value());
            it = m_built.erase(it);
        } else {
            m_source.update(*found, it.value());
            ++it;
        }
    }
    letGo(gone);
    relayout();
    keepAnchor(kept);
    fill();
}

int LazyRows::contentWidth() const
{
    return std::max(1, width() - m_padding.left() - m_padding.right());
}

int LazyRows::heightOf(int row, QWidget* widget) const
{
    return heightOf(row, widget, contentWidth());
}

int LazyRows::heightOf(int row, QWidget* widget, int contentWidth) const
{
    const Row& r = m_rows.at(row);
    const int width = contentWidth + r.outset.left() + r.outset.right();
    const int full = widget->hasHeightForWidth() ? widget->heightForWidth(width) : widget->sizeHint().height();
    return std::max(0, full - r.outset.top() - r.outset.bottom());
}

QSize LazyRows::sizeHint() const
{
    return QSize(m_padding.left() + m_padding.right(), m_total);
}

int LazyRows::heightForWidth(int width) const
{
    if (width == this->width())
        return m_total;
    // Before the layout gives this its width: the built rows measured there,
    // the others as guessed, so that a page sized by this holds every row.
    const int inner = std::max(1, width - m_padding.left() - m_padding.right());
    const bool measuredThere = inner == m_measuredWidth;
    int y = m_padding.top() + m_padding.bottom();
    for (int i = 0; i < m_rows.size(); ++i) {
        const Row& row = m_rows.at(i);
        y += row.gapAbove;
        if (QWidget* widget = m_built.value(row.key); widget && m_index.value(row.key, -1) == i)
            y += heightOf(i, widget, inner);
        else if (const auto measured = m_measured.constFind(row.key); measuredThere && measured != m_measured.constEnd())
            y += *measured;
        else
            y += m_source.estimate(i, inner);
    }
    return y;
}

std::pair<int, int> LazyRows::span() const
{
    if (!m_area)
        return {0, height()};
    QWidget* viewport = m_area->viewport();
    const int top = -mapTo(viewport, QPoint(0, 0)).y();
    return {top, top + viewport->height()};
}

void LazyRows::findScrollArea()
{
    QAbstractScrollArea* area = nullptr;
    for (QWidget* p = parentWidget(); p && !area; p = p->parentWidget())
        area = qobject_cast<QAbstractScrollArea*>(p);
    if (area == m_area)
        return;
    if (m_area) {
        m_area->verticalScrollBar()->disconnect(this);
        m_area->viewport()->removeEventFilter(this);
    }
    m_area = area;
    if (!m_area)
        return;
    connect(m_area->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { fill(); });
    m_area->viewport()->installEventFilter(this);
}

bool LazyRows::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange) {
        findScrollArea();
    } else if (event->type() == QEvent::Show) {
        // The page may have taken in what holds this since it was parented.
        findScrollArea();
        fill();
    }
    return QWidget::event(event);
}

bool LazyRows::eventFilter(QObject* watched, QEvent* event)
{
    if (m_area && watched == m_area->viewport() && event->type() == QEvent::Resize)
        fill();
    return QWidget::eventFilter(watched, event);
}

void LazyRows::relayout()
{
    const int width = contentWidth();
    if (width != m_measuredWidth) {
        // What was measured at another width no longer holds: every row not
        // built goes back to its guess.
        m_measured.clear();
        m_measuredWidth = width;
        m_heights.resize(m_rows.size());
        for (int i = 0; i < m_rows.size(); ++i)
            m_heights[i] = m_source.estimate(i, width);
    }
    // Only the built rows are measured again; the rest keep their heights.
    for (auto it = m_built.cbegin(); it != m_built.cend(); ++it) {
        const int row = m_index.value(it.key(), -1);
        if (row < 0)
            continue;
        m_heights[row] = heightOf(row, it.value());
        m_measured.insert(it.key(), m_heights.at(row));
    }
    m_tops.resize(m_rows.size());
    int y = m_padding.top();
    for (int i = 0; i < m_rows.size(); ++i) {
        y += m_rows.at(i).gapAbove;
        m_tops[i] = y;
        y += m_heights.at(i);
    }
    for (auto it = m_built.cbegin(); it != m_built.cend(); ++it) {
        const int row = m_index.value(it.key(), -1);
        if (row >= 0)
            it.value()->setGeometry(rowRect(row).marginsAdded(m_rows.at(row).outset));
    }
    const int total = y + m_padding.bottom();
    const bool changed = total != m_total;
    m_total = total;
    // As a scroll area's own content this sizes itself; in a page, the
    // page's layout gives it its height.
    auto* owner = qobject_cast<QScrollArea*>(m_area.data());
    if (owner && owner->widget() == this && !owner->widgetResizable()) {
        if (height() != m_total)
            resize(this->width(), m_total);
    } else if (changed || height() != m_total) {
        // Also when the layout sized this by guesses that measuring corrected.
        updateGeometry();
    }
}

std::pair<QString, int> LazyRows::anchor() const
{
    const int top = span().first;
    if (top <= 0 || m_rows.isEmpty())
        return {};
    // The last row starting at or above the view's top, unless it ends there.
    auto it = std::upper_bound(m_tops.cbegin(), m_tops.cend(), top);
    int row = std::max(0, int(it - m_tops.cbegin()) - 1);
    if (m_tops.value(row) + m_heights.value(row) <= top && row + 1 < m_rows.size())
        ++row;
    return {m_rows.at(row).key, top - m_tops.value(row)};
}

void LazyRows::keepAnchor(const std::pair<QString, int>& kept)
{
    if (kept.first.isEmpty() || !m_area)
        return;
    const auto found = m_index.constFind(kept.first);
    if (found == m_index.constEnd())
        return;
    const int delta = m_tops.value(*found) + kept.second - span().first;
    if (delta != 0)
        m_area->verticalScrollBar()->setValue(m_area->verticalScrollBar()->value() + delta);
}

void LazyRows::fill()
{
    // With no room for content yet (before the scroll area or page gives
    // this its width), a row would be measured at a width it never takes:
    // the resize that brings the room fills.
    if (m_filling || width() - m_padding.left() - m_padding.right() < 1)
        return;
    m_filling = true;
    const auto [top, bottom] = span();
    const int view = std::max(1, bottom - top);
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

    const int keepFrom = top - int(view * keepReach);
    const int keepTo = bottom + int(view * keepReach);
    QWidget* focus = QApplication::focusWidget();
    QList<QWidget*> gone;
    for (auto it = m_built.begin(); it != m_built.end();) {
        const int i = m_index.value(it.key(), -1);
        QWidget* widget = it.value();
        const bool near = i >= 0 && m_tops.value(i) + m_heights.value(i) >= keepFrom && m_tops.value(i) <= keepTo;
        // What the user is typing in stays, however far it scrolled.
        if (near || (focus && (focus == widget || widget->isAncestorOf(focus)))) {
            ++it;
            continue;
        }
        gone.append(widget);
        m_index.remove(it.key());
        it = m_built.erase(it);
    }
    letGo(gone);
    m_filling = false;
}

void LazyRows::letGo(const QList<QWidget*>& widgets)
{
    // Only once they are out of the books: hiding a widget with the focus
    // moves the focus, and the scroll area may scroll to it and come back here.
    for (QWidget* widget : widgets) {
        widget->hide();
        widget->deleteLater();
    }
}

void LazyRows::buildWithin(int above, int below)
{
    // Building changes heights, which moves rows in or out of reach; a few
    // rounds settle it.
    for (int round = 0; round < 4; ++round) {
        const int top = span().first;
        const int from = top + above;
        const int to = top + below;
        bool built = false;
        // Rows are in order of their tops: start at the last one above from.
        auto it = std::upper_bound(m_tops.cbegin(), m_tops.cend(), from);
        for (int i = std::max(0, int(it - m_tops.cbegin()) - 1); i < m_rows.size() && m_tops.value(i) <= to; ++i) {
            if (m_tops.value(i) + m_heights.value(i) < from)
                continue;
            if (!m_built.contains(m_rows.at(i).key)) {
                build(i);
                built = true;
            }
        }
        if (!built)
            break;
        // Rows built above the view must not push what is on screen.
        const std::pair<QString, int> kept = anchor();
        relayout();
        keepAnchor(kept);
    }
}

QWidget* LazyRows::build(int row)
{
    QWidget* widget = m_source.create(row, this);
    const Row& r = m_rows.at(row);
    m_built.insert(r.key, widget);
    m_index.insert(r.key, row);
    const int height = heightOf(row, widget);
    m_measured.insert(r.key, height);
    widget->setGeometry(QRect(m_padding.left(), m_tops.value(row), contentWidth(), height).marginsAdded(r.outset));
    widget->show();
    return widget;
}

QRect LazyRows::rowRect(int row) const
{
    return QRect(m_padding.left(), m_tops.value(row), contentWidth(), m_heights.value(row));
}

void LazyRows::reveal(int row)
{
    if (row < 0 || row >= m_rows.size() || !m_area)
        return;
    const auto [top, bottom] = span();
    const int rowTop = m_tops.value(row);
    const int rowBottom = rowTop + m_heights.value(row);
    int delta = 0;
    if (rowTop < top)
        delta = rowTop - top;
    else if (rowBottom > bottom)
        delta = std::min(rowBottom - bottom, rowTop - top);
    if (delta != 0)
        m_area->verticalScrollBar()->setValue(m_area->verticalScrollBar()->value() + delta);
    fill();
}

void LazyRows::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (event->size().width() != event->oldSize().width())
        relayout();
    fill();
}
