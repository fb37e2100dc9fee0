#include "design/components/SScrollBar.h"

#include "design/Palette.h"
#include "design/Theme.h"

SScrollBar::SScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent)
{
    restyle();
    connect(&Theme::instance(), &Theme::changed, this, &SScrollBar::restyle);
}

void SScrollBar::setInsets(int start, int end)
{
    m_start = start;
    m_end = end;
    restyle();
}

void SScrollBar::restyle()
{
    // A style sheet rather than painting: the thumb that is drawn is then
    // also the one the pointer grabs.
    const bool vertical = orientation() == Qt::Vertical;
    const QString bar = vertical ? QStringLiteral("vertical") : QStringLiteral("horizontal");
    const QString across = vertical ? QStringLiteral("width") : QStringLiteral("height");
    const QString along = vertical ? QStringLiteral("min-height") : QStringLiteral("min-width");
    const QString lines = vertical ? QStringLiteral("height") : QStringLiteral("width");
    setStyleSheet(QStringLiteral(
        "QScrollBar:%1 { background: transparent; border: none; %2: %3px; margin: %8; }"
        "QScrollBar::handle:%1 { background: %4; border-radius: 3px; margin: 2px; %5: 28px; }"
        "QScrollBar::handle:%1:hover, QScrollBar::handle:%1:pressed { background: %6; }"
        "QScrollBar::add-line:%1, QScrollBar::sub-line:%1 { %7: 0; border: none; background: none; }"
        "QScrollBar::add-page:%1, QScrollBar::sub-page:%1 { background: none; }")
                      .arg(bar, across, QString::number(thickness), Palette::neutral300.color().name(), along,
                           Palette::neutral400.color().name(), lines,
                           vertical ? QStringLiteral("%1px 0 %2px 0").arg(m_start).arg(m_end)
                                    : QStringLiteral("0 %2px 0 %1px").arg(m_start).arg(m_end)));
}
