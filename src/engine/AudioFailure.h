#pragma once

#include <QMetaType>
#include <QString>

// The microphone failures the user sees, shared by the recorder and the
// microphone test.
struct AudioFailure
{
    enum class Kind {
        couldNotStart,    // detail says why
        noMicrophone,
        alreadyRecording,
    };

    Kind kind = Kind::couldNotStart;
    QString detail;

    static AudioFailure couldNotStart(const QString& detail) { return {Kind::couldNotStart, detail}; }
    static AudioFailure noMicrophone() { return {Kind::noMicrophone, {}}; }
    static AudioFailure alreadyRecording() { return {Kind::alreadyRecording, {}}; }
    // The detail when a device cannot be attached to a capture.
    static QString microphoneNotAdded();

    // The user-facing sentence, translated.
    QString description() const;

    bool operator==(const AudioFailure&) const = default;
};

Q_DECLARE_METATYPE(AudioFailure)
