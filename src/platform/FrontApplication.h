#pragma once

#include <QString>

// The application of the active window: its id (the desktop-file id when the
// window names one, else its lower-case WM_CLASS class) and display name.
struct FrontApp
{
    QString id;
    QString name;

    bool isEmpty() const { return id.isEmpty(); }
    bool operator==(const FrontApp&) const = default;
};

class FrontApplication
{
public:
    virtual ~FrontApplication() = default;

    // Empty when there is no active window or no X display.
    virtual FrontApp current() = 0;

    // The desktop's front application (the X11 active window).
    static FrontApplication& system();
};
