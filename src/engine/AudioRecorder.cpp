#include "engine/AudioRecorder.h"

#include "core/Config.h"
#include "core/L10n.h"
#include "core/Log.h"
#include "engine/MicEngine.h"
#include "platform/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <QUuid>

#include <cmath>
#include <limits>

namespace {

constexpr double recordingRate = 16000.0;
constexpr float noLevel = std::numeric_limits<float>::quiet_NaN();

// Average power of the first channel of a buffer, in dB full scale.
std::optional<float> averagePower(const QAudioBuffer& buffer)
{
    const QAudioFormat format = buffer.format();
    const qsizetype frames = buffer.frameCount();
    if (frames <= 0)
        return std::nullopt;
    const int stride = format.channelCount();
    double sum = 0.0;
    for (qsizetype i = 0; i < frames; ++i) {
        double x = 0.0;
        if (format.sampleFormat() == QAudioFormat::Int16)
            x = buffer.constData<qint16>()[i * stride] / 32768.0;
        else if (format.sampleFormat() == QAudioFormat::Float)
            x = buffer.constData<float>()[i * stride];
        else
            return std::nullopt;
        sum += x * x;
    }
    const double rms = std::sqrt(sum / double(frames));
    return rms > 0.0 ? float(20.0 * std::log10(rms)) : -160.0f;
}

} // namespace

AudioRecorder::AudioRecorder(AudioBackend& backend, Clock& clock, QObject* parent)
    : QObject(parent)
    , m_backend(backend)
    , m_clock(clock)
    , m_captureLevel(std::make_shared<std::atomic<float>>(noLevel))
{
}

AudioRecorder::~AudioRecorder()
{
    stopWatching();
    // Streams stop delivering before the writers they feed are finished.
    m_engine.reset();
    m_session.reset();
    if (m_capture)
        m_capture->writer->finish();
    if (m_engineRecording)
        m_engineRecording->writer->finish();
}

QString AudioRecorder::newRecordingPath() const
{
    const QString folder = Config::recordingsDirectory();
    DataFolder::ensure(folder);
    return QDir(folder)
        .filePath(QStringLiteral("kesto-") + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper()
                  + QStringLiteral(".wav"));
}

std::shared_ptr<WavWriter> AudioRecorder::newWriter(const std::optional<LiveUpload::Settings>& live, QString* path,
                                                     std::shared_ptr<LiveUpload>* upload, QString* error) const
{
    *path = newRecordingPath();
    std::shared_ptr<WavWriter> writer = WavWriter::create(*path, error);
    if (writer && live) {
        *upload = std::make_shared<LiveUpload>(*path, *live);
        writer->setSink((*upload)->input());
    }
    return writer;
}

std::optional<AudioRecorder::Failure> AudioRecorder::start(const QString& deviceId, bool noiseReduction,
                                                           const std::optional<LiveUpload::Settings>& live)
{
    if (m_isRecording)
        return Failure::alreadyRecording();
    if (noiseReduction) {
        const std::optional<Failure> failure = startEngine(deviceId, live);
        if (!failure)
            return std::nullopt;
        Log::write(QStringLiteral("noise reduction did not start, recording without it: ") + failure->logText());
    }
    const std::optional<Failure> failure = startCapture(deviceId, live);
    // The user reads the sentence; the sound server's own words stay here.
    if (failure && !failure->detail.isEmpty())
        Log::write(QStringLiteral("microphone did not start: ") + failure->logText());
    return failure;
}

void AudioRecorder::stop(Completion completion)
{
    if (m_isRecording && m_engineRecording)
        stopEngine(std::move(completion));
    else if (m_isRecording && m_capture)
        stopCapture(std::move(completion));
    else if (completion)
        completion(std::nullopt);
}

void AudioRecorder::release()
{
    if (m_session && !m_capture)
        m_session->stop(nullptr);
    if (m_engine && !m_engine->isRunning() && !m_engineRecording && m_engineStops == 0) {
        stopWatching();
        m_engine.reset();
    }
}

