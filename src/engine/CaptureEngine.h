#pragma once

#include "platform/AudioBackend.h"
#include "platform/NoiseSuppressor.h"

#include <QAudioBuffer>
#include <QAudioFormat>
#include <QString>

#include <functional>
#include <memory>

// A microphone stream, optionally through noise suppression, that hands its
// audio to one tap in blocks of a fixed size as 32-bit float buffers. The
// tap runs on the audio thread; everything else on the main thread.
class CaptureEngine final
{
public:
    using Tap = std::function<void(const QAudioBuffer&)>;

    CaptureEngine(QString deviceId, std::unique_ptr<AudioInputStream> stream,
                  std::unique_ptr<NoiseSuppressor> suppressor);
    ~CaptureEngine();

    const QString& deviceId() const { return m_deviceId; }
    bool voiceProcessing() const;
    // The format of the buffers the tap receives.
    QAudioFormat outputFormat() const;

    void installTap(quint32 frames, Tap tap);
    void removeTap();

    bool start(QString* error);
    // Stops the stream; the last partial block still reaches the tap, then
    // stopped() runs (main thread).
    void stop(std::function<void()> stopped = {});
    bool isRunning() const;

    // The device stopped delivering on its own (main thread).
    std::function<void()> onInterrupted;

private:
    struct Shared;

    QString m_deviceId;
    std::unique_ptr<AudioInputStream> m_stream;
    std::shared_ptr<Shared> m_shared;
    bool m_started = false;
};
