#include "screens/NoteRow.h"

#include "core/L10n.h"
#include "design/Palette.h"
#include "design/components/ControlStyle.h"

#include <QPainter>

NoteRow::NoteRow(QWidget* parent)
    : AbstractControl(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void NoteRow::setNote(const QString& title, const QString& snippet, bool on)
{
    if (title == m_title && snippet == m_snippet && on == m_on)
        return;
    m_title = title;
    m_snippet = snippet;
    m_on = on;
    setAccessibleName(shownTitle());
    update();
}

QString NoteRow::shownTitle() const
{
    // A title of spaces is a title: only one with no characters is untitled.
    return m_title.isEmpty() ? L10n::tr("Untitled note") : m_title;
}

QString NoteRow::shownSnippet() const
{
    return m_snippet.isEmpty() ? L10n::tr("Empty") : m_snippet;
}

QSize NoteRow::sizeHint() const
{
    const int height = 2 * padding + int(titleType().lineHeight() + snippetType().lineHeight()) + gap;
    return QSize(200, height);
}

QSize NoteRow::minimumSizeHint() const
{
    return QSize(2 * padding, sizeHint().height());
}

void NoteRow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = rect();
    if (m_on) {
        ControlPaint::fill(painter, box, radius, Palette::surfaceCard.color());
        ControlPaint::innerBorder(painter, box, radius, Palette::borderDefault.color());
    } else if (isHovered()) {
        ControlPaint::fill(painter, box, radius, Palette::surfaceHover.color());
    }
    const TypeModifier title = titleType();
    const TypeModifier snippet = snippetType();
    const qreal width = box.width() - 2 * padding;
    title.draw(painter, QRectF(padding, padding, width, title.lineHeight()), shownTitle(), Palette::textPrimary,
               Qt::AlignLeft, false);
    snippet.draw(painter, QRectF(padding, padding + title.lineHeight() + gap, width, snippet.lineHeight()),
                 shownSnippet(), Palette::textSecondary, Qt::AlignLeft, false);
}
