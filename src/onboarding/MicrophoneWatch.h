#pragma once

#include "platform/Capabilities.h"
#include "platform/Clock.h"

#include <QObject>

#include <optional>

// Reads the microphone capability now and again every second while it runs,
// so a microphone plugged in or a sound server started elsewhere shows within
// about a second. One read at a time: a slow sound server is never asked twice.
class MicrophoneWatch final : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 periodMs = 1000;

    MicrophoneWatch(Capabilities& capabilities, Clock& clock, QObject* parent = nullptr);
    ~MicrophoneWatch() override;

    // None until the first answer.
    const std::optional<Permissions::Check>& status() const { return m_status; }
    bool granted() const { return m_status && m_status->granted; }

    void start();
    void stop();
    // Asks again at once (the next tick follows a second later).
    void refresh();

Q_SIGNALS:
    void changed();

private:
    void tick();

    Capabilities& m_capabilities;
    Clock& m_clock;
    std::optional<Permissions::Check> m_status;
    std::optional<Clock::TimerId> m_timer;
    bool m_reading = false;
};
