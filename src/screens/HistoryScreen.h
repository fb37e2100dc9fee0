#pragma once

#include <QWidget>

class AppState;
struct AppActions;

// The main window's view of History.
class HistoryScreen final : public QWidget {
    Q_OBJECT

public:
    HistoryScreen(AppState& state, AppActions& actions, QWidget* parent = nullptr);

private:
    AppState& m_state;
    AppActions& m_actions;
};
