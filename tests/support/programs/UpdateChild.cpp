// A process that installs an update the way the application does, for tests
// that kill it or race two of it:
//   install <root> <archive> <version> [stop-at]
// prints "step <n> <what>" before each change to the install; at step
// stop-at (its number or what it does) it prints "stopped" and waits for a line on its input (a test
// kills it there, or lets it go on). Ends with "result <kind>".
//   ready <root> <arguments...>
// is the body of a release's program: it reports that it runs to the old
// process waiting for it.

#include "engine/UpdateTree.h"
#include "engine/UpdateTrial.h"
#include "platform/ZipArchive.h"

#include <QCoreApplication>
#include <QLockFile>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 2 && args.at(1) == QStringLiteral("ready")) {
        return args.size() > 2 && UpdateTrial::reportReady(args, args.at(2)) ? 0 : 1;
    }
    if (args.size() < 5 || args.at(1) != QStringLiteral("install"))
        return 2;
    const QString root = args.at(2);
    const QString stop = args.size() > 5 ? args.at(5) : QString();
    const int stopAt = stop.toInt();
    QString error;
    const std::optional<QList<ZipArchive::Entry>> entries = ZipArchive::read(args.at(3), &error);
    if (!entries) {
        std::printf("result unreadable %s\n", qPrintable(error));
        return 2;
    }
    const std::shared_ptr<QLockFile> lock = UpdateTree::lock(root);
    if (!lock) {
        std::printf("result locked\n");
        return 3;
    }
    int count = 0;
    UpdateTree::setStepHook([&count, stopAt, stop](const QString& what) {
        std::printf("step %d %s\n", ++count, qPrintable(what));
        std::fflush(stdout);
        if (count == stopAt || what == stop) {
            std::printf("stopped\n");
            std::fflush(stdout);
            char line[16];
            if (!std::fgets(line, sizeof line, stdin))
                std::printf("input closed\n");
        }
    });
    const QString program = QStringLiteral("bin/kesto-viruz");
    const UpdateTree::Result result = UpdateTree::place(*entries, root, program, args.at(4));
    const char* names[] = {"installed", "notStaged", "notReplaced", "didNotStart", "mixed"};
    if (result.kind == UpdateTree::Result::Kind::installed && !UpdateTree::commit(root, &error)) {
        std::printf("result uncommitted %s\n", qPrintable(error));
        return 1;
    }
    std::printf("result %s %s\n", names[int(result.kind)], qPrintable(result.reason));
    return 0;
}
