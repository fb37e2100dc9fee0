#include "core/Config.h"
#include "core/L10n.h"
#include "core/Log.h"
#include "core/StoreFile.h"
#include "engine/UpdateInstaller.h"
#include "engine/UpdateTree.h"
#include "engine/UpdateTrial.h"
#include "platform/DesktopNotifications.h"
#include "platform/DataFolder.h"
#include "platform/DisplayLoss.h"
#include "shell/AppDelegate.h"
#include "shell/Relaunch.h"
#include "shell/SingleInstance.h"
#include "shell/StaleRecordings.h"
#include "shell/TerminationSignals.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    // Answered before anything else starts: an update runs the new program
    // this way to see that it works before it relaunches into it.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("kesto-viruz %s build %s\n", KESTO_VERSION, KESTO_BUILD);
        return 0;
    }
    // Before anything else, even before the display is opened: an update a
    // killed process left half-way is finished or undone. The new version on
    // its trial start leaves that to the old one, which is waiting for it.
    const QString installRoot = UpdateTree::rootOf(QFile::symLinkTarget(QStringLiteral("/proc/self/exe")));
    bool onTrial = false;
    for (int i = 1; i < argc; ++i)
        onTrial = onTrial || std::strcmp(argv[i], UpdateTrial::readyOption) == 0;
    const UpdateTree::Recovery recovery = onTrial ? UpdateTree::Recovery{} : UpdateTree::recover(installRoot);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kesto-viruz"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kesto Viruz"));
    QApplication::setApplicationVersion(QStringLiteral(KESTO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("kesto-viruz"));

    // A restart waits for the instance that started it to be gone.
    if (const std::optional<qint64> previous = Relaunch::waitingFor(app.arguments()))
        Relaunch::waitForExit(*previous);

    int status = 0;
    {
        // A second start brings the running one forward and ends here, before it
        // could touch the running one's log.
        SingleInstance instance(DataFolder::path());
        if (!instance.claim())
            return 0;

        // The log starts afresh, with the launch line first, before the data
        // files load, so that what loading reports (a damaged file set aside)
        // stays in it.
        Log::reset();
        Log::write(QStringLiteral("launched, bundle=") + QCoreApplication::applicationFilePath());
        switch (recovery.kind) {
        case UpdateTree::Recovery::Kind::nothing:
            break;
        case UpdateTree::Recovery::Kind::busy:
            Log::write(QStringLiteral("update recovery left alone: ") + recovery.reason);
            break;
        case UpdateTree::Recovery::Kind::finished:
            Log::write(QStringLiteral("an interrupted update was finished"));
            break;
        case UpdateTree::Recovery::Kind::undone:
            Log::write(QStringLiteral("an interrupted update was undone: the previous files are back"));
            break;
        case UpdateTree::Recovery::Kind::failed:
            Log::write(QStringLiteral("an interrupted update could not be undone: ") + recovery.reason);
            break;
        }
        if (!recovery.removed.isEmpty())
            Log::write(QStringLiteral("removed update leftovers: ") + recovery.removed.join(QStringLiteral(", ")));
        if (const QStringList abandoned = UpdateInstaller::removeAbandonedDownloads(QDir::tempPath()); !abandoned.isEmpty())
            Log::write(QStringLiteral("removed unfinished update downloads: ") + abandoned.join(QStringLiteral(", ")));
        // What an interrupted save left beside the stores (the settings' one
        // holds the API key).
        if (const QStringList stale = StoreFile::removeStaleTemporaries(DataFolder::path()); !stale.isEmpty())
            Log::write(QStringLiteral("removed unfinished saves: ") + stale.join(QStringLiteral(", ")));
        L10n::install();
        Log::write(QStringLiteral("interface language=") + L10n::interfaceLanguage());
        TerminationSignals::install(app);

        AppDelegate delegate;
        const StaleRecordings::Outcome stale = StaleRecordings::tidy(delegate.state(), QDateTime::currentDateTimeUtc());
        if (stale.removed || stale.recovered || stale.kept)
            Log::write(QStringLiteral("recordings left by an earlier run: %1 removed, %2 put in History, %3 kept")
                           .arg(stale.removed)
                           .arg(stale.recovered)
                           .arg(stale.kept));

        QObject::connect(&instance, &SingleInstance::activated, &delegate, &AppDelegate::comeForward);
        QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate, &AppDelegate::shutdown);
        DisplayLoss::watch([&delegate] {
            Log::write(QStringLiteral("the X display went away; saving and quitting"));
            delegate.shutdown();
        });
        delegate.start();
        // Ready once the event loop turns: what start() posted has run by then.
        QTimer::singleShot(0, &delegate, [installRoot] {
            Log::write(QStringLiteral("ready"));
            const QStringList arguments = QCoreApplication::arguments();
            if (arguments.contains(QLatin1String(UpdateTrial::readyOption))) {
                UpdateTrial::reportReady(arguments, installRoot);
                DesktopNotifications::show(L10n::tr("Kesto Viruz was updated"),
                                           L10n::tr("You now have version %1.").arg(QStringLiteral(KESTO_VERSION)));
            } else if (UpdateTrial::wasReverted(arguments)) {
                DesktopNotifications::show(L10n::tr("The new version did not start."),
                                           L10n::tr("The previous version was put back as it was."));
            }
        });
        status = app.exec();
    }
    // Everything the new version needs is free now.
    if (std::optional<UpdateTrial::Plan> trial = UpdateTrial::takePending())
        UpdateTrial::run(*trial, UpdateTrial::defaultTimeoutMs);
    return status;
}
