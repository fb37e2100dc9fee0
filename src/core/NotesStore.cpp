#include "core/NotesStore.h"

#include "core/Config.h"
#include "core/IsoDate.h"
#include "core/L10n.h"
#include "core/StoreFile.h"
#include "core/TextUtil.h"
#include "core/Vocabulary.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

QDateTime now()
{
    return QDateTime::currentDateTimeUtc();
}

bool isTrailingBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == '\t' || u == '\n' || u == '\f' || u == '\r' || c.category() == QChar::Separator_Space
           || c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph;
}

QJsonObject toJson(const Note& n)
{
    QJsonObject o{{QStringLiteral("id"), JsonUuid::text(n.id)},
                  {QStringLiteral("folderID"), JsonUuid::text(n.folderID)},
                  {QStringLiteral("title"), n.title},
                  {QStringLiteral("body"), n.body},
                  {QStringLiteral("created"), IsoDate::format(n.created)},
                  {QStringLiteral("updated"), IsoDate::format(n.updated)}};
    if (n.kind)
        o.insert(QStringLiteral("kind"), *n.kind);
    if (n.number)
        o.insert(QStringLiteral("number"), *n.number);
    return o;
}

std::optional<QDateTime> dateOf(const QJsonValue& v)
{
    return v.isString() ? IsoDate::parse(v.toString()) : std::nullopt;
}

std::optional<Note> noteFromJson(const QJsonValue& value)
{
    const QJsonObject o = value.toObject();
    const auto id = JsonUuid::parse(o.value(QStringLiteral("id")));
    const auto folder = JsonUuid::parse(o.value(QStringLiteral("folderID")));
    const QJsonValue title = o.value(QStringLiteral("title"));
    const QJsonValue body = o.value(QStringLiteral("body"));
    const auto created = dateOf(o.value(QStringLiteral("created")));
    const auto updated = dateOf(o.value(QStringLiteral("updated")));
    if (!value.isObject() || !id || !folder || !title.isString() || !body.isString() || !created || !updated)
        return std::nullopt;
    Note n{*id, *folder, title.toString(), body.toString(), *created, *updated, std::nullopt, std::nullopt};
    const QJsonValue kind = o.value(QStringLiteral("kind"));
    if (kind.isString())
        n.kind = kind.toString();
    else if (!kind.isUndefined() && !kind.isNull())
        return std::nullopt;
    const QJsonValue number = o.value(QStringLiteral("number"));
    if (number.isDouble() && number.toDouble() == double(number.toInteger()))
        n.number = number.toInteger();
    else if (!number.isUndefined() && !number.isNull())
        return std::nullopt;
    return n;
}

} // namespace

QString Note::snippet() const
{
    // Walks the lines instead of splitting the whole body: rows ask for it on
    // every keystroke, and bodies can be long.
    qsizetype start = 0;
    while (start < body.size()) {
        qsizetype end = body.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = body.size();
        if (end > start)
            return body.mid(start, end - start);
        start = end + 1;
    }
    return {};
}

bool Note::isBlank() const
{
    return title.trimmed().isEmpty() && body.trimmed().isEmpty();
}

NotesStore NotesStore::starter()
{
    NotesStore store;
    store.folders = {NoteFolder{QUuid::createUuid(), L10n::tr("Personal")},
                     NoteFolder{QUuid::createUuid(), L10n::tr("Ideas")}};
    return store;
}

QString NotesStore::filePath()
{
    return QDir(Config::directory()).filePath(QStringLiteral("notes.json"));
}

QList<Note> NotesStore::search(const std::optional<QUuid>& folder, const QString& query) const
{
    const QString needle = TextUtil::trimSpaces(query);
    QList<Note> found;
    for (const Note& n : notes) {
        if (folder && n.folderID != *folder)
            continue;
        if (!needle.isEmpty() && !QString(n.title + QLatin1Char(' ') + n.body).contains(needle, Qt::CaseInsensitive))
            continue;
        found.append(n);
    }
    std::stable_sort(found.begin(), found.end(), [](const Note& a, const Note& b) { return a.updated > b.updated; });
    return found;
}

QList<NotesStore::RecentTitle> NotesStore::recentTitles(int limit) const
{
    QHash<QUuid, QString> names;
    for (const NoteFolder& f : folders)
        names.insert(f.id, f.name);
    QList<RecentTitle> out;
    for (const Note& n : search(std::nullopt, QString())) {
        if (out.size() >= limit)
            break;
        if (n.title.trimmed().isEmpty())
            continue;
        out.append({n.title, names.value(n.folderID)});
    }
    return out;
}

qint64 NotesStore::nextNumber(const QString& kind) const
{
    qint64 highest = 0;
    for (const Note& n : notes) {
        if (n.kind == kind && n.number)
            highest = std::max(highest, *n.number);
    }
    return highest + 1;
}

int NotesStore::count(const QUuid& folder) const
{
    return int(std::count_if(notes.begin(), notes.end(), [&folder](const Note& n) { return n.folderID == folder; }));
}

const Note* NotesStore::note(const QUuid& id) const
{
    for (const Note& n : notes) {
        if (n.id == id)
            return &n;
    }
    return nullptr;
}

