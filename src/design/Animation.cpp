#include "design/Animation.h"

#include <QVariantAnimation>
#include <QWidget>

#include <atomic>

namespace {

std::atomic<int>& state()
{
    static std::atomic<int> on{qEnvironmentVariable("KESTO_ANIMATIONS").compare(QLatin1String("off"), Qt::CaseInsensitive) != 0};
    return on;
}

std::atomic<int> reduced{0};

void store(std::atomic<int>& flag, bool on)
{
    if (flag.exchange(on ? 1 : 0) != (on ? 1 : 0))
        Q_EMIT Animation::changes().changed();
}

} // namespace

namespace Animation {

bool enabled()
{
    return state().load() != 0;
}

void setEnabled(bool on)
{
    store(state(), on);
}

bool reduceMotion()
{
    return reduced.load() != 0;
}

void setReduceMotion(bool on)
{
    store(reduced, on);
}

bool looping()
{
    return enabled() && !reduceMotion();
}

Switch& changes()
{
    static Switch instance;
    return instance;
}

} // namespace Animation

AnimatedValue::AnimatedValue(QWidget* owner, qreal initial)
    : QObject(owner)
    , m_owner(owner)
    , m_value(initial)
    , m_target(initial)
{
}

bool AnimatedValue::isRunning() const
{
    return m_animation && m_animation->state() == QAbstractAnimation::Running;
}

void AnimatedValue::setValue(qreal value)
{
    if (m_animation)
        m_animation->stop();
    m_target = value;
    apply(value);
}

void AnimatedValue::animateTo(qreal target, int durationMs, QEasingCurve curve)
{
    if (qFuzzyCompare(target, m_target) && (isRunning() || qFuzzyCompare(m_value, target)))
        return;
    if (!Animation::enabled() || durationMs <= 0 || (m_owner && !m_owner->isVisible())) {
        setValue(target);
        return;
    }
    if (!m_animation) {
        m_animation = new QVariantAnimation(this);
        connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) { apply(v.toReal()); });
    }
    m_animation->stop();
    m_target = target;
    m_animation->setStartValue(m_value);
    m_animation->setEndValue(target);
    m_animation->setDuration(durationMs);
    m_animation->setEasingCurve(curve);
    m_animation->start();
}

void AnimatedValue::apply(qreal value)
{
    if (qFuzzyCompare(value + 1.0, m_value + 1.0))
        return;
    m_value = value;
    if (m_owner)
        m_owner->update();
    Q_EMIT valueChanged(value);
}
