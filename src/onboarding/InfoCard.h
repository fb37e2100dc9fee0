#pragma once

#include <QWidget>

class AnimatedValue;

// A step's longer explanation on a raised card, 380 wide, laid over the step
// below its title. It fades in rising 6 points and fades out sinking.
class InfoCard final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int width = 380;

    explicit InfoCard(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    // Shows or hides the card, animated unless animations are off.
    void setOpen(bool open);
    bool isOpen() const { return m_open; }
    // Puts the card's top-left corner at point, in the parent's coordinates;
    // the widget itself reaches past it by the shadow's room.
    void placeAt(QPoint point);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF cardRect() const;
    void resizeToText();

    QString m_text;
    bool m_open = false;
    AnimatedValue* m_shown;
};
