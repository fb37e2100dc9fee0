#include "design/components/FocusRing.h"

#include "design/Palette.h"
#include "design/Theme.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QPainter>
#include <QPainterPathStroker>

FocusRing::FocusRing(QWidget* control, std::function<QPainterPath()> shape, std::function<QColor()> colour)
    : QWidget(hostOf(control))
    , m_control(control)
    , m_shape(std::move(shape))
    , m_colour(std::move(colour))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    control->installEventFilter(this);
    // The ring lives in another widget than its control: it goes with it.
    connect(control, &QObject::destroyed, this, [this] {
        hide();
        deleteLater();
    });
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
    watchContainers();
    follow();
}

QWidget* FocusRing::hostOf(const QWidget* control)
{
    for (QWidget* w = control->parentWidget(); w; w = w->parentWidget()) {
        if (w->isWindow())
            return w;
        if (auto* area = qobject_cast<QAbstractScrollArea*>(w->parentWidget()); area && area->viewport() == w)
            return w;
    }
    return control->window();
}

void FocusRing::watchContainers()
{
    for (const QPointer<QWidget>& w : std::as_const(m_watched)) {
        if (w)
            w->removeEventFilter(this);
    }
    m_watched.clear();
    if (!m_control)
        return;
    for (QWidget* w = m_control->parentWidget(); w && w != parentWidget(); w = w->parentWidget()) {
        w->installEventFilter(this);
        m_watched.append(w);
    }
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ParentChange:
        follow();
        update();
        break;
    case QEvent::Hide:
        if (watched == m_control)
            hide();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::follow()
{
    if (!m_control)
        return;
    QWidget* host = hostOf(m_control);
    if (host != parentWidget()) {
        const bool shown = isVisibleTo(parentWidget());
        setParent(host);
        watchContainers();
        setVisible(shown);
    }
    const QRect at(m_control->mapTo(host, QPoint(0, 0)), m_control->size());
    setGeometry(at.adjusted(-width, -width, width, width));
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
