#include "shell/TranscriptionPipeline.h"

#include "core/L10n.h"
#include "core/Log.h"
#include "core/TextUtil.h"
#include "engine/AudioTrimmer.h"
#include "engine/LiveUpload.h"
#include "engine/Upload.h"
#include "shell/DictationDelivery.h"
#include "shell/DictationDesktop.h"
#include "shell/DictationStatus.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QtConcurrent>

namespace {

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

struct TranscriptionPipeline::Job
{
    QString recording; // the recorder's file, untrimmed
    double duration = 0;
    QString source;
    Target target;
    RecordingApp app;
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

    // The files of this job that can go once it is over. The audio meant for
    // History (keeping) goes only once it is kept; when it could not be kept,
    // it stays where it is, linked from the entry or logged, never lost.
    QStringList finished(const QString& keeping, bool wanted, const std::optional<QString>& audioFile) const
    {
        const bool stays = wanted && (!audioFile || QFileInfo(keeping).fileName() == *audioFile);
        QStringList files;
        for (const QString& path : {recording, prepared, first.path}) {
            if (!path.isEmpty() && !(stays && path == keeping))
                files << path;
        }
        return files;
    }

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

TranscriptionPipeline::TranscriptionPipeline(AppState& state, DictationDesktop& desktop, Clock& clock,
                                             DictationStatus& status, DictationDelivery& delivery, QObject* parent)
    : QObject(parent)
    , m_state(state)
    , m_desktop(desktop)
    , m_clock(clock)
    , m_status(status)
    , m_delivery(delivery)
{
}

TranscriptionPipeline::~TranscriptionPipeline() = default;

void TranscriptionPipeline::transcribe(const QString& path, double duration, const QString& source,
                                       const Target& target, const RecordingApp& app, qint64 stoppedMs,
                                       std::shared_ptr<LiveUpload> live)
{
    m_status.setPhase(Phase::working);
    Job job;
    job.recording = path;
    job.duration = duration;
    job.source = source;
    job.target = target;
    job.app = app;
    job.stoppedMs = stoppedMs;
    job.config = m_state.config();
    job.client = GeminiClient(job.config);
    // Its retry waits and time limits run on the controller's clock.
    job.client.transport.clock = &m_clock;
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

void TranscriptionPipeline::encode(quint64 jobId)
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

TranscriptionPipeline::Job* TranscriptionPipeline::withPrepared(quint64 jobId, const QString& recording,
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

void TranscriptionPipeline::ready(quint64 jobId, const Upload& upload)
{
    Job& job = m_jobs.at(jobId);
    job.readyMs = m_clock.monotonicMs();
    job.first = upload;
    job.current = upload;
    send(jobId);
}

void TranscriptionPipeline::prepareAudio(const QString& path, const Config& config,
                                         std::function<void(const QString&)> done)
{
    if (config.trimSilence)
        m_state.setProcessingStage(DictationStage::trimming, m_clock.now());
    trim(path, config, std::move(done));
}

void TranscriptionPipeline::trim(const QString& path, const Config& config, std::function<void(const QString&)> done)
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

GeminiOnProgress TranscriptionPipeline::transcriptionProgress()
{
    QPointer<TranscriptionPipeline> self(this);
    return [self](GeminiProgress progress) {
        if (!self)
            return;
        self->m_state.setProcessingStage(
            progress == GeminiProgress::sending ? DictationStage::transcribing : DictationStage::retrying,
            self->m_clock.now());
    };
}

bool TranscriptionPipeline::isOffline(const GeminiError& error)
{
    return error.kind == GeminiError::Kind::network && error.unreachable;
}

void TranscriptionPipeline::send(quint64 jobId)
{
    auto it = m_jobs.find(jobId);
    if (it == m_jobs.end())
        return;
    Job& job = it->second;
    QPointer<TranscriptionPipeline> self(this);
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

void TranscriptionPipeline::sendFailed(quint64 jobId, const GeminiError& error)
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

void TranscriptionPipeline::succeeded(quint64 jobId, const NoteFiler::Transcript& transcript)
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
        job.config.keepAudio ? History::keepOrLink(job.kept(), job.entryID) : std::nullopt;
    m_state.setMessage(QString());

    std::optional<DictationDelivery::Filing> filing;
    if (job.noteJob && transcript.result)
        filing = DictationDelivery::Filing{*job.noteJob, *transcript.result};
    const bool delivered = m_delivery.deliver(text, job.target, job.app, filing);
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
    m_status.addToHistory(entry);
    Q_EMIT statusChanged();
    // A recording the user asked to keep goes only once it has been kept.
    if (job.config.keepAudio && !audioFile)
        Log::write(QStringLiteral("the recording stays at ") + job.kept());
    removeFiles(job.finished(job.kept(), job.config.keepAudio, audioFile));
}

void TranscriptionPipeline::failed(quint64 jobId, const GeminiError& error)
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
    entry.audioFile = History::keepOrLink(job.kept(), job.entryID);
    entry.error = description;
    entry.offline = isOffline(error);
    m_status.addToHistory(entry);
    m_status.fail(description);
    m_status.play(QStringLiteral("Basso"));
    if (!job.config.notificationsOff)
        m_desktop.notify(L10n::tr("Not transcribed"), L10n::tr("The audio is saved. Try again from History."));
    if (!entry.audioFile)
        Log::write(QStringLiteral("the recording stays at ") + job.kept());
    removeFiles(job.finished(job.kept(), true, entry.audioFile));
}

bool TranscriptionPipeline::abandon()
{
    if (m_jobs.empty())
        return false;
    std::map<quint64, Job> jobs;
    jobs.swap(m_jobs);
    for (const auto& [id, job] : jobs) {
        Log::write(QStringLiteral("stopped waiting for the transcript; the recording is kept in History"));
        keepUntranscribed(job, job.kept(), L10n::tr("Stopped before the transcript arrived."));
    }
    return true;
}

void TranscriptionPipeline::shutDown()
{
    // Quitting never loses what was said: a recording still being processed
    // is kept as not transcribed, to be transcribed again from History.
    std::map<quint64, Job> jobs;
    jobs.swap(m_jobs);
    for (const auto& [id, job] : jobs) {
        Log::write(QStringLiteral("quit while transcribing; the recording is kept in History"));
        keepUntranscribed(job, job.recording, L10n::tr("The application was closed before the transcript arrived."));
    }
}

void TranscriptionPipeline::keepUntranscribed(const Job& job, const QString& keeping, const QString& error)
{
    // Its completion finds no job any more and does nothing.
    job.call.cancel();
    HistoryEntry entry = job.entry(m_clock.now());
    entry.status = HistoryEntry::Status::failed;
    // Linked where it waits when it cannot be moved, so a later start
    // neither loses it nor files it a second time.
    entry.audioFile = History::keepOrLink(keeping, job.entryID);
    entry.error = error;
    m_status.addToHistory(entry);
    if (!entry.audioFile)
        Log::write(QStringLiteral("the recording stays at ") + keeping);
    removeFiles(job.finished(keeping, true, entry.audioFile));
}
