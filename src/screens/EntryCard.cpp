#include "screens/EntryCard.h"

#include "core/AppGlyph.h"
#include "core/Format.h"
#include "core/L10n.h"
#include "design/Elevation.h"
#include "design/Palette.h"
#include "design/Surface.h"
#include "design/Theme.h"
#include "design/components/ControlStyle.h"
#include "design/components/Badge.h"
#include "design/components/IconTile.h"
#include "design/components/SButton.h"
#include "design/components/SIconButton.h"
#include "design/components/TextLabel.h"
#include "screens/EditBox.h"
#include "screens/TranscriptText.h"

#include <QFileInfo>
#include <QFocusEvent>
#include <QGraphicsOpacityEffect>
#include <QPainter>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

constexpr int radius = 16;
constexpr int buttonSize = 30;
constexpr int buttonGap = 2;
const QMargins padding(19, 17, 19, 13);
const QStringList allButtons = {QStringLiteral("pencil"), QStringLiteral("copy"), QStringLiteral("trash-2")};

bool blank(const QString& text)
{
    return text.trimmed().isEmpty();
}

// A part that goes may be the very button being clicked: it leaves after the click.
template <class Part>
void discard(Part*& part)
{
    part->hide();
    part->setParent(nullptr);
    part->deleteLater();
    part = nullptr;
}

} // namespace

EntryCard::Look EntryCard::look(const HistoryEntry& entry, bool editing, bool retrying)
{
    using Status = HistoryEntry::Status;
    Look look;
    const bool hasText = !entry.text.isEmpty();
    look.transcript = editing ? Look::Transcript::editor : hasText ? Look::Transcript::text : Look::Transcript::none;

    AudioBox::Look box;
    if (entry.status == Status::failed) {
        box.button = L10n::tr("Retry");
        box.warning = true;
        if (retrying) {
            box.icon = QStringLiteral("loader");
            box.title = L10n::tr("Transcribing again…");
        } else if (entry.offline) {
            box.icon = QStringLiteral("wifi-off");
            box.title = L10n::tr("No internet — not transcribed");
        } else {
            box.icon = QStringLiteral("circle-alert");
            box.title = L10n::tr("Not transcribed");
        }
    } else if (entry.status == Status::discarded && !editing && !hasText) {
        box.button = L10n::tr("Transcribe");
        box.icon = retrying ? QStringLiteral("loader") : QStringLiteral("archive");
        box.title = retrying ? L10n::tr("Transcribing again…") : L10n::tr("Never transcribed");
    }
    if (!box.icon.isEmpty()) {
        box.spinning = retrying;
        // Removed by hand, or History brought back without its audio.
        box.missing = !entry.audioFile || !QFileInfo::exists(History::audioPath(*entry.audioFile));
        box.canRetry = !retrying && !box.missing;
        look.box = box;
    }

    look.badge = entry.status == Status::discarded;
    if (!hasText)
        look.buttons = {QStringLiteral("trash-2")};
    else if (!editing)
        look.buttons = allButtons;
    look.opacity = entry.status == Status::discarded ? 0.7 : 1.0;
    return look;
}

QString EntryCard::metaText(const HistoryEntry& entry)
{
    QStringList parts{AppGlyph::name(entry), Format::time(entry.date)};
    if (entry.latency)
        parts << Format::seconds(*entry.latency);
    parts << Format::duration(entry.duration);
    if (!entry.text.isEmpty())
        parts << Format::words(History::wordCount(entry.text));
    return parts.join(QStringLiteral(" · "));
}

QMargins EntryCard::outset()
{
    return Shadow::margins(Elevation::Xs);
}

