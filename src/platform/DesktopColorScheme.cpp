#include "platform/DesktopColorScheme.h"

#include "platform/linux/PortalColorScheme.h"

std::unique_ptr<DesktopColorScheme> DesktopColorScheme::create(QString* error)
{
    return std::make_unique<PortalColorScheme>(error);
}
