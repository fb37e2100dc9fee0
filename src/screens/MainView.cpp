#include "screens/MainView.h"

#include "core/AppState.h"
#include "design/Animation.h"
#include "design/Onest.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "screens/HistoryIndex.h"
#include "design/components/FocusChain.h"
#include "screens/HistoryScreen.h"
#include "screens/NotesScreen.h"
#include "screens/PhoneScreen.h"
#include "screens/ScreenStyle.h"
#include "screens/SettingsOverlay.h"
#include "screens/Sidebar.h"
#include "screens/ToastLayer.h"
#include "screens/VocabularyScreen.h"

#include <QApplication>
#include <QGraphicsBlurEffect>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>

namespace {

constexpr qreal blurWhileOpen = 6;

} // namespace

MainView::MainView(AppState& state, AppActions& actions, PanelFactory settingsPanel, bool drawsTrafficLights,
                   QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_actions(actions)
    , m_panelFactory(std::move(settingsPanel))
    , m_content(new QWidget(this))
    , m_sidebar(new Sidebar(state, drawsTrafficLights, m_content))
    , m_toasts(new ToastLayer(state, this))
    , m_overlayProgress(new AnimatedValue(this))
{
    setObjectName(QStringLiteral("mainView"));
    // The window opens with no field focused: the search waits for Ctrl+K or a click.
    setFocusPolicy(Qt::ClickFocus);
    setFocus();
    m_content->setObjectName(QStringLiteral("content"));
    auto* row = new QHBoxLayout(m_content);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(m_sidebar);
    restyle();

    connect(&state, &AppState::navigationChanged, this, &MainView::showScreen);
    connect(&state, &AppState::navigationChanged, this, &MainView::settingsChanged);
    connect(m_overlayProgress, &AnimatedValue::valueChanged, this, &MainView::applyOverlayProgress);
    connect(&Theme::instance(), &Theme::changed, this, &MainView::restyle);
    // The window's keys are seen before any field of the window takes them.
    qApp->installEventFilter(this);

    // History's search index is folded while the window is open on any
    // screen, so that a search started elsewhere opens History at once.
    HistoryIndex::of(state).entries();
    m_shown = state.screen();
    m_screen = buildScreen(m_shown, m_content);
    row->addWidget(m_screen, 1);
    m_toasts->raise();
    settingsChanged();
}

MainView::~MainView()
{
    qApp->removeEventFilter(this);
}

QWidget* MainView::buildScreen(Screen screen, QWidget* parent)
{
    QWidget* built = nullptr;
    switch (screen) {
    case Screen::history:
        built = new HistoryScreen(m_state, m_actions, parent);
        break;
    case Screen::notes:
        built = new NotesScreen(m_state, m_actions, parent);
        break;
    case Screen::vocabulary:
        built = new VocabularyScreen(m_state, m_actions, parent);
        break;
    case Screen::phone:
        built = new PhoneScreen(m_state, m_actions, parent);
        break;
    }
    built->setObjectName(QStringLiteral("screen-") + rawValue(screen));
    return built;
}

void MainView::showScreen()
{
    if (m_state.screen() == m_shown && m_screen)
        return;
    // A screen switched to starts from its initial view state.
    m_shown = m_state.screen();
    QWidget* next = buildScreen(m_shown, m_content);
    auto* row = static_cast<QHBoxLayout*>(m_content->layout());
    row->replaceWidget(m_screen, next);
    row->setStretchFactor(next, 1);
    const bool hadFocus = m_screen->isAncestorOf(QApplication::focusWidget());
    delete m_screen;
    m_screen = next;
    m_screen->show();
    if (hadFocus)
        setFocus();
}

void MainView::settingsChanged()
{
    const bool open = m_state.settingsOpen();
    if (open && !m_overlay) {
        m_overlay = new SettingsOverlay(m_state, m_panelFactory, this);
        m_overlay->setGeometry(rect());
        m_overlay->show();
        m_overlay->raise();
        // The panel is modal: the keyboard leaves the screen behind it.
        m_overlay->setFocus(Qt::OtherFocusReason);
        // Toasts stay readable over the settings, in the panel's free space.
        m_toasts->raise();
        m_toasts->setRoom(m_overlay->panel() ? m_overlay->panel()->findChild<QWidget*>(QStringLiteral("toastRoom")) : nullptr);
    }
    if (!open && m_overlay && m_overlay->isAncestorOf(QApplication::focusWidget()))
        setFocus(Qt::OtherFocusReason);
    if (open == (m_overlayProgress->target() > 0.5))
        return;
    m_overlayProgress->animateTo(open ? 1.0 : 0.0, ScreenStyle::overlayDurationMs, ScreenStyle::overlayCurve());
    if (!m_overlayProgress->isRunning())
        applyOverlayProgress(m_overlayProgress->value());
}

void MainView::applyOverlayProgress(qreal progress)
{
    const qreal radius = blurWhileOpen * progress;
    if (radius > 0.01) {
        if (!m_blur) {
            m_blur = new QGraphicsBlurEffect(m_content);
            m_blur->setBlurHints(QGraphicsBlurEffect::QualityHint);
            m_content->setGraphicsEffect(m_blur);
        }
        // Qt's radius spans about two standard deviations of the design's blur.
        m_blur->setBlurRadius(radius * 2);
    } else if (m_blur) {
        m_content->setGraphicsEffect(nullptr);
        m_blur = nullptr;
    }

    if (!m_overlay)
        return;
    const bool settled = qFuzzyCompare(progress, m_overlayProgress->target());
    if (settled && progress < 0.5) {
        // Closed from inside its own click: it goes once that click is over.
        m_overlay->hide();
        m_overlay->deleteLater();
        m_overlay = nullptr;
        return;
    }
    if (settled) {
        m_overlay->setGraphicsEffect(nullptr);
        return;
    }
    auto* fade = qobject_cast<QGraphicsOpacityEffect*>(m_overlay->graphicsEffect());
    if (!fade) {
        fade = new QGraphicsOpacityEffect(m_overlay);
        m_overlay->setGraphicsEffect(fade);
    }
    fade->setOpacity(progress);
}

qreal MainView::blurRadius() const
{
    return m_blur ? m_blur->blurRadius() / 2 : 0;
}

bool MainView::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != window())
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress)
        return handleKey(static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::FocusIn && watched == QApplication::focusWidget()) {
        auto* widget = static_cast<QWidget*>(watched);
        // Nothing behind the open panel takes the keyboard, whoever asks;
        // nothing in a closing one keeps it.
        if (m_state.settingsOpen() && m_overlay && m_content->isAncestorOf(widget))
            m_overlay->setFocus(Qt::OtherFocusReason);
        else if (!m_state.settingsOpen() && m_overlay && m_overlay->isAncestorOf(widget))
            setFocus(Qt::OtherFocusReason);
    }
    return QWidget::eventFilter(watched, event);
}

