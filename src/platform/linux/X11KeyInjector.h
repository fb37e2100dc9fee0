#pragma once

#include "platform/KeyInjector.h"

#include <QString>

#include <atomic>
#include <map>
#include <mutex>
#include <vector>

struct _XDisplay;

// XTest key strokes on a connection of its own. A character that the current
// keyboard map cannot produce at its first two shift levels, in the first
// group and with no modifier locked, is typed through a spare keycode (one
// without symbols), two characters per keycode (plain and with Shift).
//
// A client reads a keycode's meaning when it handles the key event, with the
// keyboard map it last fetched. So the spare keycodes change meaning only in
// one keyboard-map change per batch of characters, and only once the target
// has handled every key typed with the old meanings; and the first key of a
// batch waits until the target has read the new map. "Handled" is known from
// the target's answer to a _NET_WM_PING sent behind the keys (clients answer
// in the order of their events), with a short wait on top for clients that
// apply a new map a moment later.
class X11KeyInjector final : public KeyInjector
{
public:
    X11KeyInjector();
    ~X11KeyInjector() override;

    bool isAvailable(QString* error) override;
    void pressKey(Key key, KeySource::Modifiers modifiers) override;
    void prepareTyping(const QString& text) override;
    void typeText(const QString& text) override;
    void finishTyping() override;

    // How many characters can be mapped at once (two per spare keycode).
    int spareSlots() const;

private:
    struct Slot
    {
        int keycode = 0;
        int level = 0;
    };

    bool ensureDisplay();
    bool typedFromLayout(unsigned long keysym);
    void typeFromSlot(const Slot& slot);
    // Gives the spare keycodes the keysyms from m_upcoming[from] on, the
    // ones in must first, in one keyboard-map change.
    bool remap(const std::vector<unsigned long>& must, size_t from);
    // Writes m_slots to the server's map (an empty map clears the spares).
    bool writeSpares(const std::map<unsigned long, Slot>& slots);
    // Waits until the focused window's client has handled every event sent
    // so far; after a new map, a moment longer for clients that apply it late.
    void awaitTarget(bool newMap);
    void restoreMap();

    std::recursive_mutex m_mutex;
    std::atomic<bool> m_ready{false}; // the display is open
    _XDisplay* m_display = nullptr;
    QString m_error;
    std::vector<int> m_spare;
    std::map<unsigned long, Slot> m_slots; // keysym -> where it is mapped now
    std::vector<unsigned long> m_upcoming; // keysyms needing a slot, in typing order
    size_t m_position = 0;                 // next entry of m_upcoming
    bool m_plainState = true;
    bool m_spareKeysSent = false; // a spare key was typed since the last map change
    unsigned long m_pingToken = 0;
};
