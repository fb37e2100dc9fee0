#include "design/components/SSwitch.h"

#include "design/Animation.h"
#include "design/Palette.h"
#include "design/components/ControlStyle.h"

#include <QPainter>

SwitchStyle SwitchStyle::standard()
{
    SwitchStyle style;
    style.trackOn = Palette::brand;
    style.trackOff = Palette::neutral300;
    style.knobFill = Palette::white;
    return style;
}

namespace SwitchKnob {

void paint(QPainter& painter, const QRectF& rect, const QColor& fill)
{
    // #101828 at 20 %, radius 1.5, one point down: a few soft rings suffice
    // at this size.
    painter.save();
    painter.setPen(Qt::NoPen);
    const QRectF shadow = rect.translated(0, 1);
    for (int i = 3; i >= 1; --i) {
        const qreal grow = 0.5 * i;
        painter.setBrush(QColor(16, 24, 40, int(0.2 * 255 / 3)));
        painter.drawEllipse(shadow.adjusted(-grow, -grow, grow, grow));
    }
    painter.setBrush(fill);
    painter.drawEllipse(rect);
    painter.restore();
}

} // namespace SwitchKnob

SSwitch::SSwitch(bool checked, QWidget* parent)
    : AbstractControl(parent)
    , m_checked(checked)
    , m_position(new AnimatedValue(this, checked ? 1.0 : 0.0))
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(this, &AbstractControl::clicked, this, [this] { setChecked(!m_checked); });
}

void SSwitch::setChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0.22, 0.61), QPointF(0.36, 1.0), QPointF(1.0, 1.0));
    m_position->animateTo(checked ? 1.0 : 0.0, m_style.durationMs, curve);
    Q_EMIT toggled(checked);
}

qreal SSwitch::knobPosition() const
{
    return m_position->value();
}

QRectF SSwitch::knobRect() const
{
    const QRectF track((width() - m_style.width) / 2.0, (height() - m_style.height) / 2.0, m_style.width, m_style.height);
    const qreal travel = m_style.width - m_style.knob - 2 * m_style.inset;
    return QRectF(track.left() + m_style.inset + travel * knobPosition(), track.top() + m_style.inset, m_style.knob,
                  m_style.knob);
}

void SSwitch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    applyDisabledOpacity(painter);
    const QRectF track((width() - m_style.width) / 2.0, (height() - m_style.height) / 2.0, m_style.width, m_style.height);
    const QColor fill = ControlPaint::mix(m_style.trackOff.color(), m_style.trackOn.color(), knobPosition());
    ControlPaint::fill(painter, track, track.height() / 2, fill);
    SwitchKnob::paint(painter, knobRect(), m_style.knobFill.color());
}

QPainterPath SSwitch::focusShape() const
{
    const QRectF track((width() - m_style.width) / 2.0, (height() - m_style.height) / 2.0, m_style.width, m_style.height);
    return ControlPaint::rounded(track, m_style.height / 2.0);
}
