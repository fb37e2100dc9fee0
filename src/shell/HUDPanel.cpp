#include "shell/HUDPanel.h"

#include "core/Config.h"
#include "platform/CompositorWatcher.h"
#include "platform/WindowPlacement.h"
#include "shell/HUDView.h"

#include <QGuiApplication>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>

#include <cmath>

namespace {

// Room around the pill for its shadow: 32 left and right, 48 below, 16 above.
const QMargins shadowRoom(32, 16, 32, 48);

void makeFloating(QWidget* window)
{
    window->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                           | Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint);
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->setAttribute(Qt::WA_TranslucentBackground);
    window->setAttribute(Qt::WA_NoSystemBackground);
    window->setFocusPolicy(Qt::NoFocus);
    // The pill is never the active window, and Qt shows tooltips only for
    // the active one unless told.
    window->setAttribute(Qt::WA_AlwaysShowToolTips);
}

// The pill follows the user from one virtual desktop to the next, and is no
// window of the taskbar or the pager.
void showEverywhere(QWidget* window)
{
    window->winId();
    WindowPlacement::onAllDesktops(window->windowHandle());
    WindowPlacement::outOfTaskbar(window->windowHandle());
    window->show();
}

} // namespace

HUDPanel::HUDPanel(AppState& state, std::function<void()> onToggle, std::function<void()> onSubmit,
                   std::function<void()> onCancel, Clock& clock)
    : m_state(state)
    , m_clock(clock)
{
    makeFloating(this);
    setWindowTitle(QStringLiteral("Kesto Viruz"));
    setObjectName(QStringLiteral("hudPanel"));

    m_shadowWindow = new QWidget(nullptr);
    makeFloating(m_shadowWindow);
    m_shadowWindow->setWindowFlag(Qt::WindowTransparentForInput);
    m_shadowWindow->setObjectName(QStringLiteral("hudShadow"));
    m_shadowView = new HUDView(state, HUDView::Layer::Shadow, clock, m_shadowWindow);
    m_shadowView->setContentsMargins(shadowRoom);

    m_view = new HUDView(state, HUDView::Layer::Content, clock, this);
    m_view->onToggle = std::move(onToggle);
    m_view->onSubmit = std::move(onSubmit);
    m_view->onCancel = std::move(onCancel);
    m_view->onDragEnded = [this] { anchorToFrame(); };
    m_view->onCapsuleChanged = [this] { updateMask(); };
    // Width changes are applied from the event loop so that the window never
    // resizes in the middle of the view's own update.
    m_view->onWidth = [this](int width) {
        QMetaObject::invokeMethod(this, [this, width] { pillWidthChanged(width); }, Qt::QueuedConnection);
    };

    // A compositing manager may start or stop at any time (a desktop
    // setting, a game turning it off).
    auto* compositor = new CompositorWatcher(this);
    m_composited = compositor->isRunning();
    connect(compositor, &CompositorWatcher::changed, this, &HUDPanel::setComposited);
    resize(m_panelWidth, height);
    m_view->setGeometry(rect());
    connect(qApp, &QGuiApplication::screenAdded, this, &HUDPanel::applyLayout);
    connect(qApp, &QGuiApplication::screenRemoved, this, &HUDPanel::applyLayout);
    connect(qApp, &QGuiApplication::primaryScreenChanged, this, &HUDPanel::applyLayout);
    for (QScreen* screen : QGuiApplication::screens())
        connect(screen, &QScreen::availableGeometryChanged, this, &HUDPanel::applyLayout);
    connect(qApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
        connect(screen, &QScreen::availableGeometryChanged, this, &HUDPanel::applyLayout);
    });
}

HUDPanel::~HUDPanel()
{
    if (m_shrinkTimer)
        m_clock.cancel(*m_shrinkTimer);
    delete m_shadowWindow;
}

void HUDPanel::setComposited(bool composited)
{
    m_composited = composited;
    updateMask();
    syncShadow();
}

void HUDPanel::restorePosition(const Config& config)
{
    if (config.hudX && config.hudY) {
        m_anchor = QPointF(*config.hudX, *config.hudY);
    } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        m_anchor = QPointF(available.x() + available.width() / 2.0, available.y() + available.height() - 24.0);
    } else {
        m_anchor.reset();
    }
    applyLayout();
}

