#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Return and Enter press a window's default button when the focus is on no
// other button: a focused button takes them for itself, a focused chip or
// switch does not (Space still toggles it). A text field keeps them for its
// own use.
class DefaultButton final : public QObject
{
    Q_OBJECT

public:
    // press runs on Return in scope's window; it decides itself whether the
    // button may be pressed.
    DefaultButton(QWidget* scope, std::function<void()> press);

    // Enables or disables a control; a control losing the focus that way
    // hands it to its window, so it does not fall onto the next control in
    // the chain (and Return stays with the default button).
    static void setEnabled(QWidget* control, bool enabled);
    // The same for a control about to be hidden or removed.
    static void releaseFocus(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_scope;
    std::function<void()> m_press;
};
