#include "platform/FrontApplication.h"

#include "platform/linux/X11FrontApplication.h"

FrontApplication& FrontApplication::system()
{
    static X11FrontApplication front;
    return front;
}
