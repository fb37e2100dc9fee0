#include "onboarding/WaitingSpinner.h"

#include "design/Animation.h"
#include "design/Palette.h"

#include <QPainter>
#include <QVariantAnimation>

WaitingSpinner::WaitingSpinner(QWidget* parent)
    : QWidget(parent)
    , m_turn(new QVariantAnimation(this))
{
    setFixedSize(side, side);
    m_turn->setStartValue(0.0);
    m_turn->setEndValue(360.0);
    m_turn->setDuration(800);
    m_turn->setLoopCount(-1);
    connect(m_turn, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_angle = value.toReal();
        update();
    });
    connect(&Animation::changes(), &Animation::Switch::changed, this, &WaitingSpinner::follow);
}

bool WaitingSpinner::isTurning() const
{
    return m_turn->state() == QAbstractAnimation::Running;
}

void WaitingSpinner::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Each showing starts the turn from the top.
    m_angle = 0;
    follow();
}

void WaitingSpinner::follow()
{
    if (isVisible() && Animation::looping()) {
        if (!isTurning())
            m_turn->start();
        return;
    }
    m_turn->stop();
    // Reduced motion shows the still arc, from the top.
    m_angle = 0;
    update();
}

void WaitingSpinner::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_turn->stop();
}

void WaitingSpinner::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal stroke = 2;
    QPen ring(Palette::warningBorder.color(), stroke);
    painter.setPen(ring);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(rect()).adjusted(stroke / 2, stroke / 2, -stroke / 2, -stroke / 2));

    painter.translate(side / 2.0, side / 2.0);
    painter.rotate(m_angle - 135);
    QPen arc(Palette::amber600.color(), stroke);
    arc.setCapStyle(Qt::FlatCap);
    painter.setPen(arc);
    const qreal r = side / 2.0 - 1 - stroke / 2;
    // A quarter circle starting at three o'clock, going clockwise.
    painter.drawArc(QRectF(-r, -r, 2 * r, 2 * r), 0, -90 * 16);
}
