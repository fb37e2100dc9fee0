#include "shell/TerminationSignals.h"

#include "core/Log.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace TerminationSignals {

namespace {

int pipeEnds[2] = {-1, -1};

void handle(int number)
{
    // Only async-signal-safe work here: the event loop does the rest.
    const char byte = char(number);
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[0], &byte, 1);
}

} // namespace

void install(QCoreApplication& app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds) != 0) {
        Log::write(QStringLiteral("could not watch termination signals"));
        return;
    }
    auto* notifier = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] {
        char byte = 0;
        if (::read(pipeEnds[1], &byte, 1) == 1)
            Log::write(QStringLiteral("signal %1; quitting").arg(int(byte)));
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(number, &action, nullptr);
}

} // namespace TerminationSignals
