#include "platform/linux/PulseQuery.h"

#include <QElapsedTimer>

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/mainloop.h>
#include <pulse/operation.h>

namespace {

constexpr qint64 timeoutMs = 2000;

} // namespace

namespace PulseQuery {

bool run(const std::function<pa_operation*(pa_context*)>& request, QString* error)
{
    auto fail = [error](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    pa_mainloop* loop = pa_mainloop_new();
    if (!loop)
        return fail(QStringLiteral("cannot create a sound server client"));
    pa_context* context = pa_context_new(pa_mainloop_get_api(loop), "Kesto Viruz");
    if (!context) {
        pa_mainloop_free(loop);
        return fail(QStringLiteral("cannot create a sound server client"));
    }

    QElapsedTimer clock;
    clock.start();
    // Runs the loop until done says so or the time is up.
    auto iterate = [&](const std::function<bool()>& done) {
        while (!done()) {
            if (clock.elapsed() > timeoutMs || pa_mainloop_prepare(loop, 50 * 1000) < 0
                || pa_mainloop_poll(loop) < 0 || pa_mainloop_dispatch(loop) < 0) {
                return false;
            }
        }
        return true;
    };

    bool ok = false;
    QString message;
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        message = QStringLiteral("no sound server: %1").arg(QString::fromUtf8(pa_strerror(pa_context_errno(context))));
    } else {
        const bool settled = iterate([&] {
            const pa_context_state_t state = pa_context_get_state(context);
            return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
        });
        if (!settled || pa_context_get_state(context) != PA_CONTEXT_READY) {
            message = settled ? QStringLiteral("no sound server: %1")
                                    .arg(QString::fromUtf8(pa_strerror(pa_context_errno(context))))
                              : QStringLiteral("the sound server did not answer");
        } else if (pa_operation* operation = request(context)) {
            ok = iterate([&] { return pa_operation_get_state(operation) != PA_OPERATION_RUNNING; })
                && pa_operation_get_state(operation) == PA_OPERATION_DONE;
            if (!ok)
                message = QStringLiteral("the sound server did not answer");
            if (pa_operation_get_state(operation) == PA_OPERATION_RUNNING)
                pa_operation_cancel(operation);
            pa_operation_unref(operation);
        } else {
            message = QStringLiteral("the sound server refused the request");
        }
        pa_context_disconnect(context);
    }
    pa_context_unref(context);
    pa_mainloop_free(loop);
    return ok || fail(message);
}

} // namespace PulseQuery
