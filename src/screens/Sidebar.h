#pragma once

#include "core/AppStateTypes.h"

#include <QList>
#include <QWidget>

class AppState;
class DictationCard;
class NavItem;
class SIconButton;
class SInput;
class TrafficLights;

// The main window's left column: the window buttons and the wordmark, the
// search field, the navigation, the dictation card and the settings button.
class Sidebar final : public QWidget {
    Q_OBJECT

public:
    static constexpr int columnWidth = 256;
    static constexpr int headerHeight = 56;

    // drawsTrafficLights: the window buttons are drawn here (the frameless
    // main window); else the header keeps their room empty.
    Sidebar(AppState& state, bool drawsTrafficLights, QWidget* parent = nullptr);

    SInput* search() const { return m_search; }
    NavItem* navItem(Screen screen) const;
    DictationCard* dictationCard() const { return m_card; }
    SIconButton* settingsButton() const { return m_settings; }
    TrafficLights* trafficLights() const { return m_lights; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* header(bool drawsTrafficLights);
    QWidget* footer();
    void searchEdited(const QString& text);
    void refresh();

    AppState& m_state;
    TrafficLights* m_lights = nullptr;
    SInput* m_search = nullptr;
    QList<QPair<Screen, NavItem*>> m_nav;
    DictationCard* m_card = nullptr;
    SIconButton* m_settings = nullptr;
    QWidget* m_footer = nullptr;
};
