#pragma once

#include "engine/UpdateController.h"
#include "engine/UpdateInstaller.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class UpdateWindow;

// The desktop services the updater reaches; tests swap in fakes.
struct UpdaterHost
{
    Clock* clock = &Clock::system();
    // "": the application's settings file.
    QString settingsPath;
    // Null: the desktop's own network state, install folder, relaunch,
    // notifications and file manager.
    std::function<bool()> online;
    std::optional<UpdateInstaller::Target> target;
    std::function<void(const QString& title, const QString& body, const QString& action,
                       std::function<void()> onAction)>
        notify;
    std::function<bool(const QString& path)> showFile;
};

// Owns the update controller of this build, when the build names a feed,
// and the update window. Checks the user asks for show the window;
// scheduled checks that find an update post a notification and keep the
// update offered in the status menu instead of covering the user's work.
// Main thread only.
class Updater final : public QObject
{
    Q_OBJECT

public:
    using Host = UpdaterHost;

    // The feed and key this program was built with; invalid when it names none.
    static UpdateSource builtIn();

    explicit Updater(const UpdateSource& source, Host host = {}, QObject* parent = nullptr);
    ~Updater() override;

    // Whether an update controller exists; the status menu shows "Check for
    // updates" only then.
    bool hasController() const { return m_controller != nullptr; }
    UpdateController* controller() const { return m_controller.get(); }
    UpdateInstaller* installer() const { return m_installer.get(); }
    UpdateWindow* window() const { return m_window.get(); }

    // A check the user asked for: the window comes to the front and shows
    // it. Without a controller nothing happens.
    void checkForUpdates();
    // The update a scheduled check found, in the window.
    void showPendingUpdate();
    // The display version the status menu offers; "" for none.
    QString offeredVersion() const;

Q_SIGNALS:
    void offerChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void checkFinished(const UpdateController::Result& result);
    void installFinished(const UpdateInstaller::Outcome& outcome);
    void offer(const UpdateItem& item);
    void openWindow();
    void closeWindow();
    UpdateWindow& ensureWindow();

    Host m_host;
    std::unique_ptr<UpdateController> m_controller;
    std::unique_ptr<UpdateInstaller> m_installer;
    std::unique_ptr<UpdateWindow> m_window;
    // The update the window shows or installs.
    std::optional<UpdateItem> m_shownItem;
    bool m_waitingForCheck = false;
};
