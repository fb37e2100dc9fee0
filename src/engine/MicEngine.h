#pragma once

#include "engine/AudioFailure.h"
#include "engine/CaptureEngine.h"
#include "platform/AudioBackend.h"
#include "platform/Clock.h"

#include <QAudioBuffer>
#include <QList>
#include <QObject>

#include <functional>
#include <memory>
#include <optional>

// Helpers shared by the recorder's noise-reduction path and the microphone
// test: finding the device, building a capture engine, the tap size, and the
// 50 ms window levels with their spaced delivery. Stateless; the level
// helpers are called on the audio thread.
namespace MicEngine {

// The device to capture from: the one with this id, or the default input for
// the empty id; nothing when there is no such device.
std::optional<QString> inputDevice(AudioBackend& backend, const QString& id);

// A capture engine on the device, not started, with noise suppression when
// voiceProcessing is set. Null with the failure filled in when it cannot be built.
std::unique_ptr<CaptureEngine> make(AudioBackend& backend, const QString& device, bool voiceProcessing,
                                    AudioFailure* failure);

// One tenth of a second of frames at the format's rate, at least 1.
quint32 tapFrames(const QAudioFormat& format);

// Levels in dB full scale of the first channel, one per window of about
// `seconds`; -160 for digital silence; empty for an empty or non-float buffer.
QList<float> windowDecibels(const QAudioBuffer& buffer, double seconds);

// Calls back on context's (main) thread with each level, the first at once and
// the others one window apart, so a buffer's levels play out over its length.
void deliverSpaced(const QList<float>& levels, const QAudioBuffer& buffer, QObject* context,
                   std::function<void(float)> callback, Clock& clock = Clock::system());

} // namespace MicEngine
