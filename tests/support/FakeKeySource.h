#pragma once

#include "platform/KeySource.h"

// A key source driven by the test: press() and release() keep the set of
// modifier flags down and report each change like the desktop's source.
class FakeKeySource final : public KeySource
{
    Q_OBJECT

public:
    bool start(QString* error) override;
    void stop() override;
    bool isRunning() const override { return m_running; }

    void press(Modifier modifier, bool rightCommandKey = false);
    void release(Modifier modifier, bool rightCommandKey = false);
    void key(bool escape = false) { Q_EMIT keyDown(escape); }
    void click() { Q_EMIT mouseDown(); }

    // start() fails with this error when it is not empty.
    QString failure;
    int starts = 0;
    int stops = 0;

private:
    bool m_running = false;
    Modifiers m_flags;
};
