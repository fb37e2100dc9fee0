#include "platform/linux/X11FrontApplication.h"

#include "platform/linux/X11Display.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

// One property of a window as bytes; empty when it is missing.
QByteArray property(Display* display, Window window, const char* name, Atom type, int* count = nullptr)
{
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None)
        return {};
    Atom actualType = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, atom, 0, 1024, False, type, &actualType, &format, &items, &after, &data)
            != Success
        || !data) {
        return {};
    }
    QByteArray result;
    if (actualType != None && items > 0) {
        const int unit = format == 32 ? int(sizeof(long)) : format / 8;
        result = QByteArray(reinterpret_cast<const char*>(data), int(items) * unit);
    }
    if (count)
        *count = int(items);
    XFree(data);
    return result;
}

} // namespace

X11FrontApplication::~X11FrontApplication()
{
    X11Display::close(m_display);
}

unsigned long X11FrontApplication::activeWindow()
{
    const Window root = DefaultRootWindow(m_display);
    const QByteArray active = property(m_display, root, "_NET_ACTIVE_WINDOW", XA_WINDOW);
    Window window = None;
    if (active.size() >= int(sizeof(long)))
        window = Window(*reinterpret_cast<const long*>(active.constData()));
    if (window == None) {
        int revert = 0;
        XGetInputFocus(m_display, &window, &revert);
    }
    // The focus can sit on a child window: walk up to the one with a class.
    while (window != None && window != PointerRoot && window != root) {
        XClassHint hint{nullptr, nullptr};
        if (XGetClassHint(m_display, window, &hint)) {
            XFree(hint.res_name);
            XFree(hint.res_class);
            return window;
        }
        Window rootReturn = None;
        Window parent = None;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(m_display, window, &rootReturn, &parent, &children, &count))
            return None;
        if (children)
            XFree(children);
        window = parent;
    }
    return None;
}

FrontApp X11FrontApplication::current()
{
    if (!m_display)
        m_display = X11Display::open(nullptr);
    if (!m_display)
        return {};
    const Window window = activeWindow();
    X11Display::takeLastError();
    if (window == None)
        return {};

    QString wmClass;
    XClassHint hint{nullptr, nullptr};
    if (XGetClassHint(m_display, window, &hint)) {
        wmClass = QString::fromLocal8Bit(hint.res_class);
        XFree(hint.res_name);
        XFree(hint.res_class);
    }

    const Atom utf8 = XInternAtom(m_display, "UTF8_STRING", False);
    const QString gtkId = QString::fromUtf8(property(m_display, window, "_GTK_APPLICATION_ID", utf8));
    X11Display::takeLastError();
    if (!gtkId.isEmpty()) {
        const DesktopEntries::Entry entry = m_entries.byId(gtkId);
        return {gtkId, !entry.name.isEmpty() ? entry.name : !wmClass.isEmpty() ? wmClass : gtkId};
    }
    if (wmClass.isEmpty())
        return {};
    DesktopEntries::Entry entry = m_entries.byWindowClass(wmClass);
    if (!entry.id.isEmpty())
        return {entry.id, entry.name.isEmpty() ? wmClass : entry.name};
    const QString id = wmClass.toLower();
    entry = m_entries.byId(id);
    return {id, entry.name.isEmpty() ? wmClass : entry.name};
}
