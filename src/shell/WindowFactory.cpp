#include "shell/WindowFactory.h"

#include "core/AppState.h"
#include "onboarding/OnboardingView.h"
#include "onboarding/PermissionsAgainView.h"
#include "platform/Capabilities.h"
#include "platform/Clock.h"
#include "settings/SettingsPanel.h"
#include "shell/MainWindow.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// The content of the settings overlay, made each time the settings open.
QWidget* settingsPanel(AppState& state, QWidget* parent)
{
    return new SettingsPanel(state, state.actions(), parent);
}

} // namespace

void WindowFactory::centre(QWidget* window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

void WindowFactory::bringForward(QWidget* window)
{
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
}

WindowFactory WindowFactory::plain()
{
    WindowFactory factory;
    factory.mainWindow = [](AppState&) {
        auto* window = new QWidget;
        window->setWindowTitle(QStringLiteral("Kesto Viruz"));
        window->setMinimumSize(960, 640);
        centre(window);
        return window;
    };
    factory.onboarding = [](AppState& state, OnboardingCallbacks callbacks) {
        return new OnboardingView(state, {std::move(callbacks.onSave), std::move(callbacks.onFinish)},
                                  Capabilities::system(), Clock::system());
    };
    factory.permissionsAgain = [](AppState& state, std::function<void()> onDone) {
        return new PermissionsAgainView(state, std::move(onDone), Capabilities::system(), Clock::system());
    };
    return factory;
}

WindowFactory WindowFactory::standard()
{
    WindowFactory factory = plain();
    factory.mainWindow = [](AppState& state) {
        return new MainWindow(state, state.actions(), [&state](QWidget* parent) { return settingsPanel(state, parent); });
    };
    return factory;
}
