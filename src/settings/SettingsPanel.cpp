#include "settings/SettingsPanel.h"

#include "core/AppState.h"
#include "core/L10n.h"
#include "design/Palette.h"
#include "design/Surface.h"
#include "design/Theme.h"
#include "design/components/ControlStyle.h"
#include "design/components/SIconButton.h"
#include "design/components/SScrollBar.h"
#include "design/components/TextLabel.h"
#include "settings/SettingsAITab.h"
#include "settings/SettingsAdvancedTab.h"
#include "settings/SettingsGeneralTab.h"
#include "settings/SettingsMicrophoneTab.h"
#include "settings/SettingsNavItem.h"
#include "settings/SettingsShortcutsTab.h"
#include "settings/SettingsTabs.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

// The navigation column: the subtle fill with the card's left corners and a
// divider along its right edge.
class NavColumn final : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal r = SettingsPanel::cardRadius - 1;
        QPainterPath shape;
        const QRectF box = rect();
        shape.moveTo(box.right() + 1, box.top());
        shape.lineTo(box.left() + r, box.top());
        shape.arcTo(QRectF(box.left(), box.top(), 2 * r, 2 * r), 90, 90);
        shape.lineTo(box.left(), box.bottom() + 1 - r);
        shape.arcTo(QRectF(box.left(), box.bottom() + 1 - 2 * r, 2 * r, 2 * r), 180, 90);
        shape.lineTo(box.right() + 1, box.bottom() + 1);
        shape.closeSubpath();
        painter.fillPath(shape, Palette::surfaceSubtle.color());
        painter.fillRect(QRectF(width() - 1, 0, 1, height()), Palette::borderDefault.color());
    }
};

// The header: its bottom divider under the title row.
class HeaderBar final : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        Surface::bottomBorder(painter, rect(), Palette::borderSubtle);
    }
};

// The scrolled page: as tall as its content at the width it is given, so the
// scroll bar shows only when the content is really longer than the view.
class ScrollPage final : public QWidget
{
public:
    using QWidget::QWidget;
    QSize minimumSizeHint() const override { return {0, 0}; }
};

} // namespace

