#pragma once

#include "engine/Upload.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

// The upload of a recording made while it is being recorded: the samples the
// writer puts in the WAV also go, on a thread of its own, through the silence
// trimmer and into the AAC encoder, so that when the recording stops only the
// undecided pause and the encoder's flush remain. It holds at most that pause
// and the encoder's buffers. Dropping it before finish() stops the work and
// leaves no file behind.
class LiveUpload final
{
public:
    // What the settings said about trimming when the recording started.
    struct Settings
    {
        bool trimSilence = true;
        double keepSilenceSeconds = 0.25;
        bool operator==(const Settings&) const = default;
    };
    using Input = std::function<void(const qint16* samples, qsizetype count)>;

    // Main thread. Starts the work for the recording in wav; the M4A goes
    // beside it as "<name>.m4a".
    LiveUpload(const QString& wav, const Settings& settings);
    // Any thread but the worker's.
    ~LiveUpload();

    LiveUpload(const LiveUpload&) = delete;
    LiveUpload& operator=(const LiveUpload&) = delete;

    // What feeds it: called on the audio thread with the samples just written
    // to the WAV, it copies them and returns. Safe to keep after the upload
    // is gone (it then drops what it gets).
    Input input() const;

    // Blocking, off the main thread, once the last samples were fed: completes
    // the M4A and hands it over as the upload (the caller owns the file). Nothing,
    // with the reason logged and no file left, when the caller must encode the
    // recording itself: the stream broke, or trimming left nothing of it.
    std::optional<Upload> finish();

    const Settings& settings() const { return m_settings; }

private:
    struct Queue;
    struct Work;

    void run();

    Settings m_settings;
    std::shared_ptr<Queue> m_queue;
    std::unique_ptr<Work> m_work;
};
