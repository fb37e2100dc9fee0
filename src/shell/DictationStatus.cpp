#include "shell/DictationStatus.h"

#include "core/Format.h"
#include "platform/SoundPlayer.h"
#include "shell/HUDPanel.h"

DictationStatus::DictationStatus(AppState& state, SoundPlayer& sounds, Clock& clock, QObject* parent)
    : QObject(parent)
    , m_state(state)
    , m_sounds(sounds)
    , m_clock(clock)
{
}

DictationStatus::~DictationStatus()
{
    cancelTimer(m_doneTimer);
    cancelTimer(m_failedTimer);
}

void DictationStatus::setHUD(HUDPanel* hud)
{
    m_hud = hud;
}

void DictationStatus::setPhase(Phase phase)
{
    m_state.setPhase(phase);
    if (m_hud)
        m_hud->applyLayout();
    Q_EMIT statusChanged();
}

void DictationStatus::showDone(const QString& text, int words, bool plain)
{
    m_state.setDoneText(plain ? text
                              : text + QStringLiteral(" \u00B7 ")
                                    + Format::words(words));
    setPhase(Phase::idle);
    QPointer<DictationStatus> self(this);
    restartTimer(m_doneTimer, doneMs, [self] {
        if (!self)
            return;
        self->m_doneTimer.reset();
        self->m_state.setDoneText(std::nullopt);
        if (self->m_hud)
            self->m_hud->applyLayout();
    });
}

void DictationStatus::fail(const QString& message)
{
    m_state.setMessage(message);
    setPhase(Phase::failed);
    QPointer<DictationStatus> self(this);
    restartTimer(m_failedTimer, failedMs, [self] {
        if (!self)
            return;
        self->m_failedTimer.reset();
        if (self->m_state.phase() == Phase::failed)
            self->setPhase(Phase::idle);
    });
}

void DictationStatus::play(const QString& sound)
{
    if (m_state.config().sounds)
        m_sounds.play(sound);
}

void DictationStatus::addToHistory(const HistoryEntry& entry)
{
    const qint64 days = m_state.config().historyDays;
    const QDateTime now = m_clock.now();
    m_state.updateHistory([&](History& history) {
        history.add(entry);
        history.prune(days, now);
    });
}

void DictationStatus::cancelTimer(std::optional<Clock::TimerId>& timer)
{
    if (timer)
        m_clock.cancel(*timer);
    timer.reset();
}

void DictationStatus::restartTimer(std::optional<Clock::TimerId>& timer, qint64 delayMs, std::function<void()> fn)
{
    cancelTimer(timer);
    timer = m_clock.schedule(delayMs, this, std::move(fn));
}
