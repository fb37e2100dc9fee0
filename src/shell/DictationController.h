#pragma once

#include "core/AppState.h"
#include "engine/AudioFailure.h"
#include "engine/GeminiClient.h"
#include "engine/GeminiError.h"
#include "engine/NoteFiler.h"
#include "platform/Clock.h"
#include "shell/NoteJob.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <optional>

class AudioRecorder;
class LiveUpload;
class DictationDesktop;
class FrontApplication;
class HotkeyMonitor;
class HUDPanel;
class MicLevelMeter;
class SoundPlayer;
struct Upload;

// Runs every dictation from the talk key to the delivered text: the phase,
// the recorder, the level shown by the pill, sounds, media pause, processing
// a recording (trim, encode, send, resend as WAV), delivery into the front
// application, a note or History, and the done and failed states. Also the
// actions retry, insert, key check and microphone test. Main thread only;
// blocking audio work runs on the thread pool.
class DictationController final : public QObject
{
    Q_OBJECT

public:
    // The long-lived objects it works with, owned by the application.
    struct Parts
    {
        AppState& state;
        AudioRecorder& recorder;
        HotkeyMonitor& hotkey;
        MicLevelMeter& micMeter;
        SoundPlayer& sounds;
        FrontApplication& frontApp;
        DictationDesktop& desktop;
        Clock& clock;
    };

    // The application in front when a recording started.
    struct App
    {
        std::optional<QString> name;
        std::optional<QString> bundleID;
        bool operator==(const App&) const = default;
    };

    // A note job with the model's answer, applied after the text went in.
    struct Filing
    {
        NoteJob job;
        NoteFiler::Result result;
    };

    static constexpr qint64 levelPollMs = 50;
    static constexpr qint64 doneMs = 1800;
    static constexpr qint64 failedMs = 4000;
    static constexpr qint64 mediaResumeDelayMs = 300;
    // A cancelled recording at least this long is kept to be transcribed later.
    static constexpr double keepCancelledSeconds = 1.0;

    explicit DictationController(const Parts& parts, QObject* parent = nullptr);
    ~DictationController() override;

    void setHUD(HUDPanel* hud);
    // Whether the main window is the active window of the active application.
    void setMainWindowIsKey(std::function<bool()> isKey) { m_mainWindowIsKey = std::move(isKey); }

    // What the talk key, the pill, the menu and the views ask for.
    void toggleRecording(const Target& target);
    void startRecording(const QString& source, const Target& target);
    void finishRecording();
    void cancelRecording();
    void recordingFailed(const AudioFailure& failure);
    // Quitting: media paused for a recording plays again, a running
    // recording is dropped, the microphone test stops.
    void shutDown();

    // The outcome of a dictation or a phone transcription.
    void setPhase(Phase phase);
    void showDone(const QString& text, int words, bool plain);
    void fail(const QString& message);
    void play(const QString& sound);
    void addToHistory(const HistoryEntry& entry);
    void resumeMedia();

    // Processing a finished recording; the controller owns the file from here,
    // and its upload made while recording when there is one.
    void transcribe(const QString& path, double duration, const QString& source, const Target& target,
                    const App& app, qint64 stoppedMs, std::shared_ptr<LiveUpload> live = nullptr);
    // Trims the silences when the settings ask (publishing the trimming
    // stage); done gets the file to send: the trimmed copy or path itself.
    void prepareAudio(const QString& path, const Config& config, std::function<void(const QString&)> done);
    // Publishes the transcribing and retrying stages of a request.
    GeminiOnProgress transcriptionProgress();
    // The service could not be reached at all.
    static bool isOffline(const GeminiError& error);

    // Puts the text where the target says; true when it went into an
    // application or a note, false when it stays in History only.
    bool deliver(const QString& text, const Target& target, const App& app, const std::optional<Filing>& filing);
    void file(const QUuid& noteID, const NoteFiler::Result& result, const NoteJob& job);

    // The actions of the windows.
    void retry(const QUuid& id);
    void insert(const QString& text);
    void checkKey();
    // The model list of a key, for a view's own check; touches no state.
    void listModels(const Config& config, const std::function<void(const ModelList&)>& done);
    void toggleMicTest();

    App recordingApp() const { return m_recordingApp; }
    bool pausedMedia() const { return m_pausedMedia; }

Q_SIGNALS:
    // The phase or the newest History entry changed: the tray follows.
    void statusChanged();

private:
    struct Job;

    void startLevelUpdates();
    void stopLevelUpdates();
    void pollLevel(quint64 run);
    // Trims a WAV off the main thread when the settings ask, without a stage;
    // done gets the trimmed copy or path itself.
    void trim(const QString& path, const Config& config, std::function<void(const QString&)> done);
    void encode(quint64 jobId);
    // The job a trimmed copy of its recording was made for, now holding it;
    // null, with the copy deleted, when the job is gone.
    Job* withPrepared(quint64 jobId, const QString& recording, const QString& prepared);
    void ready(quint64 jobId, const Upload& upload);
    void send(quint64 jobId);
    void sendFailed(quint64 jobId, const GeminiError& error);
    void succeeded(quint64 jobId, const NoteFiler::Transcript& transcript);
    void failed(quint64 jobId, const GeminiError& error);
    void retried(const HistoryEntry& entry, const Config& config, const QString& sentPath,
                 const GeminiResult<QString>& result);
    void cancelTimer(std::optional<Clock::TimerId>& timer);
    void restartTimer(std::optional<Clock::TimerId>& timer, qint64 delayMs, std::function<void()> fn);

    AppState& m_state;
    AudioRecorder& m_recorder;
    HotkeyMonitor& m_hotkey;
    MicLevelMeter& m_micMeter;
    SoundPlayer& m_sounds;
    FrontApplication& m_frontApp;
    DictationDesktop& m_desktop;
    Clock& m_clock;
    QPointer<HUDPanel> m_hud;
    std::function<bool()> m_mainWindowIsKey = [] { return false; };

    App m_recordingApp;
    bool m_pausedMedia = false;
    std::optional<Clock::TimerId> m_levelTimer;
    quint64 m_levelRun = 0; // a tick of an earlier poll finds another run and stops
    std::optional<Clock::TimerId> m_doneTimer;
    std::optional<Clock::TimerId> m_failedTimer;
    std::optional<Clock::TimerId> m_resumeTimer;

    // Recordings being processed, by a counter that never repeats: results
    // that arrive for a job no longer here are dropped.
    std::map<quint64, Job> m_jobs;
    quint64 m_lastJob = 0;
};
