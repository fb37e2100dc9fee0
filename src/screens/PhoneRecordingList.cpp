#include "screens/PhoneRecordingList.h"

#include "core/Format.h"
#include "core/L10n.h"
#include "design/Palette.h"
#include "design/Surface.h"
#include "design/Theme.h"
#include "design/ToolTipText.h"
#include "design/TypeModifier.h"
#include "design/components/IconTile.h"
#include "design/components/PopupMenu.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>

namespace {

constexpr int tile = 34;
constexpr int gap = 12;
const TypeModifier textType{14, QFont::Normal, 20};
const TypeModifier timeType{12, QFont::Normal, 20, -0.01};

} // namespace

PhoneRecordingList::PhoneRecordingList(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("phoneRecordingList"));
    setFixedHeight(sizeHint().height());
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

void PhoneRecordingList::setEntries(const QList<HistoryEntry>& entries)
{
    if (entries == m_entries)
        return;
    const bool resized = entries.size() != m_entries.size();
    m_entries = entries;
    if (resized)
        setFixedHeight(sizeHint().height());
    update();
}

int PhoneRecordingList::lineAt(int y) const
{
    if (y < 0 || m_entries.isEmpty())
        return -1;
    const int line = y / lineHeight;
    return line < m_entries.size() ? line : -1;
}

QMenu* PhoneRecordingList::makeMenu(int line)
{
    auto* menu = new PopupMenu(this);
    menu->setObjectName(QStringLiteral("recordingMenu"));
    const QString text = m_entries.value(line).text;
    connect(menu->addCommand(L10n::tr("Copy text")), &QAction::triggered, menu,
            [text] { QGuiApplication::clipboard()->setText(text); });
    return menu;
}

QSize PhoneRecordingList::sizeHint() const
{
    return QSize(400, lineHeight * std::max<int>(1, int(m_entries.size())));
}

QSize PhoneRecordingList::minimumSizeHint() const
{
    return QSize(tile + 2 * gap + 80, sizeHint().height());
}

bool PhoneRecordingList::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int line = lineAt(help->pos().y());
        if (line < 0 || m_entries.at(line).text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), ToolTipText::plain(m_entries.at(line).text), this,
                               QRect(0, line * lineHeight, width(), lineHeight));
        return true;
    }
    return QWidget::event(event);
}

void PhoneRecordingList::contextMenuEvent(QContextMenuEvent* event)
{
    const int line = lineAt(event->pos().y());
    if (line < 0)
        return;
    QMenu* menu = makeMenu(line);
    menu->popup(event->globalPos());
}

void PhoneRecordingList::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = width();
    auto frame = [&](int line, Tone tone) {
        const QRectF box(0, line * lineHeight, w, lineHeight);
        IconTile::paint(painter, QRectF(0, box.top() + 12, tile, tile), QStringLiteral("smartphone"),
                        IconTileStyle::of(tone, tile));
        Surface::bottomBorder(painter, box, Palette::borderSubtle);
        return QRectF(tile + gap, box.top() + 12 + (tile - 20) / 2.0, w - tile - gap, 20);
    };
    if (m_entries.isEmpty()) {
        const QRectF text = frame(0, Tone::neutral);
        textType.draw(painter, text, L10n::tr("No recordings from the phone yet."), Palette::textSecondary,
                      Qt::AlignLeft, false);
        return;
    }
    // Only the lines in the repainted area are drawn.
    const int first = std::max(0, event->rect().top() / lineHeight);
    const int last = std::min<int>(int(m_entries.size()) - 1, event->rect().bottom() / lineHeight);
    const QDateTime now = QDateTime::currentDateTime();
    for (int line = first; line <= last; ++line) {
        const HistoryEntry& entry = m_entries.at(line);
        const QRectF text = frame(line, Tone::green);
        const QString when = Format::day(entry.date, now) + QStringLiteral(", ") + Format::time(entry.date);
        const qreal whenWidth = std::ceil(timeType.measure(when).width());
        timeType.draw(painter, QRectF(text.right() - whenWidth, text.top(), whenWidth, text.height()), when,
                      Palette::textSecondary, Qt::AlignLeft, false);
        QString oneLine = entry.text;
        oneLine.replace(QLatin1Char('\n'), QLatin1Char(' '));
        textType.draw(painter, QRectF(text.left(), text.top(), std::max<qreal>(0, text.width() - whenWidth - gap), text.height()),
                      oneLine, Palette::textPrimary, Qt::AlignLeft, false);
    }
}
