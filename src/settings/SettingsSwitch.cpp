#include "settings/SettingsSwitch.h"

#include "design/Palette.h"
#include "design/Surface.h"
#include "design/Theme.h"
#include "design/components/SwitchRow.h"

#include <QPainter>
#include <QVBoxLayout>

SettingsSwitch::SettingsSwitch(const QString& title, const QString& description, bool checked, QWidget* parent)
    : QWidget(parent)
    , m_row(new SwitchRow(title, description, checked))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 6, 0, 7);
    layout->addWidget(m_row);
    connect(m_row, &SwitchRow::toggled, this, [this](bool on) {
        if (!m_setting)
            Q_EMIT toggled(on);
    });
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

bool SettingsSwitch::isChecked() const
{
    return m_row->isChecked();
}

void SettingsSwitch::setChecked(bool checked)
{
    m_setting = true;
    m_row->setChecked(checked);
    m_setting = false;
}

void SettingsSwitch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Surface::bottomBorder(painter, rect(), Palette::borderSubtle);
}
