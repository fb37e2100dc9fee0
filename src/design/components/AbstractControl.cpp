#include "design/components/AbstractControl.h"

#include "design/Animation.h"
#include "design/Theme.h"
#include "design/Tokens.h"
#include "design/components/FocusGuard.h"
#include "design/components/FocusRing.h"
#include "design/components/TextFieldMenu.h"

#include <QCursor>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>

namespace {

// The control the last left press went to, and when (event time).
struct Press
{
    QPointer<AbstractControl> control;
    quint64 timestamp = 0;
};
Press lastPress;

} // namespace

AbstractControl::AbstractControl(QWidget* parent)
    : QWidget(parent)
    , m_hover(new AnimatedValue(this))
{
    setAttribute(Qt::WA_Hover);
    // Reached with Tab only: a click acts without taking the keyboard from
    // where it was.
    setFocusPolicy(Qt::TabFocus);
    FocusGuard::install();
    TextFieldMenu::install();
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

AbstractControl::~AbstractControl()
{
    delete m_ring;
}

QPainterPath AbstractControl::focusShape() const
{
    QPainterPath shape;
    shape.addRect(rect());
    return shape;
}

qreal AbstractControl::hoverProgress() const
{
    return m_hover->value();
}

void AbstractControl::applyDisabledOpacity(QPainter& painter) const
{
    if (!isEnabled())
        painter.setOpacity(painter.opacity() * Tokens::disabledOpacity);
}

void AbstractControl::dropHoverIfPointerLeft()
{
    if (m_hovered && !rect().contains(mapFromGlobal(QCursor::pos())))
        setHovered(false);
}

void AbstractControl::enterEvent(QEnterEvent* event)
{
    setHovered(true);
    QWidget::enterEvent(event);
}

void AbstractControl::leaveEvent(QEvent* event)
{
    setHovered(false);
    QWidget::leaveEvent(event);
}

void AbstractControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    lastPress = {this, event->timestamp()};
    m_focusRing = false;
    setPressed(true);
    event->accept();
}

void AbstractControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click whose first press went elsewhere:
    // this control has just moved under the pointer (the row below took the
    // place of a deleted one) and was never aimed at.
    const quint64 since = event->timestamp() - lastPress.timestamp;
    if (event->button() == Qt::LeftButton
        && (lastPress.control != this || since > quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval()))) {
        event->accept();
        return;
    }
    mousePressEvent(event);
}

void AbstractControl::mouseMoveEvent(QMouseEvent* event)
{
    // Dragging off a pressed control releases its pressed look; back on restores it.
    if (event->buttons() & Qt::LeftButton) {
        const bool inside = rect().contains(event->position().toPoint());
        setHovered(inside);
    }
    QWidget::mouseMoveEvent(event);
}

void AbstractControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const bool inside = rect().contains(event->position().toPoint());
    setPressed(false);
    event->accept();
    if (inside && isEnabled())
        Q_EMIT clicked();
}

void AbstractControl::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && !event->isAutoRepeat()) {
        m_keyDown = true;
        setPressed(true);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void AbstractControl::keyReleaseEvent(QKeyEvent* event)
{
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && !event->isAutoRepeat() && m_keyDown) {
        m_keyDown = false;
        setPressed(false);
        event->accept();
        if (isEnabled())
            Q_EMIT clicked();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void AbstractControl::focusInEvent(QFocusEvent* event)
{
    // Back from its own pop-up (a select's menu), the control shows the
    // focus as it did before the pop-up opened.
    if (event->reason() == Qt::PopupFocusReason)
        m_focusRing = m_ringBeforePopup;
    else
        m_focusRing = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason
            || event->reason() == Qt::ShortcutFocusReason;
    notify();
    QWidget::focusInEvent(event);
}

void AbstractControl::focusOutEvent(QFocusEvent* event)
{
    m_ringBeforePopup = event->reason() == Qt::PopupFocusReason && m_focusRing;
    m_focusRing = false;
    m_keyDown = false;
    setPressed(false);
    notify();
    QWidget::focusOutEvent(event);
}

void AbstractControl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled()) {
            m_pressed = false;
            m_keyDown = false;
        }
        m_hover->setValue(showsHover() ? 1.0 : 0.0);
        notify();
    }
    QWidget::changeEvent(event);
}

void AbstractControl::setHovered(bool hovered)
{
    if (hovered == m_hovered)
        return;
    m_hovered = hovered;
    m_hover->animateTo(showsHover() ? 1.0 : 0.0, Tokens::hoverDurationMs);
    notify();
}

void AbstractControl::setPressed(bool pressed)
{
    if (pressed == m_pressed)
        return;
    m_pressed = pressed;
    notify();
}

void AbstractControl::notify()
{
    stateChanged();
    updateFocusRing();
    update();
}

void AbstractControl::updateFocusRing()
{
    const bool shown = m_focusRing && isEnabled() && parentWidget();
    if (shown && !m_ring)
        m_ring = new FocusRing(this, [this] { return focusShape(); });
    if (!m_ring)
        return;
    m_ring->setVisible(shown && isVisible());
    m_ring->update();
}
