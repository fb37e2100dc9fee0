#pragma once

#include <QWidget>

struct AppActions;
class AppState;
class SSegmented;
class TextLabel;
class QVBoxLayout;

// The Vocabulary screen: a title, a line about the tab shown, the switch
// between the Dictionary and Snippets tabs, and that tab below. The whole
// screen scrolls. Each switch builds the chosen tab afresh.
class VocabularyScreen final : public QWidget {
    Q_OBJECT

public:
    enum class Tab { words, snippets };

    VocabularyScreen(AppState& state, AppActions& actions, QWidget* parent = nullptr, Tab startTab = Tab::words);

    Tab tab() const { return m_tab; }
    void showTab(Tab tab);
    QWidget* tabContent() const { return m_content; }

private:
    AppState& m_state;
    Tab m_tab;
    TextLabel* m_subtitle;
    SSegmented* m_switch;
    QWidget* m_content = nullptr;
    QVBoxLayout* m_column;
};
