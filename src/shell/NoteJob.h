#pragma once

#include "core/AppStateTypes.h"
#include "engine/NoteFiler.h"

#include <QStringList>

#include <optional>

struct Config;
struct NotesStore;

// The filing of one dictation into a note that is still new: the model is
// asked for a title when the note has none, and for a folder when it has no
// text yet. Made when the recording's processing starts.
struct NoteJob
{
    bool title = false;  // the note has no title: give it one from the answer
    bool folder = false; // the note has no text: move it into the answer's folder
    NoteFiler::Context context;
    // The separate filing request on a text model; none when no model can.
    std::optional<NoteFiler> filer;

    // None unless the target is an existing note without a title or text.
    // models are the names found by the last key check.
    static std::optional<NoteJob> make(const Target& target, const NotesStore& notes, const Config& config,
                                       const QStringList& models);
};
