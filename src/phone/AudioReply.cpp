#include "phone/AudioReply.h"

#include <mutex>
#include <utility>

struct AudioReply::State
{
    std::mutex mutex;
    Sink sink;

    ~State()
    {
        if (sink)
            sink(AudioOutcome::failure(notTranscribedText()));
    }
};

AudioReply::AudioReply(Sink sink)
    : m_state(std::make_shared<State>())
{
    m_state->sink = std::move(sink);
}

void AudioReply::operator()(const AudioOutcome& outcome) const
{
    if (!m_state)
        return;
    Sink sink;
    {
        std::lock_guard lock(m_state->mutex);
        sink = std::exchange(m_state->sink, nullptr);
    }
    if (sink)
        sink(outcome);
}

bool AudioReply::answered() const
{
    if (!m_state)
        return true;
    std::lock_guard lock(m_state->mutex);
    return !m_state->sink;
}

QString AudioReply::notTranscribedText()
{
    return QStringLiteral("The computer could not transcribe the recording. Try again in a moment.");
}
