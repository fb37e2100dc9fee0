#pragma once

#include "core/DictationStage.h"
#include "core/NotesStore.h"
#include "engine/GeminiCall.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct GeminiClient;

// Filing of a dictated note by the model: what kind of note it is, a short
// topic and the folder it belongs in, with the flow that transcribes a note
// in one request (ordinary models) or two (speech-only models).
struct NoteFiler
{
    enum class Kind {
        meeting,
        tasks,
        journal,
        idea,
        note,
    };
    static QString rawValue(Kind kind);
    // Exact, case-sensitive.
    static std::optional<Kind> kindFromRaw(const QString& raw);
    static const QList<Kind>& allKinds();

    // The model's filing answer, cleaned.
    struct Result
    {
        Kind kind = Kind::note;
        QString topic;  // at most 80 characters
        QString folder; // at most 40 characters; may be empty
        bool operator==(const Result&) const = default;
    };

    // What the model is told about the library.
    struct Context
    {
        QStringList folders;                   // library order
        QList<NotesStore::RecentTitle> recent; // newest first
    };

    // A transcript with the filing answer when there is one.
    struct Transcript
    {
        QString text;
        std::optional<Result> result;
        bool operator==(const Transcript&) const = default;
    };

    using OnStage = std::function<void(DictationStage)>;

    // The text model for the separate filing request.
    QString apiKey;
    QString model;
    QString thinkingLevel; // "" for none
    GeminiTransport transport;

    // Transcribes a note's audio and files it: one request with the client's
    // model, or, for a speech-only model, plain transcription followed by
    // filing with filer (when given). A filing failure never loses the
    // transcript. Progress is reported as dictation stages.
    static GeminiCall transcribe(const QString& audioPath, const GeminiClient& client, const Context& context,
                                 const std::optional<NoteFiler>& filer, const OnStage& onStage,
                                 const GeminiDone<Transcript>& done);

    // Files an already transcribed note with a text-only request.
    GeminiCall file(const QString& transcript, const Context& context, const GeminiOnProgress& onProgress,
                    const GeminiDone<Result>& done) const;

    // The filing instructions with the library's folders and recent notes.
    static QString rules(const Context& context);
    // The response schema; with transcript, "text" is the first member.
    static QJsonObject schema(bool transcript);
    // Parses the model's JSON answer; badResponse when it is not an object.
    static GeminiResult<Transcript> reply(const QString& text);
    // The note title for a filing answer; number is the meeting's number.
    static QString title(const Result& result, std::optional<qint64> number, const QDateTime& date);
    // The folder with that name, trimmed and in any letter case.
    static std::optional<NoteFolder> folder(const QString& name, const QList<NoteFolder>& folders);
    // A model that can file text: current unless it is speech-only.
    static std::optional<QString> textModel(const QString& current, const QStringList& available);
};
