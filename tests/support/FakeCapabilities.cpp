#include "FakeCapabilities.h"

void FakeCapabilities::readMicrophone(QObject* context, std::function<void(const Permissions::Check&)> done)
{
    ++reads;
    if (held) {
        m_pending.append({context, std::move(done)});
        return;
    }
    done(microphone);
}

void FakeCapabilities::release()
{
    held = false;
    const QList<Pending> pending = std::exchange(m_pending, {});
    for (const Pending& read : pending) {
        if (read.context)
            read.done(microphone);
    }
}
