#include "design/components/MenuAnchor.h"

#include "design/Onest.h"

namespace MenuAnchor {

QFont menuFont()
{
    return Onest::font(14, QFont::Normal);
}

QString menuText(const QString& label)
{
    return QString(label).replace(u'&', QStringLiteral("&&"));
}

} // namespace MenuAnchor