EntryCard::EntryCard(const Model& model, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_column(new QVBoxLayout(this))
{
    setObjectName(QStringLiteral("entryCard"));
    // The card holds the focus that a keyboard deletion leaves on the list,
    // and a click on it, so the list's keys (Page Down, arrows) work from
    // there. It is no Tab stop of its own; Tab goes on to its buttons.
    setFocusPolicy(Qt::ClickFocus);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    m_column->setContentsMargins(padding + outset());
    m_column->setSpacing(12);
    buildMeta();
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
    m_look = look(model.entry, model.editing, model.retrying);
    apply();
}

void EntryCard::setModel(const Model& model)
{
    const bool editingChanged = model.editing != m_model.editing;
    m_model = model;
    // An editor opened afresh starts from the screen's buffer.
    if (editingChanged && m_editor)
        discard(m_editor);
    m_look = look(model.entry, model.editing, model.retrying);
    apply();
}

void EntryCard::buildMeta()
{
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    m_tile = new IconTile({}, Tone::neutral, 22, this);
    m_tile->setRadius(6);
    m_tile->setIconSize(12);
    row->addWidget(m_tile);
    m_meta = new TextLabel({}, TypeModifier{12, QFont::Normal, 20, -0.01}, Palette::textSecondary, this);
    m_meta->setObjectName(QStringLiteral("meta"));
    // The meta text takes its own width, cut when the row is short of room,
    // so the badge follows right after it.
    m_meta->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    row->addWidget(m_meta, 0);
    m_badge = new Badge(L10n::tr("Cancelled"), BadgeTone::Neutral, true, false, this);
    row->addWidget(m_badge);
    row->addStretch(1);
    m_buttonSlot = new QWidget(this);
    m_buttonSlot->setAttribute(Qt::WA_TransparentForMouseEvents);
    row->addWidget(m_buttonSlot);
    const QStringList tips = {L10n::tr("Edit"), L10n::tr("Copy"), L10n::tr("Delete")};
    for (int i = 0; i < allButtons.size(); ++i) {
        auto* button = new SIconButton(allButtons.at(i), IconButtonVariant::Ghost, buttonSize, this);
        button->setIconSize(15);
        button->setHelp(tips.at(i));
        button->setObjectName(QStringLiteral("action-") + allButtons.at(i));
        button->resize(button->sizeHint());
        m_buttons.append(button);
    }
    connect(m_buttons.at(0), &SIconButton::clicked, this, &EntryCard::editClicked);
    connect(m_buttons.at(1), &SIconButton::clicked, this, &EntryCard::copyClicked);
    connect(m_buttons.at(2), &SIconButton::clicked, this, &EntryCard::deleteClicked);
    m_column->addLayout(row);
}

QWidget* EntryCard::editorBlock()
{
    auto* block = new QWidget(this);
    block->setObjectName(QStringLiteral("editorBlock"));
    auto* column = new QVBoxLayout(block);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    m_editBox = new EditBox(m_model.editText, block);
    column->addWidget(m_editBox);
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    row->addStretch(1);
    m_cancel = new SButton(L10n::tr("Cancel"), ButtonVariant::Ghost, ControlSize::Sm, block);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_save = new SButton(L10n::tr("Save"), ButtonVariant::Primary, ControlSize::Sm, block);
    m_save->setObjectName(QStringLiteral("saveButton"));
    m_save->setIcon(QStringLiteral("check"));
    m_save->setEnabled(!blank(m_model.editText));
    row->addWidget(m_cancel);
    row->addWidget(m_save);
    column->addLayout(row);
    connect(m_cancel, &SButton::clicked, this, &EntryCard::cancelClicked);
    connect(m_editBox, &EditBox::cancelled, this, &EntryCard::cancelClicked);
    connect(m_save, &SButton::clicked, this, &EntryCard::saveClicked);
    connect(m_editBox, &EditBox::textChanged, this, [this](const QString& text) {
        m_model.editText = text;
        m_save->setEnabled(!blank(text));
        Q_EMIT editTextChanged(text);
    });
    return block;
}

void EntryCard::apply()
{
    const HistoryEntry& entry = m_model.entry;
    int slot = 0;
    if (m_look.transcript == Look::Transcript::text) {
        if (!m_text) {
            m_text = new TranscriptText(15, 24, false, this);
            m_text->setObjectName(QStringLiteral("transcript"));
            m_column->insertWidget(slot, m_text);
            // Shown now when the card already shows: a part that waits for the
            // layout to show it is left out of the height the list measures (a
            // retry that brings text). Hiding it explicitly would keep it hidden.
            if (isVisible())
                m_text->show();
        }
        m_text->setText(entry.text);
        ++slot;
    } else if (m_text) {
        discard(m_text);
    }

    if (m_look.transcript == Look::Transcript::editor) {
        if (!m_editor) {
            m_editor = editorBlock();
            m_column->insertWidget(slot, m_editor);
            // Shown now, so the caret stands in it before another key comes.
            m_editor->setVisible(isVisible());
        }
        ++slot;
    } else if (m_editor) {
        discard(m_editor);
    }
    if (!m_editor) {
        m_editBox = nullptr;
        m_cancel = nullptr;
        m_save = nullptr;
    }

    if (m_look.box) {
        if (!m_box) {
            m_box = new AudioBox(*m_look.box, entry.duration, this);
            connect(m_box, &AudioBox::retryClicked, this, &EntryCard::retryClicked);
            m_column->insertWidget(slot, m_box);
            if (isVisible())
                m_box->show();
        } else {
            m_box->setLook(*m_look.box, entry.duration);
        }
    } else if (m_box) {
        discard(m_box);
    }

    // Tab goes down the card: the editor's or the box's buttons, made after
    // the meta row, come before its actions.
    QWidget* above = m_box ? static_cast<QWidget*>(m_box->button()) : m_save;
    for (SIconButton* button : m_buttons) {
        if (!above)
            break;
        QWidget::setTabOrder(above, button);
        above = button;
    }

    const AppGlyph::Glyph glyph = AppGlyph::icon(entry.appBundleID, entry.source);
    m_tile->setIcon(glyph.icon);
    m_tile->setTone(glyph.tone);
    m_meta->setText(metaText(entry));
    m_badge->setVisible(m_look.badge);
    int shown = 0;
    for (SIconButton* button : m_buttons) {
        button->setVisible(m_look.buttons.contains(button->icon()));
        shown += m_look.buttons.contains(button->icon()) ? 1 : 0;
    }
    // A lone Delete (a card without text) stands in a row only 20 high.
    const int slotHeight = shown == 0 ? 0 : shown == 1 && entry.text.isEmpty() ? 20 : buttonSize;
    m_buttonSlot->setFixedSize(shown * buttonSize + std::max(0, shown - 1) * buttonGap, slotHeight);

    // The whole card, shadow and border included, fades for a cancelled recording.
    if (m_look.opacity < 1.0) {
        if (!graphicsEffect()) {
            auto* fade = new QGraphicsOpacityEffect(this);
            fade->setOpacity(m_look.opacity);
            setGraphicsEffect(fade);
        }
    } else if (graphicsEffect()) {
        setGraphicsEffect(nullptr);
    }
    // Parts made while the card is hidden do not tell the layout they changed.
    m_column->invalidate();
    // A card not sized yet (a list measures it first) is laid out when it is:
    // at the default width its text would be wrapped for nothing.
    if (testAttribute(Qt::WA_Resized)) {
        m_column->activate();
        placeButtons();
    }
    updateGeometry();
    update();
}

void EntryCard::placeButtons()
{
    const QRect slot = m_buttonSlot->geometry();
    int x = slot.left();
    for (SIconButton* button : m_buttons) {
        if (button->isHidden())
            continue;
        button->move(x, slot.center().y() + 1 - button->height() / 2);
        button->raise();
        x += button->width() + buttonGap;
    }
}

void EntryCard::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeButtons();
}

