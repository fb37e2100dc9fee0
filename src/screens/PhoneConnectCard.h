#pragma once

#include "design/components/CardFrame.h"

struct AppActions;
class AppState;
class PhonePulseDot;
class QRBox;
class SButton;
class TextLabel;

// The card that connects a phone. Off: the still QR glyph, "The phone server
// is off" and "Turn on". On: the link's QR code (or a loader while it starts),
// whether a phone is in contact, and a button for a new code. While on it
// looks again every 2 s, so a contact going stale shows without any change
// of state.
class PhoneConnectCard final : public CardFrame {
    Q_OBJECT

public:
    PhoneConnectCard(AppState& state, AppActions& actions, QWidget* parent = nullptr);

    QRBox* qrBox() const { return m_qr; }

private:
    void refresh();
    void tick();

    AppState& m_state;
    AppActions& m_actions;
    QRBox* m_qr;
    QWidget* m_off;
    QWidget* m_on;
    PhonePulseDot* m_dot;
    TextLabel* m_status;
    SButton* m_newCode;
    SButton* m_disconnect;
    quint64 m_timer = 0;
};
