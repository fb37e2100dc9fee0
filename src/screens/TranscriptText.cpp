#include "screens/TranscriptText.h"

#include "design/Onest.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/components/SScrollBar.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QWheelEvent>

#include <cmath>

void TranscriptText::keyPressEvent(QKeyEvent* event)
{
    // A shown transcript does not scroll: the keys that page and scroll go
    // to the list it stands in, as after a click anywhere else on the card.
    static const QList<int> paging{Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Up, Qt::Key_Down};
    if (isReadOnly() && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && paging.contains(event->key())) {
        event->ignore();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

TranscriptText::TranscriptText(qreal fontSize, qreal lineHeight, bool editable, QWidget* parent)
    : QTextEdit(parent)
    , m_lineHeight(lineHeight)
    , m_measure(new QTextDocument(this))
{
    setFrameShape(QFrame::NoFrame);
    setAcceptRichText(false);
    setReadOnly(!editable);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(editable ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBar(new SScrollBar(Qt::Vertical, this));
    setTextInteractionFlags(editable ? Qt::TextEditorInteraction
                                     : Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(editable ? Qt::StrongFocus : Qt::ClickFocus);
    document()->setDocumentMargin(0);
    setFont(Onest::font(fontSize, QFont::Normal));
    document()->setDefaultFont(font());
    m_measure->setDocumentMargin(0);
    m_measure->setDefaultFont(font());
    viewport()->setAutoFillBackground(false);
    QSizePolicy policy(QSizePolicy::Expanding, editable ? QSizePolicy::Expanding : QSizePolicy::Preferred);
    policy.setHeightForWidth(!editable);
    setSizePolicy(policy);
    if (!editable)
        viewport()->setCursor(Qt::IBeamCursor);
    // Lines typed later keep the fixed height too.
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int, int added) {
        if (added > 0)
            applyLineHeight();
    });
    connect(&Theme::instance(), &Theme::changed, this, &TranscriptText::restyle);
    restyle();
}

QString TranscriptText::text() const
{
    // The raw text keeps non-breaking spaces as typed.
    QString raw = document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    raw.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return raw;
}

void TranscriptText::setText(const QString& text)
{
    if (text == this->text())
        return;
    setPlainText(text);
    applyLineHeight();
    m_measure->setPlainText(text);
    QTextCursor all(m_measure);
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(document()->begin().blockFormat());
    m_measure->setTextWidth(-1);
    updateGeometry();
}

void TranscriptText::applyLineHeight()
{
    QTextBlockFormat format;
    format.setLineHeight(m_lineHeight, QTextBlockFormat::FixedHeight);
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    const QSignalBlocker blocker(document());
    all.mergeBlockFormat(format);
}

int TranscriptText::heightForWidth(int width) const
{
    // Measured on a copy: the editor lays its own document out at whatever
    // width it has at the moment, whatever textWidth() says.
    if (!qFuzzyCompare(m_measure->textWidth(), qreal(width)))
        m_measure->setTextWidth(width);
    return int(std::ceil(m_measure->size().height()));
}

QSize TranscriptText::sizeHint() const
{
    const int width = std::max(this->width(), 1);
    if (!isReadOnly())
        return QSize(width, int(m_lineHeight * 4));
    // Not sized yet, the width is a default no layout gives it: a line
    // stands in rather than wrapping a long text there for nothing.
    if (!testAttribute(Qt::WA_Resized))
        return QSize(width, int(m_lineHeight));
    return QSize(width, heightForWidth(width));
}

QSize TranscriptText::minimumSizeHint() const
{
    return QSize(40, int(m_lineHeight));
}

void TranscriptText::wheelEvent(QWheelEvent* event)
{
    // A transcript shown whole never scrolls: the list around it does.
    if (isReadOnly()) {
        event->ignore();
        return;
    }
    QTextEdit::wheelEvent(event);
}

void TranscriptText::restyle()
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Text, Palette::textPrimary.color());
    palette.setColor(QPalette::Base, Qt::transparent);
    palette.setColor(QPalette::Highlight, Palette::blue200.color());
    palette.setColor(QPalette::HighlightedText, Palette::textPrimary.color());
    setPalette(palette);
    viewport()->update();
}
