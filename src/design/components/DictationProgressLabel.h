#pragma once

#include "platform/Clock.h"

#include <QDateTime>
#include <QLabel>

#include <functional>
#include <optional>

// One line showing the sentence of the current processing stage for the time
// since that stage began, refreshed on each whole second after its start.
// It sets no font or colour: the surroundings style it.
class DictationProgressLabel final : public QLabel
{
    Q_OBJECT

public:
    // The sentence for a moment, already localised (the state's progress message).
    using MessageAt = std::function<QString(const QDateTime&)>;

    explicit DictationProgressLabel(Clock& clock = Clock::system(), QWidget* parent = nullptr);
    ~DictationProgressLabel() override;

    // Called again whenever the stage changes: started is the stage's start,
    // none while nothing is processing (the sentence for 0 s is shown).
    void setProgress(std::optional<QDateTime> started, MessageAt messageAt);

    // On: the sentence gives way to its neighbours and is cut with "..."
    // when the room runs out, instead of pushing them aside.
    void setElided(bool on);

    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // A new sentence is shown (also for views that paint it themselves).
    void shown(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void tick();

    Clock& m_clock;
    QDateTime m_start;
    MessageAt m_messageAt;
    Clock::TimerId m_timer = 0;
    bool m_elided = false;
};
