#include "screens/WordRow.h"

#include "core/L10n.h"
#include "design/Palette.h"
#include "design/Surface.h"
#include "design/Theme.h"
#include "design/components/Badge.h"
#include "design/components/ControlStyle.h"
#include "design/components/IconLabel.h"
#include "design/components/SIconButton.h"
#include "design/components/TextLabel.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

WordRow::WordRow(const VocabularyWord& word, QWidget* parent)
    : QWidget(parent)
    , m_word(word)
{
    setObjectName(QStringLiteral("wordRow"));
    // Holds the focus a keyboard deletion leaves in the list; Tab goes on to
    // its button.
    setFocusPolicy(Qt::ClickFocus);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 12, 0, 11);
    row->setSpacing(12);

    auto* lines = new QVBoxLayout;
    lines->setSpacing(2);
    auto* top = new QHBoxLayout;
    top->setSpacing(8);
    auto* text = new TextLabel(word.word, TypeModifier{15, QFont::Medium, 20}, Palette::textPrimary);
    text->setObjectName(QStringLiteral("word"));
    text->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    top->addWidget(text, 0);
    auto* badge = new Badge(VocabularyWord::languageName(word.language), BadgeTone::Neutral, true);
    badge->setObjectName(QStringLiteral("language"));
    top->addWidget(badge, 0, Qt::AlignVCenter);
    top->addStretch(1);
    lines->addLayout(top);

    auto* saved = new QHBoxLayout;
    saved->setSpacing(5);
    saved->addWidget(new IconLabel(QStringLiteral("check"), 13, Palette::textSecondary, 1.75), 0, Qt::AlignVCenter);
    saved->addWidget(new TextLabel(L10n::tr("Saved on this computer"), TypeModifier{12, QFont::Normal, 20},
                                   Palette::textSecondary), 1);
    lines->addLayout(saved);
    row->addLayout(lines, 1);

    m_delete = new SIconButton(QStringLiteral("x"), IconButtonVariant::Ghost, 30);
    m_delete->setObjectName(QStringLiteral("deleteWord"));
    m_delete->setIconSize(15);
    m_delete->setHelp(L10n::tr("Delete"));
    row->addWidget(m_delete, 0, Qt::AlignVCenter);
    connect(m_delete, &SIconButton::clicked, this, [this] { Q_EMIT deleteRequested(m_word.id); });
}

void WordRow::focusInEvent(QFocusEvent* event)
{
    m_ring = event->reason() != Qt::MouseFocusReason;
    update();
    QWidget::focusInEvent(event);
}

void WordRow::focusOutEvent(QFocusEvent* event)
{
    m_ring = false;
    update();
    QWidget::focusOutEvent(event);
}

void WordRow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Surface::topBorder(painter, QRectF(rect()), Palette::borderSubtle);
    if (m_ring) {
        // Inside the row: rows touch each other and the card's edges.
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal w = 3;
        QPainterPath band = ControlPaint::rounded(QRectF(rect()).adjusted(1, 1, -1, -1), 8);
        band = band.subtracted(ControlPaint::rounded(QRectF(rect()).adjusted(1 + w, 1 + w, -1 - w, -1 - w), 8 - w));
        painter.fillPath(band, Palette::ring.color());
    }
}
