#pragma once

#include "platform/FrontApplication.h"
#include "platform/linux/DesktopEntries.h"

struct _XDisplay;

// The active window of the X display (_NET_ACTIVE_WINDOW, or the input focus
// where no window manager publishes one), named from _GTK_APPLICATION_ID or
// WM_CLASS and the installed desktop files.
class X11FrontApplication final : public FrontApplication
{
public:
    X11FrontApplication() = default;
    ~X11FrontApplication() override;

    FrontApp current() override;

private:
    unsigned long activeWindow();

    _XDisplay* m_display = nullptr;
    DesktopEntries m_entries;
};
