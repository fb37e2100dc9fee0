#pragma once

#include "core/AppState.h"
#include "engine/AudioFailure.h"
#include "engine/GeminiClient.h"
#include "engine/GeminiError.h"
#include "platform/Clock.h"
#include "shell/DictationDelivery.h"
#include "shell/DictationParts.h"
#include "shell/DictationStatus.h"
#include "shell/RecordingControl.h"
#include "shell/TranscriptionPipeline.h"
#include "shell/WindowActions.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class LiveUpload;
class HUDPanel;

// Runs every dictation from the talk key to the delivered text, and the
// actions retry, insert, key check and microphone test. It owns the parts
// that do each step and wires them: the status a dictation shows, recording
// control, the transcription pipeline, delivery, and the windows' actions.
// Main thread only.
class DictationController final : public QObject
{
    Q_OBJECT

public:
    using Parts = DictationParts;
    using App = RecordingApp;
    using Filing = DictationDelivery::Filing;

    static constexpr qint64 levelPollMs = RecordingControl::levelPollMs;
    static constexpr qint64 doneMs = DictationStatus::doneMs;
    static constexpr qint64 failedMs = DictationStatus::failedMs;
    static constexpr qint64 mediaResumeDelayMs = RecordingControl::mediaResumeDelayMs;

    explicit DictationController(const Parts& parts, QObject* parent = nullptr);

    void setHUD(HUDPanel* hud) { m_status.setHUD(hud); }
    // Whether the main window is the active window of the active application.
    void setMainWindowIsKey(std::function<bool()> isKey) { m_recording.setMainWindowIsKey(std::move(isKey)); }

    // What the talk key, the pill, the menu and the views ask for.
    void toggleRecording(const Target& target) { m_recording.toggleRecording(target); }
    void startRecording(const QString& source, const Target& target) { m_recording.startRecording(source, target); }
    void finishRecording() { m_recording.finishRecording(); }
    void cancelRecording() { m_recording.cancelRecording(); }
    void recordingFailed(const AudioFailure& failure) { m_recording.recordingFailed(failure); }
    // Quitting: media paused for a recording plays again, a running
    // recording and recordings still being processed are kept in History,
    // the microphone test stops.
    void shutDown();

    // The outcome of a dictation or a phone transcription.
    void setPhase(Phase phase) { m_status.setPhase(phase); }
    void showDone(const QString& text, int words, bool plain) { m_status.showDone(text, words, plain); }
    void fail(const QString& message) { m_status.fail(message); }
    void play(const QString& sound) { m_status.play(sound); }
    void addToHistory(const HistoryEntry& entry) { m_status.addToHistory(entry); }
    void resumeMedia() { m_recording.resumeMedia(); }

    // Processing a finished recording (see TranscriptionPipeline).
    void transcribe(const QString& path, double duration, const QString& source, const Target& target,
                    const App& app, qint64 stoppedMs, std::shared_ptr<LiveUpload> live = nullptr)
    {
        m_pipeline.transcribe(path, duration, source, target, app, stoppedMs, std::move(live));
    }
    void prepareAudio(const QString& path, const Config& config, std::function<void(const QString&)> done)
    {
        m_pipeline.prepareAudio(path, config, std::move(done));
    }
    GeminiOnProgress transcriptionProgress() { return m_pipeline.transcriptionProgress(); }
    static bool isOffline(const GeminiError& error) { return TranscriptionPipeline::isOffline(error); }

    bool deliver(const QString& text, const Target& target, const App& app, const std::optional<Filing>& filing)
    {
        return m_delivery.deliver(text, target, app, filing);
    }

    // The actions of the windows.
    void retry(const QUuid& id) { m_actions.retry(id); }
    void insert(const QString& text) { m_delivery.insert(text); }
    void checkKey() { m_actions.checkKey(); }
    // The model list of a key, for a view's own check; touches no state.
    void listModels(const Config& config, const std::function<void(const ModelList&)>& done)
    {
        m_actions.listModels(config, done);
    }
    void toggleMicTest() { m_actions.toggleMicTest(); }
    void stopMicTest() { m_actions.stopMicTest(); }

    App recordingApp() const { return m_recording.recordingApp(); }
    bool pausedMedia() const { return m_recording.pausedMedia(); }

Q_SIGNALS:
    // The phase or the newest History entry changed: the tray follows.
    void statusChanged();

private:
    DictationStatus m_status;
    DictationDelivery m_delivery;
    TranscriptionPipeline m_pipeline;
    RecordingControl m_recording;
    WindowActions m_actions;
};
