#pragma once

#include <QWidget>

class AppState;
class QTextEdit;
class SSelect;

// The last section of the Advanced tab: the thinking level and the free
// prompt that opens every transcription request.
class ModelInstructions final : public QWidget
{
    Q_OBJECT

public:
    explicit ModelInstructions(AppState& state, QWidget* parent = nullptr);

    QTextEdit* editor() const { return m_editor; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    void applyLineHeight();

    AppState& m_state;
    SSelect* m_thinking;
    QTextEdit* m_editor;
    QWidget* m_field;
};
