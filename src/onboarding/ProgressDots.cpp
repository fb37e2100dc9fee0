#include "onboarding/ProgressDots.h"

#include "design/Animation.h"
#include "design/Palette.h"
#include "design/components/ControlStyle.h"
#include "onboarding/Motion.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal dot = 6;
constexpr qreal wide = 22;
constexpr qreal spacing = 6;
constexpr qreal clickHeight = 22;
constexpr int durationMs = 280;

} // namespace

ProgressDots::ProgressDots(int total, QWidget* parent)
    : QWidget(parent)
    , m_total(total)
    , m_position(new AnimatedValue(this, 0))
{
    setAccessibleName(QStringLiteral("1 / %1").arg(total));
    setCursor(Qt::PointingHandCursor);
}

void ProgressDots::setCurrent(int current)
{
    if (current == m_current)
        return;
    m_current = current;
    m_position->animateTo(current, durationMs, Motion::settle());
    setAccessibleName(QStringLiteral("%1 / %2").arg(current + 1).arg(m_total));
    updateGeometry();
    update();
}

qreal ProgressDots::dotWidth(int index) const
{
    const qreal closeness = std::max(0.0, 1.0 - std::abs(index - m_position->value()));
    return dot + (wide - dot) * closeness;
}

QRectF ProgressDots::dotRect(int index) const
{
    qreal x = 0;
    for (int i = 0; i < index; ++i)
        x += dotWidth(i) + spacing;
    return QRectF(x, (height() - clickHeight) / 2.0, dotWidth(index), clickHeight);
}

QSize ProgressDots::sizeHint() const
{
    return QSize(int(std::ceil(wide + (m_total - 1) * (dot + spacing))), int(clickHeight));
}

void ProgressDots::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal position = m_position->value();
    for (int i = 0; i < m_total; ++i) {
        const QRectF area = dotRect(i);
        const QRectF capsule(area.x(), area.center().y() - dot / 2, area.width(), dot);
        // Colours blend by how far the moving current index is from the dot.
        const qreal closeness = std::max(0.0, 1.0 - std::abs(i - position));
        const QColor rest = i < position ? Palette::blue300.color() : Palette::neutral300.color();
        ControlPaint::fill(painter, capsule, dot / 2, ControlPaint::mix(rest, Palette::brand.color(), closeness));
    }
}

void ProgressDots::mouseReleaseEvent(QMouseEvent* event)
{
    for (int i = 0; i < m_current; ++i) {
        if (dotRect(i).contains(event->position())) {
            Q_EMIT picked(i);
            return;
        }
    }
}
