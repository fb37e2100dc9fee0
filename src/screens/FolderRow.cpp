#include "screens/FolderRow.h"

#include "core/L10n.h"
#include "design/Onest.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/components/PopupMenu.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

FolderRow::FolderRow(QWidget* parent)
    : NotesListRow(QStringLiteral("folder"), 17, QString(), false, parent)
    , m_field(new QLineEdit(this))
{
    m_field->setFrame(false);
    m_field->setObjectName(QStringLiteral("renameField"));
    m_field->setContextMenuPolicy(Qt::NoContextMenu);
    m_field->installEventFilter(this);
    m_field->hide();
    styleField();
    connect(&Theme::instance(), &Theme::changed, this, &FolderRow::styleField);
    connect(this, &AbstractControl::clicked, this, [this] {
        if (!m_renaming)
            Q_EMIT picked();
    });
}

void FolderRow::styleField()
{
    QPalette palette = m_field->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    palette.setColor(QPalette::Text, Palette::textPrimary.color());
    palette.setColor(QPalette::Highlight, Palette::blue200.color());
    palette.setColor(QPalette::HighlightedText, Palette::textPrimary.color());
    m_field->setPalette(palette);
    m_field->setFont(Onest::font(14, look().weight));
}

void FolderRow::setFolder(const QString& name, int count, bool on)
{
    setText(name);
    setCount(count);
    setOn(on);
    setIcon(on ? QStringLiteral("folder-open") : QStringLiteral("folder"));
    m_field->setGeometry(labelRect().toAlignedRect());
}

void FolderRow::setRenaming(bool renaming)
{
    if (renaming == m_renaming)
        return;
    m_renaming = renaming;
    // While renaming, a click on the row must not take the focus from the field.
    setFocusPolicy(renaming ? Qt::NoFocus : Qt::StrongFocus);
    if (renaming) {
        styleField();
        m_field->setText(text());
        m_field->setGeometry(labelRect().toAlignedRect());
        m_field->show();
        // Once the field is on screen.
        QTimer::singleShot(0, m_field, [field = m_field] {
            field->setFocus(Qt::OtherFocusReason);
            field->selectAll();
        });
    } else {
        // The row keeps the focus the field had, so it does not wander to
        // the next control.
        if (m_field->hasFocus())
            setFocus(Qt::OtherFocusReason);
        m_field->hide();
    }
    update();
}

void FolderRow::commit()
{
    if (!m_renaming)
        return;
    const QString draft = m_field->text();
    // Leaving rename mode here first: the field's focus loss that follows
    // must not commit a second time.
    setRenaming(false);
    Q_EMIT renamed(draft);
    Q_EMIT renamingRequested(false);
}

void FolderRow::cancel()
{
    if (!m_renaming)
        return;
    setRenaming(false);
    Q_EMIT renamingRequested(false);
}

bool FolderRow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_field)
        return NotesListRow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Escape belongs to the field while it is open, not to window shortcuts.
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            commit();
            return true;
        }
        if (key == Qt::Key_Escape) {
            cancel();
            return true;
        }
        break;
    }
    case QEvent::FocusOut: {
        // Focus is followed within the window: another window taking over,
        // or a popup, leaves the field open as it is for the user's return.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            commit();
        break;
    }
    default:
        break;
    }
    return NotesListRow::eventFilter(watched, event);
}

void FolderRow::mousePressEvent(QMouseEvent* event)
{
    if (m_renaming) {
        event->accept();
        return;
    }
    NotesListRow::mousePressEvent(event);
}

void FolderRow::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The first click of the pair has already picked the folder.
    event->accept();
    if (!m_renaming && event->button() == Qt::LeftButton)
        Q_EMIT renamingRequested(true);
}

void FolderRow::contextMenuEvent(QContextMenuEvent* event)
{
    delete m_menu;
    auto* menu = new PopupMenu(this);
    m_menu = menu;
    m_menu->setObjectName(QStringLiteral("folderMenu"));
    QAction* rename = menu->addCommand(L10n::tr("Rename"));
    rename->setObjectName(QStringLiteral("renameAction"));
    connect(rename, &QAction::triggered, this, [this] { Q_EMIT renamingRequested(true); });
    m_menu->addSeparator();
    QAction* remove = menu->addCommand(L10n::tr("Delete"));
    remove->setObjectName(QStringLiteral("deleteAction"));
    connect(remove, &QAction::triggered, this, &FolderRow::deleteRequested);
    m_menu->popup(event->globalPos());
    event->accept();
}

void FolderRow::resizeEvent(QResizeEvent* event)
{
    NotesListRow::resizeEvent(event);
    m_field->setGeometry(labelRect().toAlignedRect());
}
