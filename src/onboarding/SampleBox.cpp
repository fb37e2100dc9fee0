#include "onboarding/SampleBox.h"

#include "design/Palette.h"
#include "design/components/ControlStyle.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr qreal radius = 16;
constexpr qreal line = 1.5;

} // namespace

SampleBox::SampleBox(QWidget* parent)
    : QWidget(parent)
{
    setFixedHeight(150);
    setCursor(Qt::IBeamCursor);
}

void SampleBox::setLook(Look look)
{
    if (look == m_look)
        return;
    m_look = look;
    update();
}

void SampleBox::setCover(QWidget* cover)
{
    m_cover = cover;
    cover->setGeometry(rect());
    cover->raise();
}

void SampleBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_cover)
        m_cover->setGeometry(rect());
}

void SampleBox::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT pressed();
    event->accept();
}

void SampleBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool active = m_look == Look::recording || m_look == Look::working;
    const ColorToken& fill = active ? Palette::surfaceBrandSoft
                                    : m_look == Look::filled ? Palette::surfaceCard : Palette::surfaceSubtle;
    const ColorToken& border = m_look == Look::recording ? Palette::brand
                                                         : m_look == Look::filled ? Palette::borderDefault
                                                                                  : Palette::borderStrong;
    const QRectF box = QRectF(rect()).adjusted(line / 2, line / 2, -line / 2, -line / 2);
    ControlPaint::fill(painter, QRectF(rect()), radius, fill.color());
    QPen pen(border.color(), line, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setMiterLimit(10);
    if (m_look != Look::recording && m_look != Look::filled) {
        // Dashes of 5 and gaps of 4 points; Qt counts them in line widths.
        pen.setDashPattern({5 / line, 4 / line});
        pen.setDashOffset(0);
    }
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(box, radius - line / 2, radius - line / 2);
}
