#include "shell/DictationController.h"

#include "core/AppGlyph.h"
#include "core/Format.h"
#include "core/L10n.h"
#include "core/Log.h"
#include "core/TextUtil.h"
#include "engine/AudioRecorder.h"
#include "engine/AudioTrimmer.h"
#include "engine/HotkeyMonitor.h"
#include "engine/LiveUpload.h"
#include "engine/MicLevelMeter.h"
#include "engine/Upload.h"
#include "platform/FrontApplication.h"
#include "platform/SoundPlayer.h"
#include "shell/DictationDesktop.h"
#include "shell/HUDPanel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QtConcurrent>

#include <algorithm>

namespace {

std::optional<QString> nonEmpty(const QString& text)
{
    return text.isEmpty() ? std::nullopt : std::optional<QString>(text);
}

// Each file once, ignoring errors: a file moved into History is simply gone.
void removeFiles(const QStringList& paths)
{
    QStringList removed;
    for (const QString& path : paths) {
        if (path.isEmpty() || removed.contains(path))
            continue;
        removed << path;
        QFile::remove(path);
    }
}

QString seconds(qint64 ms)
{
    return QString::asprintf("%.2fs", double(ms) / 1000.0);
}

} // namespace

struct DictationController::Job
{
    QString recording; // the recorder's file, untrimmed
    double duration = 0;
    QString source;
    Target target;
    App app;
    qint64 stoppedMs = 0;
    Config config; // as it was when the recording was handed over
    GeminiClient client;
    std::optional<NoteJob> noteJob;

    QString prepared;
    Upload first;
    Upload current; // becomes the WAV when the service refuses the M4A
    QUuid entryID = QUuid::createUuid();
    qint64 encodeStartMs = 0;
    qint64 readyMs = 0;
    GeminiCall call;

    // What History keeps: the M4A that was sent, else the untrimmed recording.
    QString kept() const { return current.format == Upload::Format::m4a ? current.path : recording; }

    // The History entry of this dictation, without its outcome.
    HistoryEntry entry(const QDateTime& now) const
    {
        HistoryEntry entry;
        entry.id = entryID;
        entry.date = now;
        entry.duration = duration;
        entry.model = config.model;
        entry.source = source;
        entry.appName = app.name;
        entry.appBundleID = app.bundleID;
        return entry;
    }
};

DictationController::DictationController(const Parts& parts, QObject* parent)
    : QObject(parent)
    , m_state(parts.state)
    , m_recorder(parts.recorder)
    , m_hotkey(parts.hotkey)
    , m_micMeter(parts.micMeter)
    , m_sounds(parts.sounds)
    , m_frontApp(parts.frontApp)
    , m_desktop(parts.desktop)
    , m_clock(parts.clock)
{
}

DictationController::~DictationController()
{
    cancelTimer(m_levelTimer);
    cancelTimer(m_doneTimer);
    cancelTimer(m_failedTimer);
    cancelTimer(m_resumeTimer);
}

void DictationController::setHUD(HUDPanel* hud)
{
    m_hud = hud;
}

void DictationController::toggleRecording(const Target& target)
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

void DictationController::startRecording(const QString& source, const Target& requested)
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

    const FrontApp front = m_frontApp.current();
    m_recordingApp = front.isEmpty() ? App{} : App{nonEmpty(front.name), nonEmpty(front.id)};

    const Config config = m_state.config();
    if (config.pauseMedia) {
        QPointer<DictationController> self(this);
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
        fail(failure->description());
        return;
    }
    Log::write(QStringLiteral("recording started (") + source + QStringLiteral(") on ")
               + m_recorder.name(config.inputDeviceID));
    GeminiClient(config).warmUp();

    m_state.setSource(source);
    m_state.setTarget(target);
    m_state.setRecordingStarted(m_clock.now());
    m_state.setDoneText(std::nullopt);
    setPhase(Phase::recording);
    m_hotkey.setExternalRecording(true);
    play(QStringLiteral("Tink"));
    startLevelUpdates();
}

