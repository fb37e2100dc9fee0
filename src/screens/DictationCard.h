#pragma once

#include <QList>
#include <QWidget>

class AppState;
class DictationProgressLabel;
class QHBoxLayout;
class SButton;
class TextLabel;
class Keycap;

// The sidebar's card about dictating: the status of the dictation, the talk
// key's keycaps, how to use it, and a button that dictates into History only.
class DictationCard final : public QWidget {
    Q_OBJECT

public:
    explicit DictationCard(AppState& state, QWidget* parent = nullptr);

    // What the card shows for a phase and target, without widgets (tests).
    struct Look {
        enum class Button { tryIt, stop };
        QString status;          // empty while working: the progress sentence shows
        bool progress = false;   // the progress sentence instead of a fixed status
        bool keysActive = false;
        Button button = Button::tryIt;
        bool buttonEnabled = true;
        bool operator==(const Look&) const = default;
    };
    static Look look(const AppState& state);

    QString statusText() const;
    QList<Keycap*> keycaps() const;
    SButton* button() const { return m_button; }
    QString hint() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void refresh();
    void rebuildKeys();

    AppState& m_state;
    TextLabel* m_status;
    DictationProgressLabel* m_progress;
    QHBoxLayout* m_keys;
    QStringList m_keyLabels;
    TextLabel* m_hint;
    SButton* m_button;
};
