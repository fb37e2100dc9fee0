#include "screens/NoteHeader.h"

#include "core/Format.h"
#include "core/L10n.h"
#include "design/Icon.h"
#include "design/Palette.h"
#include "design/Surface.h"
#include "design/Theme.h"
#include "design/TypeModifier.h"
#include "design/components/SButton.h"
#include "design/components/SIconButton.h"

#include <QHBoxLayout>
#include <QPainter>

#include <cmath>
#include <utility>

namespace {

constexpr int paddingX = 32;
constexpr int paddingTop = 16;
constexpr int paddingBottom = 17;
constexpr int spacing = 10;
constexpr int metaSpacing = 6;
constexpr int folderIcon = 14;
constexpr int deleteSize = 34;

TypeModifier metaType()
{
    return {13, QFont::Normal, 20};
}

} // namespace

NoteHeader::NoteHeader(AppState& state, NotesModel& model, Clock& clock, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_model(model)
    , m_clock(clock)
    , m_dictation(new SButton(L10n::tr("Write by voice"), ButtonVariant::Soft, ControlSize::Sm, this))
    , m_delete(new SIconButton(QStringLiteral("trash-2"), IconButtonVariant::Ghost, deleteSize, this))
{
    m_dictation->setObjectName(QStringLiteral("dictationButton"));
    m_delete->setObjectName(QStringLiteral("deleteNoteButton"));
    m_delete->setHelp(L10n::tr("Delete"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(paddingX, paddingTop, paddingX, paddingBottom);
    row->setSpacing(spacing);
    row->addStretch(1);
    row->addWidget(m_dictation);
    row->addWidget(m_delete);

    connect(m_dictation, &SButton::clicked, this, [this] { m_model.pressDictation(m_note); });
    connect(m_delete, &SIconButton::clicked, this, [this] { m_model.deleteNote(m_note); });
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

NoteHeader::~NoteHeader()
{
    stopTicking();
}

void NoteHeader::setNote(const Note& note)
{
    m_note = note.id;
    const QString folder = m_model.folderName(note.folderID);
    const QString time = Format::dayAndTime(note.updated, m_clock.now());
    if (folder != m_folder || time != m_time) {
        m_folder = folder;
        m_time = time;
        update();
    }
    refreshDictation();
}

void NoteHeader::refreshDictation()
{
    const NotesModel::Dictation offered = m_model.dictation(m_note);
    const bool busy = offered == NotesModel::Dictation::stop || offered == NotesModel::Dictation::processing;
    m_dictation->setVariant(busy ? ButtonVariant::Danger : ButtonVariant::Soft);
    m_dictation->setIcon(busy ? QStringLiteral("square") : QStringLiteral("mic"));
    m_dictation->setEnabled(offered != NotesModel::Dictation::writeDisabled);
    if (offered == NotesModel::Dictation::processing) {
        // A new stage starts its own count of seconds.
        if (!m_ticker || m_state.processingStarted() != m_tickingFrom)
            tick();
        return;
    }
    stopTicking();
    m_dictation->setText(offered == NotesModel::Dictation::stop ? L10n::tr("Stop") : L10n::tr("Write by voice"));
}

void NoteHeader::tick()
{
    stopTicking();
    m_tickingFrom = m_state.processingStarted();
    // Ticks fall on whole seconds after processing started.
    const QDateTime start = m_state.processingStarted().value_or(m_clock.now());
    const qint64 elapsedMs = std::max<qint64>(0, start.msecsTo(m_clock.now()));
    const qint64 seconds = elapsedMs / 1000;
    m_dictation->setText(m_state.processingMessage(start.addSecs(seconds)));
    m_ticker = m_clock.schedule((seconds + 1) * 1000 - elapsedMs, this, [this] {
        m_ticker.reset();
        tick();
    });
}

void NoteHeader::stopTicking()
{
    if (m_ticker)
        m_clock.cancel(*std::exchange(m_ticker, std::nullopt));
}

QSize NoteHeader::sizeHint() const
{
    return QSize(400, paddingTop + deleteSize + paddingBottom);
}

QSize NoteHeader::minimumSizeHint() const
{
    return QSize(2 * paddingX + deleteSize, sizeHint().height());
}

void NoteHeader::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    Surface::bottomBorder(painter, rect(), Palette::borderSubtle);

    // The meta line: folder icon, folder name (cut when short of room), a
    // dot and the time, which is never cut.
    const TypeModifier type = metaType();
    const qreal top = paddingTop;
    const qreal box = height() - paddingTop - paddingBottom;
    const qreal right = m_dictation->geometry().left() - spacing;
    qreal x = paddingX;
    Icon::paint(painter, QStringLiteral("folder"), QPointF(x, top + (box - folderIcon) / 2), folderIcon,
                Palette::textSecondary, 1.75);
    x += folderIcon + metaSpacing;
    const QString dot = QStringLiteral("·");
    const qreal dotWidth = std::ceil(type.measure(dot).width());
    const qreal timeWidth = std::ceil(type.measure(m_time).width());
    const qreal nameRoom = std::max<qreal>(0, right - x - 2 * metaSpacing - dotWidth - timeWidth);
    const qreal nameWidth = std::min(nameRoom, std::ceil(type.measure(m_folder).width()));
    type.draw(painter, QRectF(x, top, nameWidth, box), m_folder, Palette::textSecondary, Qt::AlignLeft, false);
    x += nameWidth + metaSpacing;
    type.draw(painter, QRectF(x, top, dotWidth, box), dot, Palette::textSecondary, Qt::AlignLeft, false);
    x += dotWidth + metaSpacing;
    type.draw(painter, QRectF(x, top, timeWidth + 1, box), m_time, Palette::textSecondary, Qt::AlignLeft, false);
}
