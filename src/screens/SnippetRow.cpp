#include "screens/SnippetRow.h"

#include "core/L10n.h"
#include "design/Onest.h"
#include "design/Palette.h"
#include "design/Surface.h"
#include "design/Theme.h"
#include "design/ToolTipText.h"
#include "design/components/ControlStyle.h"
#include "design/components/IconLabel.h"
#include "design/components/SIconButton.h"
#include "design/components/TextLabel.h"

#include <QHBoxLayout>
#include <QPainter>

namespace {

// The trigger on a soft brand pill, cut at its right edge when too long.
class TriggerChip final : public QWidget {
public:
    explicit TriggerChip(const QString& trigger)
        : m_trigger(trigger)
    {
        setObjectName(QStringLiteral("trigger"));
        setFixedSize(130, 24);
        setToolTip(ToolTipText::plain(trigger));
        QObject::connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF box(rect());
        const QPainterPath shape = ControlPaint::rounded(box, 6);
        painter.setClipPath(shape);
        ControlPaint::fill(painter, box, 6, Palette::surfaceBrandSoft.color());
        painter.setFont(Onest::font(13, QFont::DemiBold));
        painter.setPen(Palette::brand.color());
        painter.drawText(box.adjusted(10, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_trigger);
        ControlPaint::innerBorder(painter, box, 6, Palette::blue200.color());
    }

private:
    QString m_trigger;
};

} // namespace

SnippetRow::SnippetRow(const Snippet& snippet, QWidget* parent)
    : QWidget(parent)
    , m_snippet(snippet)
{
    setObjectName(QStringLiteral("snippetRow"));
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 14, 0, 15);
    row->setSpacing(14);

    auto* trigger = new QWidget;
    trigger->setFixedWidth(170);
    auto* triggerRow = new QHBoxLayout(trigger);
    triggerRow->setContentsMargins(0, 1, 0, 0);
    triggerRow->setSpacing(8);
    m_chip = new TriggerChip(snippet.trigger);
    triggerRow->addWidget(m_chip, 0, Qt::AlignVCenter);
    triggerRow->addWidget(new IconLabel(QStringLiteral("arrow-right"), 15, Palette::textTertiary, 1.75), 0,
                          Qt::AlignVCenter);
    triggerRow->addStretch(1);
    row->addWidget(trigger, 0, Qt::AlignTop);

    auto* text = new TextLabel(snippet.text, TypeModifier{14, QFont::Normal, 21}, Palette::textBody);
    text->setObjectName(QStringLiteral("snippetText"));
    text->setWordWrap(true);
    row->addWidget(text, 1, Qt::AlignTop);

    m_delete = new SIconButton(QStringLiteral("x"), IconButtonVariant::Ghost, 30);
    m_delete->setObjectName(QStringLiteral("deleteSnippet"));
    m_delete->setIconSize(15);
    m_delete->setHelp(L10n::tr("Delete"));
    row->addWidget(m_delete, 0, Qt::AlignTop);
    connect(m_delete, &SIconButton::clicked, this, [this] { Q_EMIT deleteRequested(m_snippet.id); });
}

void SnippetRow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Surface::bottomBorder(painter, QRectF(rect()), Palette::borderSubtle);
}
