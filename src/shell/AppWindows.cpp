#include "shell/AppWindows.h"

#include "shell/OnboardingWindow.h"
#include "shell/WindowKeys.h"

#include <QEvent>
#include <QPointer>
#include <QVBoxLayout>

AppWindows::AppWindows(const Parts& parts, QObject* parent)
    : QObject(parent)
    , m_state(parts.state)
    , m_windows(parts.windows)
    , m_stopMicTest(parts.stopMicTest)
    , m_applyConfig(parts.applyConfig)
    , m_refreshStatusItem(parts.refreshStatusItem)
{
}

AppWindows::~AppWindows() = default;

QWidget* AppWindows::onboardingWindow() const
{
    return m_onboardingWindow.get();
}

void AppWindows::openMainWindow(std::optional<Screen> screen, std::optional<SettingsTab> settings)
{
    if (screen)
        m_state.setScreen(*screen);
    if (settings) {
        m_state.setSettingsTab(*settings);
        m_state.setSettingsOpen(true);
    }
    if (!m_mainWindow) {
        m_mainWindow.reset(m_windows.mainWindow(m_state));
        m_mainWindow->setAttribute(Qt::WA_DeleteOnClose, false);
        m_mainWindow->setObjectName(QStringLiteral("mainWindow"));
        watchMainWindow(m_mainWindow.get());
    }
    WindowFactory::bringForward(m_mainWindow.get());
    // Nothing behind the settings panel keeps typing.
    if (settings) {
        if (QWidget* focus = m_mainWindow->focusWidget())
            focus->clearFocus();
    }
    showNotice();
}

void AppWindows::setNotice(const QString& title, const QString& detail)
{
    m_notice = {title, detail};
    if (m_mainWindow && m_mainWindow->isVisible())
        showNotice();
}

void AppWindows::showNotice()
{
    if (const auto notice = std::exchange(m_notice, std::nullopt))
        m_state.showToast(notice->first, notice->second, ToastTone::warning);
}

void AppWindows::watchMainWindow(QWidget* window)
{
    window->installEventFilter(this);
    WindowKeys::install(window);
}

bool AppWindows::eventFilter(QObject* watched, QEvent* event)
{
    if (m_mainWindow && watched == m_mainWindow.get()) {
        if (event->type() == QEvent::Close) {
            m_stopMicTest();
            m_state.setSettingsOpen(false);
        } else if (event->type() == QEvent::WindowStateChange && m_mainWindow->isMinimized()) {
            m_stopMicTest();
        }
    }
    return QObject::eventFilter(watched, event);
}

void AppWindows::openOnboarding()
{
    if (m_onboardingWindow) {
        WindowFactory::bringForward(m_onboardingWindow.get());
        return;
    }
    const QPointer<AppWindows> self(this);
    WindowFactory::OnboardingCallbacks callbacks;
    callbacks.onSave = [self](const Config& edited) {
        if (!self)
            return;
        self->m_state.updateConfig([&edited](Config& config) { config = edited; });
        self->m_state.config().save();
        self->m_applyConfig();
    };
    callbacks.onFinish = [self] {
        if (self)
            self->finishOnboarding();
    };
    m_onboardingWindow = std::make_unique<OnboardingWindow>(m_windows.onboarding(m_state, callbacks));
    m_onboardingWindow->setObjectName(QStringLiteral("onboardingWindow"));
    WindowKeys::install(m_onboardingWindow.get());
    WindowFactory::bringForward(m_onboardingWindow.get());
}

void AppWindows::finishOnboarding()
{
    m_state.setMessage(QString());
    if (m_onboardingWindow) {
        m_onboardingWindow->close();
        // The wizard's own button may be on the stack.
        m_onboardingWindow.release()->deleteLater();
    }
    m_refreshStatusItem();
    if (m_notice)
        openMainWindow();
}

void AppWindows::openPermissionsAgain()
{
    if (m_permissionsWindow) {
        WindowFactory::bringForward(m_permissionsWindow.get());
        return;
    }
    const QPointer<AppWindows> self(this);
    QWidget* content = m_windows.permissionsAgain(m_state, [self] {
        if (self)
            self->closePermissionsAgain();
    });
    auto* window
        = new QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    window->setObjectName(QStringLiteral("permissionsWindow"));
    WindowKeys::install(window);
    window->setWindowTitle(QStringLiteral("Kesto Viruz"));
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    // The window takes the content's fixed size and cannot be stretched.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(content);
    window->adjustSize();
    WindowFactory::centre(window);
    m_permissionsWindow.reset(window);
    WindowFactory::bringForward(window);
}

void AppWindows::closePermissionsAgain()
{
    if (!m_permissionsWindow)
        return;
    m_permissionsWindow->close();
    m_permissionsWindow.release()->deleteLater();
}
