#pragma once

#include "screens/NoteDetail.h"
#include "screens/NoteEditor.h"
#include "screens/NoteHeader.h"
#include "screens/NotesColumn.h"
#include "screens/NotesScreen.h"

#include "NotesFixture.h"

#include <QtTest>

// The Notes screen shown offscreen in its own active window, over a fixture.
struct NotesScreenRig
{
    NotesFixture fx;
    std::unique_ptr<NotesScreen> screen;

    bool show(const NotesStore& store, QSize size = QSize(1100, 720))
    {
        fx.start(store);
        screen = std::make_unique<NotesScreen>(*fx.state, fx.actions, nullptr, fx.clock);
        screen->resize(size);
        screen->show();
        screen->activateWindow();
        if (!QTest::qWaitForWindowActive(screen.get()))
            return false;
        // Focus requests wait for the next turn of the event loop.
        QCoreApplication::processEvents();
        return true;
    }

    NotesModel& model() { return screen->model(); }
    NotesColumn& column() { return *screen->column(); }
    NoteDetail& detail() { return *screen->detail(); }
    NoteEditor* editor() { return screen->detail()->editor(); }
};