SIconButton* EntryCard::actionButton(const QString& icon) const
{
    for (SIconButton* button : m_buttons)
        if (button->icon() == icon && !button->isHidden())
            return button;
    return nullptr;
}

QString EntryCard::meta() const
{
    return m_meta->text();
}

int EntryCard::heightForWidth(int width) const
{
    // While editing nothing wraps, and the layout has no height for a width.
    const int height = m_column->heightForWidth(width);
    return height >= 0 ? height : m_column->sizeHint().height();
}

void EntryCard::focusInEvent(QFocusEvent* event)
{
    m_ring = event->reason() != Qt::MouseFocusReason;
    update();
    QWidget::focusInEvent(event);
}

void EntryCard::focusOutEvent(QFocusEvent* event)
{
    m_ring = false;
    update();
    QWidget::focusOutEvent(event);
}

void EntryCard::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(rect()).marginsRemoved(outset());
    Surface::card(painter, card, radius, Elevation::Xs, m_model.editing ? Palette::borderFocus : Palette::borderDefault);
    if (m_ring) {
        const qreal w = EditBox::ringWidth;
        QPainterPath band = ControlPaint::rounded(card.adjusted(-w, -w, w, w), radius + w);
        band = band.subtracted(ControlPaint::rounded(card, radius));
        painter.fillPath(band, Palette::ring.color());
    }
    if (m_editBox) {
        const QRectF box(m_editBox->mapTo(this, QPoint(0, 0)), m_editBox->size());
        const qreal ring = EditBox::ringWidth;
        ControlPaint::fill(painter, box.adjusted(-ring, -ring, ring, ring), 13, Palette::ring.color());
    }
}
