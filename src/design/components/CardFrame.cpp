#include "design/components/CardFrame.h"

#include "design/Surface.h"
#include "design/Theme.h"

#include "design/components/CardHost.h"

#include <QEvent>
#include <QPainter>

CardFrame::CardFrame(qreal radius, Elevation elevation, const ColorToken& border, QWidget* parent)
    : QWidget(parent)
    , m_radius(radius)
    , m_elevation(elevation)
    , m_border(border)
{
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

bool CardFrame::event(QEvent* event)
{
    // The shadow lies on the host: repaint it where the card went.
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize || event->type() == QEvent::Show
        || event->type() == QEvent::Hide) {
        for (QWidget* up = parentWidget(); up; up = up->parentWidget()) {
            if (qobject_cast<CardHost*>(up)) {
                up->update();
                break;
            }
        }
    }
    return QWidget::event(event);
}

void CardFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Surface::card(painter, QRectF(rect()), m_radius, Elevation::None, m_border);
}
