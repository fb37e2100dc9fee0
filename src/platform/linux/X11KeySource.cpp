#include "platform/linux/X11KeySource.h"

#include "platform/linux/X11Display.h"
#include "platform/linux/X11Keycodes.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

X11KeySource::X11KeySource() = default;

X11KeySource::~X11KeySource()
{
    stop();
}

bool X11KeySource::start(QString* error)
{
    stop();
    QString reason;
    Display* display = X11Display::open(&reason);
    if (!display) {
        if (error)
            *error = reason;
        return false;
    }
    int event = 0;
    int errorBase = 0;
    if (!XQueryExtension(display, "XInputExtension", &m_opcode, &event, &errorBase)
        || !X11Display::hasXInput2(display)) {
        X11Display::close(display);
        if (error)
            *error = QStringLiteral("the X server has no XInput2 extension");
        return false;
    }

    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XISetMask(bits, XI_RawButtonPress);
    XIEventMask mask;
    mask.deviceid = XIAllMasterDevices;
    mask.mask_len = sizeof(bits);
    mask.mask = bits;
    XISelectEvents(display, DefaultRootWindow(display), &mask, 1);

    // Keys already held when watching begins still count, so that their
    // release is not mistaken for nothing.
    char keys[32] = {};
    XQueryKeymap(display, keys);
    m_down.clear();
    for (int code = 0; code < 256; ++code) {
        if (keys[code / 8] & (1 << (code % 8)))
            m_down.insert(code);
    }
    XFlush(display);

    m_display = display;
    m_notifier = std::make_unique<QSocketNotifier>(ConnectionNumber(display), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &X11KeySource::readEvents);
    // Xlib may already hold events read during the set-up.
    readEvents();
    return true;
}

void X11KeySource::stop()
{
    m_notifier.reset();
    if (m_display) {
        X11Display::close(m_display);
        m_display = nullptr;
    }
    m_down.clear();
}

void X11KeySource::readEvents()
{
    while (m_display && XPending(m_display) > 0) {
        XEvent event;
        XNextEvent(m_display, &event);
        XGenericEventCookie* cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != m_opcode || !XGetEventData(m_display, cookie))
            continue;
        const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
        const int type = cookie->evtype;
        const int detail = raw->detail;
        XFreeEventData(m_display, cookie);
        // Signals may reach code that stops this source; m_display is
        // checked again at the top of the loop.
        if (type == XI_RawKeyPress || type == XI_RawKeyRelease)
            keyEvent(detail, type == XI_RawKeyPress);
        else if (type == XI_RawButtonPress && (detail == 1 || detail == 3))
            Q_EMIT mouseDown();
    }
}

void X11KeySource::keyEvent(int keycode, bool press)
{
    const bool changed = press ? m_down.insert(keycode).second : m_down.erase(keycode) > 0;
    if (!changed)
        return;
    if (X11Keycodes::isModifier(keycode))
        Q_EMIT flagsChanged(flags(), keycode == X11Keycodes::RightAlt);
    else if (press)
        Q_EMIT keyDown(keycode == X11Keycodes::Escape);
}

KeySource::Modifiers X11KeySource::flags() const
{
    Modifiers result;
    for (int code : m_down)
        result |= X11Keycodes::modifierOf(code);
    return result;
}
