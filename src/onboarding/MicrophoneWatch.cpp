#include "onboarding/MicrophoneWatch.h"

MicrophoneWatch::MicrophoneWatch(Capabilities& capabilities, Clock& clock, QObject* parent)
    : QObject(parent)
    , m_capabilities(capabilities)
    , m_clock(clock)
{
}

MicrophoneWatch::~MicrophoneWatch()
{
    stop();
}

void MicrophoneWatch::start()
{
    if (m_timer)
        return;
    tick();
}

void MicrophoneWatch::stop()
{
    if (m_timer) {
        m_clock.cancel(*m_timer);
        m_timer.reset();
    }
}

void MicrophoneWatch::tick()
{
    m_timer = m_clock.schedule(periodMs, this, [this] {
        m_timer.reset();
        tick();
    });
    refresh();
}

void MicrophoneWatch::refresh()
{
    if (m_reading)
        return;
    m_reading = true;
    m_capabilities.readMicrophone(this, [this](const Permissions::Check& check) {
        m_reading = false;
        if (m_status == check)
            return;
        m_status = check;
        Q_EMIT changed();
    });
}
