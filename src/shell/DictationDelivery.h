#pragma once

#include "core/AppState.h"
#include "engine/NoteFiler.h"
#include "platform/Clock.h"
#include "shell/NoteJob.h"
#include "shell/RecordingApp.h"

#include <QObject>
#include <QString>
#include <QUuid>

#include <optional>

class DictationDesktop;
class DictationStatus;
class FrontApplication;

// Puts a transcript where its dictation was meant to go: typed into the
// front application, appended to a note (and the note filed from the
// model's answer), or left in History. Main thread only.
class DictationDelivery final : public QObject
{
    Q_OBJECT

public:
    // A note job with the model's answer, applied after the text went in.
    struct Filing
    {
        NoteJob job;
        NoteFiler::Result result;
    };

    DictationDelivery(AppState& state, FrontApplication& frontApp, DictationDesktop& desktop, Clock& clock,
                      DictationStatus& status, QObject* parent = nullptr);

    // Puts the text where the target says; true when it went into an
    // application or a note, false when it stays in History only.
    bool deliver(const QString& text, const Target& target, const RecordingApp& app,
                 const std::optional<Filing>& filing);
    void file(const QUuid& noteID, const NoteFiler::Result& result, const NoteJob& job);
    // Types or pastes the text into the front application.
    void insert(const QString& text);

private:
    AppState& m_state;
    FrontApplication& m_frontApp;
    DictationDesktop& m_desktop;
    Clock& m_clock;
    DictationStatus& m_status;
};
