#include "shell/WindowFactory.h"

WindowFactory WindowFactory::plain()
{
    WindowFactory factory;
    factory.mainWindow = [](AppState&) {
        auto* window = new QWidget;
        window->setWindowTitle(QStringLiteral("Kesto Viruz"));
        window->setMinimumSize(960, 640);
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
