#include "platform/linux/X11KeyInjector.h"

#include "platform/linux/X11Display.h"
#include "platform/linux/X11Keycodes.h"

#include <QElapsedTimer>
#include <QThread>

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <set>

#include <poll.h>

namespace {

// Longest wait for a target's answer to a ping; a hung client is not waited for.
constexpr int pingTimeoutMs = 250;
// Some clients (browsers) apply a new keyboard map from their own queue a
// moment after handling its notice.
constexpr int settleMs = 8;
// Without a ping to ask, this long is taken as enough for a client to catch up.
constexpr int unansweredWaitMs = 60;

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

bool supportsPing(Display* display, Window window, Atom ping)
{
    Atom* protocols = nullptr;
    int count = 0;
    if (!XGetWMProtocols(display, window, &protocols, &count))
        return false;
    const bool found = std::find(protocols, protocols + count, ping) != protocols + count;
    XFree(protocols);
    return found;
}

// The focused window or the nearest ancestor that answers pings.
Window pingTarget(Display* display, Atom ping)
{
    Window window = 0;
    int revert = 0;
    XGetInputFocus(display, &window, &revert);
    for (int depth = 0; depth < 8 && window > PointerRoot; ++depth) {
        if (supportsPing(display, window, ping))
            return window;
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display, window, &root, &parent, &children, &count))
            return 0;
        if (children)
            XFree(children);
        if (parent == root)
            return 0;
        window = parent;
    }
    return 0;
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
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    if (!XTestQueryExtension(display, &event, &error, &major, &minor)) {
        m_error = QStringLiteral("the X server has no XTEST extension");
        X11Display::close(display);
        return false;
    }
    major = XkbMajorVersion;
    minor = XkbMinorVersion;
    int opcode = 0;
    if (!XkbQueryExtension(display, &opcode, &event, &error, &major, &minor)) {
        m_error = QStringLiteral("the X server has no XKB extension");
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
    m_ready = true;
    return true;
}

bool X11KeyInjector::isAvailable(QString* error)
{
    // Asked on the interface thread, maybe while a typing holds the lock.
    if (m_ready)
        return true;
    std::lock_guard lock(m_mutex);
    const bool ok = ensureDisplay();
    if (!ok && error)
        *error = m_error;
    return ok;
}

int X11KeyInjector::spareSlots() const
{
    return int(m_spare.size()) * 2;
}

