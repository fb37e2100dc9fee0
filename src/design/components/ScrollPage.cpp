#include "design/components/ScrollPage.h"

#include "design/components/CardHost.h"
#include "design/components/SScrollBar.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

ScrollPage::ScrollPage(int maxWidth, const QMargins& padding, int spacing, QWidget* parent)
    : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setVerticalScrollBar(new SScrollBar(Qt::Vertical, this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(false);

    auto* host = new CardHost;
    auto* row = new QHBoxLayout(host);
    row->setContentsMargins(padding);
    row->setSpacing(0);
    m_content = new QWidget;
    m_content->setMaximumWidth(maxWidth);
    m_column = new QVBoxLayout(m_content);
    m_column->setContentsMargins(0, 0, 0, 0);
    m_column->setSpacing(spacing);
    row->addWidget(m_content, 1, Qt::AlignTop);
    row->addStretch(0);
    setWidget(host);
    host->setAutoFillBackground(false);
}