void DictationController::finishRecording()
{
    if (m_state.phase() != Phase::recording)
        return;
    const qint64 stoppedMs = m_clock.monotonicMs();
    stopLevelUpdates();
    m_hotkey.setExternalRecording(false);
    setPhase(Phase::working);
    m_state.setRecordingStarted(std::nullopt);
    resumeMedia();

    QPointer<DictationController> self(this);
    m_recorder.stop([self, stoppedMs](std::optional<AudioRecorder::Recording> recording) {
        if (!self)
            return;
        if (!recording) {
            Log::write(QStringLiteral("nothing recorded"));
            self->setPhase(Phase::idle);
            return;
        }
        Log::write(QStringLiteral("recorded ") + QString::asprintf("%.2f", recording->duration) + QStringLiteral("s -> ")
                   + recording->path.section(QLatin1Char('/'), -1));
        if (recording->duration * 1000.0 < double(self->m_state.config().minRecordingMs)) {
            QFile::remove(recording->path);
            self->setPhase(Phase::idle);
            return;
        }
        self->play(QStringLiteral("Pop"));
        self->transcribe(recording->path, recording->duration, self->m_state.source(), self->m_state.target(),
                         self->m_recordingApp, stoppedMs, recording->live);
    });
}

void DictationController::cancelRecording()
{
    if (m_state.phase() != Phase::recording)
        return;
    stopLevelUpdates();
    m_hotkey.setExternalRecording(false);
    const App app = m_recordingApp;
    const QString source = m_state.source();

    QPointer<DictationController> self(this);
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
        entry.audioFile = History::keepAudio(recording->path, entry.id);
        self->addToHistory(entry);
    });
    Log::write(QStringLiteral("recording cancelled"));
    resumeMedia();
    play(QStringLiteral("Funk"));
    m_state.setRecordingStarted(std::nullopt);
    setPhase(Phase::idle);
}

void DictationController::recordingFailed(const AudioFailure& failure)
{
    if (m_state.phase() != Phase::recording)
        return;
    Log::write(QStringLiteral("recording stopped on its own: ") + failure.logText());
    stopLevelUpdates();
    m_hotkey.setExternalRecording(false);
    m_state.setRecordingStarted(std::nullopt);
    resumeMedia();
    fail(failure.description());
}

void DictationController::shutDown()
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

    // Quitting never loses what was said: a recording still being processed
    // is kept as not transcribed, to be transcribed again from History.
    std::map<quint64, Job> jobs;
    jobs.swap(m_jobs);
    for (const auto& [id, job] : jobs) {
        job.call.cancel();
        Log::write(QStringLiteral("quit while transcribing; the recording is kept in History"));
        HistoryEntry entry = job.entry(m_clock.now());
        entry.status = HistoryEntry::Status::failed;
        entry.audioFile = History::keepAudio(job.recording, job.entryID);
        entry.error = L10n::tr("The application was closed before the transcript arrived.");
        addToHistory(entry);
        removeFiles({job.prepared, job.first.path});
    }
}

void DictationController::setPhase(Phase phase)
{
    m_state.setPhase(phase);
    if (m_hud)
        m_hud->applyLayout();
    Q_EMIT statusChanged();
}

void DictationController::showDone(const QString& text, int words, bool plain)
{
    m_state.setDoneText(plain ? text
                              : text + QStringLiteral(" \u00B7 ")
                                    + Format::words(words));
    setPhase(Phase::idle);
    QPointer<DictationController> self(this);
    restartTimer(m_doneTimer, doneMs, [self] {
        if (!self)
            return;
        self->m_doneTimer.reset();
        self->m_state.setDoneText(std::nullopt);
        if (self->m_hud)
            self->m_hud->applyLayout();
    });
}

void DictationController::fail(const QString& message)
{
    m_state.setMessage(message);
    setPhase(Phase::failed);
    QPointer<DictationController> self(this);
    restartTimer(m_failedTimer, failedMs, [self] {
        if (!self)
            return;
        self->m_failedTimer.reset();
        if (self->m_state.phase() == Phase::failed)
            self->setPhase(Phase::idle);
    });
}

void DictationController::play(const QString& sound)
{
    if (m_state.config().sounds)
        m_sounds.play(sound);
}

void DictationController::addToHistory(const HistoryEntry& entry)
{
    const qint64 days = m_state.config().historyDays;
    const QDateTime now = m_clock.now();
    m_state.updateHistory([&](History& history) {
        history.add(entry);
        history.prune(days, now);
    });
}