void AudioRecorder::prepareNoiseReduction(const QString& deviceId)
{
    const std::optional<QString> device = MicEngine::inputDevice(m_backend, deviceId);
    if (!device || m_engineRecording || (m_engine && m_engine->isRunning()))
        return;
    Failure failure;
    if (!engineFor(*device, &failure))
        Log::write(QStringLiteral("noise reduction could not be prepared: ") + failure.logText());
}

std::optional<float> AudioRecorder::level() const
{
    if (!m_isRecording)
        return std::nullopt;
    if (m_engineRecording)
        return m_engineLevel;
    const float level = m_captureLevel->load();
    if (std::isnan(level))
        return std::nullopt;
    return level;
}

QList<AudioRecorder::Input> AudioRecorder::inputs() const
{
    return m_backend.inputs();
}

QString AudioRecorder::name(const QString& id) const
{
    if (id.isEmpty())
        return L10n::tr("System default");
    for (const Input& input : m_backend.inputs()) {
        if (input.id == id)
            return input.name;
    }
    return L10n::tr("Not connected");
}

void AudioRecorder::requestPermission(std::function<void(bool)> answer)
{
    m_backend.probeCapture(std::move(answer));
}

// Plain capture path ---------------------------------------------------------

std::optional<AudioRecorder::Failure> AudioRecorder::startCapture(const QString& deviceId,
                                                                  const std::optional<LiveUpload::Settings>& live)
{
    // A chosen microphone that is gone records from the default one here.
    QString device;
    if (!deviceId.isEmpty() && MicEngine::inputDevice(m_backend, deviceId))
        device = deviceId;
    else
        device = m_backend.defaultInputId();
    if (device.isEmpty())
        return Failure::noMicrophone();

    if (!m_session || m_sessionDeviceId != device) {
        QAudioFormat format;
        format.setSampleRate(int(recordingRate));
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!m_backend.isFormatSupported(device, format))
            format = m_backend.preferredFormat(device);
        if (!format.isValid())
            return Failure::noMicrophone();
        QString error;
        auto session = m_backend.openInput(device, format, &error);
        if (!session)
            return Failure::couldNotStart(error.isEmpty() ? Failure::Cause::notAdded : Failure::Cause::soundServer, error);
        m_session = std::move(session);
        m_sessionDeviceId = device;
    }

    QString path;
    QString error;
    std::shared_ptr<LiveUpload> upload;
    std::shared_ptr<WavWriter> writer = newWriter(live, &path, &upload, &error);
    if (!writer)
        return Failure::couldNotStart(Failure::Cause::recordingFile, error);

    m_captureLevel->store(noLevel);
    std::shared_ptr<std::atomic<float>> level = m_captureLevel;
    const bool started = m_session->start(
        [writer, level](const QAudioBuffer& buffer) {
            writer->append(buffer);
            if (const auto power = averagePower(buffer))
                level->store(*power);
        },
        &error);
    if (!started) {
        writer->finish();
        QFile::remove(path);
        return Failure::couldNotStart(error.isEmpty() ? Failure::Cause::notAdded : Failure::Cause::soundServer, error);
    }
    m_isRecording = true;
    m_capture = CaptureRecording{++m_captureRun, path, m_clock.now(), writer, upload};
    return std::nullopt;
}

void AudioRecorder::stopCapture(Completion completion)
{
    const CaptureRecording recording = *m_capture;
    m_capture.reset();
    m_isRecording = false;
    m_finished[recording.run] = std::move(completion);
    QPointer<AudioRecorder> self = this;
    // The recording travels with its own run and start time: a late report
    // can only ever finish the recording it belongs to.
    m_session->stop([self, recording] {
        const qint64 frames = recording.writer->finish();
        if (self)
            self->endOfFile(recording.run, recording, frames);
    });
}

