#include "settings/SettingsGroupLabel.h"

#include "design/Palette.h"
#include "design/components/TextLabel.h"

#include <QVBoxLayout>

SettingsGroupLabel::SettingsGroupLabel(const QString& text, int top, QWidget* parent)
    : QWidget(parent)
    , m_text(text)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, top, 0, 2);
    layout->addWidget(new TextLabel(text, TypeModifier{13, QFont::DemiBold, 20}, Palette::textTertiary));
}
