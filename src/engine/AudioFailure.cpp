#include "engine/AudioFailure.h"

#include "core/L10n.h"

namespace {

QString causeText(AudioFailure::Cause cause)
{
    switch (cause) {
    case AudioFailure::Cause::notAdded:
        break;
    case AudioFailure::Cause::soundServer:
        return L10n::tr("The sound system could not open it.");
    case AudioFailure::Cause::noiseReduction:
        return L10n::tr("Noise reduction could not be switched on.");
    case AudioFailure::Cause::recordingFile:
        return L10n::tr("The recording could not be saved to a temporary file.");
    }
    return L10n::tr("The microphone could not be added.");
}

} // namespace

QString AudioFailure::description() const
{
    switch (kind) {
    case Kind::couldNotStart:
        return L10n::tr("Could not start the microphone. %1").arg(causeText(cause));
    case Kind::noMicrophone:
        return L10n::tr("The chosen microphone is not available. Pick another one in Settings.");
    case Kind::alreadyRecording:
        return L10n::tr("A recording is already running.");
    }
    return {};
}

QString AudioFailure::logText() const
{
    return detail.isEmpty() ? description() : description() + QStringLiteral(" (") + detail + u')';
}
