#pragma once

#include "screens/MainView.h"

#include <QWidget>

class AppState;
struct AppActions;
class QSettings;

// The main window: frameless, its content (MainView) edge to edge with the
// window buttons drawn in the sidebar's header. Dragging the top 56 points
// moves it, and its frame is kept under "MainWindow" in the application's
// settings file. It resizes from the outer band of its edges wherever no
// control lies there: a control along an edge (a scroll bar) keeps its whole
// width for the mouse and the wheel.
class MainWindow final : public QWidget {
    Q_OBJECT

public:
    static constexpr int headerHeight = 56;
    static constexpr int edgeWidth = 6;
    static inline const QSize defaultFrameSize{1200, 800};
    static inline const QSize smallestSize{960, 640};

    MainWindow(AppState& state, AppActions& actions, MainView::PanelFactory settingsPanel = {},
               QWidget* parent = nullptr);
    ~MainWindow() override;

    MainView* view() const { return m_view; }

    // The file the frame is kept in.
    static QString settingsPath();
    // The edges a press at a point of the window would pull: none where a
    // control is, or away from the edges.
    Qt::Edges resizeEdges(const QPoint& point) const;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void restoreFrame();
    void saveFrame() const;
    void showEdgeCursor(Qt::Edges edges);
    // Without a window manager that resizes, the drag is followed here.
    void followResize(const QPointF& globalPosition);

    MainView* m_view;
    Qt::Edges m_edgeCursor;
    Qt::Edges m_resizing;
    QPointF m_resizeFrom;
    QRect m_resizeStart;
};
