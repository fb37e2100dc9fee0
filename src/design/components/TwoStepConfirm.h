#pragma once

#include "platform/Clock.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>

class QWidget;

#include <optional>

// The armed state of a destructive button: the first press arms, a second
// press between 0.5 s and 4 s later performs the action, and the armed state
// falls back by itself 4 s after arming.
class TwoStepConfirm final : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 disarmAfterMs = 4000;
    static constexpr qint64 ignoreWithinMs = 500;

    explicit TwoStepConfirm(Clock& clock = Clock::system(), QObject* parent = nullptr);
    ~TwoStepConfirm() override;

    bool isArmed() const { return m_armedAt.has_value(); }
    std::optional<QDateTime> armedAt() const { return m_armedAt; }

    // The press of the button, whichever state it is in: arms when disarmed,
    // confirms when armed.
    void press();
    // Arms now; arming again restarts the 4 s count from now.
    void arm();
    // The confirming press. Ignored (stays armed) within 0.5 s of arming or
    // when the clock went back; otherwise disarms and, before 4 s, emits
    // confirmed().
    void confirm();
    void disarm();
    // Escape, pressed while the focus is anywhere in scope's window and
    // scope shows, disarms (and is used up only when it did).
    void disarmOnEscape(QWidget* scope);

Q_SIGNALS:
    void armedChanged(bool armed);
    // The destructive action is due.
    void confirmed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setArmedAt(std::optional<QDateTime> at);

    Clock& m_clock;
    std::optional<QDateTime> m_armedAt;
    Clock::TimerId m_timer = 0;
    QPointer<QWidget> m_escapeScope;
};
