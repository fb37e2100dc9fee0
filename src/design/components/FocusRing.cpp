#include "design/components/FocusRing.h"

#include "design/Palette.h"
#include "design/Theme.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPathStroker>

FocusRing::FocusRing(QWidget* control, std::function<QPainterPath()> shape, std::function<QColor()> colour)
    : QWidget(control->parentWidget())
    , m_control(control)
    , m_shape(std::move(shape))
    , m_colour(std::move(colour))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    control->installEventFilter(this);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
    follow();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_control) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::ZOrderChange:
            follow();
            update();
            break;
        case QEvent::Hide:
            hide();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::follow()
{
    if (!m_control || m_control->parentWidget() != parentWidget()) {
        hide();
        return;
    }
    setGeometry(m_control->geometry().adjusted(-width, -width, width, width));
    raise();
}

void FocusRing::paintEvent(QPaintEvent*)
{
    if (!m_control)
        return;
    const QPainterPath shape = m_shape().translated(width, width);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPathStroker stroker;
    stroker.setWidth(2 * width);
    stroker.setJoinStyle(Qt::RoundJoin);
    const QPainterPath band = stroker.createStroke(shape).united(shape).subtracted(shape);
    painter.fillPath(band, m_colour ? m_colour() : Palette::ring.color());
}