void DictationController::resumeMedia()
{
    if (!m_pausedMedia)
        return;
    m_pausedMedia = false;
    m_resumeTimer = m_clock.schedule(mediaResumeDelayMs, this, [this] {
        m_resumeTimer.reset();
        m_desktop.resumeMedia();
    });
}

void DictationController::startLevelUpdates()
{
    stopLevelUpdates();
    const quint64 run = ++m_levelRun;
    m_levelTimer = m_clock.schedule(levelPollMs, this, [this, run] { pollLevel(run); });
}

void DictationController::stopLevelUpdates()
{
    cancelTimer(m_levelTimer);
    ++m_levelRun;
    m_state.setLevel(0);
}

void DictationController::pollLevel(quint64 run)
{
    if (run != m_levelRun)
        return;
    if (const std::optional<float> decibels = m_recorder.level())
        m_state.setLevel(MicLevelMeter::levelFor(*decibels));
    m_levelTimer = m_clock.schedule(levelPollMs, this, [this, run] { pollLevel(run); });
}

void DictationController::cancelTimer(std::optional<Clock::TimerId>& timer)
{
    if (timer)
        m_clock.cancel(*timer);
    timer.reset();
}

void DictationController::restartTimer(std::optional<Clock::TimerId>& timer, qint64 delayMs, std::function<void()> fn)
{
    cancelTimer(timer);
    timer = m_clock.schedule(delayMs, this, std::move(fn));
}


void DictationController::transcribe(const QString& path, double duration, const QString& source,
                                     const Target& target, const App& app, qint64 stoppedMs,
                                     std::shared_ptr<LiveUpload> live)
{
    setPhase(Phase::working);
    Job job;
    job.recording = path;
    job.duration = duration;
    job.source = source;
    job.target = target;
    job.app = app;
    job.stoppedMs = stoppedMs;
    job.config = m_state.config();
    job.client = GeminiClient(job.config);
    job.noteJob = NoteJob::make(target, m_state.notes(), job.config, m_state.models());
    const quint64 id = ++m_lastJob;
    const Config config = job.config;
    m_jobs.emplace(id, std::move(job));

    // Made with other settings than this dictation's: dropped (with its file)
    // before the recording is encoded again.
    if (live && live->settings() != LiveUpload::Settings{config.trimSilence, config.keepSilenceSeconds})
        live.reset();
    if (!live) {
        encode(id);
        return;
    }
    if (config.trimSilence)
        m_state.setProcessingStage(DictationStage::trimming, m_clock.now());
    m_jobs.at(id).encodeStartMs = m_clock.monotonicMs();
    QtConcurrent::run([live] { return live->finish(); })
        .then(this, [this, id](const std::optional<Upload>& upload) {
            if (!m_jobs.contains(id)) {
                if (upload)
                    QFile::remove(upload->path);
                return;
            }
            if (upload)
                ready(id, *upload);
            else
                encode(id); // the stream broke: the recording itself is still whole
        });
}

void DictationController::encode(quint64 jobId)
{
    const Job& job = m_jobs.at(jobId);
    prepareAudio(job.recording, job.config, [this, jobId, recording = job.recording](const QString& prepared) {
        Job* held = withPrepared(jobId, recording, prepared);
        if (!held)
            return;
        held->encodeStartMs = m_clock.monotonicMs();
        QtConcurrent::run([prepared] { return Upload::of(prepared); }).then(this, [this, jobId](const Upload& upload) {
            if (!m_jobs.contains(jobId)) {
                if (upload.format == Upload::Format::m4a)
                    QFile::remove(upload.path);
                return;
            }
            ready(jobId, upload);
        });
    });
}

DictationController::Job* DictationController::withPrepared(quint64 jobId, const QString& recording,
                                                           const QString& prepared)
{
    auto it = m_jobs.find(jobId);
    if (it != m_jobs.end()) {
        it->second.prepared = prepared;
        return &it->second;
    }
    if (prepared != recording)
        QFile::remove(prepared);
    return nullptr;
}

void DictationController::ready(quint64 jobId, const Upload& upload)
{
    Job& job = m_jobs.at(jobId);
    job.readyMs = m_clock.monotonicMs();
    job.first = upload;
    job.current = upload;
    send(jobId);
}

