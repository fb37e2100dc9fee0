#include "shell/WindowFactory.h"

#include "core/AppState.h"
#include "shell/MainWindow.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// The content of the settings overlay, made each time the settings open.
QWidget* settingsPanel(AppState& state, QWidget* parent)
{
    Q_UNUSED(state);
    return new QWidget(parent);
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
    factory.onboarding = [](AppState&, OnboardingCallbacks) { return new QWidget; };
    factory.permissionsAgain = [](AppState&, std::function<void()>) {
        auto* content = new QWidget;
        content->setMinimumSize(520, 420);
        return content;
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
