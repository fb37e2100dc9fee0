#pragma once

#include <QWidget>

// The try-it step's box: a rounded area, soft brand while a dictation runs,
// a card once it holds text, dashed and subtle while it waits. A click
// anywhere on it focuses its editor.
class SampleBox final : public QWidget
{
    Q_OBJECT

public:
    enum class Look { waiting, recording, working, filled };

    explicit SampleBox(QWidget* parent = nullptr);

    Look look() const { return m_look; }
    void setLook(Look look);
    // A widget kept over the whole box, above the editor.
    void setCover(QWidget* cover);

Q_SIGNALS:
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Look m_look = Look::waiting;
    QWidget* m_cover = nullptr;
};
