#pragma once

#include "core/AppState.h"
#include "engine/GeminiClient.h"

#include <QObject>
#include <QUuid>

class MicLevelMeter;
class TranscriptionPipeline;

// The actions the windows ask for beside dictation: transcribing a History
// entry again, checking the API key and loading the model list, and the
// microphone level test. They report only through AppState. Main thread
// only.
class WindowActions final : public QObject
{
    Q_OBJECT

public:
    WindowActions(AppState& state, MicLevelMeter& micMeter, TranscriptionPipeline& pipeline,
                  QObject* parent = nullptr);

    void retry(const QUuid& id);
    void checkKey();
    // The model list of a key, for a view's own check; touches no state.
    void listModels(const Config& config, const std::function<void(const ModelList&)>& done);
    void toggleMicTest();
    // Ends a running microphone test; nothing when it is off.
    void stopMicTest();

private:
    void retried(const HistoryEntry& entry, const Config& config, const QString& sentPath,
                 const GeminiResult<QString>& result);

    AppState& m_state;
    MicLevelMeter& m_micMeter;
    TranscriptionPipeline& m_pipeline;
};
