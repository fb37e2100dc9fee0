#include "engine/AudioFailure.h"

#include "core/L10n.h"

QString AudioFailure::microphoneNotAdded()
{
    return L10n::tr("The microphone could not be added.");
}

QString AudioFailure::description() const
{
    switch (kind) {
    case Kind::couldNotStart:
        return L10n::tr("Could not start the microphone. %1").arg(detail);
    case Kind::noMicrophone:
        return L10n::tr("The chosen microphone is not available. Pick another one in Settings.");
    case Kind::alreadyRecording:
        return L10n::tr("A recording is already running.");
    }
    return {};
}
