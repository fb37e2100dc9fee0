#include "screens/NoteTextView.h"

#include "design/Palette.h"
#include "design/Theme.h"
#include "design/components/SScrollBar.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>

#include <algorithm>
#include <cmath>

namespace {

bool isLineBreak(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x0A && u <= 0x0D) || u == 0x85 || u == 0x2028 || u == 0x2029;
}

// Characters the document turns into a paragraph break when text is
// inserted, and the line separator, which would stay in the text as it is.
bool breaksParagraph(QChar c)
{
    const char16_t u = c.unicode();
    return u == '\n' || u == '\r' || u == QChar::ParagraphSeparator || u == QChar::LineSeparator || u == 0xFDD0
        || u == 0xFDD1;
}

// The document's own separators as the line feeds the note stores.
QString withLineFeeds(QString text)
{
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    }
    return text;
}

} // namespace

NoteTextView::NoteTextView(const TypeModifier& type, const ColorToken& color, bool singleLine, QWidget* parent)
    : QTextEdit(parent)
    , m_type(type)
    , m_color(color)
    , m_singleLine(singleLine)
{
    setFrameShape(QFrame::NoFrame);
    setAcceptRichText(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(singleLine ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    setVerticalScrollBar(new SScrollBar(Qt::Vertical, this));
    setLineWrapMode(singleLine ? QTextEdit::NoWrap : QTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    viewport()->setAutoFillBackground(false);
    // Tab leaves the title for the body; the body keeps it for its text and
    // is left with Ctrl+Tab.
    setTabChangesFocus(singleLine);

    const QFont font = m_type.font();
    setFont(font);
    QTextDocument* doc = document();
    doc->setDefaultFont(font);
    doc->setDocumentMargin(0);

    // Qt puts a fixed line's baseline at 4/5 of its height (less the
    // leading); shifting the whole text centres the glyphs in every line.
    const qreal line = m_type.lineHeight();
    const QFontMetricsF metrics(font);
    const qreal centred = (line - metrics.ascent() - metrics.descent()) / 2 + metrics.ascent();
    const qreal placed = line * 4 / 5 - std::max<qreal>(metrics.leading(), 0);
    QTextFrameFormat frame = doc->rootFrame()->frameFormat();
    frame.setTopMargin(centred - placed);
    doc->rootFrame()->setFrameFormat(frame);

    QTextBlockFormat block;
    block.setLineHeight(line, QTextBlockFormat::FixedHeight);
    QTextCursor(doc).setBlockFormat(block);
    doc->clearUndoRedoStacks();

    // Scrolled by whole lines, so that no sliver of a line shows at the top.
    if (!singleLine) {
        connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] {
            QScrollBar* bar = verticalScrollBar();
            const int position = bar->sliderPosition();
            if (position <= bar->minimum() || position >= bar->maximum())
                return;
            const qreal step = m_type.lineHeight();
            bar->setSliderPosition(std::min(bar->maximum(), int(std::round(std::round(position / step) * step))));
        });
    }

    applyColors();
    connect(&Theme::instance(), &Theme::changed, this, &NoteTextView::applyColors);
    connect(doc, &QTextDocument::contentsChanged, this, &NoteTextView::contentsChanged);
}

void NoteTextView::applyColors()
{
    // The text has no colour of its own: it takes the palette's, so a theme
    // switch needs no (undoable) format change. The caret follows it.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Text, m_color.color());
    palette.setColor(QPalette::Base, Qt::transparent);
    palette.setColor(QPalette::Highlight, Palette::blue200.color());
    palette.setColor(QPalette::HighlightedText, m_color.color());
    setPalette(palette);
    viewport()->update();
}

QString NoteTextView::documentForm(const QString& text)
{
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return breaksParagraph(c) && c != u'\n'; }))
        return text;
    QString form = text;
    form.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (QChar& c : form) {
        if (breaksParagraph(c))
            c = u'\n';
    }
    return form;
}

QString NoteTextView::joinLines(const QString& text)
{
    QString joined = text;
    for (QChar& c : joined) {
        if (isLineBreak(c))
            c = u' ';
    }
    return joined;
}

QString NoteTextView::documentText() const
{
    // toPlainText() would turn non-breaking spaces into spaces.
    return withLineFeeds(document()->toRawText());
}

void NoteTextView::contentsChanged()
{
    m_text = documentText();
    if (!m_replacing)
        Q_EMIT edited(m_text);
    if (m_text.isEmpty())
        viewport()->update();
}

void NoteTextView::setText(const QString& text)
{
    if (text == m_text)
        return;
    const QString wanted = documentForm(text);
    if (wanted == m_text || wanted.normalized(QString::NormalizationForm_C) == m_text.normalized(QString::NormalizationForm_C))
        return;

    // Only the part that differs is replaced: the rest keeps its layout.
    const QString& old = m_text;
    qsizetype prefix = 0;
    const qsizetype shorter = std::min(old.size(), wanted.size());
    while (prefix < shorter && old.at(prefix) == wanted.at(prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && old.at(old.size() - 1 - suffix) == wanted.at(wanted.size() - 1 - suffix))
        ++suffix;

    QTextDocument* doc = document();
    {
        const QScopedValueRollback<bool> replacing(m_replacing, true);
        // Off and on again empties the undo history: its steps would refer
        // to text that is no longer there.
        doc->setUndoRedoEnabled(false);
        QTextCursor edit(doc);
        edit.setPosition(int(prefix));
        edit.setPosition(int(old.size() - suffix), QTextCursor::KeepAnchor);
        edit.insertText(wanted.mid(prefix, wanted.size() - suffix - prefix));
        doc->setUndoRedoEnabled(true);
    }
    m_text = documentText();
    // What came in from outside (a dictation) is where the user looks next,
    // focused or not.
    QTextCursor end = textCursor();
    end.movePosition(QTextCursor::End);
    setTextCursor(end);
    ensureCursorVisible();
    viewport()->update();
}

void NoteTextView::setPlaceholder(const QString& placeholder)
{
    m_placeholder = placeholder;
    viewport()->update();
}

void NoteTextView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QTextEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (m_singleLine || isReadOnly())
        return;
    // With Shift, Alt or Ctrl too: Qt would put a line separator or nothing,
    // and the note stores plain line feeds.
    QTextCursor cursor = textCursor();
    cursor.insertBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

bool NoteTextView::canInsertFromMimeData(const QMimeData* source) const
{
    return source->hasText();
}

void NoteTextView::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText())
        return;
    // Plain text only, in the view's own style, as one undoable step.
    const QString text = m_singleLine ? joinLines(source->text()) : documentForm(source->text());
    QTextCursor cursor = textCursor();
    // An edit block of its own, so undo does not take the typing before it too.
    cursor.beginEditBlock();
    cursor.insertText(text, QTextCharFormat());
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

QMimeData* NoteTextView::createMimeDataFromSelection() const
{
    auto* data = new QMimeData;
    data->setText(withLineFeeds(textCursor().selectedText()));
    return data;
}

void NoteTextView::paintEvent(QPaintEvent* event)
{
    QTextEdit::paintEvent(event);
    if (!m_text.isEmpty() || m_placeholder.isEmpty())
        return;
    QPainter painter(viewport());
    const qreal width = viewport()->width();
    m_type.draw(painter, QRectF(0, 0, width, m_type.lineHeight()), m_placeholder, Palette::textTertiary, Qt::AlignLeft,
                false);
}