SettingsPanel::SettingsPanel(AppState& state, const AppActions& actions, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_actions(actions)
{
    setObjectName(QStringLiteral("settingsPanel"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(makeNav());

    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(makeHeader());
    m_scroll = new QScrollArea;
    m_scroll->setObjectName(QStringLiteral("settingsScroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setAutoFillBackground(false);
    m_scroll->viewport()->setAutoFillBackground(false);
    auto* bar = new SScrollBar(Qt::Vertical, m_scroll);
    // The thumb stops short of the panel's rounded bottom corner.
    bar->setInsets(0, cardRadius - 1);
    m_scroll->setVerticalScrollBar(bar);
    column->addWidget(m_scroll, 1);
    row->addLayout(column, 1);

    connect(&m_state, &AppState::navigationChanged, this, &SettingsPanel::follow);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
    m_shown = m_state.settingsTab();
    rebuild();
}

SettingsPanel::~SettingsPanel()
{
    // The tab goes first, while the state it reports to is certainly here.
    drop();
}

QWidget* SettingsPanel::makeNav()
{
    auto* nav = new NavColumn;
    nav->setObjectName(QStringLiteral("settingsNav"));
    nav->setFixedWidth(navWidth);
    auto* layout = new QVBoxLayout(nav);
    layout->setContentsMargins(12, 18, 13, 0);
    layout->setSpacing(0);
    for (const SettingsTabs::Group& group : SettingsTabs::groups()) {
        auto* caption = new TextLabel(group.caption, TypeModifier{12, QFont::DemiBold, 20}, Palette::textTertiary);
        auto* captionBox = new QWidget;
        auto* captionLayout = new QVBoxLayout(captionBox);
        captionLayout->setContentsMargins(12, 10, 12, 6);
        captionLayout->addWidget(caption);
        layout->addWidget(captionBox);
        for (SettingsTab tab : group.tabs) {
            auto* item = new SettingsNavItem(tab);
            connect(item, &SettingsNavItem::clicked, this, [this, tab] { m_state.setSettingsTab(tab); });
            m_items.append(item);
            layout->addWidget(item);
        }
        layout->addSpacing(10);
    }
    // Below the tabs: where a toast shows while the settings are open.
    auto* toastRoom = new QWidget(nav);
    toastRoom->setObjectName(QStringLiteral("toastRoom"));
    layout->addWidget(toastRoom, 1);
    return nav;
}

QWidget* SettingsPanel::makeHeader()
{
    auto* header = new HeaderBar;
    header->setFixedHeight(headerHeight);
    auto* layout = new QHBoxLayout(header);
    layout->setContentsMargins(28, 0, headerEnd, 1);
    layout->setSpacing(headerSpacing);
    m_title = new TextLabel({}, TypeModifier{20, QFont::DemiBold, 28, -0.01}, Palette::textPrimary);
    m_title->setObjectName(QStringLiteral("settingsTitle"));
    m_title->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    layout->addWidget(m_title, 1);
    auto* close = new SIconButton(QStringLiteral("x"), IconButtonVariant::Ghost, closeSize);
    close->setObjectName(QStringLiteral("settingsClose"));
    close->setHelp(L10n::tr("Close"));
    close->setAccessibleName(L10n::tr("Close"));
    connect(close, &SIconButton::clicked, this, [this] { m_state.setSettingsOpen(false); });
    layout->addWidget(close);
    return header;
}

QWidget* SettingsPanel::makeTab(SettingsTab tab)
{
    switch (tab) {
    case SettingsTab::general:
        return new SettingsGeneralTab(m_state, m_actions);
    case SettingsTab::shortcuts:
        return new SettingsShortcutsTab(m_state);
    case SettingsTab::ai:
        return new SettingsAITab(m_state, m_actions);
    case SettingsTab::microphone:
        return new SettingsMicrophoneTab(m_state, m_actions);
    case SettingsTab::advanced:
        return new SettingsAdvancedTab(m_state);
    }
    return new QWidget;
}

void SettingsPanel::follow()
{
    if (!m_state.settingsOpen()) {
        // Closed: the tab's own state (a running microphone test, an armed
        // button) goes with it.
        drop();
        return;
    }
    if (!m_content || m_state.settingsTab() != m_shown) {
        m_shown = m_state.settingsTab();
        rebuild();
    }
}

void SettingsPanel::drop()
{
    delete m_scroll->takeWidget();
}

void SettingsPanel::rebuild()
{
    drop();
    for (SettingsNavItem* item : std::as_const(m_items))
        item->setOn(item->tab() == m_shown);
    m_title->setText(SettingsTabs::title(m_shown));

    auto* page = new ScrollPage;
    page->setObjectName(QStringLiteral("settingsPage"));
    auto* layout = new QVBoxLayout(page);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->setContentsMargins(28, 8, 28, 28);
    layout->setSpacing(0);
    m_content = makeTab(m_shown);
    m_content->setObjectName(QStringLiteral("tab-") + rawValue(m_shown));
    layout->addWidget(m_content);
    layout->addStretch(1);
    m_scroll->setWidget(page);
    // setWidget() fills the page; the card shows through instead.
    page->setAutoFillBackground(false);
    m_scroll->verticalScrollBar()->setValue(0);
}

void SettingsPanel::mousePressEvent(QMouseEvent* event)
{
    // A click on the card's blank parts never reaches the backdrop behind it.
    event->accept();
}

void SettingsPanel::paintEvent(QPaintEvent*)
{
    // The overlay draws the card, its shadow and outline around the panel;
    // the panel fills its own rounded inside.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    ControlPaint::fill(painter, QRectF(rect()), cardRadius - 1, Palette::surfaceCard.color());
}
