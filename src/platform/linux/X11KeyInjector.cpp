#include "platform/linux/X11KeyInjector.h"

#include "platform/linux/X11Display.h"
#include "platform/linux/X11Keycodes.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <X11/extensions/XTest.h>

namespace {

// How long remapped keycodes stay after the last typed character.
constexpr int restoreDelayMs = 500;
// Before a keycode gets a new symbol, clients get this long to read the
// events still typed with its old one.
constexpr int reuseDelayMs = 50;

unsigned long keysymFor(char32_t codePoint)
{
    if (codePoint == U'\t')
        return XK_Tab;
    if ((codePoint >= 0x20 && codePoint < 0x7f) || (codePoint >= 0xa0 && codePoint <= 0xff))
        return codePoint;
    if (codePoint < 0xa0)
        return NoSymbol;
    return 0x01000000 | codePoint;
}

void fakeKey(Display* display, int keycode, bool press)
{
    XTestFakeKeyEvent(display, unsigned(keycode), press ? True : False, CurrentTime);
}

} // namespace

X11KeyInjector::X11KeyInjector() = default;

X11KeyInjector::~X11KeyInjector()
{
    restoreMap();
    X11Display::close(m_display);
}

bool X11KeyInjector::ensureDisplay()
{
    if (m_display)
        return true;
    Display* display = X11Display::open(&m_error);
    if (!display)
        return false;
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(display, &event, &error, &major, &minor)) {
        m_error = QStringLiteral("the X server has no XTEST extension");
        X11Display::close(display);
        return false;
    }
    int minCode = 0;
    int maxCode = 0;
    XDisplayKeycodes(display, &minCode, &maxCode);
    int perCode = 0;
    KeySym* map = XGetKeyboardMapping(display, KeyCode(minCode), maxCode - minCode + 1, &perCode);
    m_spare.clear();
    for (int code = minCode; map && code <= maxCode; ++code) {
        bool empty = true;
        for (int i = 0; i < perCode && empty; ++i)
            empty = map[(code - minCode) * perCode + i] == NoSymbol;
        if (empty)
            m_spare.push_back(code);
    }
    if (map)
        XFree(map);
    m_display = display;
    m_error.clear();
    return true;
}

bool X11KeyInjector::isAvailable(QString* error)
{
    const bool ok = ensureDisplay();
    if (!ok && error)
        *error = m_error;
    return ok;
}

void X11KeyInjector::pressKey(Key key, KeySource::Modifiers modifiers)
{
    if (!ensureDisplay())
        return;
    const int keycode = XKeysymToKeycode(m_display, key == Key::V ? XK_v : XK_Return);
    if (keycode == 0)
        return;
    std::vector<int> held;
    if (modifiers & KeySource::Control)
        held.push_back(X11Keycodes::ControlLeft);
    if (modifiers & KeySource::Shift)
        held.push_back(X11Keycodes::ShiftLeft);
    if (modifiers & KeySource::Option)
        held.push_back(X11Keycodes::AltLeft);
    for (int code : held)
        fakeKey(m_display, code, true);
    fakeKey(m_display, keycode, true);
    fakeKey(m_display, keycode, false);
    for (auto it = held.rbegin(); it != held.rend(); ++it)
        fakeKey(m_display, *it, false);
    XFlush(m_display);
}

void X11KeyInjector::typeText(const QString& text)
{
    if (text.isEmpty() || !ensureDisplay())
        return;
    // Keys of the current map serve only when nothing changes what they
    // produce: first group, no modifier held or locked (Num Lock aside).
    XkbStateRec state;
    const bool plainState = XkbGetState(m_display, XkbUseCoreKbd, &state) == Success && state.group == 0
        && (state.mods & ~Mod2Mask) == 0;
    for (char32_t codePoint : text.toUcs4())
        typeCodePoint(codePoint, plainState);
    XFlush(m_display);
    scheduleRestore();
}

void X11KeyInjector::typeCodePoint(char32_t codePoint, bool plainState)
{
    const unsigned long keysym = keysymFor(codePoint);
    if (keysym == NoSymbol)
        return;

    const int mapped = plainState ? XKeysymToKeycode(m_display, keysym) : 0;
    if (mapped != 0) {
        for (int level = 0; level < 2; ++level) {
            if (XkbKeycodeToKeysym(m_display, KeyCode(mapped), 0, level) != keysym)
                continue;
            if (level == 1)
                fakeKey(m_display, X11Keycodes::ShiftLeft, true);
            fakeKey(m_display, mapped, true);
            fakeKey(m_display, mapped, false);
            if (level == 1)
                fakeKey(m_display, X11Keycodes::ShiftLeft, false);
            return;
        }
    }

    const int spare = spareKeycodeFor(keysym);
    if (spare == 0)
        return;
    fakeKey(m_display, spare, true);
    fakeKey(m_display, spare, false);
}

int X11KeyInjector::spareKeycodeFor(unsigned long keysym)
{
    for (auto& [code, assigned] : m_assigned) {
        if (assigned == keysym) {
            m_recent.remove(code);
            m_recent.push_back(code);
            return code;
        }
    }
    int code = 0;
    for (int candidate : m_spare) {
        if (!m_assigned.count(candidate)) {
            code = candidate;
            break;
        }
    }
    if (code == 0) {
        if (m_recent.empty())
            return 0;
        code = m_recent.front();
        m_recent.pop_front();
        XSync(m_display, False);
        QThread::msleep(reuseDelayMs);
    }
    // The same symbol on both levels: Shift and Caps Lock change nothing.
    KeySym symbols[2] = {keysym, keysym};
    XChangeKeyboardMapping(m_display, code, 2, symbols, 1);
    m_assigned[code] = keysym;
    m_recent.push_back(code);
    return code;
}

void X11KeyInjector::scheduleRestore()
{
    const quint64 generation = ++m_restoreGeneration;
    if (!QCoreApplication::instance())
        return;
    QTimer::singleShot(restoreDelayMs, QCoreApplication::instance(), [this, generation] {
        if (generation == m_restoreGeneration)
            restoreMap();
    });
}

void X11KeyInjector::restoreMap()
{
    if (!m_display || m_assigned.empty())
        return;
    for (const auto& entry : m_assigned) {
        KeySym none = NoSymbol;
        XChangeKeyboardMapping(m_display, entry.first, 1, &none, 1);
    }
    m_assigned.clear();
    m_recent.clear();
    XSync(m_display, False);
}
