#pragma once

#include "core/AppState.h"
#include "engine/GeminiClient.h"
#include "engine/GeminiError.h"
#include "engine/NoteFiler.h"
#include "platform/Clock.h"
#include "shell/RecordingApp.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <memory>

class DictationDelivery;
class DictationDesktop;
class DictationStatus;
class LiveUpload;
struct Upload;

// Processes a finished recording: trim, encode, send (with the note job
// when the target is a new note), resend as WAV when the service refuses
// the M4A, then deliver the text or keep the audio in History as failed.
// Main thread only; blocking audio work runs on the thread pool.
class TranscriptionPipeline final : public QObject
{
    Q_OBJECT

public:
    TranscriptionPipeline(AppState& state, DictationDesktop& desktop, Clock& clock, DictationStatus& status,
                          DictationDelivery& delivery, QObject* parent = nullptr);
    ~TranscriptionPipeline() override;

    // Processing a finished recording; the pipeline owns the file from here,
    // and its upload made while recording when there is one.
    void transcribe(const QString& path, double duration, const QString& source, const Target& target,
                    const RecordingApp& app, qint64 stoppedMs, std::shared_ptr<LiveUpload> live = nullptr);
    // Trims the silences when the settings ask (publishing the trimming
    // stage); done gets the file to send: the trimmed copy or path itself.
    void prepareAudio(const QString& path, const Config& config, std::function<void(const QString&)> done);
    // Trims a WAV off the main thread when the settings ask, without a stage;
    // done gets the trimmed copy or path itself.
    void trim(const QString& path, const Config& config, std::function<void(const QString&)> done);
    // Publishes the transcribing and retrying stages of a request.
    GeminiOnProgress transcriptionProgress();
    // The service could not be reached at all.
    static bool isOffline(const GeminiError& error);

    // The user stopped waiting: a recording still being processed is kept in
    // History as not transcribed, to be transcribed again. False when none was.
    bool abandon();
    // Quitting: a recording still being processed is kept in History as
    // not transcribed.
    void shutDown();

Q_SIGNALS:
    // A transcript arrived: the tray's last text follows.
    void statusChanged();

private:
    struct Job;

    void encode(quint64 jobId);
    // The job a trimmed copy of its recording was made for, now holding it;
    // null, with the copy deleted, when the job is gone.
    Job* withPrepared(quint64 jobId, const QString& recording, const QString& prepared);
    void ready(quint64 jobId, const Upload& upload);
    void send(quint64 jobId);
    void sendFailed(quint64 jobId, const GeminiError& error);
    void succeeded(quint64 jobId, const NoteFiler::Transcript& transcript);
    void failed(quint64 jobId, const GeminiError& error);
    // A job ended before its transcript came: kept in History as not
    // transcribed, with the audio at keeping, to be transcribed again.
    void keepUntranscribed(const Job& job, const QString& keeping, const QString& error);

    AppState& m_state;
    DictationDesktop& m_desktop;
    Clock& m_clock;
    DictationStatus& m_status;
    DictationDelivery& m_delivery;

    // Recordings being processed, by a counter that never repeats: results
    // that arrive for a job no longer here are dropped.
    std::map<quint64, Job> m_jobs;
    quint64 m_lastJob = 0;
};