void AudioRecorder::endOfFile(quint64 run, const CaptureRecording& recording, qint64 frames)
{
    double duration = frames / recordingRate;
    if (!(duration > 0) && recording.startedAt.isValid())
        duration = recording.startedAt.msecsTo(m_clock.now()) / 1000.0;
    const qint64 size = QFileInfo(recording.path).size();
    if (duration > 0 && size >= 45) {
        handOver(run, Recording{recording.path, duration, recording.startedAt, recording.live});
        return;
    }
    QFile::remove(recording.path);
    handOver(run, std::nullopt);
}

void AudioRecorder::handOver(quint64 run, std::optional<Recording> recording)
{
    Completion completion;
    if (auto it = m_finished.find(run); it != m_finished.end()) {
        completion = std::move(it->second);
        m_finished.erase(it);
    }
    // Never stop what a newer recording is using.
    if (!m_isRecording)
        release();
    if (completion)
        completion(std::move(recording));
}

// Noise-reduction path -------------------------------------------------------

std::optional<AudioRecorder::Failure> AudioRecorder::startEngine(const QString& deviceId,
                                                                 const std::optional<LiveUpload::Settings>& live)
{
    const std::optional<QString> device = MicEngine::inputDevice(m_backend, deviceId);
    if (!device)
        return Failure::noMicrophone();
    QString path;
    QString error;
    std::shared_ptr<LiveUpload> upload;
    std::shared_ptr<WavWriter> writer = newWriter(live, &path, &upload, &error);
    if (!writer)
        return Failure::couldNotStart(Failure::Cause::recordingFile, error);

    const quint64 run = ++m_engineRun;
    m_engineRecording = EngineRecording{writer, path, deviceId, m_clock.now(), upload};
    m_engineLevel.reset();
    m_isRecording = true;

    Failure failure;
    if (runEngine(*device, writer, run, &failure))
        return std::nullopt;
    m_engineRecording.reset();
    m_isRecording = false;
    writer->finish();
    QFile::remove(path);
    return failure;
}

CaptureEngine* AudioRecorder::engineFor(const QString& device, Failure* failure)
{
    // An engine still flushing an earlier recording is not reused.
    if (m_engine && m_engine->deviceId() == device && m_engineStops == 0 && !m_engine->isRunning())
        return m_engine.get();
    stopWatching();
    m_engine.reset();
    m_engine = MicEngine::make(m_backend, device, true, failure);
    return m_engine.get();
}

bool AudioRecorder::runEngine(const QString& device, const std::shared_ptr<WavWriter>& writer, quint64 run,
                              Failure* failure)
{
    CaptureEngine* engine = engineFor(device, failure);
    if (!engine)
        return false;
    QPointer<AudioRecorder> self = this;
    Clock* clock = &m_clock;
    engine->installTap(MicEngine::tapFrames(engine->outputFormat()), [writer, self, run, clock](const QAudioBuffer& buffer) {
        writer->append(buffer);
        const QList<float> levels = MicEngine::windowDecibels(buffer, 0.05);
        MicEngine::deliverSpaced(levels, buffer, self.data(), [self, run](float level) {
                if (self && self->m_engineRun == run)
                self->m_engineLevel = level;
        }, *clock);
    });
    QString error;
    if (!engine->start(&error)) {
        engine->removeTap();
        stopWatching();
        m_engine.reset();
        *failure = Failure::couldNotStart(Failure::Cause::soundServer, error);
        return false;
    }
    watch(run);
    const QAudioFormat format = engine->outputFormat();
    Log::write(QStringLiteral("recording with noise reduction, %1 Hz, %2 ch").arg(format.sampleRate()).arg(format.channelCount()));
    return true;
}

void AudioRecorder::watch(quint64 run)
{
    stopWatching();
    m_engineObserver = connect(&m_backend, &AudioBackend::inputsChanged, this, [this, run] { devicesChanged(run); });
    if (m_engine) {
        QPointer<AudioRecorder> self = this;
        m_engine->onInterrupted = [self, run] {
            if (self)
                self->devicesChanged(run);
        };
    }
}

void AudioRecorder::stopWatching()
{
    if (m_engineObserver)
        disconnect(m_engineObserver);
    m_engineObserver = {};
    if (m_engine)
        m_engine->onInterrupted = nullptr;
}

