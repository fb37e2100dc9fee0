#include "design/components/FocusGuard.h"

#include "design/components/FocusChain.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QVariant>
#include <QWidget>

namespace {

// The widget the user last had focused in a window, kept on the window.
const char* const lastFocusProperty = "kestoLastFocus";

} // namespace

FocusGuard::FocusGuard(QObject* parent)
    : QObject(parent)
{
}

void FocusGuard::install()
{
    static QPointer<FocusGuard> guard;
    if (guard || !qApp)
        return;
    guard = new FocusGuard(qApp);
    guard->m_focused = QApplication::focusWidget();
    qApp->installEventFilter(guard);
}

QWidget* FocusGuard::neutralPlace(QWidget* from)
{
    for (QWidget* w = from->parentWidget(); w; w = w->parentWidget()) {
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::ClickFocus))
            return w;
        if (w->isWindow())
            return w;
    }
    return from->window();
}

bool FocusGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() && watched == QApplication::focusWidget()) {
        // Ctrl+Tab leaves an editor that keeps Tab for its text.
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = static_cast<QWidget*>(watched);
        bool forward = true;
        if ((key->modifiers() & Qt::ControlModifier) && FocusChain::isFocusMove(key, widget, &forward))
            return FocusChain::move(widget, forward, widget->window());
        return false;
    }
    if (event->type() != QEvent::FocusIn || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget != QApplication::focusWidget())
        return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    QWidget* previous = m_focused;
    QWidget* window = widget->window();
    const QVariant lastInWindow = window->property(lastFocusProperty);
    m_focused = widget;

    QWidget* place = nullptr;
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
        // A real Tab leaves a control that is still there; Qt's own move
        // leaves one that has just been hidden or disabled.
        if (previous && previous != widget && (!previous->isVisible() || !previous->isEnabled())
            && previous->window() == window)
            place = neutralPlace(previous);
    } else if (reason == Qt::ActiveWindowFocusReason) {
        // A window that comes to the front gives its first control the focus
        // when nothing in it had any: a keyboard-only control the user never
        // chose gives way to a neutral place.
        if (!(widget->focusPolicy() & Qt::ClickFocus) && lastInWindow.value<QObject*>() != widget)
            place = neutralPlace(widget);
    }
    if (!place || place == widget) {
        window->setProperty(lastFocusProperty, QVariant::fromValue<QObject*>(widget));
        return false;
    }
    m_focused = place;
    place->setFocus(Qt::OtherFocusReason);
    return true;
}
