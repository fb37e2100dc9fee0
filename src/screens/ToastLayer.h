#pragma once

#include <QPointer>
#include <QUuid>
#include <QWidget>

class AppState;
class ToastView;

// The layer that shows AppState's toast in the bottom trailing corner (the
// main view keeps the layer over the settings overlay: a toast is often the
// only sign that something failed). While a room is given and shown (the
// settings panel's free space), the toast sits at the room's bottom instead,
// as wide as the room allows, so that it covers none of the panel's controls. It takes no clicks: what lies below gets them,
// even where the toast is drawn. A toast with a new id comes in as a new
// card; the old one leaves.
class ToastLayer final : public QWidget {
    Q_OBJECT

public:
    static constexpr int padding = 24;
    static constexpr int toastWidth = 340;
    explicit ToastLayer(AppState& state, QWidget* parent = nullptr);

    // Places the toasts on show again.
    void placeAll();
    // Where toasts go while room is shown; null: the corner.
    void setRoom(QWidget* room);
    static constexpr int roomPadding = 12;

    // The card on show, or null.
    ToastView* toast() const { return m_current; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void refresh();
    // Places a card by its progress in (0: below and clear, 1: in place).
    void place(ToastView* view, qreal shown) const;
    void leave(ToastView* view);
    // Animates a card from where it is now to target (1: in, 0: gone, and
    // then deleted).
    void slide(ToastView* view, qreal target);

    AppState& m_state;
    ToastView* m_current = nullptr;
    QUuid m_currentID;
    QPointer<QWidget> m_room;
};
