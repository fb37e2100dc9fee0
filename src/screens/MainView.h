#pragma once

#include "core/AppStateTypes.h"
#include "screens/SettingsOverlay.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class AnimatedValue;
class AppState;
struct AppActions;
class QGraphicsBlurEffect;
class Sidebar;
class ToastLayer;

// The whole content of the main window: the sidebar and the current screen
// side by side, the settings overlay over them while AppState says the
// settings are open, and the toast layer over everything. It keeps no state of
// its own: what it shows is read from AppState and what it changes is
// written there. It also carries the window's keys: Ctrl+K (search),
// Ctrl+comma (settings) and Escape (close the settings).
class MainView final : public QWidget {
    Q_OBJECT

public:
    // The settings panel's content, made afresh each time the settings open.
    using PanelFactory = std::function<QWidget*(QWidget* parent)>;

    // drawsTrafficLights: the sidebar draws the window buttons.
    MainView(AppState& state, AppActions& actions, PanelFactory settingsPanel = {}, bool drawsTrafficLights = false,
             QWidget* parent = nullptr);
    ~MainView() override;

    Sidebar* sidebar() const { return m_sidebar; }
    // The screen on show.
    QWidget* screen() const { return m_screen; }
    ToastLayer* toastLayer() const { return m_toasts; }
    // While the settings are open (and while they fade out), else null.
    SettingsOverlay* settingsOverlay() const { return m_overlay; }
    // The content row: sidebar and screen, blurred behind the settings.
    QWidget* content() const { return m_content; }
    // The blur on the content row now, in points.
    qreal blurRadius() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The one place that builds each screen.
    QWidget* buildScreen(Screen screen, QWidget* parent);
    void showScreen();
    void settingsChanged();
    void applyOverlayProgress(qreal progress);
    bool handleKey(QKeyEvent* event);
    void restyle();

    AppState& m_state;
    AppActions& m_actions;
    PanelFactory m_panelFactory;
    QWidget* m_content;
    Sidebar* m_sidebar;
    QWidget* m_screen = nullptr;
    Screen m_shown = Screen::history;
    ToastLayer* m_toasts;
    QPointer<SettingsOverlay> m_overlay;
    QGraphicsBlurEffect* m_blur = nullptr;
    AnimatedValue* m_overlayProgress;
};
