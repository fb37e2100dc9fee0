#include "shell/RecordingControl.h"

#include "core/Log.h"
#include "engine/AudioRecorder.h"
#include "engine/GeminiClient.h"
#include "engine/HotkeyMonitor.h"
#include "engine/LiveUpload.h"
#include "engine/MicLevelMeter.h"
#include "platform/FrontApplication.h"
#include "shell/DictationDesktop.h"
#include "shell/DictationStatus.h"
#include "shell/TranscriptionPipeline.h"

#include <QFile>
#include <QPointer>

namespace {

std::optional<QString> nonEmpty(const QString& text)
{
    return text.isEmpty() ? std::nullopt : std::optional<QString>(text);
}

} // namespace

RecordingControl::RecordingControl(const DictationParts& parts, DictationStatus& status,
                                   TranscriptionPipeline& pipeline, QObject* parent)
    : QObject(parent)
    , m_state(parts.state)
    , m_recorder(parts.recorder)
    , m_hotkey(parts.hotkey)
    , m_micMeter(parts.micMeter)
    , m_frontApp(parts.frontApp)
    , m_desktop(parts.desktop)
    , m_clock(parts.clock)
    , m_status(status)
    , m_pipeline(pipeline)
{
}

RecordingControl::~RecordingControl()
{
    cancelTimer(m_levelTimer);
    cancelTimer(m_resumeTimer);
}

void RecordingControl::toggleRecording(const Target& target)
{
    switch (m_state.phase()) {
    case Phase::idle:
        startRecording(QStringLiteral("mac"), target);
        break;
    case Phase::failed:
        m_state.setMessage(QString());
        startRecording(QStringLiteral("mac"), target);
        break;
    case Phase::recording:
        finishRecording();
        break;
    case Phase::working:
        break;
    }
}

void RecordingControl::startRecording(const QString& source, const Target& requested)
{
    if (m_state.phase() == Phase::working || m_state.phase() == Phase::recording)
        return;
    if (m_recorder.isRecording()) {
        Log::write(QStringLiteral("the recorder was still running; stopping it instead of starting"));
        m_recorder.stop([](std::optional<AudioRecorder::Recording> stray) {
            if (stray)
                QFile::remove(stray->path);
        });
        return;
    }
    if (m_micMeter.isRunning()) {
        m_micMeter.stop();
        m_state.setMicTestLevel(std::nullopt);
    }

    Target target = requested;
    const std::optional<QUuid> openNote = m_state.openNoteID();
    if (target.kind == Target::Kind::frontApp && m_mainWindowIsKey() && m_state.screen() == Screen::notes
        && !m_state.settingsOpen() && openNote)
        target = Target::note(*openNote);

    FrontApp front = m_frontApp.current();
    // Our own window names no installed desktop file, only its class.
    if (front.id == QStringLiteral("kesto-viruz") && front.name == front.id)
        front.name = QStringLiteral("Kesto Viruz");
    m_recordingApp = front.isEmpty() ? RecordingApp{} : RecordingApp{nonEmpty(front.name), nonEmpty(front.id)};

    const Config config = m_state.config();
    if (config.pauseMedia) {
        QPointer<RecordingControl> self(this);
        m_pausedMedia = m_desktop.pauseMedia([self] {
            if (self)
                self->m_pausedMedia = false;
        });
    } else {
        m_pausedMedia = false;
    }

    const LiveUpload::Settings live{config.trimSilence, config.keepSilenceSeconds};
    if (const std::optional<AudioFailure> failure = m_recorder.start(config.inputDeviceID, config.noiseReduction, live)) {
        resumeMedia();
        m_status.fail(failure->description());
        return;
    }
    Log::write(QStringLiteral("recording started (") + source + QStringLiteral(") on ")
               + m_recorder.name(config.inputDeviceID));
    GeminiClient(config).warmUp();

    m_state.setSource(source);
    m_state.setTarget(target);
    m_state.setRecordingStarted(m_clock.now());
    m_state.setDoneText(std::nullopt);
    m_status.setPhase(Phase::recording);
    m_hotkey.setExternalRecording(true);
    m_status.play(QStringLiteral("Tink"));
    startLevelUpdates();
}

