#pragma once

#include <QMetaType>
#include <QString>

// The microphone failures the user sees, shared by the recorder and the
// microphone test. What the user reads is wholly in the interface language;
// the platform's own words (often English) go to the log only.
struct AudioFailure
{
    enum class Kind {
        couldNotStart, // cause says why
        noMicrophone,
        alreadyRecording,
    };

    // Why a microphone could not start, each with a sentence of its own.
    enum class Cause {
        notAdded,       // the device gave no reason
        soundServer,    // the sound server refused to open or start the capture
        noiseReduction, // the voice-processing unit could not be set up
        recordingFile,  // the recording's temporary file could not be made
    };

    Kind kind = Kind::couldNotStart;
    Cause cause = Cause::notAdded;
    QString detail; // the platform's words, for the log

    static AudioFailure couldNotStart(Cause cause, const QString& detail = {}) { return {Kind::couldNotStart, cause, detail}; }
    static AudioFailure noMicrophone() { return {Kind::noMicrophone, Cause::notAdded, {}}; }
    static AudioFailure alreadyRecording() { return {Kind::alreadyRecording, Cause::notAdded, {}}; }

    // The user-facing sentence, translated.
    QString description() const;
    // The sentence with the platform's detail, for the log.
    QString logText() const;

    bool operator==(const AudioFailure&) const = default;
};

Q_DECLARE_METATYPE(AudioFailure)
