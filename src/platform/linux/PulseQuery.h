#pragma once

#include <QString>

#include <functional>

struct pa_context;
struct pa_operation;

// One short, blocking conversation with the PulseAudio server (or PipeWire's
// PulseAudio service): connect, run one introspection request, disconnect.
// Never starts a server and gives up after a time-out.
namespace PulseQuery {

// request starts the introspection on the connected context and returns its
// operation; its callbacks fill the caller's result. False, with error
// filled, when the server could not be reached or did not answer in time.
bool run(const std::function<pa_operation*(pa_context*)>& request, QString* error);

} // namespace PulseQuery
