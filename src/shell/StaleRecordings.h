#pragma once

#include <QDateTime>
#include <QString>

class AppState;

// The recordings folder of this data folder (Config::recordingsDirectory) as
// an earlier run left it when it quit or crashed in the middle of a dictation.
namespace StaleRecordings {

struct Outcome
{
    int removed = 0;   // copies made from recordings, no longer needed
    int recovered = 0; // recordings that never got a transcript, now in History
    int kept = 0;      // linked recordings moved into the "audio" folder
};

// Run once at start, before any recording: audio that History links from the
// recordings folder moves into the "audio" folder where it now can; a
// recording left without a transcript becomes a History entry to transcribe
// again; the trimmed and encoded copies and phone uploads go. Files with
// other names are never touched.
Outcome tidy(AppState& state, const QDateTime& now);

// Whether a file name is one the recorder, the pipeline or the phone link makes.
bool isRecordingName(const QString& fileName);

} // namespace StaleRecordings
