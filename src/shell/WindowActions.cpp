#include "shell/WindowActions.h"

#include "core/AppGlyph.h"
#include "core/Format.h"
#include "core/L10n.h"
#include "engine/GeminiClient.h"
#include "engine/MicLevelMeter.h"
#include "shell/TranscriptionPipeline.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

#include <algorithm>

WindowActions::WindowActions(AppState& state, MicLevelMeter& micMeter, TranscriptionPipeline& pipeline,
                             QObject* parent)
    : QObject(parent)
    , m_state(state)
    , m_micMeter(micMeter)
    , m_pipeline(pipeline)
{
}

void WindowActions::retry(const QUuid& id)
{
    const QList<HistoryEntry>& entries = m_state.history().entries;
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const HistoryEntry& e) { return e.id == id; });
    if (found == entries.end() || !found->audioFile || m_state.retrying().contains(id))
        return;
    const HistoryEntry entry = *found;
    const QString audio = History::audioPath(*entry.audioFile);
    m_state.setRetrying(id, true);
    const Config config = m_state.config();

    QPointer<WindowActions> self(this);
    auto sendFile = [self, entry, config](const QString& path) {
        if (!self)
            return;
        GeminiClient(config).transcribe(path, {}, [self, entry, config, path](const GeminiResult<QString>& result) {
            if (self)
                self->retried(entry, config, path, result);
        });
    };
    if (QFileInfo(audio).suffix() == QLatin1String("wav"))
        m_pipeline.trim(audio, config, sendFile);
    else
        sendFile(audio);
}

void WindowActions::retried(const HistoryEntry& entry, const Config& config, const QString& sentPath,
                            const GeminiResult<QString>& result)
{
    const QString audio = History::audioPath(entry.audioFile.value_or(QString()));
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
        updated.offline = TranscriptionPipeline::isOffline(result.error);
        m_state.updateHistory([&](History& history) { history.update(updated); });
        m_state.showToast(L10n::tr("Not transcribed"), description, ToastTone::danger);
    }
    m_state.setRetrying(entry.id, false);
    if (sentPath != audio)
        QFile::remove(sentPath);
}

void WindowActions::checkKey()
{
    const QString key = m_state.config().resolvedApiKey();
    if (key.isEmpty()) {
        // No key is not a failed key: nothing was checked.
        m_state.setKeyStatus({});
        return;
    }
    m_state.setKeyStatus(KeyStatus{KeyStatus::Kind::checking, {}});
    QPointer<WindowActions> self(this);
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

void WindowActions::listModels(const Config& config, const std::function<void(const ModelList&)>& done)
{
    QPointer<WindowActions> self(this);
    GeminiClient(config).listModels([self, done](const GeminiResult<QStringList>& result) {
        if (!self)
            return;
        if (!result) {
            done(ModelList{std::nullopt, std::nullopt, result.error.description()});
            return;
        }
        // Picked from the full list, for the model set when the answer came.
        done(ModelList{*result.value, GeminiClient::pickModel(*result.value, self->m_state.config().model), {}});
    });
}

void WindowActions::toggleMicTest()
{
    if (m_micMeter.isRunning()) {
        m_micMeter.stop();
        m_state.setMicTestLevel(std::nullopt);
        return;
    }
    if (m_state.phase() == Phase::recording)
        return;
    QPointer<WindowActions> self(this);
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

void WindowActions::stopMicTest()
{
    if (!m_micMeter.isRunning())
        return;
    m_micMeter.stop();
    m_state.setMicTestLevel(std::nullopt);
}
