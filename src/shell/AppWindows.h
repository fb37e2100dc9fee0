#pragma once

#include "core/AppState.h"
#include "shell/WindowFactory.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class OnboardingWindow;
class QWidget;

// The three ordinary windows: the main window (made once, then shown and
// hidden), the first-run wizard (kept until it finishes) and the
// permissions-again window; and what closing or minimising the main window
// does to the rest. Main thread only.
class AppWindows final : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        AppState& state;
        const WindowFactory& windows;
        // Ends a running microphone test.
        std::function<void()> stopMicTest;
        // Applies the settings at once (the wizard's saves).
        std::function<void()> applyConfig;
        // Rebuilds the tray item and its menu from the state.
        std::function<void()> refreshStatusItem;
    };

    explicit AppWindows(const Parts& parts, QObject* parent = nullptr);
    ~AppWindows() override;

    void openMainWindow(std::optional<Screen> screen = std::nullopt,
                        std::optional<SettingsTab> settings = std::nullopt);
    void openOnboarding();
    void openPermissionsAgain();
    // A toast kept for the main window: shown when it next opens (at once if
    // it is open), or when the wizard finishes.
    void setNotice(const QString& title, const QString& detail);
    bool hasNotice() const { return m_notice.has_value(); }

    QWidget* mainWindow() const { return m_mainWindow.get(); }
    QWidget* onboardingWindow() const;
    QWidget* permissionsWindow() const { return m_permissionsWindow.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchMainWindow(QWidget* window);
    void finishOnboarding();
    void closePermissionsAgain();

    void showNotice();

    AppState& m_state;
    const WindowFactory& m_windows;
    std::optional<std::pair<QString, QString>> m_notice;
    std::function<void()> m_stopMicTest;
    std::function<void()> m_applyConfig;
    std::function<void()> m_refreshStatusItem;
    std::unique_ptr<QWidget> m_mainWindow;
    std::unique_ptr<OnboardingWindow> m_onboardingWindow;
    std::unique_ptr<QWidget> m_permissionsWindow;
};
