#include "design/components/FocusChain.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace FocusChain {

bool tabbable(const QWidget* w)
{
    return w && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy() && w->isVisible()
        && w->isEnabled();
}

QWidget* next(QWidget* from, bool forward, QWidget* scope, const std::function<bool(QWidget*)>& accepted)
{
    if (!scope)
        return nullptr;
    QWidget* start = from && (from == scope || scope->isAncestorOf(from)) ? from : scope;
    QWidget* w = start;
    // The chain is a ring over the whole window; one round at most.
    do {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w != scope && scope->isAncestorOf(w) && tabbable(w) && (!accepted || accepted(w)))
            return w;
    } while (w && w != start);
    return nullptr;
}

bool keepsTab(const QWidget* w)
{
    if (const auto* edit = qobject_cast<const QTextEdit*>(w))
        return !edit->tabChangesFocus() && !edit->isReadOnly();
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(w))
        return !edit->tabChangesFocus() && !edit->isReadOnly();
    return false;
}

bool isFocusMove(const QKeyEvent* event, const QWidget* focus, bool* forward)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    const bool back = event->key() == Qt::Key_Backtab
        || (event->key() == Qt::Key_Tab && (event->modifiers() & Qt::ShiftModifier));
    if (event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab)
        return false;
    if (modifiers != Qt::NoModifier && modifiers != Qt::ControlModifier)
        return false;
    // A plain Tab in a tabulated-text editor is typed; Ctrl+Tab leaves it.
    if (modifiers == Qt::NoModifier && keepsTab(focus))
        return false;
    // Elsewhere Ctrl+Tab belongs to whatever uses it (tab bars).
    if (modifiers == Qt::ControlModifier && !keepsTab(focus))
        return false;
    if (forward)
        *forward = !back;
    return true;
}

bool move(QWidget* from, bool forward, QWidget* scope, const std::function<bool(QWidget*)>& accepted)
{
    QWidget* to = next(from, forward, scope, accepted);
    if (!to)
        return false;
    to->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

} // namespace FocusChain
