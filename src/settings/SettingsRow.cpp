#include "settings/SettingsRow.h"

#include "design/Palette.h"
#include "design/Surface.h"
#include "design/Theme.h"
#include "design/components/SelectableLine.h"
#include "design/components/TextLabel.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

SettingsRow::SettingsRow(const QString& title, const QString& description, int top, int bottom, bool border,
                         QWidget* trailing, QWidget* parent)
    : QWidget(parent)
    , m_title(new TextLabel(title, TypeModifier{15, QFont::DemiBold, 20}, Palette::textPrimary))
    , m_description(new TextLabel(description, TypeModifier{13, QFont::Normal, 20}, Palette::textSecondary))
    , m_trailing(trailing)
    , m_border(border)
{
    m_title->setWordWrap(true);
    // A wide control (a wrapping row of chips) never squeezes the title away.
    m_title->setMinimumWidth(180);
    m_description->setVisible(!description.isEmpty());
    // A long description is cut, never widening the row.
    m_description->setMinimumWidth(0);
    m_description->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

    auto* text = new QVBoxLayout;
    text->setContentsMargins(0, 0, 0, 0);
    text->setSpacing(2);
    // Centred as one block beside a taller control.
    text->addStretch(1);
    text->addWidget(m_title);
    text->addWidget(m_description);
    text->addStretch(1);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, top, 0, bottom + (border ? 1 : 0));
    row->setSpacing(20);
    row->addLayout(text, 1);
    if (trailing)
        row->addWidget(trailing, 0, Qt::AlignVCenter);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

QString SettingsRow::title() const
{
    return m_title->text();
}

QString SettingsRow::description() const
{
    return m_description->text();
}

void SettingsRow::setDescription(const QString& description)
{
    m_description->setText(description);
    if (m_selectable) {
        m_selectable->setLine(description);
        m_selectable->setVisible(!description.isEmpty());
        return;
    }
    m_description->setVisible(!description.isEmpty());
}

SelectableLine* SettingsRow::makeDescriptionSelectable()
{
    if (m_selectable)
        return m_selectable;
    m_selectable = new SelectableLine(m_description->type(), m_description->color());
    m_selectable->setObjectName(QStringLiteral("selectableDescription"));
    auto* text = static_cast<QVBoxLayout*>(layout()->itemAt(0)->layout());
    text->insertWidget(text->indexOf(m_description) + 1, m_selectable);
    m_description->hide();
    setDescription(m_description->text());
    return m_selectable;
}

void SettingsRow::paintEvent(QPaintEvent*)
{
    if (!m_border)
        return;
    QPainter painter(this);
    Surface::bottomBorder(painter, rect(), Palette::borderSubtle);
}
