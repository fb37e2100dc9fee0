#include "core/Config.h"
#include "core/L10n.h"
#include "core/Log.h"
#include "core/StoreFile.h"
#include "platform/DataFolder.h"
#include "platform/DisplayLoss.h"
#include "shell/AppDelegate.h"
#include "shell/Relaunch.h"
#include "shell/SingleInstance.h"
#include "shell/StaleRecordings.h"
#include "shell/TerminationSignals.h"

#include <QApplication>
#include <QDateTime>
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
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kesto-viruz"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kesto Viruz"));
    QApplication::setApplicationVersion(QStringLiteral(KESTO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("kesto-viruz"));

    // A restart waits for the instance that started it to be gone.
    if (const std::optional<qint64> previous = Relaunch::waitingFor(app.arguments()))
        Relaunch::waitForExit(*previous);

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
    QTimer::singleShot(0, &delegate, [] { Log::write(QStringLiteral("ready")); });
    return app.exec();
}