void X11KeyInjector::pressKey(Key key, KeySource::Modifiers modifiers)
{
    std::lock_guard lock(m_mutex);
    if (!ensureDisplay())
        return;
    const unsigned long keysym = key == Key::V ? XK_v : key == Key::Insert ? XK_Insert : XK_Return;
    const int keycode = XKeysymToKeycode(m_display, keysym);
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

void X11KeyInjector::prepareTyping(const QString& text)
{
    std::lock_guard lock(m_mutex);
    m_upcoming.clear();
    m_position = 0;
    if (!ensureDisplay())
        return;
    // Keys of the current map serve only when nothing changes what they
    // produce: first group, no modifier held or locked (Num Lock aside).
    XkbStateRec state;
    m_plainState = XkbGetState(m_display, XkbUseCoreKbd, &state) == Success && state.group == 0
        && (state.mods & ~Mod2Mask) == 0;
    for (char32_t codePoint : text.toUcs4()) {
        const unsigned long keysym = keysymFor(codePoint);
        if (keysym != NoSymbol && !typedFromLayout(keysym))
            m_upcoming.push_back(keysym);
    }
    m_position = 0;
}

bool X11KeyInjector::typedFromLayout(unsigned long keysym)
{
    if (!m_plainState)
        return false;
    const int code = XKeysymToKeycode(m_display, keysym);
    if (code == 0 || std::find(m_spare.begin(), m_spare.end(), code) != m_spare.end())
        return false;
    for (int level = 0; level < 2; ++level) {
        if (XkbKeycodeToKeysym(m_display, KeyCode(code), 0, level) == keysym)
            return true;
    }
    return false;
}

void X11KeyInjector::typeText(const QString& text)
{
    std::lock_guard lock(m_mutex);
    if (text.isEmpty() || !ensureDisplay())
        return;
    if (m_upcoming.empty() && m_position == 0) {
        XkbStateRec state;
        m_plainState = XkbGetState(m_display, XkbUseCoreKbd, &state) == Success && state.group == 0
            && (state.mods & ~Mod2Mask) == 0;
    }

    std::vector<unsigned long> keysyms;
    for (char32_t codePoint : text.toUcs4()) {
        const unsigned long keysym = keysymFor(codePoint);
        if (keysym != NoSymbol)
            keysyms.push_back(keysym);
    }
    for (size_t i = 0; i < keysyms.size(); ++i) {
        const unsigned long keysym = keysyms[i];
        const int code = m_plainState ? XKeysymToKeycode(m_display, keysym) : 0;
        if (code != 0 && std::find(m_spare.begin(), m_spare.end(), code) == m_spare.end()) {
            int level = -1;
            for (int l = 0; l < 2 && level < 0; ++l) {
                if (XkbKeycodeToKeysym(m_display, KeyCode(code), 0, l) == keysym)
                    level = l;
            }
            if (level >= 0) {
                typeFromSlot(Slot{code, level});
                continue;
            }
        }

        // Where this character stands among the prepared ones.
        const auto next = std::find(m_upcoming.begin() + qsizetype(std::min(m_position, m_upcoming.size())),
                                    m_upcoming.end(), keysym);
        if (next != m_upcoming.end())
            m_position = size_t(next - m_upcoming.begin()) + 1;

        auto slot = m_slots.find(keysym);
        if (slot == m_slots.end()) {
            // The rest of this piece must fit in the new map; then as many
            // of the characters after it as there is room for.
            std::vector<unsigned long> must;
            for (size_t j = i; j < keysyms.size(); ++j) {
                if (!typedFromLayout(keysyms[j]))
                    must.push_back(keysyms[j]);
            }
            if (!remap(must, m_position))
                return;
            slot = m_slots.find(keysym);
            if (slot == m_slots.end())
                return;
        }
        typeFromSlot(slot->second);
        m_spareKeysSent = true;
    }
    XFlush(m_display);
}

void X11KeyInjector::typeFromSlot(const Slot& slot)
{
    if (slot.level == 1)
        fakeKey(m_display, X11Keycodes::ShiftLeft, true);
    fakeKey(m_display, slot.keycode, true);
    fakeKey(m_display, slot.keycode, false);
    if (slot.level == 1)
        fakeKey(m_display, X11Keycodes::ShiftLeft, false);
}

bool X11KeyInjector::remap(const std::vector<unsigned long>& must, size_t from)
{
    const size_t capacity = m_spare.size() * 2;
    if (capacity == 0)
        return false;
    std::vector<unsigned long> wanted;
    std::set<unsigned long> seen;
    auto want = [&](unsigned long keysym) {
        if (wanted.size() < capacity && seen.insert(keysym).second)
            wanted.push_back(keysym);
    };
    for (unsigned long keysym : must)
        want(keysym);
    for (size_t i = from; i < m_upcoming.size() && wanted.size() < capacity; ++i)
        want(m_upcoming[i]);

    // Characters that stay keep their key; the others take the free places.
    std::map<unsigned long, Slot> slots;
    std::set<std::pair<int, int>> taken;
    for (unsigned long keysym : wanted) {
        const auto kept = m_slots.find(keysym);
        if (kept != m_slots.end()) {
            slots[keysym] = kept->second;
            taken.insert({kept->second.keycode, kept->second.level});
        }
    }
    size_t place = 0;
    for (unsigned long keysym : wanted) {
        if (slots.count(keysym))
            continue;
        while (taken.count({m_spare[place / 2], int(place % 2)}))
            ++place;
        const Slot slot{m_spare[place / 2], int(place % 2)};
        taken.insert({slot.keycode, slot.level});
        slots[keysym] = slot;
    }

    // Every key typed with the old meanings is read before they change.
    if (m_spareKeysSent)
        awaitTarget(false);
    if (!writeSpares(slots))
        return false;
    m_slots = std::move(slots);
    m_spareKeysSent = false;
    // And the new map is read before the first key that needs it.
    awaitTarget(true);
    return true;
}

bool X11KeyInjector::writeSpares(const std::map<unsigned long, Slot>& slots)
{
    XkbDescPtr xkb = XkbGetMap(m_display, XkbKeyTypesMask | XkbKeySymsMask, XkbUseCoreKbd);
    if (!xkb)
        return false;
    std::map<int, std::pair<KeySym, KeySym>> byKey;
    for (int code : m_spare)
        byKey[code] = {NoSymbol, NoSymbol};
    for (const auto& [keysym, slot] : slots)
        (slot.level == 0 ? byKey[slot.keycode].first : byKey[slot.keycode].second) = keysym;

    XkbMapChangesRec changes{};
    int types[XkbNumKbdGroups] = {XkbTwoLevelIndex, XkbTwoLevelIndex, XkbTwoLevelIndex, XkbTwoLevelIndex};
    for (const auto& [code, pair] : byKey) {
        const bool used = pair.first != NoSymbol || pair.second != NoSymbol;
        if (XkbChangeTypesOfKey(xkb, code, used ? 1 : 0, XkbGroup1Mask, types, &changes) != Success)
            continue;
        if (used) {
            KeySym* syms = XkbKeySymsPtr(xkb, code);
            // A lone character also sits on the Shift level, so a held
            // Shift changes nothing.
            syms[0] = pair.first != NoSymbol ? pair.first : pair.second;
            syms[1] = pair.second != NoSymbol ? pair.second : pair.first;
        }
    }
    // One request for the whole span of spare keys: the keys between them
    // go back exactly as the server described them.
    changes.changed = XkbKeySymsMask;
    changes.first_key_sym = KeyCode(m_spare.front());
    changes.num_key_syms = (unsigned char)(m_spare.back() - m_spare.front() + 1);
    X11Display::takeLastError();
    const bool sent = XkbChangeMap(m_display, xkb, &changes);
    XkbFreeKeyboard(xkb, 0, True);
    XSync(m_display, False);
    return sent && X11Display::takeLastError() == 0;
}

void X11KeyInjector::awaitTarget(bool newMap)
{
    XSync(m_display, False);
    const Atom ping = XInternAtom(m_display, "_NET_WM_PING", False);
    const Window target = pingTarget(m_display, ping);
    if (!target) {
        QThread::msleep(unansweredWaitMs);
        return;
    }
    const Window root = DefaultRootWindow(m_display);
    // The answer goes to the root window, to clients that listen for its
    // own or its children's changes (toolkits differ in which).
    XSelectInput(m_display, root, StructureNotifyMask | SubstructureNotifyMask);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = target;
    event.xclient.message_type = XInternAtom(m_display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(ping);
    event.xclient.data.l[1] = long(++m_pingToken);
    event.xclient.data.l[2] = long(target);
    XSendEvent(m_display, target, False, NoEventMask, &event);
    XFlush(m_display);

    bool answered = false;
    QElapsedTimer waited;
    waited.start();
    while (!answered && waited.elapsed() < pingTimeoutMs) {
        while (!answered && XPending(m_display)) {
            XEvent reply;
            XNextEvent(m_display, &reply);
            answered = reply.type == ClientMessage && reply.xclient.data.l[0] == long(ping)
                && (unsigned long)(reply.xclient.data.l[1]) == m_pingToken;
        }
        if (!answered) {
            pollfd fd{ConnectionNumber(m_display), POLLIN, 0};
            poll(&fd, 1, int(std::max<qint64>(1, pingTimeoutMs - waited.elapsed())));
        }
    }
    XSelectInput(m_display, root, NoEventMask);
    XSync(m_display, True);
    if (!answered)
        QThread::msleep(unansweredWaitMs);
    else if (newMap)
        QThread::msleep(settleMs);
}

void X11KeyInjector::finishTyping()
{
    std::lock_guard lock(m_mutex);
    m_upcoming.clear();
    m_position = 0;
    restoreMap();
}

void X11KeyInjector::restoreMap()
{
    if (!m_display || m_slots.empty())
        return;
    if (m_spareKeysSent)
        awaitTarget(false);
    writeSpares({});
    m_slots.clear();
    m_spareKeysSent = false;
}