bool MainView::handleKey(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier && event->key() == Qt::Key_K) {
        if (m_state.settingsOpen())
            return false;
        m_state.requestSearchFocus();
        return true;
    }
    if (modifiers == Qt::ControlModifier && event->key() == Qt::Key_Comma) {
        // Whatever was being edited loses the keyboard before the settings show.
        if (QWidget* focus = window()->focusWidget())
            focus->clearFocus();
        m_state.setSettingsOpen(true);
        return true;
    }
    bool forward = true;
    if (m_state.settingsOpen() && m_overlay && FocusChain::isFocusMove(event, QApplication::focusWidget(), &forward)) {
        // Tab goes round the panel only, as in any modal dialog.
        FocusChain::move(QApplication::focusWidget(), forward, m_overlay);
        return true;
    }
    if (modifiers == Qt::NoModifier && event->key() == Qt::Key_Escape && m_state.settingsOpen()) {
        m_state.setSettingsOpen(false);
        return true;
    }
    return false;
}

void MainView::restyle()
{
    QFont font = Onest::font(14, QFont::Normal);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Palette::textPrimary.color());
    palette.setColor(QPalette::Text, Palette::textPrimary.color());
    setPalette(palette);
    update();
}

void MainView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Palette::bgApp.color());
}

void MainView::resizeEvent(QResizeEvent*)
{
    m_content->setGeometry(rect());
    if (m_overlay)
        m_overlay->setGeometry(rect());
    m_toasts->setGeometry(rect());
}
