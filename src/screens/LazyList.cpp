#include "screens/LazyList.h"

#include "design/components/FocusRing.h"
#include "design/components/SScrollBar.h"

#include <QFocusEvent>
#include <QResizeEvent>

LazyList::LazyList(Source source, QWidget* parent)
    : QScrollArea(parent)
    , m_rows(new LazyRows(std::move(source)))
{
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBar(new SScrollBar(Qt::Vertical, this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidgetResizable(false);
    m_rows->setObjectName(QStringLiteral("lazyListContent"));
    setWidget(m_rows);
    // setWidget() turns the content's fill on; the screen shows through instead.
    m_rows->setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
}

void LazyList::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    m_rows->resize(viewport()->width(), m_rows->heightForWidth(viewport()->width()));
}

void LazyList::focusInEvent(QFocusEvent* event)
{
    QScrollArea::focusInEvent(event);
    const bool byKeyboard = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (byKeyboard && !m_ring) {
        // Inside the list's own edge: the list fills its screen.
        m_ring = new FocusRing(this, [this] {
            QPainterPath shape;
            shape.addRoundedRect(QRectF(rect()).adjusted(FocusRing::width, FocusRing::width, -FocusRing::width,
                                                         -FocusRing::width),
                                 4, 4);
            return shape;
        });
    }
    if (m_ring)
        m_ring->setVisible(byKeyboard);
}

void LazyList::focusOutEvent(QFocusEvent* event)
{
    QScrollArea::focusOutEvent(event);
    if (m_ring)
        m_ring->hide();
}