void RecordingControl::finishRecording()
{
    if (m_state.phase() != Phase::recording)
        return;
    const qint64 stoppedMs = m_clock.monotonicMs();
    stopLevelUpdates();
    m_hotkey.setExternalRecording(false);
    m_status.setPhase(Phase::working);
    m_state.setRecordingStarted(std::nullopt);
    resumeMedia();

    QPointer<RecordingControl> self(this);
    m_recorder.stop([self, stoppedMs](std::optional<AudioRecorder::Recording> recording) {
        if (!self)
            return;
        if (!recording) {
            Log::write(QStringLiteral("nothing recorded"));
            self->m_status.setPhase(Phase::idle);
            return;
        }
        Log::write(QStringLiteral("recorded ") + QString::asprintf("%.2f", recording->duration) + QStringLiteral("s -> ")
                   + recording->path.section(QLatin1Char('/'), -1));
        if (recording->duration * 1000.0 < double(self->m_state.config().minRecordingMs)) {
            QFile::remove(recording->path);
            self->m_status.setPhase(Phase::idle);
            return;
        }
        self->m_status.play(QStringLiteral("Pop"));
        self->m_pipeline.transcribe(recording->path, recording->duration, self->m_state.source(),
                                    self->m_state.target(), self->m_recordingApp, stoppedMs, recording->live);
    });
}

void RecordingControl::cancelRecording()
{
    if (m_state.phase() != Phase::recording)
        return;
    stopLevelUpdates();
    m_hotkey.setExternalRecording(false);
    const RecordingApp app = m_recordingApp;
    const QString source = m_state.source();

    QPointer<RecordingControl> self(this);
    m_recorder.stop([self, app, source](std::optional<AudioRecorder::Recording> recording) {
        if (!self || !recording)
            return;
        if (recording->duration < keepCancelledSeconds) {
            QFile::remove(recording->path);
            return;
        }
        HistoryEntry entry;
        entry.date = self->m_clock.now();
        entry.duration = recording->duration;
        entry.model = self->m_state.config().model;
        entry.source = source;
        entry.appName = app.name;
        entry.appBundleID = app.bundleID;
        entry.status = HistoryEntry::Status::discarded;
        entry.audioFile = History::keepOrLink(recording->path, entry.id);
        self->m_status.addToHistory(entry);
    });
    Log::write(QStringLiteral("recording cancelled"));
    resumeMedia();
    m_status.play(QStringLiteral("Funk"));
    m_state.setRecordingStarted(std::nullopt);
    m_status.setPhase(Phase::idle);
}

void RecordingControl::recordingFailed(const AudioFailure& failure)
{
    if (m_state.phase() != Phase::recording)
        return;
    Log::write(QStringLiteral("recording stopped on its own: ") + failure.logText());
    stopLevelUpdates();
    m_hotkey.setExternalRecording(false);
    m_state.setRecordingStarted(std::nullopt);
    resumeMedia();
    m_status.fail(failure.description());
}

void RecordingControl::shutDown()
{
    stopLevelUpdates();
    // Media waiting to be resumed plays again now: the delay would outlive us.
    if (m_pausedMedia || m_resumeTimer) {
        cancelTimer(m_resumeTimer);
        m_pausedMedia = false;
        m_desktop.resumeMedia();
    }
    m_recorder.stop([](std::optional<AudioRecorder::Recording> abandoned) {
        if (abandoned)
            QFile::remove(abandoned->path);
    });
    m_recorder.release();
    m_micMeter.stop();
}

void RecordingControl::resumeMedia()
{
    if (!m_pausedMedia)
        return;
    m_pausedMedia = false;
    m_resumeTimer = m_clock.schedule(mediaResumeDelayMs, this, [this] {
        m_resumeTimer.reset();
        m_desktop.resumeMedia();
    });
}

void RecordingControl::startLevelUpdates()
{
    stopLevelUpdates();
    const quint64 run = ++m_levelRun;
    m_levelTimer = m_clock.schedule(levelPollMs, this, [this, run] { pollLevel(run); });
}

void RecordingControl::stopLevelUpdates()
{
    cancelTimer(m_levelTimer);
    ++m_levelRun;
    m_state.setLevel(0);
}

void RecordingControl::pollLevel(quint64 run)
{
    if (run != m_levelRun)
        return;
    if (const std::optional<float> decibels = m_recorder.level())
        m_state.setLevel(MicLevelMeter::levelFor(*decibels));
    m_levelTimer = m_clock.schedule(levelPollMs, this, [this, run] { pollLevel(run); });
}

void RecordingControl::cancelTimer(std::optional<Clock::TimerId>& timer)
{
    if (timer)
        m_clock.cancel(*timer);
    timer.reset();
}
