#pragma once

#include "platform/KeySource.h"

#include <QSocketNotifier>

#include <set>

struct _XDisplay;

// XInput2 raw key and button events of every master device, selected on the
// root window of a connection of its own. Raw events can arrive twice (from
// the master and the slave device), so the keys down are kept as a set and a
// repeated press or release changes nothing.
class X11KeySource final : public KeySource
{
    Q_OBJECT

public:
    X11KeySource();
    ~X11KeySource() override;

    bool start(QString* error) override;
    void stop() override;
    bool isRunning() const override { return m_display != nullptr; }

private:
    void readEvents();
    void keyEvent(int keycode, bool press);
    Modifiers flags() const;

    _XDisplay* m_display = nullptr;
    int m_opcode = 0;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::set<int> m_down;
};
