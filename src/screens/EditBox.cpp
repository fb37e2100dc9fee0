#include "screens/EditBox.h"

#include "design/Onest.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/components/ControlStyle.h"
#include "screens/TranscriptText.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr qreal fontSize = 15;
constexpr qreal lineHeight = 24;

} // namespace

EditBox::EditBox(const QString& text, QWidget* parent)
    : QWidget(parent)
    , m_editor(new TranscriptText(fontSize, lineHeight, true, this))
{
    setObjectName(QStringLiteral("editBox"));
    m_editor->setObjectName(QStringLiteral("editor"));
    m_editor->setText(text);
    // A transcript holds no tabulated text: Tab goes on to Cancel and Save.
    m_editor->setTabChangesFocus(true);
    m_editor->installEventFilter(this);
    setFixedHeight(boxHeight);
    // The lines advance by 24 points; the spare room is split above and below.
    const qreal extra = lineHeight - Onest::naturalLineHeight(fontSize, QFont::Normal);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(11, int(std::round(13 + extra / 2)), 10, int(std::round(13 - extra / 2)));
    layout->addWidget(m_editor);
    connect(m_editor, &QTextEdit::textChanged, this, [this] { Q_EMIT textChanged(m_editor->text()); });
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

QString EditBox::text() const
{
    return m_editor->text();
}

void EditBox::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_focused)
        return;
    m_focused = true;
    // The caret stands in the editor at once, at the end of the text.
    m_editor->setFocus(Qt::OtherFocusReason);
    m_editor->moveCursor(QTextCursor::End);
}

bool EditBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_editor && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            Q_EMIT cancelled();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void EditBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = rect();
    ControlPaint::fill(painter, box, 10, Palette::surfaceCard.color());
    ControlPaint::innerBorder(painter, box, 10, Palette::borderFocus.color());
}
