#pragma once

#include "engine/AudioFailure.h"
#include "engine/CaptureEngine.h"
#include "engine/LiveUpload.h"
#include "engine/WavWriter.h"
#include "platform/AudioBackend.h"
#include "platform/Clock.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <optional>

// The one microphone recorder. Records the chosen microphone into a new
// temporary WAV (16 kHz, mono, 16-bit) and hands it over on stop. Two paths:
// the plain capture path, and the noise-reduction path through a capture
// engine, which falls back to the plain path whenever it cannot run.
// Every method is called on the main thread; completions and signals come
// on the main thread too.
class AudioRecorder final : public QObject
{
    Q_OBJECT

public:
    using Failure = AudioFailure;
    using Input = AudioBackend::Input;

    struct Recording
    {
        QString path;       // the caller owns the file from now on
        double duration = 0; // seconds
        QDateTime startedAt;
        // Its upload made while recording; null when none was asked for or
        // the stream could not be kept (the recorder restarted mid-way).
        std::shared_ptr<LiveUpload> live;
        bool operator==(const Recording&) const = default;
    };
    using Completion = std::function<void(std::optional<Recording>)>;

    explicit AudioRecorder(AudioBackend& backend = AudioBackend::system(), Clock& clock = Clock::system(),
                           QObject* parent = nullptr);
    ~AudioRecorder() override;

    // Starts recording from the device with this id (empty: the default
    // microphone), with its upload made while recording when live is given.
    // Nothing when a recording runs afterwards, else the failure.
    std::optional<Failure> start(const QString& deviceId, bool noiseReduction,
                                 const std::optional<LiveUpload::Settings>& live = std::nullopt);
    // Ends the recording; the completion gets the file, or nothing when
    // nothing was recorded. Called at once when nothing runs.
    void stop(Completion completion);
    // Frees what is kept between recordings and not in use (termination).
    void release();
    // Builds the noise-reduction engine ahead of the next recording.
    void prepareNoiseReduction(const QString& deviceId);

    bool isRecording() const { return m_isRecording; }
    // The input level in dB full scale while recording.
    std::optional<float> level() const;

    QList<Input> inputs() const;
    // "System default", the device's name, or "Not connected".
    QString name(const QString& id) const;
    // Whether a capture device can be opened; answered on the main thread.
    void requestPermission(std::function<void(bool)> answer);

Q_SIGNALS:
    // A recording reported as started could not be kept going on any path.
    void failed(const AudioFailure& failure);

private:
    struct CaptureRecording
    {
        quint64 run = 0;
        QString path;
        QDateTime startedAt;
        std::shared_ptr<WavWriter> writer;
        std::shared_ptr<LiveUpload> live;
    };
    struct EngineRecording
    {
        std::shared_ptr<WavWriter> writer;
        QString path;
        QString deviceId; // as asked for, possibly empty
        QDateTime startedAt;
        std::shared_ptr<LiveUpload> live;
    };

    // A new recording file and its writer, feeding a live upload when asked.
    std::shared_ptr<WavWriter> newWriter(const std::optional<LiveUpload::Settings>& live, QString* path,
                                         std::shared_ptr<LiveUpload>* upload, QString* error) const;
    std::optional<Failure> startCapture(const QString& deviceId, const std::optional<LiveUpload::Settings>& live);
    void stopCapture(Completion completion);
    void endOfFile(quint64 run, const CaptureRecording& recording, qint64 frames);
    void handOver(quint64 run, std::optional<Recording> recording);

    std::optional<Failure> startEngine(const QString& deviceId, const std::optional<LiveUpload::Settings>& live);
    bool runEngine(const QString& device, const std::shared_ptr<WavWriter>& writer, quint64 run,
                   Failure* failure);
    CaptureEngine* engineFor(const QString& device, Failure* failure);
    void watch(quint64 run);
    void stopWatching();
    void devicesChanged(quint64 run);
    void drained(quint64 run);
    void fallBack(quint64 run, const QString& deviceId);
    void stopEngine(Completion completion);

    QString newRecordingPath() const;

    AudioBackend& m_backend;
    Clock& m_clock;

    // Plain capture path: the stream is kept between recordings on one device.
    std::unique_ptr<AudioInputStream> m_session;
    QString m_sessionDeviceId;
    std::optional<CaptureRecording> m_capture;
    quint64 m_captureRun = 0;
    std::map<quint64, Completion> m_finished; // stops waiting for their file, by run
    std::shared_ptr<std::atomic<float>> m_captureLevel;

    // Noise-reduction path.
    std::unique_ptr<CaptureEngine> m_engine;
    int m_engineStops = 0; // engine stops still flushing
    QMetaObject::Connection m_engineObserver;
    std::optional<EngineRecording> m_engineRecording;
    std::optional<float> m_engineLevel;
    quint64 m_engineRun = 0;
    // Runs whose old engine is still draining after a device change, with
    // what to do once it has (empty: start the new engine).
    std::map<quint64, std::function<void()>> m_drains;

    bool m_isRecording = false;
};
