#include "screens/IconSpinner.h"

#include "design/Animation.h"
#include "design/Icon.h"
#include "design/Theme.h"

#include <QPainter>
#include <QVariantAnimation>

IconSpinner::IconSpinner(const QString& icon, int size, const ColorToken& color, QWidget* parent)
    : QWidget(parent)
    , m_icon(icon)
    , m_size(size)
    , m_color(color)
    , m_turn(new QVariantAnimation(this))
{
    setFixedSize(size, size);
    m_turn->setStartValue(0.0);
    m_turn->setEndValue(360.0);
    m_turn->setDuration(1000);
    m_turn->setLoopCount(-1);
    connect(m_turn, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_angle = value.toReal();
        update();
    });
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

void IconSpinner::setColor(const ColorToken& color)
{
    m_color = color;
    update();
}

bool IconSpinner::isTurning() const
{
    return m_turn->state() == QAbstractAnimation::Running;
}

void IconSpinner::showEvent(QShowEvent*)
{
    if (Animation::enabled())
        m_turn->start();
}

void IconSpinner::hideEvent(QHideEvent*)
{
    m_turn->stop();
}

void IconSpinner::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(width() / 2.0, height() / 2.0);
    painter.rotate(m_angle);
    painter.translate(-width() / 2.0, -height() / 2.0);
    Icon::paint(painter, m_icon, QPointF(0, 0), m_size, m_color, 1.75);
}
