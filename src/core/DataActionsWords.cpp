#include "core/DataActions.h"

#include "core/AppState.h"
#include "core/FileError.h"
#include "core/L10n.h"
#include "core/Log.h"
#include "core/Vocabulary.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <cerrno>

namespace DataActions {

QString wordsFileName()
{
    return QStringLiteral("lugat.txt");
}

WordsResult importWords(AppState& state, const QString& path)
{
    WordsResult result;
    result.fileName = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = L10n::tr("The file could not be read.");
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = L10n::tr("The file could not be read.");
        return result;
    }
    // Stateless: a character cut off at the end is an error, not kept for
    // more input. A byte-order mark at the start is dropped.
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decode(bytes);
    if (decode.hasError()) {
        result.error = L10n::tr("The file is not UTF-8 text.");
        return result;
    }
    const QList<VocabularyWord> fresh = VocabularyWord::newWords(text, state.config().vocabulary);
    if (!fresh.isEmpty())
        state.updateConfig([&fresh](Config& config) { config.vocabulary = fresh + config.vocabulary; });
    result.count = int(fresh.size());
    return result;
}

WordsResult exportWords(const AppState& state, const QString& path)
{
    WordsResult result;
    result.fileName = QFileInfo(path).fileName();
    const QList<VocabularyWord>& words = state.config().vocabulary;
    // Unbuffered: a buffered QSaveFile commits an empty file when its last
    // flush fails on a full disk. The chosen folder must already exist.
    const QByteArray bytes = VocabularyWord::exportList(words).toUtf8();
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(bytes) == bytes.size() && file.commit()) {
        result.count = int(words.size());
        return result;
    }
    const int code = FileError::writeCause(path, errno);
    Log::write(QStringLiteral("vocabulary export failed: ") + file.errorString());
    const QString why = FileError::sentence(code);
    result.error = L10n::tr("The file could not be saved.") + (why.isEmpty() ? QString() : u' ' + why);
    return result;
}

} // namespace DataActions
