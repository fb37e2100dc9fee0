#include "engine/NoteFiler.h"

#include "core/Format.h"
#include "core/L10n.h"
#include "core/Log.h"
#include "engine/GeminiClient.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTextBoundaryFinder>

namespace {

bool isLineBreak(QChar c)
{
    return (c >= QChar(0x0A) && c <= QChar(0x0D)) || c == QChar(0x85) || c == QChar(0x2028) || c == QChar(0x2029);
}

bool isSpaceOrTab(QChar c)
{
    return c == QLatin1Char('\t') || c.category() == QChar::Separator_Space;
}

bool isQuote(QChar c)
{
    return c == QChar(0x22) || c == QChar(0x201C) || c == QChar(0x201D) || c == QChar(0xAB) || c == QChar(0xBB);
}

QString trimmedBy(const QString& text, bool (*drop)(QChar))
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && drop(text.at(start)))
        ++start;
    while (end > start && drop(text.at(end - 1)))
        --end;
    return text.mid(start, end - start);
}

// One line, without wrapping quotation marks or closing full stops, at most
// limit user-perceived characters.
QString tidy(const std::optional<QString>& raw, int limit)
{
    QString text = raw.value_or(QString());
    for (QChar& c : text) {
        if (isLineBreak(c))
            c = QLatin1Char(' ');
    }
    text = trimmedBy(trimmedBy(text, isSpaceOrTab), isQuote);
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    text = trimmedBy(text, isSpaceOrTab);
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (graphemes.toNextBoundary() != -1) {
        if (++count == limit)
            return text.left(graphemes.position());
    }
    return text;
}

std::optional<QString> textMember(const QJsonObject& object, QLatin1String key)
{
    const QJsonValue value = object.value(key);
    return value.isString() ? std::optional<QString>(value.toString()) : std::nullopt;
}

QString compact(const QJsonArray& array)
{
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

QStringList schemaMembers(bool transcript)
{
    QStringList members{QStringLiteral("kind"), QStringLiteral("title"), QStringLiteral("folder")};
    if (transcript)
        members.prepend(QStringLiteral("text"));
    return members;
}

NoteFiler::OnStage guarded(const NoteFiler::OnStage& onStage)
{
    return onStage ? onStage : [](DictationStage) {};
}

GeminiOnProgress transcriptionStage(const NoteFiler::OnStage& onStage)
{
    return [onStage = guarded(onStage)](GeminiProgress progress) {
        onStage(progress == GeminiProgress::sending ? DictationStage::transcribing : DictationStage::retrying);
    };
}

GeminiOnProgress filingStage(const NoteFiler::OnStage& onStage)
{
    return [onStage = guarded(onStage)](GeminiProgress progress) {
        onStage(progress == GeminiProgress::sending ? DictationStage::organizing : DictationStage::retrying);
    };
}

using TranscriptResult = GeminiResult<NoteFiler::Transcript>;

// Speech-only model: the plain transcript, then the filing request.
void transcribeThenFile(const GeminiCall& call, const QString& audioPath, const GeminiClient& client,
                        const NoteFiler::Context& context, const std::optional<NoteFiler>& filer,
                        const NoteFiler::OnStage& onStage, const GeminiDone<NoteFiler::Transcript>& done)
{
    const GeminiCall transcription = client.transcribe(
        audioPath, transcriptionStage(onStage), [=](const GeminiResult<QString>& text) {
            if (!text) {
                call.finish(done, TranscriptResult::failure(text.error));
                return;
            }
            if (!filer) {
                call.finish(done, TranscriptResult::success({*text.value, std::nullopt}));
                return;
            }
            const GeminiCall filing = filer->file(
                *text.value, context, filingStage(onStage), [=](const GeminiResult<NoteFiler::Result>& result) {
                    if (result) {
                        call.finish(done, TranscriptResult::success({*text.value, *result.value}));
                    } else if (result.error.kind == GeminiError::Kind::cancelled) {
                        call.finish(done, TranscriptResult::failure(result.error));
                    } else {
                        Log::write(QStringLiteral("note filing failed: ") + result.error.description());
                        call.finish(done, TranscriptResult::success({*text.value, std::nullopt}));
                    }
                });
            call.state()->abort = [filing] { filing.cancel(); };
        });
    call.state()->abort = [transcription] { transcription.cancel(); };
}

// Ordinary model: one request; an unreadable answer falls back to a plain
// transcript so the dictation is not lost.
void transcribeAndFile(const GeminiCall& call, const QString& audioPath, const GeminiClient& client,
                       const NoteFiler::Context& context, const NoteFiler::OnStage& onStage,
                       const GeminiDone<NoteFiler::Transcript>& done)
{
    const GeminiCall note = client.transcribeNote(
        audioPath, context, transcriptionStage(onStage), [=](const TranscriptResult& result) {
            if (result || result.error.kind != GeminiError::Kind::badResponse) {
                call.finish(done, result);
                return;
            }
            Log::write(QStringLiteral("note reply unreadable (") + result.error.message
                       + QStringLiteral("); transcribing without filing"));
            const GeminiCall plain = client.transcribe(
                audioPath, transcriptionStage(onStage), [=](const GeminiResult<QString>& text) {
                    call.finish(done, text ? TranscriptResult::success({*text.value, std::nullopt})
                                           : TranscriptResult::failure(text.error));
                });
            call.state()->abort = [plain] { plain.cancel(); };
        });
    call.state()->abort = [note] { note.cancel(); };
}

} // namespace

