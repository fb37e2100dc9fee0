#include "onboarding/InfoButton.h"

#include "core/L10n.h"
#include "design/Palette.h"
#include "design/components/ControlStyle.h"

#include <QPainter>

InfoButton::InfoButton(QWidget* parent)
    : AbstractControl(parent)
{
    setFixedSize(side, side);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(L10n::tr("More info"));
}

void InfoButton::setOpen(bool open)
{
    if (open == m_open)
        return;
    m_open = open;
    update();
}

void InfoButton::moveEvent(QMoveEvent* event)
{
    AbstractControl::moveEvent(event);
    // A new step's title moves the button: it is lit only where the pointer is.
    dropHoverIfPointerLeft();
}

QPainterPath InfoButton::focusShape() const
{
    QPainterPath path;
    path.addEllipse(QRectF(rect()));
    return path;
}

void InfoButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The hover blends in; an open card keeps the button lit.
    const qreal lit = m_open ? 1.0 : hoverProgress();
    const QRectF circle(rect());
    QColor fill = Palette::surfaceBrandSoft.color();
    fill.setAlphaF(fill.alphaF() * lit);
    ControlPaint::fill(painter, circle, side / 2.0, fill);
    const QColor ink = ControlPaint::hot(Palette::textTertiary, Palette::brand, lit);
    const qreal icon = 17;
    ControlPaint::icon(painter, QStringLiteral("info"), QPointF((side - icon) / 2, (side - icon) / 2), icon, ink, 2.0);
}
