#include "platform/AudioOutputs.h"

#include "platform/linux/PulseQuery.h"

#include <pulse/introspect.h>
#include <pulse/proplist.h>

namespace {

QString prop(const pa_proplist* list, const char* key)
{
    const char* value = pa_proplist_gets(list, key);
    return value ? QString::fromUtf8(value) : QString();
}

void collect(pa_context*, const pa_sink_input_info* info, int eol, void* data)
{
    if (eol || !info || info->corked)
        return;
    AudioOutput output;
    output.pid = prop(info->proplist, PA_PROP_APPLICATION_PROCESS_ID).toInt();
    output.appId = prop(info->proplist, PA_PROP_APPLICATION_ID);
    if (output.appId.isEmpty())
        output.appId = prop(info->proplist, PA_PROP_APPLICATION_PROCESS_BINARY);
    static_cast<QList<AudioOutput>*>(data)->append(output);
}

} // namespace

namespace AudioOutputs {

QList<AudioOutput> playing(QString* error)
{
    QList<AudioOutput> outputs;
    const bool ok = PulseQuery::run(
        [&outputs](pa_context* context) { return pa_context_get_sink_input_info_list(context, collect, &outputs); },
        error);
    return ok ? outputs : QList<AudioOutput>();
}

} // namespace AudioOutputs
