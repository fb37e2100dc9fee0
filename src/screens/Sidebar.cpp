#include "screens/Sidebar.h"

#include "core/AppState.h"
#include "core/L10n.h"
#include "design/Palette.h"
#include "design/Surface.h"
#include "design/Theme.h"
#include "design/components/FocusGuard.h"
#include "design/components/SIconButton.h"
#include "design/components/SInput.h"
#include "design/components/TrafficLights.h"
#include "design/components/Wordmark.h"
#include "screens/DictationCard.h"
#include "screens/MeetingsRow.h"
#include "screens/NavItem.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>

namespace {

struct Destination {
    Screen screen;
    const char* title;
    const char* icon;
};

const Destination destinations[] = {
    {Screen::history, QT_TRANSLATE_NOOP("L10n", "History"), "history"},
    {Screen::notes, QT_TRANSLATE_NOOP("L10n", "Notes"), "notebook-pen"},
    {Screen::vocabulary, QT_TRANSLATE_NOOP("L10n", "Vocabulary"), "book-marked"},
    {Screen::phone, QT_TRANSLATE_NOOP("L10n", "From phone"), "smartphone"},
};

// Before the settings show, nothing behind them keeps typing.
void endEditing(QWidget* inside)
{
    if (QWidget* focus = inside->window()->focusWidget())
        focus->clearFocus();
}

} // namespace

Sidebar::Sidebar(AppState& state, bool drawsTrafficLights, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("sidebar"));
    setFixedWidth(columnWidth);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(header(drawsTrafficLights));

    // Made in the order Tab visits them, top to bottom.
    m_search = new SInput(L10n::tr("Search"), ControlSize::Sm, this);
    m_search->setObjectName(QStringLiteral("search"));
    m_search->setIcon(QStringLiteral("search"));
    m_search->setSunken(true);
    m_search->setSuffix(QStringLiteral("Ctrl+K"));
    m_search->setText(state.search());
    auto* searchBox = new QVBoxLayout;
    searchBox->setContentsMargins(14, 2, 14, 10);
    searchBox->addWidget(m_search);
    column->addLayout(searchBox);
    connect(m_search, &SInput::textChanged, this, &Sidebar::searchEdited);
    connect(&state, &AppState::searchFocusRequested, m_search, &SInput::requestFocus);
    m_search->lineEdit()->installEventFilter(this);

    auto* nav = new QVBoxLayout;
    nav->setContentsMargins(12, 6, 12, 6);
    nav->setSpacing(2);
    for (const Destination& destination : destinations) {
        auto* item = new NavItem(L10n::tr(destination.title), QString::fromLatin1(destination.icon), this);
        item->setObjectName(QStringLiteral("nav-") + rawValue(destination.screen));
        const Screen screen = destination.screen;
        connect(item, &NavItem::clicked, this, [this, screen] { m_state.setScreen(screen); });
        nav->addWidget(item);
        m_nav.append({screen, item});
    }
    auto* meetings = new MeetingsRow(this);
    meetings->setObjectName(QStringLiteral("nav-meetings"));
    nav->addWidget(meetings);
    column->addLayout(nav);
    column->addStretch(1);

    m_card = new DictationCard(state, this);
    auto* cardBox = new QVBoxLayout;
    cardBox->setContentsMargins(12, 0, 12, 12);
    cardBox->addWidget(m_card);
    column->addLayout(cardBox);
    m_footer = footer();
    column->addWidget(m_footer);

    connect(&state, &AppState::navigationChanged, this, &Sidebar::refresh);
    refresh();
}

QWidget* Sidebar::header(bool drawsTrafficLights)
{
    auto* header = new QWidget(this);
    header->setObjectName(QStringLiteral("sidebarHeader"));
    header->setFixedHeight(headerHeight);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(18, 0, 18, 0);
    row->setSpacing(18);
    if (drawsTrafficLights) {
        m_lights = new TrafficLights(header);
        m_lights->setObjectName(QStringLiteral("windowButtons"));
        connect(m_lights, &TrafficLights::closeClicked, this, [this] { window()->close(); });
        connect(m_lights, &TrafficLights::minimizeClicked, this, [this] { window()->showMinimized(); });
        connect(m_lights, &TrafficLights::zoomClicked, this, [this] {
            if (window()->isMaximized())
                window()->showNormal();
            else
                window()->showMaximized();
        });
        row->addWidget(m_lights);
    } else {
        row->addSpacing(52);
    }
    row->addWidget(new Wordmark(QStringLiteral("davud"), 18, header));
    row->addStretch(1);
    return header;
}

QWidget* Sidebar::footer()
{
    auto* footer = new QWidget(this);
    footer->setObjectName(QStringLiteral("sidebarFooter"));
    auto* row = new QHBoxLayout(footer);
    row->setContentsMargins(16, 13, 14, 12);
    row->setSpacing(10);
    row->addStretch(1);
    m_settings = new SIconButton(QStringLiteral("settings"), IconButtonVariant::Ghost, 36, footer);
    m_settings->setObjectName(QStringLiteral("settingsButton"));
    m_settings->setHelp(L10n::tr("Settings"));
    connect(m_settings, &SIconButton::clicked, this, [this] {
        endEditing(this);
        m_state.setSettingsOpen(true);
    });
    row->addWidget(m_settings);
    return footer;
}

NavItem* Sidebar::navItem(Screen screen) const
{
    for (const auto& [s, item] : m_nav)
        if (s == screen)
            return item;
    return nullptr;
}

void Sidebar::searchEdited(const QString& text)
{
    if (text == m_state.search())
        return;
    m_state.setSearch(text);
    if (m_state.screen() != Screen::history)
        m_state.setScreen(Screen::history);
}

bool Sidebar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == static_cast<QObject*>(m_search->lineEdit()) && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            // The first Escape clears the search, the next one leaves it.
            if (!m_search->text().isEmpty())
                m_search->setText(QString());
            else
                FocusGuard::neutralPlace(m_search)->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Sidebar::refresh()
{
    for (const auto& [screen, item] : m_nav)
        item->setOn(m_state.screen() == screen);
    if (m_search->text() != m_state.search())
        m_search->setText(m_state.search());
}

void Sidebar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Palette::surfaceCard.color());
    // The divider between the sidebar and the screen.
    painter.fillRect(QRectF(width() - 1, 0, 1, height()), Palette::borderDefault.color());
    Surface::topBorder(painter, QRectF(m_footer->geometry()).adjusted(0, 0, -1, 0), Palette::borderSubtle);
}
