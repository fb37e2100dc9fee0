#include "screens/SettingsOverlay.h"

#include "core/AppState.h"
#include "design/Palette.h"
#include "design/Surface.h"
#include "design/Theme.h"
#include "design/components/ControlStyle.h"

#include <QMouseEvent>
#include <QPainter>

SettingsOverlay::SettingsOverlay(AppState& state, const PanelFactory& panel, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_panel(panel ? panel(this) : new QWidget(this))
{
    setObjectName(QStringLiteral("settingsOverlay"));
    // Holds the keyboard while no control of the panel has it, so nothing
    // behind the panel can.
    setFocusPolicy(Qt::ClickFocus);
    m_panel->setParent(this);
    m_panel->setObjectName(m_panel->objectName().isEmpty() ? QStringLiteral("settingsPanel") : m_panel->objectName());
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

QRect SettingsOverlay::panelRect() const
{
    const int w = std::max(0, std::min(maxWidth, width() - 2 * margin));
    const int h = std::max(0, std::min(maxHeight, height() - 2 * margin));
    return QRect((width() - w) / 2, (height() - h) / 2, w, h);
}

void SettingsOverlay::resizeEvent(QResizeEvent*)
{
    const QRect card = panelRect();
    m_panel->setGeometry(card.adjusted(1, 1, -1, -1));
    // The content is clipped to the card's inner curve.
    m_panel->setMask(QRegion(ControlPaint::rounded(QRectF(m_panel->rect()), radius - 1).toFillPolygon().toPolygon()));
}

void SettingsOverlay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Palette::surfaceOverlay.color());
    Surface::card(painter, panelRect(), radius, Elevation::Lg, Palette::borderDefault);
}

void SettingsOverlay::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    // Clicks on the panel, blank parts included, never reach the backdrop.
    if (event->button() == Qt::LeftButton && !panelRect().contains(event->position().toPoint()))
        m_state.setSettingsOpen(false);
}
