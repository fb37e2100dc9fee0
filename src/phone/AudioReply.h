#pragma once

#include <QString>

#include <functional>
#include <memory>

// The answer to one phone upload: the transcript, or a sentence for the phone
// saying why there is none.
struct AudioOutcome
{
    bool ok = false;
    QString text;  // when ok
    QString error; // when not

    static AudioOutcome transcript(const QString& text) { return {true, text, {}}; }
    static AudioOutcome failure(const QString& error) { return {false, {}, error}; }

    bool operator==(const AudioOutcome&) const = default;
};

// Answers one upload, once, from any thread. Copies share one answer; the
// first call wins. When every copy is gone unanswered (the handler dropped it)
// the phone is told that the recording was not transcribed, so no connection
// waits for an answer that never comes.
class AudioReply final
{
public:
    using Sink = std::function<void(const AudioOutcome&)>;

    AudioReply() = default;
    explicit AudioReply(Sink sink);

    void operator()(const AudioOutcome& outcome) const;
    bool answered() const;

    // The phone's text when no handler answers.
    static QString notTranscribedText();

private:
    struct State;
    std::shared_ptr<State> m_state;
};
