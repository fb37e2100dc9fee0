#include "core/DataActions.h"

#include "core/AppState.h"
#include "core/FileError.h"
#include "core/L10n.h"
#include "core/Log.h"
#include "core/TextUtil.h"
#include "core/Vocabulary.h"
#include "platform/ZipArchive.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>

#include <cerrno>
#include <optional>

namespace {

// Inside the archive's top folder, whatever it was renamed to.
const QString exportRecordName = QStringLiteral("vocabulary.json");

// No word or name is this long: a line past it is a file of another kind.
constexpr int longestWord = 100;

QString notWordList()
{
    return L10n::tr("This is not a word list. Choose a text file with one word per line, or the vocabulary.json "
                    "of a Kesto Viruz export.");
}

bool looksLikeWordList(const QString& text)
{
    for (const QString& line : TextUtil::splitLines(text)) {
        const QString word = line.section(QLatin1Char(','), 0, 0, QString::SectionSkipEmpty);
        if (TextUtil::trimSpaces(word).size() > longestWord)
            return false;
        for (const QChar c : line) {
            // Tabs are blanks; any other control character is binary data.
            if (c.category() == QChar::Other_Control && c != QLatin1Char('\t'))
                return false;
        }
    }
    return true;
}

struct ExportRecord
{
    QList<VocabularyWord> words;
    QList<Snippet> snippets;
};

// The export's "vocabulary.json": an object with the two lists. Elements are
// read as leniently as the settings read them.
std::optional<ExportRecord> readExportRecord(const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    const QJsonValue vocabulary = object.value(QStringLiteral("vocabulary"));
    const QJsonValue snippets = object.value(QStringLiteral("snippets"));
    if (!vocabulary.isArray() || !snippets.isArray())
        return std::nullopt;
    ExportRecord record;
    for (const QJsonValue& value : vocabulary.toArray()) {
        if (const auto word = VocabularyWord::read(value))
            record.words << *word;
    }
    for (const QJsonValue& value : snippets.toArray()) {
        if (const auto snippet = Snippet::read(value))
            record.snippets << *snippet;
    }
    return record;
}

// The items not held yet, by key (an empty key is no item), the first of
// duplicates kept; an identity already taken is replaced by a new one.
template <class Item, class Key>
QList<Item> newItems(const QList<Item>& items, const QList<Item>& existing, Key key)
{
    QSet<QString> seen;
    QSet<QUuid> ids;
    for (const Item& item : existing) {
        seen.insert(key(item));
        ids.insert(item.id);
    }
    QList<Item> fresh;
    for (Item item : items) {
        const QString k = key(item);
        if (k.isEmpty() || seen.contains(k))
            continue;
        seen.insert(k);
        // Two records must never share an identity.
        if (ids.contains(item.id))
            item.id = QUuid::createUuid();
        ids.insert(item.id);
        fresh << item;
    }
    return fresh;
}

QList<VocabularyWord> newWords(const QList<VocabularyWord>& words, const QList<VocabularyWord>& existing)
{
    return newItems(words, existing, [](const VocabularyWord& w) { return VocabularyWord::sameKey(w.word); });
}

QList<Snippet> newSnippets(const QList<Snippet>& snippets, const QList<Snippet>& existing)
{
    return newItems(snippets, existing, [](const Snippet& s) { return VocabularyWord::sameKey(s.trigger.trimmed()); });
}

} // namespace

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
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = L10n::tr("The file could not be read.");
        return result;
    }
    file.close();

    if (bytes.startsWith("PK\x03\x04") || bytes.startsWith("PK\x05\x06")) {
        QString error;
        std::optional<QByteArray> record;
        if (const std::optional<QList<ZipArchive::Entry>> entries = ZipArchive::read(path, &error)) {
            for (const ZipArchive::Entry& entry : *entries) {
                if (entry.name == exportRecordName || entry.name.endsWith(u'/' + exportRecordName)) {
                    record = entry.bytes;
                    break;
                }
            }
        }
        if (!record) {
            result.error = L10n::tr("This archive is not a Kesto Viruz export.");
            return result;
        }
        bytes = *record;
    }

    // Stateless: a character cut off at the end is an error, not kept for
    // more input. A byte-order mark at the start is dropped.
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decode(bytes);
    if (decode.hasError()) {
        result.error = L10n::tr("The file is not UTF-8 text.");
        return result;
    }

    QList<VocabularyWord> words;
    QList<Snippet> snippets;
    const QString start = text.trimmed().left(1);
    if (start == QLatin1String("{") || start == QLatin1String("[")) {
        const std::optional<ExportRecord> record = readExportRecord(text.toUtf8());
        if (!record) {
            result.error = notWordList();
            return result;
        }
        words = record->words;
        snippets = record->snippets;
    } else if (!looksLikeWordList(text)) {
        result.error = notWordList();
        return result;
    } else {
        words = VocabularyWord::importList(text);
    }

    const QList<VocabularyWord> freshWords = newWords(words, state.config().vocabulary);
    const QList<Snippet> freshSnippets = newSnippets(snippets, state.config().snippets);
    if (!freshWords.isEmpty() || !freshSnippets.isEmpty()) {
        state.updateConfig([&](Config& config) {
            config.vocabulary = freshWords + config.vocabulary;
            config.snippets = freshSnippets + config.snippets;
        });
    }
    result.count = int(freshWords.size());
    result.snippets = int(freshSnippets.size());
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