QString NoteFiler::rawValue(Kind kind)
{
    switch (kind) {
    case Kind::meeting:
        return QStringLiteral("meeting");
    case Kind::tasks:
        return QStringLiteral("tasks");
    case Kind::journal:
        return QStringLiteral("journal");
    case Kind::idea:
        return QStringLiteral("idea");
    case Kind::note:
        return QStringLiteral("note");
    }
    return {};
}

std::optional<NoteFiler::Kind> NoteFiler::kindFromRaw(const QString& raw)
{
    for (const Kind kind : allKinds()) {
        if (rawValue(kind) == raw)
            return kind;
    }
    return std::nullopt;
}

const QList<NoteFiler::Kind>& NoteFiler::allKinds()
{
    static const QList<Kind> kinds{Kind::meeting, Kind::tasks, Kind::journal, Kind::idea, Kind::note};
    return kinds;
}

GeminiCall NoteFiler::transcribe(const QString& audioPath, const GeminiClient& client, const Context& context,
                                 const std::optional<NoteFiler>& filer, const OnStage& onStage,
                                 const GeminiDone<Transcript>& done)
{
    const GeminiCall call = GeminiCall::create();
    if (client.model.contains(QLatin1String("transcribe")))
        transcribeThenFile(call, audioPath, client, context, filer, onStage, done);
    else
        transcribeAndFile(call, audioPath, client, context, onStage, done);
    return call;
}

GeminiCall NoteFiler::file(const QString& transcript, const Context& context, const GeminiOnProgress& onProgress,
                           const GeminiDone<Result>& done) const
{
    if (apiKey.isEmpty())
        return GeminiCall::failed(done, GeminiError::noApiKey());
    QJsonObject config{
        {QStringLiteral("temperature"), 0},
        {QStringLiteral("responseMimeType"), QStringLiteral("application/json")},
        {QStringLiteral("responseSchema"), schema(false)},
    };
    if (GeminiClient::acceptsThinking(model, thinkingLevel))
        config.insert(QStringLiteral("thinkingConfig"), QJsonObject{{QStringLiteral("thinkingLevel"), thinkingLevel}});
    const QString prompt = QStringLiteral("The user dictated a note. Reply with one JSON object.\n\n") + rules(context)
                           + QStringLiteral("\n\nThe note:\n") + transcript;
    const QJsonObject body{
        {QStringLiteral("contents"),
         QJsonArray{QJsonObject{
             {QStringLiteral("role"), QStringLiteral("user")},
             {QStringLiteral("parts"), QJsonArray{QJsonObject{{QStringLiteral("text"), prompt}}}},
         }}},
        {QStringLiteral("generationConfig"), config},
    };
    return GeminiClient::post(transport, GeminiClient::generateContentPath(model), apiKey, body, onProgress,
                              [done](const GeminiResult<QByteArray>& reply) {
                                  if (!done)
                                      return;
                                  if (!reply) {
                                      done(GeminiResult<Result>::failure(reply.error));
                                      return;
                                  }
                                  const GeminiResult<QString> text = GeminiClient::generatedText(*reply.value);
                                  if (!text) {
                                      done(GeminiResult<Result>::failure(text.error));
                                      return;
                                  }
                                  const GeminiResult<Transcript> answer = NoteFiler::reply(*text.value);
                                  done(answer ? GeminiResult<Result>::success(*answer.value->result)
                                              : GeminiResult<Result>::failure(answer.error));
                              });
}

