#include "shell/Updater.h"

#include "core/InterfaceLanguage.h"
#include "core/L10n.h"
#include "core/Log.h"
#include "platform/DesktopNotifications.h"
#include "platform/FileManager.h"
#include "engine/UpdateTree.h"
#include "shell/UpdateWindow.h"
#include "shell/WindowKeys.h"
#include "shell/WindowFactory.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QNetworkInformation>
#include <QStandardPaths>
#include <QUrl>

namespace {

using Stage = UpdateWindowState::Stage;

bool networkReachable()
{
    // Without a backend the network counts as always there.
    const QNetworkInformation* network = QNetworkInformation::instance();
    return !network || network->reachability() != QNetworkInformation::Reachability::Disconnected;
}

// A copy installed as "<root>/bin/kesto-viruz" replaces the whole tree
// under root; any other copy only its own folder.
UpdateInstaller::Target installedCopy(const UpdateSource& source)
{
    const QFileInfo program(QCoreApplication::applicationFilePath());
    const QDir root(UpdateTree::rootOf(program.absoluteFilePath()));
    UpdateInstaller::Target target;
    target.publicKey = source.publicKey;
    target.installRoot = root.absolutePath();
    target.program = root.relativeFilePath(program.absoluteFilePath());
    // The new version starts once this one has shut down and let go of the
    // talk key, the phone port and the single-instance lock; until it
    // reports that it runs, the old files wait (main()).
    target.relaunch = [](const UpdateTrial::Plan& plan) {
        UpdateTrial::setPending(plan);
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return true;
    };
    target.downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    return target;
}

} // namespace

UpdateSource Updater::builtIn()
{
    UpdateSource source;
    source.feed = QUrl(QStringLiteral(KESTO_UPDATE_FEED_URL));
    source.publicKey = QByteArray::fromBase64(QByteArrayLiteral(KESTO_UPDATE_PUBLIC_KEY));
    source.runningVersion = QStringLiteral(KESTO_BUILD);
    source.runningDisplayVersion = QStringLiteral(KESTO_VERSION);
    return source;
}

Updater::Updater(const UpdateSource& source, Host host, QObject* parent)
    : QObject(parent)
    , m_host(std::move(host))
{
    if (!source.isValid()) {
        if (!source.feed.isEmpty())
            Log::write(QStringLiteral("update feed refused: %1 is not an https address, or the key is not 32 bytes")
                           .arg(source.feed.toString()));
        return;
    }
    if (!m_host.online)
        m_host.online = &networkReachable;
    if (m_host.settingsPath.isEmpty())
        m_host.settingsPath = InterfaceLanguage::settingsPath();
    if (!m_host.notify) {
        m_host.notify = [this](const QString& title, const QString& body, const QString& action,
                               std::function<void()> onAction) {
            if (!DesktopNotifications::showWithAction(title, body, action, this, std::move(onAction)))
                Log::write(QStringLiteral("update notification not shown: no session bus"));
        };
    }
    UpdateInstaller::Target target = m_host.target ? *m_host.target : installedCopy(source);
    target.publicKey = source.publicKey;
    target.runningVersion = source.runningVersion;
    m_controller = std::make_unique<UpdateController>(source, *m_host.clock, m_host.settingsPath, m_host.online);
    m_installer = std::make_unique<UpdateInstaller>(std::move(target));
    connect(m_controller.get(), &UpdateController::checkFinished, this, &Updater::checkFinished);
    connect(m_controller.get(), &UpdateController::pendingChanged, this, &Updater::offerChanged);
    connect(m_installer.get(), &UpdateInstaller::finished, this, &Updater::installFinished);
    connect(m_installer.get(), &UpdateInstaller::progress, this, [this](qint64 received, qint64 total) {
        if (!m_window || !m_shownItem)
            return;
        UpdateWindowState state = m_window->shown();
        state.stage = Stage::downloading;
        state.received = received;
        state.total = total;
        m_window->display(state);
    });
    const auto showStage = [this](Stage stage) {
        if (!m_window)
            return;
        UpdateWindowState state = m_window->shown();
        state.stage = stage;
        m_window->display(state);
    };
    connect(m_installer.get(), &UpdateInstaller::verifying, this, [showStage] { showStage(Stage::verifying); });
    connect(m_installer.get(), &UpdateInstaller::installing, this, [showStage] { showStage(Stage::installing); });
    // The updater starts with the application.
    m_controller->start();
}

Updater::~Updater() = default;

void Updater::checkForUpdates()
{
    if (!m_controller)
        return;
    Log::write(QStringLiteral("checking for updates"));
    if (m_installer->isBusy()) {
        openWindow();
        return;
    }
    m_shownItem.reset();
    UpdateWindowState state;
    state.stage = Stage::checking;
    state.runningVersion = m_controller->source().runningDisplayVersion;
    ensureWindow().display(state);
    openWindow();
    m_waitingForCheck = true;
    m_controller->check(true);
}