void DictationController::prepareAudio(const QString& path, const Config& config,
                                       std::function<void(const QString&)> done)
{
    if (config.trimSilence)
        m_state.setProcessingStage(DictationStage::trimming, m_clock.now());
    trim(path, config, std::move(done));
}

void DictationController::trim(const QString& path, const Config& config, std::function<void(const QString&)> done)
{
    if (!config.trimSilence) {
        done(path);
        return;
    }
    const double keep = config.keepSilenceSeconds;
    QtConcurrent::run([path, keep] { return AudioTrimmer::trimSilence(path, keep); })
        .then(this, [path, done = std::move(done)](const std::optional<QString>& trimmed) {
            done(trimmed.value_or(path));
        });
}

GeminiOnProgress DictationController::transcriptionProgress()
{
    QPointer<DictationController> self(this);
    return [self](GeminiProgress progress) {
        if (!self)
            return;
        self->m_state.setProcessingStage(
            progress == GeminiProgress::sending ? DictationStage::transcribing : DictationStage::retrying,
            self->m_clock.now());
    };
}

bool DictationController::isOffline(const GeminiError& error)
{
    return error.kind == GeminiError::Kind::network && error.unreachable;
}

void DictationController::send(quint64 jobId)
{
    auto it = m_jobs.find(jobId);
    if (it == m_jobs.end())
        return;
    Job& job = it->second;
    QPointer<DictationController> self(this);
    if (job.noteJob) {
        const NoteFiler::OnStage onStage = [self](DictationStage stage) {
            if (self)
                self->m_state.setProcessingStage(stage, self->m_clock.now());
        };
        job.call = NoteFiler::transcribe(job.current.path, job.client, job.noteJob->context, job.noteJob->filer,
                                         onStage, [self, jobId](const GeminiResult<NoteFiler::Transcript>& result) {
                                             if (!self)
                                                 return;
                                             if (result)
                                                 self->succeeded(jobId, *result.value);
                                             else
                                                 self->sendFailed(jobId, result.error);
                                         });
        return;
    }
    job.call = job.client.transcribe(job.current.path, transcriptionProgress(),
                                     [self, jobId](const GeminiResult<QString>& result) {
                                         if (!self)
                                             return;
                                         if (result)
                                             self->succeeded(jobId, {*result.value, std::nullopt});
                                         else
                                             self->sendFailed(jobId, result.error);
                                     });
}

void DictationController::sendFailed(quint64 jobId, const GeminiError& error)
{
    auto it = m_jobs.find(jobId);
    if (it == m_jobs.end())
        return;
    Job& job = it->second;
    if (job.current.format != Upload::Format::wav && Upload::resendsAsWav(error)) {
        Log::write(QStringLiteral("Gemini refused ") + Upload::formatName(job.current.format)
                   + QStringLiteral(" with 400; sending WAV"));
        auto resend = [this, jobId, recording = job.recording](const QString& prepared) {
            if (Job* job = withPrepared(jobId, recording, prepared)) {
                job->current = Upload{prepared, Upload::Format::wav};
                send(jobId);
            }
        };
        // An upload made while recording left no trimmed WAV behind: made now.
        if (job.prepared.isEmpty())
            trim(job.recording, job.config, resend);
        else
            resend(job.prepared);
        return;
    }
    failed(jobId, error);
}


