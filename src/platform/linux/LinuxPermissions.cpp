#include "platform/Permissions.h"

#include "platform/linux/PulseQuery.h"
#include "platform/linux/X11Display.h"

#include <QCoreApplication>

#include <pulse/introspect.h>

namespace {

// The platform layer sits below core's lookup; this one uses the same
// context and call form, so its texts land in the same tables.
namespace L10n {
QString tr(const char* english)
{
    return QCoreApplication::translate("L10n", english);
}
} // namespace L10n

void countInputs(pa_context*, const pa_source_info* info, int eol, void* data)
{
    // A monitor only repeats what an output plays.
    if (!eol && info && info->monitor_of_sink == PA_INVALID_INDEX)
        ++*static_cast<int*>(data);
}

} // namespace

namespace Permissions {

Check accessibility()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            return {false, L10n::tr("This Wayland session has no X11 display, so Kesto Viruz cannot type text or watch the talk key."), true};
        return {false, L10n::tr("There is no X11 session, so Kesto Viruz cannot type text or watch the talk key."), true};
    }
    _XDisplay* display = X11Display::open(nullptr);
    if (!display)
        return {false, L10n::tr("The X11 display does not answer, so Kesto Viruz cannot type text or watch the talk key."), true};
    const bool test = X11Display::hasExtension(display, "XTEST");
    const bool input = X11Display::hasXInput2(display);
    X11Display::close(display);
    if (!test)
        return {false, L10n::tr("The X11 session has no XTEST extension, so Kesto Viruz cannot type text.")};
    if (!input)
        return {false, L10n::tr("The X11 session has no XInput 2.2 extension, so Kesto Viruz cannot watch the talk key.")};
    return {true, QString()};
}

Check microphone()
{
    int inputs = 0;
    const bool answered = PulseQuery::run(
        [&inputs](pa_context* context) { return pa_context_get_source_info_list(context, countInputs, &inputs); },
        nullptr);
    if (!answered)
        return {false, L10n::tr("The sound server does not answer."), true};
    if (inputs == 0)
        return {false, L10n::tr("The sound server has no microphone.")};
    return {true, QString()};
}

} // namespace Permissions
