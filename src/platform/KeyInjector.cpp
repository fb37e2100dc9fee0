#include "platform/KeyInjector.h"

#include "platform/linux/X11KeyInjector.h"

KeyInjector& KeyInjector::system()
{
    static X11KeyInjector injector;
    return injector;
}