void DictationController::succeeded(quint64 jobId, const NoteFiler::Transcript& transcript)
{
    auto it = m_jobs.find(jobId);
    if (it == m_jobs.end())
        return;
    const Job job = std::move(it->second);
    m_jobs.erase(it);

    const qint64 replyMs = m_clock.monotonicMs();
    const QFileInfo sent(job.current.path);
    const qint64 bytes = sent.exists() ? sent.size() : 0;
    m_state.setProcessingStage(DictationStage::finishing, m_clock.now());
    const QString text = Snippet::expand(transcript.text, job.config.snippets);
    // The model's text is escaped: a line break in it must not forge a log line.
    Log::write(QStringLiteral("transcript: ") + Log::loggable(TextUtil::leftGraphemes(text, 120)));
    const std::optional<QString> audioFile =
        job.config.keepAudio ? History::keepAudio(job.kept(), job.entryID) : std::nullopt;
    m_state.setMessage(QString());

    std::optional<Filing> filing;
    if (job.noteJob && transcript.result)
        filing = Filing{*job.noteJob, *transcript.result};
    const bool delivered = deliver(text, job.target, job.app, filing);
    const qint64 deliveredMs = m_clock.monotonicMs();

    Log::write(QStringLiteral("timing format=") + Upload::formatName(job.current.format) + QStringLiteral(" bytes=")
               + QString::number(bytes) + QStringLiteral(" encode=") + seconds(job.readyMs - job.encodeStartMs)
               + QStringLiteral(" ready=") + seconds(job.readyMs - job.stoppedMs) + QStringLiteral(" response=")
               + seconds(replyMs - job.stoppedMs) + QStringLiteral(" inserted=")
               + seconds(deliveredMs - job.stoppedMs));

    HistoryEntry entry = job.entry(m_clock.now());
    entry.text = text;
    entry.status = HistoryEntry::Status::done;
    entry.audioFile = audioFile;
    if (delivered)
        entry.latency = double(deliveredMs - job.stoppedMs) / 1000.0;
    addToHistory(entry);
    Q_EMIT statusChanged();
    removeFiles({job.recording, job.prepared, job.first.path});
}

void DictationController::failed(quint64 jobId, const GeminiError& error)
{
    auto it = m_jobs.find(jobId);
    if (it == m_jobs.end())
        return;
    const Job job = std::move(it->second);
    m_jobs.erase(it);

    const QString description = error.description();
    Log::write(QStringLiteral("transcription failed: ") + Log::loggable(description));
    HistoryEntry entry = job.entry(m_clock.now());
    entry.status = HistoryEntry::Status::failed;
    // Kept whatever the settings say, so the dictation can be transcribed again.
    entry.audioFile = History::keepAudio(job.kept(), job.entryID);
    entry.error = description;
    entry.offline = isOffline(error);
    addToHistory(entry);
    fail(description);
    play(QStringLiteral("Basso"));
    if (!job.config.notificationsOff)
        m_desktop.notify(L10n::tr("Not transcribed"), L10n::tr("The audio is saved. Try again from History."));
    removeFiles({job.recording, job.prepared, job.first.path});
}

bool DictationController::deliver(const QString& text, const Target& target, const App& app,
                                  const std::optional<Filing>& filing)
{
    const int words = History::wordCount(text);
    const Config& config = m_state.config();
    switch (target.kind) {
    case Target::Kind::frontApp:
        m_desktop.insert(text, config.insertMethod, config.newlineMode, m_frontApp.current().id);
        showDone(app.name.value_or(QStringLiteral("Kesto Viruz")), words, false);
        return true;
    case Target::Kind::note: {
        bool appended = false;
        m_state.updateNotes([&](NotesStore& notes) { appended = notes.append(text, target.noteID); });
        if (!appended) {
            showDone(L10n::tr("History"), words, false);
            m_state.showToast(L10n::tr("The note was deleted"), L10n::tr("The text is saved in History"),
                              ToastTone::info);
            return false;
        }
        showDone(L10n::tr("Added to the note"), words, true);
        if (filing)
            file(target.noteID, filing->result, filing->job);
        return true;
    }
    case Target::Kind::historyOnly:
        showDone(L10n::tr("History"), words, false);
        return false;
    }
    return false;
}

void DictationController::file(const QUuid& noteID, const NoteFiler::Result& result, const NoteJob& job)
{
    const QString kind = NoteFiler::rawValue(result.kind);
    std::optional<qint64> number;
    if (result.kind == NoteFiler::Kind::meeting)
        number = m_state.notes().nextNumber(kind);
    std::optional<QString> title;
    if (job.title)
        title = NoteFiler::title(result, number, m_clock.now());
    const std::optional<QString> folderName = job.folder ? std::optional<QString>(result.folder) : std::nullopt;
    std::optional<NoteFolder> folder;
    m_state.updateNotes([&](NotesStore& notes) { folder = notes.file(noteID, title, kind, number, folderName); });
    if (job.folder && folder)
        m_state.showToast(L10n::tr("Saved to folder"), folder->name, ToastTone::success);
}

