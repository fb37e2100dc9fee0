#pragma once

#include "platform/KeyInjector.h"

#include <QString>

#include <list>
#include <map>
#include <vector>

struct _XDisplay;

// XTest key strokes on a connection of its own. A character that the current
// keyboard map cannot produce at its first shift level, in the first group
// and with no modifier locked, is typed through a spare keycode (one without
// symbols) remapped to its keysym. Remapped keycodes keep their symbol until
// typing has been idle for a moment, because each X client reads the new map
// only when it gets to the mapping notice; then the map is put back.
class X11KeyInjector final : public KeyInjector
{
public:
    X11KeyInjector();
    ~X11KeyInjector() override;

    bool isAvailable(QString* error) override;
    void pressKey(Key key, KeySource::Modifiers modifiers) override;
    void typeText(const QString& text) override;

private:
    bool ensureDisplay();
    void typeCodePoint(char32_t codePoint, bool plainState);
    int spareKeycodeFor(unsigned long keysym);
    void scheduleRestore();
    void restoreMap();

    _XDisplay* m_display = nullptr;
    QString m_error;
    std::vector<int> m_spare;
    std::map<int, unsigned long> m_assigned;
    std::list<int> m_recent; // assigned keycodes, least recently used first
    quint64 m_restoreGeneration = 0;
};