std::optional<NoteFolder> NotesStore::folderNamed(const QString& name) const
{
    const QString wanted = name.trimmed();
    for (const NoteFolder& f : folders) {
        if (f.name.trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            return f;
    }
    return std::nullopt;
}

bool NotesStore::append(const QString& text, const QUuid& noteID)
{
    for (Note& n : notes) {
        if (n.id != noteID)
            continue;
        qsizetype end = n.body.size();
        while (end > 0 && isTrailingBlank(n.body.at(end - 1)))
            --end;
        n.body = end == 0 ? text : n.body.left(end) + QLatin1Char('\n') + text;
        n.updated = now();
        save();
        return true;
    }
    return false;
}

Note NotesStore::draft(const QUuid& folder)
{
    for (Note& n : notes) {
        if (!n.isBlank())
            continue;
        if (n.folderID != folder) {
            n.folderID = folder;
            save();
        }
        return n;
    }
    Note fresh;
    fresh.folderID = folder;
    notes.prepend(fresh);
    save();
    return fresh;
}

void NotesStore::update(Note note)
{
    for (Note& n : notes) {
        if (n.id == note.id) {
            note.updated = now();
            n = std::move(note);
            save();
            return;
        }
    }
}

void NotesStore::renameFolder(const QUuid& folder, const QString& name)
{
    const QString trimmed = name.trimmed();
    for (NoteFolder& f : folders) {
        if (f.id == folder) {
            if (trimmed.isEmpty())
                return;
            f.name = trimmed;
            save();
            return;
        }
    }
}

std::optional<NoteFolder> NotesStore::file(const QUuid& noteID, const std::optional<QString>& title,
                                           const std::optional<QString>& kind, const std::optional<qint64>& number,
                                           const std::optional<QString>& folderName)
{
    const auto it = std::find_if(notes.begin(), notes.end(), [&noteID](const Note& n) { return n.id == noteID; });
    if (it == notes.end())
        return std::nullopt;
    // A title the user wrote wins over the model's.
    if (title && !title->isEmpty() && it->title.trimmed().isEmpty()) {
        it->title = *title;
        it->kind = kind;
        it->number = number;
    }
    if (folderName && !folderName->isEmpty()) {
        std::optional<NoteFolder> target = folderNamed(*folderName);
        if (!target) {
            target = NoteFolder{QUuid::createUuid(), *folderName};
            folders.append(*target);
        }
        it->folderID = target->id;
    }
    it->updated = now();
    const QUuid folder = it->folderID;
    save();
    for (const NoteFolder& f : folders) {
        if (f.id == folder)
            return f;
    }
    return std::nullopt;
}

void NotesStore::deleteNote(QUuid id)
{
    notes.removeIf([&id](const Note& n) { return n.id == id; });
    save();
}

void NotesStore::deleteFolder(QUuid id)
{
    folders.removeIf([&id](const NoteFolder& f) { return f.id == id; });
    notes.removeIf([&id](const Note& n) { return n.folderID == id; });
    save();
}

void NotesStore::removeEmpty(const QSet<QUuid>& except)
{
    // Runs at every selection change: write only when a note went.
    if (notes.removeIf([&except](const Note& n) { return n.isBlank() && !except.contains(n.id); }) > 0)
        save();
}

bool NotesStore::save(QString* error) const
{
    return StoreFile::write(filePath(), encode(), StoreFile::Access::shared, error);
}

QByteArray NotesStore::encode() const
{
    QJsonArray folderArray;
    for (const NoteFolder& f : folders)
        folderArray.append(QJsonObject{{QStringLiteral("id"), JsonUuid::text(f.id)}, {QStringLiteral("name"), f.name}});
    QJsonArray noteArray;
    for (const Note& n : notes)
        noteArray.append(toJson(n));
    return QJsonDocument(QJsonObject{{QStringLiteral("folders"), folderArray}, {QStringLiteral("notes"), noteArray}})
        .toJson(QJsonDocument::Indented);
}

std::optional<NotesStore> NotesStore::decode(const QByteArray& bytes)
{
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    const QJsonValue folderList = document.object().value(QStringLiteral("folders"));
    const QJsonValue noteList = document.object().value(QStringLiteral("notes"));
    if (!document.isObject() || !folderList.isArray() || !noteList.isArray())
        return std::nullopt;
    NotesStore store;
    for (const QJsonValue& value : folderList.toArray()) {
        const auto id = JsonUuid::parse(value.toObject().value(QStringLiteral("id")));
        const QJsonValue name = value.toObject().value(QStringLiteral("name"));
        if (!id || !name.isString())
            return std::nullopt;
        store.folders.append(NoteFolder{*id, name.toString()});
    }
    for (const QJsonValue& value : noteList.toArray()) {
        auto n = noteFromJson(value);
        if (!n)
            return std::nullopt;
        store.notes.append(std::move(*n));
    }
    return store;
}

NotesStore NotesStore::load()
{
    QByteArray bytes;
    if (!StoreFile::read(filePath(), &bytes)) {
        if (QFileInfo::exists(filePath()))
            Config::setAside(filePath());
        return starter();
    }
    if (auto decoded = decode(bytes))
        return std::move(*decoded);
    Config::setAside(filePath());
    return starter();
}
