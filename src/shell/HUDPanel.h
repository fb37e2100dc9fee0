#pragma once

#include "platform/Clock.h"

#include <QPointF>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class AppState;
class HUDView;
struct Config;

// The floating pill's window: frameless, always on top, never focused or
// activated, on a transparent background. A second, larger window behind it
// that ignores the mouse carries the soft shadow. The pill sits on a
// remembered anchor (its bottom centre), is kept inside a screen's available
// area, and follows the width of the pill it hosts: it grows at once and
// shrinks a moment later, so the pill's own shrink is not cut off. Without a
// compositor there is no transparency, so the shadow window stays hidden and
// the pill window is masked to its capsule.
class HUDPanel final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int height = 52;
    static constexpr int shrinkDelayMs = 260;

    HUDPanel(AppState& state, std::function<void()> onToggle, std::function<void()> onSubmit,
             std::function<void()> onCancel, Clock& clock = Clock::system());
    ~HUDPanel() override;

    void restorePosition(const Config& config);
    void applyLayout();
    void orderFront();
    void orderOut();

    std::optional<QPointF> anchor() const { return m_anchor; }
    // A drag of the pill ended: the dropped frame is the new anchor.
    void anchorToFrame();

    int panelWidth() const { return m_panelWidth; }
    HUDView* view() const { return m_view; }
    QWidget* shadowWindow() const { return m_shadowWindow; }
    bool composited() const { return m_composited; }
    // Tests choose the path without a compositor.
    void setComposited(bool composited);

    // The frame a width and an anchor give on a screen's available area.
    static QRect frameFor(QPointF anchor, int width, const std::optional<QRect>& available);

Q_SIGNALS:
    // The window's position changed (a drag or a layout).
    void moved();

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void pillWidthChanged(int width);
    void placeShadow();
    void syncShadow();
    void updateMask();
    QRect shadowFrame() const;

    AppState& m_state;
    Clock& m_clock;
    HUDView* m_view = nullptr;
    QPointer<QWidget> m_shadowWindow;
    HUDView* m_shadowView = nullptr;
    int m_pillWidth = height;
    int m_panelWidth = height;
    std::optional<QPointF> m_anchor;
    std::optional<Clock::TimerId> m_shrinkTimer;
    bool m_composited = true;
    bool m_syncingShadow = false;
};
