#include "design/components/SScrollBar.h"

#include "design/Palette.h"
#include "design/Theme.h"

SScrollBar::SScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent)
{
    connect(&Theme::instance(), &Theme::changed, this, &SScrollBar::restyle);
    restyle();
}

void SScrollBar::restyle()
{
    // A style sheet gives the thumb its whole track: no arrow buttons take room.
    const bool vertical = orientation() == Qt::Vertical;
    const QString bar = vertical ? QStringLiteral("vertical") : QStringLiteral("horizontal");
    const QString size = vertical ? QStringLiteral("width") : QStringLiteral("height");
    const QString length = vertical ? QStringLiteral("min-height") : QStringLiteral("min-width");
    setStyleSheet(QStringLiteral("QScrollBar:%1 { background: transparent; border: none; %2: %3px; margin: 0; }"
                                 "QScrollBar::handle:%1 { background: %4; border-radius: 3px; %5: 32px; margin: 2px; }"
                                 "QScrollBar::handle:%1:hover, QScrollBar::handle:%1:pressed { background: %6; }"
                                 "QScrollBar::add-line:%1, QScrollBar::sub-line:%1 { %2: 0; height: 0; width: 0; border: none; }"
                                 "QScrollBar::add-page:%1, QScrollBar::sub-page:%1 { background: transparent; }")
                      .arg(bar, size, QString::number(thickness), Palette::neutral300.color().name(), length,
                           Palette::neutral400.color().name()));
}
