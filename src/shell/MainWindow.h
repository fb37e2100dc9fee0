#pragma once

#include "screens/MainView.h"

#include <QWidget>

class AppState;
struct AppActions;
class QSettings;

// The main window: frameless, its content (MainView) edge to edge with the
// window buttons drawn in the sidebar's header. Dragging the top 56 points
// moves it, its edges resize it, and its frame is kept under "MainWindow"
// in the application's settings file.
class MainWindow final : public QWidget {
    Q_OBJECT

public:
    static constexpr int headerHeight = 56;
    static constexpr int gripWidth = 6;
    static inline const QSize defaultFrameSize{1200, 800};
    static inline const QSize smallestSize{960, 640};

    MainWindow(AppState& state, AppActions& actions, MainView::PanelFactory settingsPanel = {},
               QWidget* parent = nullptr);
    ~MainWindow() override;

    MainView* view() const { return m_view; }

    // The file the frame is kept in.
    static QString settingsPath();

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void restoreFrame();
    void saveFrame() const;
    void placeGrips();

    MainView* m_view;
    QList<QWidget*> m_grips;
};
