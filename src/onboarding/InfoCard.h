#pragma once

#include <QWidget>

class AnimatedValue;

// A step's longer explanation on a raised card, 380 wide, laid over the step
// below its title. It fades in rising 6 points and fades out sinking. While
// open, the card takes the clicks on it: nothing hidden under it reacts.
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
    // Lays the card (and what catches its clicks) over its siblings, as a
    // new step's content comes in under it.
    void raiseOverSiblings();
    // The card itself, without its shadow's room, in its own coordinates.
    QRectF cardRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void resizeToText();
    void placeShield();

    QString m_text;
    bool m_open = false;
    AnimatedValue* m_shown;
    // Under the card (which lets clicks through to its shadow's room), over
    // the step: the card's own rectangle catches the pointer.
    QWidget* m_shield;
};
