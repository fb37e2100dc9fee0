#include "platform/DisplayLoss.h"

#include "platform/linux/X11Display.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <QThread>

#include <X11/Xlib.h>
#include <xcb/xcb.h>

#include <atomic>
#include <cstdlib>

namespace {

std::function<void()>& handler()
{
    static std::function<void()> stored;
    return stored;
}

std::atomic<bool> handled{false};

[[noreturn]] void end()
{
    if (!handled.exchange(true) && handler())
        handler()();
    std::_Exit(1);
}

bool qtConnectionBroken()
{
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app)
        return false;
    auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    return x11 && x11->connection() && xcb_connection_has_error(x11->connection());
}

// Qt ends the process with exit(1) when its own connection breaks; this
// runs then, before the destructors of everything made before watch().
void atExit()
{
    if (handled || !(X11Display::connectionLost() || qtConnectionBroken()))
        return;
    // Only the main thread may save; elsewhere nothing more is run.
    if (QThread::currentThread() != QCoreApplication::instance()->thread())
        std::_Exit(1);
    end();
}

} // namespace

namespace DisplayLoss {

void watch(std::function<void()> lost)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    handler() = std::move(lost);
    std::atexit(atExit);
    // Qt's own Xlib connection would otherwise end the process from
    // whichever thread meets the broken connection first.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->display())
        X11Display::keepProcessOnLoss(x11->display());
    // A connection of our own hears the server go away, usually before Qt's
    // event loop gets to its own.
    Display* display = X11Display::open(nullptr);
    if (!display)
        return;
    auto* notifier = new QSocketNotifier(ConnectionNumber(display), QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [display] {
        while (!X11Display::connectionLost() && XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
        }
        if (X11Display::connectionLost())
            end();
    });
}

} // namespace DisplayLoss
