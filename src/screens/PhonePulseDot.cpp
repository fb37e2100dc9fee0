#include "screens/PhonePulseDot.h"

#include "design/Animation.h"
#include "design/Theme.h"
#include "design/components/ControlStyle.h"

#include <QPainter>
#include <QVariantAnimation>

PhonePulseDot::PhonePulseDot(bool pulse, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pulseDot"));
    setFixedSize(room, room);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
    if (!pulse)
        return;
    m_pulse = new QVariantAnimation(this);
    m_pulse->setStartValue(0.0);
    m_pulse->setEndValue(1.0);
    m_pulse->setDuration(1400);
    m_pulse->setEasingCurve(ControlPaint::easeOut());
    m_pulse->setLoopCount(-1);
    connect(m_pulse, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_progress = value.toReal();
        update();
    });
    connect(&Animation::changes(), &Animation::Switch::changed, this, &PhonePulseDot::follow);
    follow();
}

void PhonePulseDot::follow()
{
    if (Animation::looping()) {
        if (!isPulsing())
            m_pulse->start();
        return;
    }
    m_pulse->stop();
    m_progress = 0;
    update();
}

void PhonePulseDot::setColors(const ColorToken& color, const ColorToken& ring)
{
    m_color = color;
    m_ring = ring;
    update();
}

bool PhonePulseDot::isPulsing() const
{
    return m_pulse && m_pulse->state() == QAbstractAnimation::Running;
}

void PhonePulseDot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QPointF centre = QRectF(rect()).center();
    painter.setBrush(m_color.color());
    painter.drawEllipse(centre, dot / 2.0, dot / 2.0);
    const qreal scale = 1.0 + 1.2 * m_progress;
    QColor halo = m_ring.color();
    halo.setAlphaF(float(halo.alphaF() * 0.55 * (1.0 - m_progress)));
    painter.setBrush(halo);
    painter.drawEllipse(centre, dot / 2.0 * scale, dot / 2.0 * scale);
}
