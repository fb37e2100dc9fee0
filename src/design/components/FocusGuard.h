#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Keeps the keyboard focus where the user put it. When the focused control is
// hidden or disabled, Qt hands the focus to the next control of the tab chain
// as if Tab had been pressed, so a key meant for a button that is gone would
// reach its neighbour (often a Delete). Such a move is turned back to a
// neutral place of the same view instead: the nearest visible container that
// a click on empty space would focus (a list, a screen), else the window.
// The same holds for the first control Qt focuses in a window brought to
// the front in which nothing had the focus yet.
// Installed once for the whole application by the first control made.
class FocusGuard final : public QObject
{
    Q_OBJECT

public:
    static void install();
    // Where the focus goes when the focused widget can no longer hold it.
    static QWidget* neutralPlace(QWidget* from);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FocusGuard(QObject* parent);

    QPointer<QWidget> m_focused;
};
