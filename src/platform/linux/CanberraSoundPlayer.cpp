#include "platform/SoundPlayer.h"

#include <canberra.h>

#include <mutex>

namespace {

// One libcanberra context for the run; it plays asynchronously on its own
// threads, so play() returns at once.
class CanberraSoundPlayer final : public SoundPlayer
{
public:
    ~CanberraSoundPlayer() override
    {
        if (m_context)
            ca_context_destroy(m_context);
    }

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
    static CanberraSoundPlayer player;
    return player;
}
