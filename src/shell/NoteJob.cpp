#include "shell/NoteJob.h"

#include "core/Config.h"
#include "core/NotesStore.h"

std::optional<NoteJob> NoteJob::make(const Target& target, const NotesStore& notes, const Config& config,
                                     const QStringList& models)
{
    if (target.kind != Target::Kind::note)
        return std::nullopt;
    const Note* note = notes.note(target.noteID);
    if (!note)
        return std::nullopt;
    const bool untitled = note->title.trimmed().isEmpty();
    const bool empty = note->body.trimmed().isEmpty();
    if (!untitled && !empty)
        return std::nullopt;

    NoteJob job;
    job.title = untitled;
    job.folder = empty;
    for (const NoteFolder& folder : notes.folders)
        job.context.folders << folder.name;
    job.context.recent = notes.recentTitles(10);
    if (const std::optional<QString> model = NoteFiler::textModel(config.model, models)) {
        NoteFiler filer;
        filer.apiKey = config.resolvedApiKey();
        filer.model = *model;
        filer.thinkingLevel = *model == config.model ? config.thinkingLevel : QString();
        job.filer = filer;
    }
    return job;
}