void AudioRecorder::devicesChanged(quint64 run)
{
    if (!m_isRecording || run != m_engineRun || !m_engineRecording || !m_engine)
        return;
    // Still capturing from a device that is still there: nothing to do.
    if (m_engine->isRunning() && MicEngine::inputDevice(m_backend, m_engine->deviceId()))
        return;
    Log::write(QStringLiteral("audio devices changed during a noise reduction recording, starting it again"));
    stopWatching();
    // The file goes on; its upload is made from the file after all.
    m_engineRecording->writer->setSink({});
    m_engineRecording->live.reset();
    // What the old engine still holds reaches the file before the new one
    // writes to it: the restart waits for the old engine's last block.
    std::shared_ptr<CaptureEngine> old(std::move(m_engine));
    m_drains[run] = nullptr;
    QPointer<AudioRecorder> self = this;
    old->stop([self, run, old]() mutable {
        old.reset();
        if (self)
            self->drained(run);
    });
}

void AudioRecorder::drained(quint64 run)
{
    const auto it = m_drains.find(run);
    if (it == m_drains.end())
        return;
    const std::function<void()> stopped = std::move(it->second);
    m_drains.erase(it);
    if (stopped) {
        stopped();
        return;
    }
    if (!m_isRecording || run != m_engineRun || !m_engineRecording)
        return;
    const EngineRecording recording = *m_engineRecording;
    Failure failure = Failure::noMicrophone();
    std::optional<QString> device = MicEngine::inputDevice(m_backend, recording.deviceId);
    if (!device)
        device = MicEngine::inputDevice(m_backend, QString());
    if (device && runEngine(*device, recording.writer, run, &failure))
        return; // the recording goes on in the same file
    Log::write(QStringLiteral("noise reduction did not start again: ") + failure.logText());
    fallBack(run, recording.deviceId);
}

void AudioRecorder::fallBack(quint64 run, const QString& deviceId)
{
    if (!m_isRecording || run != m_engineRun || !m_engineRecording)
        return;
    const EngineRecording recording = *m_engineRecording;
    m_engineRecording.reset();
    m_engineLevel.reset();
    const qint64 frames = recording.writer->finish();
    if (frames > 0)
        Log::write(QStringLiteral("dropping the first %1s of the recording").arg(frames / recordingRate, 0, 'f', 1));
    QFile::remove(recording.path);
    m_isRecording = false;
    if (const std::optional<Failure> failure = startCapture(deviceId, std::nullopt)) {
        Log::write(QStringLiteral("recording did not start: ") + failure->logText());
        Q_EMIT failed(*failure);
    }
}

void AudioRecorder::stopEngine(Completion completion)
{
    const EngineRecording recording = *m_engineRecording;
    const quint64 run = m_engineRun;
    m_engineRecording.reset();
    m_engineLevel.reset();
    ++m_engineRun; // late levels, device changes and fallbacks of this run are ignored
    m_isRecording = false;
    stopWatching();

    QPointer<AudioRecorder> self = this;
    auto finish = [self, recording, completion = std::move(completion)] {
        const qint64 frames = recording.writer->finish();
        if (!self)
            return;
        if (frames > 0) {
            if (completion)
                completion(Recording{recording.path, frames / recordingRate, recording.startedAt, recording.live});
            return;
        }
        Log::write(QStringLiteral("noise reduction recording captured no audio"));
        QFile::remove(recording.path);
        if (completion)
            completion(std::nullopt);
    };
    if (const auto drain = m_drains.find(run); drain != m_drains.end()) {
        drain->second = finish; // the file is complete once the old engine is drained
        return;
    }
    if (!m_engine) {
        QTimer::singleShot(0, this, finish);
        return;
    }
    ++m_engineStops;
    // The last partial block still reaches the tap, and so the file, first.
    m_engine->stop([self, finish] {
        if (self)
            --self->m_engineStops;
        finish();
    });
}
