#pragma once

#include "core/AppStateTypes.h"
#include "core/Config.h"
#include "platform/Clock.h"

#include <QWidget>

#include <functional>

class AppState;
class DictationProgressLabel;
class SampleLevelBars;
class QGraphicsOpacityEffect;
class QTextEdit;
class SampleBox;
class SSelect;
class StatusLine;
class TextLabel;

// The last step: the talk key, and a sample box to try it in. The step
// records nothing itself: a dictation runs as anywhere else and lands in the
// box's editor, which has the keyboard focus; the box follows the phase.
class TryItStep final : public QWidget
{
    Q_OBJECT

public:
    TryItStep(AppState& state, std::function<void(const Config&)> onSave, Clock& clock, QWidget* parent = nullptr);

    // "Ctrl + Super", "Right Alt", ...: the talk key as the select shows it.
    static QString label(HotkeyKind kind);

    QString sample() const;
    QTextEdit* editor() const { return m_editor; }
    SampleBox* box() const { return m_box; }
    SSelect* keySelect() const { return m_select; }
    QWidget* keycaps() const { return m_keys; }
    SampleLevelBars* bars() const { return m_bars; }
    StatusLine* failure() const { return m_failure; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refresh();
    void rebuildKeycaps();
    void styleEditor();

    AppState& m_state;
    std::function<void(const Config&)> m_onSave;
    HotkeyKind m_savedKey;
    Phase m_phase = Phase::idle;
    SSelect* m_select;
    SampleBox* m_box;
    QTextEdit* m_editor;
    QGraphicsOpacityEffect* m_editorOpacity;
    QWidget* m_cover;
    QWidget* m_active;
    SampleLevelBars* m_bars;
    TextLabel* m_listening;
    DictationProgressLabel* m_progress;
    QWidget* m_idle;
    QWidget* m_keys;
    TextLabel* m_hint;
    StatusLine* m_failure;
};
