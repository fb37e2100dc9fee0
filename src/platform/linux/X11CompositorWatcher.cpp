#include "platform/CompositorWatcher.h"

#include "platform/linux/X11Display.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QSocketNotifier>

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

struct CompositorWatcher::Connection
{
    Display* display = nullptr;
    Atom selection = 0;
    int fixesEvent = 0;
    QSocketNotifier* notifier = nullptr;

    ~Connection() { X11Display::close(display); }
};

CompositorWatcher::CompositorWatcher(QObject* parent)
    : QObject(parent)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    // A connection of our own keeps Xlib out of Qt's; XFixes tells it each
    // time the selection changes hands.
    auto connection = std::make_unique<Connection>();
    connection->display = X11Display::open(nullptr);
    if (!connection->display) {
        m_running = false;
        return;
    }
    Display* display = connection->display;
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(DefaultScreen(display));
    connection->selection = XInternAtom(display, name.constData(), False);
    int error = 0;
    if (XFixesQueryExtension(display, &connection->fixesEvent, &error)) {
        XFixesSelectSelectionInput(display, DefaultRootWindow(display), connection->selection,
                                   XFixesSetSelectionOwnerNotifyMask | XFixesSelectionWindowDestroyNotifyMask
                                       | XFixesSelectionClientCloseNotifyMask);
        XFlush(display);
        connection->notifier = new QSocketNotifier(ConnectionNumber(display), QSocketNotifier::Read, this);
        connect(connection->notifier, &QSocketNotifier::activated, this, &CompositorWatcher::check);
    }
    m_connection = std::move(connection);
    m_running = XGetSelectionOwner(display, m_connection->selection) != 0;
}

CompositorWatcher::~CompositorWatcher() = default;

void CompositorWatcher::check()
{
    Display* display = m_connection->display;
    bool seen = false;
    while (!X11Display::connectionLost() && XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        seen = seen || event.type == m_connection->fixesEvent + XFixesSelectionNotify;
    }
    if (!seen || X11Display::connectionLost())
        return;
    const bool running = XGetSelectionOwner(display, m_connection->selection) != 0;
    if (running == m_running)
        return;
    m_running = running;
    Q_EMIT changed(running);
}
