#pragma once

#include <functional>

class QKeyEvent;
class QWidget;

// Moving the keyboard focus along a window's Tab chain by hand: within one
// part of the window (a modal panel), past parts that must not take it (what
// lies under an open card), and out of a multi-line editor with Ctrl+Tab.
namespace FocusChain {

// Whether w may take the focus by Tab now.
bool tabbable(const QWidget* w);

// The next (or previous) widget after from in the Tab chain that is tabbable,
// inside scope, and accepted (when given); wraps around. Null when none.
QWidget* next(QWidget* from, bool forward, QWidget* scope, const std::function<bool(QWidget*)>& accepted = {});

// A text editor that keeps a plain Tab for itself (tabulated text).
bool keepsTab(const QWidget* w);

// Tab or Shift+Tab (forward tells which), with or without Ctrl; false for
// any other key. A plain Tab in an editor that keeps it is no move.
bool isFocusMove(const QKeyEvent* event, const QWidget* focus, bool* forward);

// Moves the focus from from the way Tab does, within scope; true when it moved.
bool move(QWidget* from, bool forward, QWidget* scope, const std::function<bool(QWidget*)>& accepted = {});

} // namespace FocusChain
