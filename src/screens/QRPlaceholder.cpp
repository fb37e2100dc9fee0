#include "screens/QRPlaceholder.h"

#include "design/Animation.h"
#include "design/Icon.h"

#include <QPainter>
#include <QVariantAnimation>

namespace {

// Fixed: the box around it is white in both themes.
constexpr ColorToken mark = fixed(0x9AA3B2);

} // namespace

QRPlaceholder::QRPlaceholder(bool still, QWidget* parent)
    : QWidget(parent)
    , m_still(still)
{
    setObjectName(QStringLiteral("qrPlaceholder"));
    if (still || !Animation::enabled())
        return;
    m_spin = new QVariantAnimation(this);
    m_spin->setStartValue(0.0);
    m_spin->setEndValue(360.0);
    m_spin->setDuration(1000);
    m_spin->setLoopCount(-1);
    connect(m_spin, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_angle = value.toReal();
        update();
    });
    m_spin->start();
}

bool QRPlaceholder::isSpinning() const
{
    return m_spin && m_spin->state() == QAbstractAnimation::Running;
}

void QRPlaceholder::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre = QRectF(rect()).center();
    if (m_still) {
        Icon::paint(painter, QStringLiteral("qr-code"), QRectF(rect()), 40, mark, 1.5);
        return;
    }
    painter.translate(centre);
    painter.rotate(m_angle);
    painter.translate(-centre);
    Icon::paint(painter, QStringLiteral("loader-circle"), QRectF(rect()), 28, mark, 2.0);
}
