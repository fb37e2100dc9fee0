#include "platform/SoundPlayer.h"

#include <canberra.h>

#include <mutex>

namespace {

// One libcanberra context for the run; it plays asynchronously on its own
// threads, so play() returns at once. The context is never destroyed:
// destroying it unloads its sound driver while the driver's thread may still
// be returning into it, and the process ending frees it anyway.
class CanberraSoundPlayer final : public SoundPlayer
{
public:
    void play(const QString& name) override
    {
        const QString id = eventId(name);
        if (id.isEmpty())
            return;
        std::lock_guard lock(m_mutex);
        if (!ensureContext())
            return;
        const QByteArray event = id.toUtf8();
        // A theme without the sound or sounds turned off is not an error here.
        ca_context_play(m_context, 0, CA_PROP_EVENT_ID, event.constData(),
                        CA_PROP_EVENT_DESCRIPTION, event.constData(), nullptr);
    }

private:
    bool ensureContext()
    {
        if (m_context)
            return true;
        if (m_failed)
            return false;
        if (ca_context_create(&m_context) != CA_SUCCESS) {
            m_context = nullptr;
            m_failed = true;
            return false;
        }
        ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, "Kesto Viruz",
                                CA_PROP_APPLICATION_ID, "kesto-viruz", nullptr);
        return true;
    }

    std::mutex m_mutex;
    ca_context* m_context = nullptr;
    bool m_failed = false;
};

} // namespace

SoundPlayer& SoundPlayer::system()
{
    // Never destroyed, so nothing tears the context down at exit().
    static auto* player = new CanberraSoundPlayer;
    return *player;
}
