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

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QPointer>
#include <QTimer>

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
    // Escape abandons a dictation's wait for its transcript, so the talk key
    // hears it until the dictation is over.
    connect(&m_state, &AppState::phaseChanged, this, [this] {
        if (m_state.phase() != Phase::recording && m_state.phase() != Phase::working)
            m_hotkey.setExternalRecording(false);
    });
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
        // The tap that asked is answered; the next one takes the answer back.
        if (m_state.stillTranscribingNotice())
            m_state.setStillTranscribingNotice(false);
        else
            sayStillTranscribing();
        break;
    }
}

void RecordingControl::sayStillTranscribing()
{
    m_state.setStillTranscribingNotice(true);
    m_status.play(QStringLiteral("Basso"));
}

void RecordingControl::startRecording(const QString& source, const Target& requested)
{
    // Nothing new starts while the last dictation is transcribed, but the
    // user who goes on speaking hears and sees why.
    if (m_state.phase() == Phase::working) {
        sayStillTranscribing();
        return;
    }
    if (m_state.phase() == Phase::recording)
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
    if (m_state.phase() != Phase::recording) {
        // The talk key held while the last dictation was transcribed is let go.
        m_state.setStillTranscribingNotice(false);
        return;
    }
    const qint64 stoppedMs = m_clock.monotonicMs();
    stopLevelUpdates();
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
    // During the wait for a transcript: the user no longer wants to wait.
    if (m_state.phase() == Phase::working) {
        if (m_pipeline.abandon()) {
            m_status.play(QStringLiteral("Funk"));
            m_status.setPhase(Phase::idle);
        }
        return;
    }
    if (m_state.phase() != Phase::recording)
        return;
    stopLevelUpdates();
    m_hotkey.setExternalRecording(false);
    m_recorder.stop(keepCancelled(nullptr));
    Log::write(QStringLiteral("recording cancelled"));
    resumeMedia();
    m_status.play(QStringLiteral("Funk"));
    m_state.setRecordingStarted(std::nullopt);
    m_status.setPhase(Phase::idle);
}

AudioRecorder::Completion RecordingControl::keepCancelled(std::shared_ptr<bool> handedOver)
{
    const RecordingApp app = m_recordingApp;
    const QString source = m_state.source();
    const bool quitting = handedOver != nullptr;
    QPointer<RecordingControl> self(this);
    return [self, app, source, quitting, handedOver](std::optional<AudioRecorder::Recording> recording) {
        if (handedOver)
            *handedOver = true;
        if (!self || !recording)
            return;
        if (recording->duration < keepCancelledSeconds) {
            if (quitting)
                Log::write(QStringLiteral("quit while recording; too short to keep"));
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
        if (quitting)
            Log::write(QStringLiteral("quit while recording; the recording is kept in History"));
    };
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
    if (m_state.phase() == Phase::recording) {
        // Kept as Escape keeps it. The file is complete only once the
        // recorder hands it over, so the quit waits for that, briefly.
        m_hotkey.setExternalRecording(false);
        auto handedOver = std::make_shared<bool>(false);
        m_recorder.stop(keepCancelled(handedOver));
        QTimer tick; // wakes the wait below so that its deadline is seen
        tick.start(50);
        const QDeadlineTimer deadline(shutDownWaitMs);
        while (!*handedOver && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (!*handedOver)
            Log::write(QStringLiteral("quit while recording; the recording did not end in time"));
    } else {
        m_recorder.stop([](std::optional<AudioRecorder::Recording> abandoned) {
            if (abandoned)
                QFile::remove(abandoned->path);
        });
    }
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
