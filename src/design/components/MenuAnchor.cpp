#include "design/components/MenuAnchor.h"

#include "design/Onest.h"

#include <QMenu>
#include <QWidget>

namespace MenuAnchor {

QFont menuFont()
{
    return Onest::font(14, QFont::Normal);
}

QString menuText(const QString& label)
{
    return QString(label).replace(u'&', QStringLiteral("&&"));
}

void popUp(QMenu* menu, QWidget* anchor, QAction* positioning)
{
    menu->setFont(menuFont());
    menu->popup(anchor->mapToGlobal(QPoint(0, anchor->height() - 4)), positioning);
}

} // namespace MenuAnchor
