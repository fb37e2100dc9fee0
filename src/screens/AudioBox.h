#pragma once

#include <QWidget>

class QHBoxLayout;
class SButton;
class IconSpinner;
class TextLabel;

// The box of a kept recording on a History card: a glyph (turning while the
// recording is transcribed again), what became of it, its length, and a
// button to transcribe it again. Amber for failed entries.
class AudioBox final : public QWidget {
    Q_OBJECT

public:
    struct Look {
        QString icon;
        QString title;
        QString button;
        bool warning = false;
        bool spinning = false;
        bool canRetry = false;
        bool missing = false; // the audio file is gone: nothing to retry
        bool operator==(const Look&) const = default;
    };

    AudioBox(const Look& look, double duration, QWidget* parent = nullptr);

    void setLook(const Look& look, double duration);
    const Look& look() const { return m_look; }
    SButton* button() const { return m_button; }
    QString detail() const;

Q_SIGNALS:
    void retryClicked();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Look m_look;
    QWidget* m_glyph = nullptr;
    QHBoxLayout* m_row;
    TextLabel* m_title;
    TextLabel* m_detail;
    SButton* m_button;
};
