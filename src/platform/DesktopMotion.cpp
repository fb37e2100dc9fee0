#include "platform/DesktopMotion.h"

#include "platform/linux/PortalMotion.h"

std::unique_ptr<DesktopMotion> DesktopMotion::create()
{
    return std::make_unique<PortalMotion>();
}
