#include "screens/NoteFindBar.h"

#include "core/L10n.h"
#include "design/components/SInput.h"
#include "screens/NoteTextView.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QTextDocument>

NoteFindBar::NoteFindBar(NoteTextView& body, QWidget* parent)
    : QWidget(parent)
    , m_body(body)
    , m_field(new SInput(L10n::tr("Find in note"), ControlSize::Sm, this))
{
    m_field->setObjectName(QStringLiteral("findField"));
    m_field->setIcon(QStringLiteral("search"));
    m_field->setSunken(true);
    m_field->setFixedWidth(280);
    m_field->lineEdit()->installEventFilter(this);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_field);
    row->addStretch(1);
    hide();

    auto* shortcut = new QShortcut(QKeySequence::Find, &m_body, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, &NoteFindBar::open);
    connect(m_field, &SInput::textChanged, this, [this] { find(false, true); });
}

void NoteFindBar::open()
{
    show();
    m_field->requestFocus();
    m_field->lineEdit()->selectAll();
}

void NoteFindBar::close()
{
    hide();
    m_field->setError(false);
    m_body.setFocus(Qt::OtherFocusReason);
}

void NoteFindBar::find(bool backward, bool fromSelectionStart)
{
    const QString needle = m_field->text();
    if (needle.isEmpty()) {
        m_field->setError(false);
        return;
    }
    const QTextDocument::FindFlags flags = backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    QTextCursor from = m_body.textCursor();
    // While typing, the match may grow where it stands.
    if (fromSelectionStart)
        from.setPosition(from.selectionStart());
    QTextCursor match = m_body.document()->find(needle, from, flags);
    if (match.isNull()) {
        QTextCursor wrap(m_body.document());
        if (backward)
            wrap.movePosition(QTextCursor::End);
        match = m_body.document()->find(needle, wrap, flags);
    }
    m_field->setError(match.isNull());
    if (match.isNull())
        return;
    m_body.setTextCursor(match);
    m_body.ensureCursorVisible();
}

bool NoteFindBar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            close();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            find(key->modifiers() & Qt::ShiftModifier, false);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
