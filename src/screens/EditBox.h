#pragma once

#include <QWidget>

class TranscriptText;

// The inline editor of a transcript: a fixed 122-point box at the
// transcript's own size and line height, with a focus border. Its ring,
// 3 points around it, is drawn by the card behind it. It takes the keyboard
// focus as soon as it is shown; Tab leaves it and Escape cancels the edit.
class EditBox final : public QWidget {
    Q_OBJECT

public:
    static constexpr int boxHeight = 122;
    static constexpr int ringWidth = 3;

    explicit EditBox(const QString& text, QWidget* parent = nullptr);

    QString text() const;
    TranscriptText* editor() const { return m_editor; }

Q_SIGNALS:
    void textChanged(const QString& text);
    void cancelled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    TranscriptText* m_editor;
    bool m_focused = false;
};