void Updater::showPendingUpdate()
{
    if (!m_controller)
        return;
    if (m_installer->isBusy()) {
        openWindow();
        return;
    }
    if (const std::optional<UpdateItem>& pending = m_controller->pending())
        offer(*pending);
}

QString Updater::offeredVersion() const
{
    return m_controller && m_controller->pending() ? m_controller->pending()->displayVersion : QString();
}

void Updater::checkFinished(const UpdateController::Result& result)
{
    if (!result.userInitiated) {
        // A scheduled find never opens a window over the user's work.
        if (result.kind == UpdateController::Result::Kind::update) {
            const QPointer<Updater> self(this);
            m_host.notify(L10n::tr("Kesto Viruz %1 is available").arg(result.update->displayVersion),
                          L10n::tr("You have version %1.").arg(m_controller->source().runningDisplayVersion),
                          L10n::tr("Show update"), [self] {
                              if (self)
                                  self->showPendingUpdate();
                          });
        }
        return;
    }
    if (!m_waitingForCheck || !m_window || !m_window->isVisible())
        return;
    m_waitingForCheck = false;
    UpdateWindowState state;
    state.runningVersion = m_controller->source().runningDisplayVersion;
    switch (result.kind) {
    case UpdateController::Result::Kind::upToDate:
        state.stage = Stage::upToDate;
        break;
    case UpdateController::Result::Kind::update:
        offer(*result.update);
        return;
    case UpdateController::Result::Kind::error:
        state.stage = Stage::checkFailed;
        state.error = result.error;
        break;
    }
    m_window->display(state);
}

void Updater::offer(const UpdateItem& item)
{
    m_waitingForCheck = false;
    m_shownItem = item;
    UpdateWindowState state;
    state.stage = Stage::available;
    state.runningVersion = m_controller->source().runningDisplayVersion;
    state.newVersion = item.displayVersion;
    state.notes = item.notes;
    ensureWindow().display(state);
    openWindow();
}

void Updater::installFinished(const UpdateInstaller::Outcome& outcome)
{
    using Kind = UpdateInstaller::Outcome::Kind;
    if (outcome.kind == Kind::relaunching || outcome.kind == Kind::kept)
        m_controller->clearPending();
    if (!m_window || !m_shownItem)
        return;
    UpdateWindowState state = m_window->shown();
    switch (outcome.kind) {
    case Kind::relaunching:
        return;
    case Kind::kept:
        state.stage = Stage::kept;
        state.keptFile = outcome.keptFile;
        state.packageManaged = outcome.packageManaged;
        state.error = outcome.error;
        break;
    case Kind::cancelled:
        state.stage = Stage::available;
        break;
    case Kind::failed:
        state.stage = Stage::failed;
        state.error = outcome.error;
        break;
    }
    m_window->display(state);
}

UpdateWindow& Updater::ensureWindow()
{
    if (m_window)
        return *m_window;
    m_window = std::make_unique<UpdateWindow>();
    m_window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    m_window->setWindowTitle(L10n::tr("Software Update"));
    m_window->installEventFilter(this);
    WindowKeys::install(m_window.get());
    connect(m_window.get(), &UpdateWindow::install, this, [this] {
        if (m_shownItem)
            m_installer->install(*m_shownItem);
    });
    connect(m_window.get(), &UpdateWindow::remindLater, this, [this] {
        Log::write(QStringLiteral("update put off until the next check"));
        m_controller->remindLater();
        closeWindow();
    });
    connect(m_window.get(), &UpdateWindow::skip, this, [this] {
        if (m_shownItem)
            m_controller->skip(*m_shownItem);
        closeWindow();
    });
    connect(m_window.get(), &UpdateWindow::cancelDownload, m_installer.get(), &UpdateInstaller::cancel);
    connect(m_window.get(), &UpdateWindow::showKeptFile, this, [this] {
        const QString path = m_window->shown().keptFile;
        if (!(m_host.showFile ? m_host.showFile(path) : FileManager::showFile(path)))
            Log::write(QStringLiteral("no file manager showed ") + path);
    });
    connect(m_window.get(), &UpdateWindow::closeRequested, this, &Updater::closeWindow);
    return *m_window;
}

void Updater::openWindow()
{
    WindowFactory::bringForward(&ensureWindow());
}

void Updater::closeWindow()
{
    if (m_window)
        m_window->close();
}

bool Updater::eventFilter(QObject* watched, QEvent* event)
{
    // Closing the window stops a download; nothing of it stays behind.
    if (watched == m_window.get() && event->type() == QEvent::Close) {
        // A check nobody waits for is dropped too: the next one starts afresh.
        if (m_waitingForCheck)
            m_controller->abandonUserCheck();
        m_waitingForCheck = false;
        m_installer->cancel();
    }
    return QObject::eventFilter(watched, event);
}
