#include "design/ToolTipText.h"

namespace ToolTipText {

QString plain(const QString& text)
{
    if (text.isEmpty())
        return {};
    return QStringLiteral("<p style=\"white-space:pre-wrap\">") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

} // namespace ToolTipText
