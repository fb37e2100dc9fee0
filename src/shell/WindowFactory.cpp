#include "shell/WindowFactory.h"

#include "onboarding/OnboardingView.h"
#include "onboarding/PermissionsAgainView.h"
#include "platform/Capabilities.h"
#include "platform/Clock.h"

WindowFactory WindowFactory::plain()
{
    WindowFactory factory;
    factory.mainWindow = [](AppState&) {
        auto* window = new QWidget;
        window->setWindowTitle(QStringLiteral("Kesto Viruz"));
        window->setMinimumSize(960, 640);
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
