#include "onboarding/DefaultButton.h"

#include "design/components/AbstractControl.h"
#include "design/components/Chip.h"
#include "design/components/SSelect.h"
#include "design/components/SSwitch.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace {

bool isTextField(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget)
        || qobject_cast<const QPlainTextEdit*>(widget);
}

// A focused button answers Return itself; a choice (chip, switch, select)
// leaves it to the default button, as a check box in a dialog does.
bool isButton(const QWidget* widget)
{
    return qobject_cast<const AbstractControl*>(widget) && !qobject_cast<const Chip*>(widget)
        && !qobject_cast<const SSwitch*>(widget) && !qobject_cast<const SSelect*>(widget);
}

} // namespace

DefaultButton::DefaultButton(QWidget* scope, std::function<void()> press)
    : QObject(scope)
    , m_scope(scope)
    , m_press(std::move(press))
{
    // The focused control gets the key before any of its windows' widgets:
    // only an application-wide filter sees it first.
    qApp->installEventFilter(this);
}

void DefaultButton::setEnabled(QWidget* control, bool enabled)
{
    if (!enabled)
        releaseFocus(control);
    control->setEnabled(enabled);
}

void DefaultButton::releaseFocus(QWidget* control)
{
    QWidget* focus = QApplication::focusWidget();
    if (focus && (focus == control || control->isAncestorOf(focus)))
        control->window()->setFocus(Qt::OtherFocusReason);
}

bool DefaultButton::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != m_scope->window() || !m_scope->isVisible())
        return false;
    // A text field's Return, also when it passes it on to its parents.
    if (isTextField(QApplication::focusWidget()) || isButton(QApplication::focusWidget()))
        return false;
    if (!key->isAutoRepeat())
        m_press();
    return true;
}
