#pragma once

#include <QWidget>

#include <functional>

class AppState;
struct Config;

// Builds what the controller shows in its windows. The controller owns when a
// window opens, comes forward, closes and is released; what it shows comes
// from here, so the screens, the wizard and the permissions view plug in
// without the controller knowing them.
struct WindowFactory
{
    // The first-run wizard's way back to the controller.
    struct OnboardingCallbacks
    {
        // The wizard's edited settings (onboardingDone set at the end).
        std::function<void(const Config&)> onSave;
        // After the last save, when the user finishes.
        std::function<void()> onFinish;
    };

    // The main window itself: a top-level window, kept for the whole run.
    std::function<QWidget*(AppState&)> mainWindow;
    // The wizard's content, hosted in the onboarding window.
    std::function<QWidget*(AppState&, OnboardingCallbacks)> onboarding;
    // The permissions-again content; onDone closes its window.
    std::function<QWidget*(AppState&, std::function<void()> onDone)> permissionsAgain;

    // The first-run wizard and the permissions window on this desktop; a
    // plain main window.
    static WindowFactory plain();
    // The application's own windows: the main window with its screens.
    static WindowFactory standard();

    // Moves a window to the middle of the primary screen.
    static void centre(QWidget* window);
    // Shows a window in front of whatever the user was in, restoring it when
    // minimised.
    static void bringForward(QWidget* window);
};
