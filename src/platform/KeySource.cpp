#include "platform/KeySource.h"

#include "platform/linux/X11KeySource.h"

std::unique_ptr<KeySource> KeySource::create()
{
    return std::make_unique<X11KeySource>();
}
