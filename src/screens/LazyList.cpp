#include "screens/LazyList.h"

#include "design/components/SScrollBar.h"

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
