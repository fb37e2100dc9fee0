#pragma once

#include <QSet>
#include <QString>

// Temporary recordings ("kesto-<UUID>.wav" and the trimmed and encoded files
// made from them) that an earlier run left behind when it quit or crashed in
// the middle of a dictation.
namespace StaleRecordings {

// Deletes the leftovers in folder, except the file names in keep (files that
// History still refers to) and files touched within the last minute (a
// recording that another instance, on another data folder, is still
// writing). Returns how many files were deleted.
int clean(const QString& folder, const QSet<QString>& keep);

// Whether a file name is one of ours.
bool isRecordingName(const QString& fileName);

} // namespace StaleRecordings