QString NoteFiler::rules(const Context& context)
{
    QJsonArray recent;
    for (const NotesStore::RecentTitle& note : context.recent)
        recent.append(QJsonObject{{QStringLiteral("title"), note.title}, {QStringLiteral("folder"), note.folder}});
    return QStringList{
        QStringLiteral("kind: \"meeting\" for notes from a meeting or a call; \"tasks\" for things to do; "
                       "\"journal\" for a diary entry about the user's own day; \"idea\" for an idea or a plan "
                       "to explore; \"note\" for anything else."),
        QStringLiteral("title: the note's topic in 2 to 6 words, in the language and script it is spoken in, "
                       "worded like the user's own titles below. No date, number, quotes or full stop: the app "
                       "adds those."),
        QStringLiteral("folder: the existing folder the note belongs in, written exactly as it is listed. Only "
                       "when none of them fits, a short new folder name, 1 to 3 words, in the language of the "
                       "note."),
        QString(),
        QStringLiteral("Existing folders: ") + compact(QJsonArray::fromStringList(context.folders)),
        QStringLiteral("Recent notes, newest first: ") + compact(recent),
    }
        .join(QLatin1Char('\n'));
}

QJsonObject NoteFiler::schema(bool transcript)
{
    QJsonArray kinds;
    for (const Kind kind : allKinds())
        kinds.append(rawValue(kind));
    const QJsonObject text{{QStringLiteral("type"), QStringLiteral("STRING")}};
    QJsonObject properties{
        {QStringLiteral("kind"), QJsonObject{{QStringLiteral("type"), QStringLiteral("STRING")},
                                             {QStringLiteral("enum"), kinds}}},
        {QStringLiteral("title"), text},
        {QStringLiteral("folder"), text},
    };
    if (transcript)
        properties.insert(QStringLiteral("text"), text);
    const QJsonArray members = QJsonArray::fromStringList(schemaMembers(transcript));
    return {
        {QStringLiteral("type"), QStringLiteral("OBJECT")},
        {QStringLiteral("properties"), properties},
        {QStringLiteral("required"), members},
        {QStringLiteral("propertyOrdering"), members},
    };
}

GeminiResult<NoteFiler::Transcript> NoteFiler::reply(const QString& text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return GeminiResult<Transcript>::failure(GeminiError::badResponse(QStringLiteral("not a JSON object")));
    const QJsonObject answer = document.object();
    const Result result{
        kindFromRaw(textMember(answer, QLatin1String("kind")).value_or(QString()).toLower()).value_or(Kind::note),
        tidy(textMember(answer, QLatin1String("title")), 80),
        tidy(textMember(answer, QLatin1String("folder")), 40),
    };
    return GeminiResult<Transcript>::success(
        {textMember(answer, QLatin1String("text")).value_or(QString()).trimmed(), result});
}

QString NoteFiler::title(const Result& result, std::optional<qint64> number, const QDateTime& date)
{
    const QString dot = QStringLiteral(" \u00B7 ");
    switch (result.kind) {
    case Kind::meeting:
        return L10n::tr("Meeting") + QLatin1Char(' ') + QString::number(number.value_or(1)) + dot
               + Format::shortDate(date);
    case Kind::tasks:
        return L10n::tr("Tasks") + dot + Format::shortDate(date);
    case Kind::journal:
        return L10n::tr("Journal") + dot + Format::shortDate(date);
    case Kind::idea:
        return result.topic.isEmpty() ? L10n::tr("Idea") : L10n::tr("Idea") + QStringLiteral(": ") + result.topic;
    case Kind::note:
        return result.topic;
    }
    return result.topic;
}

std::optional<NoteFolder> NoteFiler::folder(const QString& name, const QList<NoteFolder>& folders)
{
    const QString wanted = trimmedBy(name, isSpaceOrTab);
    for (const NoteFolder& folder : folders) {
        if (trimmedBy(folder.name, isSpaceOrTab).compare(wanted, Qt::CaseInsensitive) == 0)
            return folder;
    }
    return std::nullopt;
}

std::optional<QString> NoteFiler::textModel(const QString& current, const QStringList& available)
{
    if (!current.contains(QLatin1String("transcribe")))
        return current;
    QStringList textModels;
    for (const QString& name : available) {
        if (!name.contains(QLatin1String("transcribe")))
            textModels << name;
    }
    return GeminiClient::pickModel(textModels, QString());
}
