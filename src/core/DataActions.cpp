#include "core/DataActions.h"

#include "core/AppState.h"
#include "core/Config.h"
#include "core/FileError.h"
#include "core/L10n.h"
#include "core/Log.h"
#include "platform/DataFolder.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <QUuid>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace {

const QString topFolder = QStringLiteral("kesto-voice/");

// "vocabulary.json": snippets and words. QJsonDocument writes keys sorted.
QByteArray vocabularyJson(const Config& config)
{
    QJsonArray words;
    for (const VocabularyWord& word : config.vocabulary)
        words.append(word.toJson());
    QJsonArray snippets;
    for (const Snippet& snippet : config.snippets)
        snippets.append(snippet.toJson());
    return QJsonDocument(QJsonObject{{QStringLiteral("snippets"), snippets}, {QStringLiteral("vocabulary"), words}})
        .toJson(QJsonDocument::Indented);
}

// A failure of the system: said in the interface language where the cause
// is a common one, the system's text after it; the log keeps the latter.
std::optional<QString> failWith(int code, const QString& systemText)
{
    Log::write(QStringLiteral("export failed: ") + systemText);
    return FileError::describe(code, systemText);
}

// Removes a file or a folder with everything in it; true when nothing is left.
bool removePath(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (info.isDir() && !info.isSymLink())
        QDir(path).removeRecursively();
    else
        QFile::remove(path);
    return !QFileInfo::exists(path) && !QFileInfo(path).isSymLink();
}

} // namespace

namespace DataActions {

QString exportFileName(const QDate& today)
{
    return QStringLiteral("kesto-voice-") + today.toString(Qt::ISODate) + QStringLiteral(".zip");
}

std::optional<QString> exportAll(AppState& state, const QString& path, const Archiver& archiver)
{
    // What the app holds, not what the data folder has: the export must
    // work when the data folder cannot be written (a full disk).
    QList<ZipArchive::Entry> entries{{topFolder, {}},
                                     {topFolder + QStringLiteral("vocabulary.json"), vocabularyJson(state.config())},
                                     {topFolder + QFileInfo(History::filePath()).fileName(), state.history().encode()},
                                     {topFolder + QFileInfo(NotesStore::filePath()).fileName(), state.notes().encode()}};
    QString error;
    const QFileInfo target(path);
    const QString partial = target.dir().filePath(QStringLiteral(".") + target.fileName() + QStringLiteral(".part-")
                                                  + QUuid::createUuid().toString(QUuid::WithoutBraces));
    errno = 0;
    if (!archiver(partial, entries, &error)) {
        const int code = errno;
        QFile::remove(partial);
        return failWith(code, error.isEmpty() ? QStringLiteral("the archive could not be written") : error);
    }
    // rename() replaces the old archive in one step.
    std::error_code code;
    std::filesystem::rename(QFile::encodeName(partial).toStdString(), QFile::encodeName(path).toStdString(), code);
    if (code) {
        QFile::remove(partial);
        return failWith(code.value(), QString::fromStdString(code.message()));
    }
    return std::nullopt;
}

QStringList wipe(AppState& state)
{
    QStringList failed;
    const QDir data(Config::directory());
    const QString audioFolder = Config::audioDirectory();
    const QString audioName = QFileInfo(audioFolder).fileName();

    state.updateHistory([&](History& history) {
        for (const HistoryEntry& entry : std::as_const(history.entries)) {
            if (entry.audioFile && !entry.audioFile->isEmpty()
                && !removePath(History::audioPath(*entry.audioFile)))
                failed << audioName + u'/' + *entry.audioFile;
        }
        history.entries.clear();
        if (!history.save())
            failed << QFileInfo(History::filePath()).fileName();
    });
    if (!removePath(audioFolder) && failed.filter(audioName + u'/').isEmpty())
        failed << audioName;

    state.updateNotes([&](NotesStore& notes) {
        notes = NotesStore::starter();
        if (!notes.save())
            failed << QFileInfo(NotesStore::filePath()).fileName();
    });
    state.updateConfig([](Config& config) {
        config.vocabulary.clear();
        config.snippets.clear();
    });

    // The set-aside copies of damaged files still hold old transcripts.
    const QStringList broken
        = data.entryList({QStringLiteral("*.broken-*")}, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : broken) {
        if (!removePath(data.filePath(name)))
            failed << name;
    }

    // Recordings still waiting for a transcript are the user's words too.
    if (!removePath(Config::recordingsDirectory()))
        failed << QFileInfo(Config::recordingsDirectory()).fileName();

    Log::erase();
    if (!failed.isEmpty())
        Log::write(QStringLiteral("wipe left: ") + failed.join(QStringLiteral(", ")));
    return failed;
}

void openFolder()
{
    const QString folder = Config::directory();
    DataFolder::ensure(folder);
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

} // namespace DataActions
