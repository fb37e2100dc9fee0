#pragma once

#include "core/AppState.h"
#include "platform/Clock.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

class HUDPanel;
class SoundPlayer;

// What every step of a dictation shows: the phase, the done state with its
// text, the failed state with its message, the sounds, and the History entry
// it leaves. The pill and the tray follow each change. Main thread only.
class DictationStatus final : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 doneMs = 1800;
    static constexpr qint64 failedMs = 4000;

    DictationStatus(AppState& state, SoundPlayer& sounds, Clock& clock, QObject* parent = nullptr);
    ~DictationStatus() override;

    void setHUD(HUDPanel* hud);

    void setPhase(Phase phase);
    void showDone(const QString& text, int words, bool plain);
    void fail(const QString& message);
    void play(const QString& sound);
    void addToHistory(const HistoryEntry& entry);

Q_SIGNALS:
    // The phase changed: the tray follows.
    void statusChanged();

private:
    void cancelTimer(std::optional<Clock::TimerId>& timer);
    void restartTimer(std::optional<Clock::TimerId>& timer, qint64 delayMs, std::function<void()> fn);

    AppState& m_state;
    SoundPlayer& m_sounds;
    Clock& m_clock;
    QPointer<HUDPanel> m_hud;
    std::optional<Clock::TimerId> m_doneTimer;
    std::optional<Clock::TimerId> m_failedTimer;
};
