#pragma once

#include "platform/AudioBackend.h"

#include <QHash>
#include <QList>
#include <QPointer>

#include <functional>

class FakeAudioBackend;

// A capture stream the test drives: feed() plays the audio thread, stops
// finish when the backend says so.
class FakeInputStream final : public AudioInputStream
{
public:
    FakeInputStream(FakeAudioBackend* backend, QString deviceId, QAudioFormat format);
    ~FakeInputStream() override;

    QAudioFormat format() const override { return m_format; }
    bool start(BufferHandler onBuffer, QString* error) override;
    void stop(std::function<void()> stopped) override;
    bool isRunning() const override { return m_running; }

    const QString& deviceId() const { return m_deviceId; }
    // Hands a buffer to the running stream, as the audio thread would.
    void feed(const QAudioBuffer& buffer);
    // The device stops delivering on its own.
    void interrupt();

private:
    FakeAudioBackend* m_backend;
    QString m_deviceId;
    QAudioFormat m_format;
    BufferHandler m_onBuffer;
    bool m_running = false;
};

class FakeAudioBackend final : public AudioBackend
{
    Q_OBJECT

public:
    explicit FakeAudioBackend(QObject* parent = nullptr);

    QList<Input> inputs() const override { return m_inputs; }
    QString defaultInputId() const override { return m_defaultId; }
    QAudioFormat preferredFormat(const QString& id) const override;
    bool isFormatSupported(const QString& id, const QAudioFormat& format) const override;
    std::unique_ptr<AudioInputStream> openInput(const QString& id, const QAudioFormat& format,
                                                QString* error) override;
    void probeCapture(std::function<void(bool)> answer) override;

    // Replaces the devices (the first is the default) and says they changed.
    void setInputs(const QList<Input>& inputs);
    void setPreferredFormat(const QAudioFormat& format) { m_preferred = format; }
    // Streams whose format matches refuse to start.
    std::function<bool(const QAudioFormat&)> failStart;
    // While set, stop() keeps its report until releaseStop().
    bool holdStops = false;
    int heldStops() const { return int(m_heldStops.size()); }
    // Delivers the oldest held stop report (queued, like the real one).
    void releaseStop();

    // The streams alive now, oldest first.
    QList<FakeInputStream*> streams() const { return m_streams; }
    FakeInputStream* lastStream() const { return m_streams.isEmpty() ? nullptr : m_streams.last(); }
    int opened() const { return m_opened; }

private:
    friend class FakeInputStream;

    QList<Input> m_inputs;
    QString m_defaultId;
    QAudioFormat m_preferred;
    QList<FakeInputStream*> m_streams;
    QList<std::function<void()>> m_heldStops;
    int m_opened = 0;
};

// Test audio: interleaved buffers of a sine, or silence.
namespace FakeAudio {

QAudioFormat format(int sampleRate, int channels, QAudioFormat::SampleFormat sampleFormat);
// frames of a sine of the given peak amplitude (0 gives silence) on every channel.
QAudioBuffer sine(const QAudioFormat& format, qint64 frames, double frequency, double amplitude);

} // namespace FakeAudio
