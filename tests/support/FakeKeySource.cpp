#include "FakeKeySource.h"

bool FakeKeySource::start(QString* error)
{
    ++starts;
    if (!failure.isEmpty()) {
        if (error)
            *error = failure;
        return false;
    }
    m_running = true;
    return true;
}

void FakeKeySource::stop()
{
    ++stops;
    m_running = false;
    m_flags = {};
}

void FakeKeySource::press(Modifier modifier, bool rightCommandKey)
{
    m_flags |= modifier;
    Q_EMIT flagsChanged(m_flags, rightCommandKey);
}

void FakeKeySource::release(Modifier modifier, bool rightCommandKey)
{
    m_flags &= ~Modifiers(modifier);
    Q_EMIT flagsChanged(m_flags, rightCommandKey);
}