QRect HUDPanel::frameFor(QPointF anchor, int width, const std::optional<QRect>& available)
{
    qreal x = anchor.x() - width / 2.0;
    qreal bottom = anchor.y();
    if (available) {
        const QRectF v(*available);
        x = std::min(std::max(x, v.left()), v.right() - width);
        bottom = std::min(std::max(bottom, v.top() + height), v.bottom());
    }
    // Whole pixels, rounded outward.
    const int left = int(std::floor(x));
    const int right = int(std::ceil(x + width));
    const int top = int(std::floor(bottom - height));
    return QRect(left, top, right - left, height);
}

void HUDPanel::applyLayout()
{
    // The hand wins over a layout in the middle of a drag; the drop sets the anchor.
    if (m_view->dragging())
        return;
    const QRect current = geometry();
    const QPointF p = m_anchor.value_or(QPointF(current.x() + current.width() / 2.0, current.y() + current.height()));
    QScreen* screen = nullptr;
    for (QScreen* candidate : QGuiApplication::screens()) {
        if (QRectF(candidate->geometry()).contains(p)) {
            screen = candidate;
            break;
        }
    }
    if (!screen)
        screen = this->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    std::optional<QRect> available;
    if (screen)
        available = screen->availableGeometry();
    const QRect frame = frameFor(p, m_panelWidth, available);
    if (frame != current)
        setGeometry(frame);
    placeShadow();
}

void HUDPanel::anchorToFrame()
{
    const QRect frame = geometry();
    m_anchor = QPointF(frame.x() + frame.width() / 2.0, frame.y() + frame.height());
    applyLayout();
}

void HUDPanel::orderFront()
{
    if (!isVisible())
        showEverywhere(this);
    raise();
    syncShadow();
}

void HUDPanel::orderOut()
{
    hide();
    syncShadow();
}

void HUDPanel::pillWidthChanged(int width)
{
    m_pillWidth = width;
    if (m_shrinkTimer) {
        m_clock.cancel(*m_shrinkTimer);
        m_shrinkTimer.reset();
    }
    if (width >= m_panelWidth) {
        m_panelWidth = width;
        applyLayout();
        return;
    }
    m_shrinkTimer = m_clock.schedule(shrinkDelayMs, this, [this] {
        m_shrinkTimer.reset();
        m_panelWidth = m_pillWidth;
        applyLayout();
    });
}

QRect HUDPanel::shadowFrame() const
{
    return geometry().marginsAdded(shadowRoom);
}

void HUDPanel::placeShadow()
{
    if (!m_shadowWindow)
        return;
    const QRect frame = shadowFrame();
    if (m_shadowWindow->geometry() != frame)
        m_shadowWindow->setGeometry(frame);
    m_shadowView->setGeometry(0, 0, frame.width(), frame.height());
}

void HUDPanel::syncShadow()
{
    if (m_syncingShadow || !m_shadowWindow)
        return;
    m_syncingShadow = true;
    if (isVisible() && m_composited) {
        placeShadow();
        if (!m_shadowWindow->isVisible()) {
            showEverywhere(m_shadowWindow);
            // The pill stays above its shadow.
            raise();
        }
    } else if (m_shadowWindow->isVisible()) {
        m_shadowWindow->hide();
    }
    m_syncingShadow = false;
}

void HUDPanel::updateMask()
{
    if (m_composited) {
        clearMask();
        return;
    }
    // Without a compositor the transparent corners would show black: cut the
    // window to the capsule instead.
    QPainterPath capsule;
    const qreal w = m_view->capsuleWidth();
    const QRectF pill((width() - w) / 2.0, 0, w, height);
    capsule.addRoundedRect(pill, height / 2.0, height / 2.0);
    setMask(QRegion(capsule.toFillPolygon().toPolygon()));
}

void HUDPanel::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    placeShadow();
    Q_EMIT moved();
}

void HUDPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_view->setGeometry(rect());
    updateMask();
    placeShadow();
}
