#pragma once

#include "design/components/SButton.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class TextLabel;

// A question over a window: the window dims and a card centred on it holds a
// title, a message and the buttons, drawn from the theme's tokens. Until an
// answer the window takes no clicks, and Tab stays among the buttons; Escape
// answers with the cancel button. It deletes itself once answered.
class Alert final : public QWidget
{
    Q_OBJECT

public:
    struct Metrics {
        int width = 400;     // the card, at most; narrower windows get a narrower one
        int margin = 24;     // between the card and the window's edges
        int padding = 24;    // inside the card
        int radius = 16;
        int textGap = 8;     // between the title and the message
        int buttonsGap = 24; // above the buttons
        int buttonSpacing = 8;
    };
    static const Metrics metrics;

    // Plain texts: the title and message may carry the user's words.
    Alert(QWidget* over, const QString& title, const QString& message);

    // A button in the row, in order from left to right; the one marked cancel
    // answers Escape and has the keyboard when the alert opens.
    SButton* addButton(const QString& text, ButtonVariant variant, bool cancel = false);

    // Shows the alert over the window of the widget given at construction.
    void open();
    // Closes it with the answer of a button (-1: no button, as closing by
    // the program does).
    void done(int answer);

    QList<SButton*> buttons() const { return m_answers; }
    QRect cardRect() const;
    QString title() const;
    QString message() const;

Q_SIGNALS:
    // Once, with the index of the button pressed or -1.
    void finished(int answer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void place();

    QWidget* m_card;
    TextLabel* m_title;
    TextLabel* m_message;
    QWidget* m_buttons;
    QList<SButton*> m_answers;
    QPointer<SButton> m_cancel;
    QPointer<QWidget> m_focusBefore;
    bool m_done = false;
};
