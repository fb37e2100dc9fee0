#pragma once

#include "core/AppState.h"
#include "core/NotesStore.h"
#include "core/StoreFile.h"

#include "FakeClock.h"
#include "TempDataDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <memory>

// A data folder, a fake clock and an AppState over a notes file written by
// the test, with a recording actions table: what the Notes screen tests share.
struct NotesFixture
{
    NotesFixture()
    {
        StoreFile::releaseAll();
        dir = std::make_unique<TempDataDir>();
    }

    // Writes the store as "notes.json" and loads a fresh state from the folder.
    AppState& start(const NotesStore& store)
    {
        dir->write(QStringLiteral("notes.json"), store.encode());
        state = std::make_unique<AppState>(clock);
        actions.toggleDictation = [this](const Target& target) { toggles.append(target); };
        return *state;
    }

    // What is in "notes.json" now.
    NotesStore onDisk() const { return NotesStore::decode(dir->read(QStringLiteral("notes.json"))).value_or(NotesStore{}); }

    static NoteFolder folder(const QString& name) { return NoteFolder{QUuid::createUuid(), name}; }

    // A note changed minutesAgo before the fixture's clock.
    Note note(const NoteFolder& in, const QString& title, const QString& body, int minutesAgo) const
    {
        Note n;
        n.folderID = in.id;
        n.title = title;
        n.body = body;
        n.created = clock.now().toUTC().addSecs(-60 * minutesAgo);
        n.updated = n.created;
        return n;
    }

    int blankNotes() const
    {
        return int(std::count_if(state->notes().notes.begin(), state->notes().notes.end(),
                                 [](const Note& n) { return n.isBlank(); }));
    }

    FakeClock clock;
    std::unique_ptr<TempDataDir> dir;
    std::unique_ptr<AppState> state;
    AppActions actions;
    QList<Target> toggles;
};
