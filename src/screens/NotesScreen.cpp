#include "screens/NotesScreen.h"

#include "core/L10n.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/components/Alert.h"
#include "design/components/SScrollBar.h"
#include "screens/NoteDetail.h"
#include "screens/NotesColumn.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QScrollArea>
#include <QShowEvent>

#include <algorithm>
#include <cmath>

NotesScreen::NotesScreen(AppState& state, const AppActions& actions, QWidget* parent, Clock& clock)
    : QWidget(parent)
    , m_model(state, actions, clock)
    , m_scroll(new QScrollArea(this))
    , m_column(new NotesColumn(state, m_model))
    , m_detail(new NoteDetail(state, m_model, clock, this))
{
    setObjectName(QStringLiteral("notesScreen"));
    m_scroll->setObjectName(QStringLiteral("notesColumnScroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scroll->setVerticalScrollBar(new SScrollBar(Qt::Vertical, m_scroll));
    m_scroll->viewport()->setAutoFillBackground(false);
    m_scroll->setWidget(m_column);
    // setWidget() turns the column's fill on; the screen shows through instead.
    m_column->setAutoFillBackground(false);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_scroll);
    // The column's divider is painted in this gap.
    layout->addSpacing(1);
    layout->addWidget(m_detail, 1);

    connect(&m_model, &NotesModel::changed, this, &NotesScreen::refresh);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

NotesScreen::~NotesScreen()
{
    // Leaving: pending edits are stored while the views are still whole.
    disconnect(&m_model, nullptr, this, nullptr);
    // The question lives on the window, which may outlast the screen.
    delete m_alert;
    m_model.disappear();
}

int NotesScreen::columnWidth(int screenWidth)
{
    return std::clamp(int(std::lround(0.26 * screenWidth)), 220, 280);
}

void NotesScreen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Only a real showing, not a window coming back from being minimised.
    if (!event->spontaneous() && !m_model.isShown())
        m_model.appear();
}

void NotesScreen::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous()) {
        if (m_alert)
            m_alert->done(-1);
        m_model.disappear();
    }
}

void NotesScreen::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_scroll->setFixedWidth(columnWidth(width()) - 1);
}

void NotesScreen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(QRect(columnWidth(width()) - 1, 0, 1, height()), Palette::borderDefault.color());
}

void NotesScreen::refresh()
{
    m_column->refresh();
    m_detail->refresh();
    syncAlert();
}

void NotesScreen::syncAlert()
{
    const std::optional<NoteFolder>& asked = m_model.folderToDelete();
    if (!asked) {
        if (m_alert)
            m_alert->done(-1);
        return;
    }
    if (m_alert)
        return;
    // Centred on the window, over everything in it.
    auto* alert = new Alert(this, m_model.deleteTitle(), m_model.deleteMessage());
    alert->setObjectName(QStringLiteral("deleteFolderAlert"));
    alert->addButton(L10n::tr("Cancel"), ButtonVariant::Secondary, true)->setObjectName(QStringLiteral("cancelDelete"));
    SButton* remove = alert->addButton(L10n::tr("Delete"), ButtonVariant::Danger);
    remove->setObjectName(QStringLiteral("confirmDelete"));
    connect(alert, &Alert::finished, &m_model, [this, remove, alert](int answer) {
        // Closing by itself: the refresh that follows must not close it again.
        m_alert = nullptr;
        if (answer >= 0 && alert->buttons().value(answer) == remove)
            m_model.confirmDelete();
        else
            m_model.dismissDelete();
    });
    m_alert = alert;
    alert->open();
}
