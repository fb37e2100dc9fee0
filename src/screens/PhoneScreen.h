#pragma once

#include <QDateTime>
#include <QWidget>

#include <optional>

struct AppActions;
class AppState;
class PhoneConnectCard;
class PhoneErrorNote;
class PhoneRecordings;

// The "From phone" screen: a header, the server's error (while the link is
// on), the connect card beside the set-up steps, and the recordings that came
// from the phone. It acts on the link only by switching it on and asking for a
// new code; it says "Phone connected" when a phone makes first contact, or
// contact after 45 s or more of silence, while it is shown.
class PhoneScreen final : public QWidget {
    Q_OBJECT

public:
    PhoneScreen(AppState& state, AppActions& actions, QWidget* parent = nullptr);

    PhoneConnectCard* connectCard() const { return m_card; }
    PhoneErrorNote* errorNote() const { return m_error; }
    PhoneRecordings* recordings() const { return m_recordings; }

private:
    void refresh();
    void watchContact();

    AppState& m_state;
    PhoneErrorNote* m_error;
    PhoneConnectCard* m_card;
    PhoneRecordings* m_recordings;
    std::optional<QDateTime> m_lastSeen;
};