void DictationController::retry(const QUuid& id)
{
    const QList<HistoryEntry>& entries = m_state.history().entries;
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const HistoryEntry& e) { return e.id == id; });
    if (found == entries.end() || !found->audioFile || m_state.retrying().contains(id))
        return;
    const HistoryEntry entry = *found;
    const QString audio = QDir(Config::audioDirectory()).filePath(*entry.audioFile);
    m_state.setRetrying(id, true);
    const Config config = m_state.config();

    QPointer<DictationController> self(this);
    auto sendFile = [self, entry, config](const QString& path) {
        if (!self)
            return;
        GeminiClient(config).transcribe(path, {}, [self, entry, config, path](const GeminiResult<QString>& result) {
            if (self)
                self->retried(entry, config, path, result);
        });
    };
    if (QFileInfo(audio).suffix() == QLatin1String("wav"))
        trim(audio, config, sendFile);
    else
        sendFile(audio);
}

void DictationController::retried(const HistoryEntry& entry, const Config& config, const QString& sentPath,
                                  const GeminiResult<QString>& result)
{
    const QString audio = QDir(Config::audioDirectory()).filePath(entry.audioFile.value_or(QString()));
    HistoryEntry updated = entry;
    if (result) {
        const QString text = Snippet::expand(*result.value, config.snippets);
        updated.text = text;
        updated.error.reset();
        updated.offline = false;
        if (updated.status == HistoryEntry::Status::failed)
            updated.status = HistoryEntry::Status::done;
        if (!config.keepAudio) {
            QFile::remove(audio);
            updated.audioFile.reset();
        }
        m_state.updateHistory([&](History& history) { history.update(updated); });
        m_state.showToast(L10n::tr("Transcribed"),
                          Format::words(History::wordCount(text))
                              + QStringLiteral(" \u00B7 ") + AppGlyph::name(updated),
                          ToastTone::success);
    } else {
        const QString description = result.error.description();
        updated.error = description;
        updated.offline = isOffline(result.error);
        m_state.updateHistory([&](History& history) { history.update(updated); });
        m_state.showToast(L10n::tr("Not transcribed"), description, ToastTone::danger);
    }
    m_state.setRetrying(entry.id, false);
    if (sentPath != audio)
        QFile::remove(sentPath);
}

void DictationController::insert(const QString& text)
{
    const Config& config = m_state.config();
    m_desktop.insert(text, config.insertMethod, config.newlineMode, m_frontApp.current().id);
}

void DictationController::checkKey()
{
    const QString key = m_state.config().resolvedApiKey();
    if (key.isEmpty()) {
        // Checking nothing is answered as the client would, with no request.
        m_state.setKeyStatus(KeyStatus::failed(GeminiError::noApiKey().description()));
        return;
    }
    m_state.setKeyStatus(KeyStatus{KeyStatus::Kind::checking, {}});
    QPointer<DictationController> self(this);
    GeminiClient(m_state.config()).listModels([self, key](const GeminiResult<QStringList>& result) {
        if (!self || self->m_state.config().resolvedApiKey() != key)
            return;
        AppState& state = self->m_state;
        if (!result) {
            state.setKeyStatus(KeyStatus::failed(result.error.description()));
            return;
        }
        QStringList models;
        for (const QString& name : *result.value) {
            if (name.contains(QLatin1String("gemini")) && !name.contains(QLatin1String("embedding")))
                models << name;
        }
        state.setModels(models);
        const std::optional<QString> pick = GeminiClient::pickModel(models, state.config().model);
        if (pick && *pick != state.config().model)
            state.updateConfig([&](Config& config) { config.model = *pick; });
        state.setKeyStatus(KeyStatus{KeyStatus::Kind::ok, {}});
    });
}

void DictationController::toggleMicTest()
{
    if (m_micMeter.isRunning()) {
        m_micMeter.stop();
        m_state.setMicTestLevel(std::nullopt);
        return;
    }
    if (m_state.phase() == Phase::recording)
        return;
    QPointer<DictationController> self(this);
    m_micMeter.onLevel = [self](double level) {
        if (self)
            self->m_state.setMicTestLevel(level);
    };
    const Config& config = m_state.config();
    if (const std::optional<AudioFailure> failure = m_micMeter.start(config.inputDeviceID, config.noiseReduction)) {
        m_state.showToast(L10n::tr("The microphone did not start"), failure->description(), ToastTone::danger);
        return;
    }
    m_state.setMicTestLevel(0.0);
}
