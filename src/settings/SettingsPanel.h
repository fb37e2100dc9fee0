#pragma once

#include "core/AppStateTypes.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class AppState;
struct AppActions;
class QScrollArea;
class SettingsNavItem;
class TextLabel;

// The content of the settings card shown over the main window (the overlay
// draws the card's shadow and outline 1 point around it): the tabs in a
// navigation column on the left, the chosen tab's title and a Close button above its
// scrolling content. It follows AppState's settings tab, and closing sets
// settingsOpen to false; it holds no settings of its own. The content is
// made anew whenever the tab changes or the panel opens again.
class SettingsPanel final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int navWidth = 236;
    // The card's corner; the panel's own corners are 1 point tighter.
    static constexpr int cardRadius = 24;
    static constexpr int headerHeight = 68;

    SettingsPanel(AppState& state, const AppActions& actions, QWidget* parent = nullptr);
    ~SettingsPanel() override;

    // The tab view on show, null while the panel is closed.
    QWidget* content() const { return m_content; }
    QScrollArea* scrollArea() const { return m_scroll; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    static constexpr int headerEnd = 20;     // right of the Close button
    static constexpr int headerSpacing = 16; // between the title and Close
    static constexpr int closeSize = 36;

    QWidget* makeNav();
    QWidget* makeHeader();
    QWidget* makeTab(SettingsTab tab);
    void follow();
    void rebuild();
    void drop();

    AppState& m_state;
    const AppActions& m_actions;
    QList<SettingsNavItem*> m_items;
    TextLabel* m_title = nullptr;
    QScrollArea* m_scroll = nullptr;
    QPointer<QWidget> m_content;
    SettingsTab m_shown = SettingsTab::general;
};
