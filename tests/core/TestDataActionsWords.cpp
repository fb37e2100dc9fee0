#include "core/AppState.h"
#include "core/DataActions.h"
#include "core/L10n.h"
#include "core/Log.h"
#include "platform/ZipArchive.h"

#include "TempDataDir.h"

#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

VocabularyWord word(const QString& text, const QString& language = {})
{
    return VocabularyWord{QUuid::createUuid(), text, language};
}

QStringList shown(const QList<Snippet>& snippets)
{
    QStringList out;
    for (const Snippet& s : snippets)
        out.append(s.trigger + QStringLiteral(" -> ") + s.text);
    return out;
}

QStringList shown(const QList<VocabularyWord>& words)
{
    QStringList out;
    for (const VocabularyWord& w : words)
        out.append(w.language.isEmpty() ? w.word : w.word + QLatin1Char('|') + w.language);
    return out;
}

} // namespace

class TestDataActionsWords final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void importsNewWordsFirst_data();
    void importsNewWordsFirst();
    void importRefusesWhatItCannotRead_data();
    void importRefusesWhatItCannotRead();
    void importTakesWordsAndSnippetsOnly_data();
    void importTakesWordsAndSnippetsOnly();
    void exportsTheList();
    void exportFailureIsReportedAndLogged();
};

void TestDataActionsWords::importsNewWordsFirst_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("added");
    QTest::addColumn<QStringList>("after");

    // The vocabulary holds "Kesto" and "Zarvina|uz-UZ" before each import.
    QTest::newRow("new words head the list in file order")
        << QByteArray("Gemini\nTosh,ru-RU\n") << 2
        << QStringList{"Gemini", "Tosh|ru-RU", "Kesto", "Zarvina|uz-UZ"};
    QTest::newRow("known ones skipped in any case or language")
        << QByteArray("kesto\nZARVINA,en-US\nNew\nnew\n") << 1 << QStringList{"New", "Kesto", "Zarvina|uz-UZ"};
    QTest::newRow("all known") << QByteArray("KESTO\n") << 0 << QStringList{"Kesto", "Zarvina|uz-UZ"};
    QTest::newRow("empty file") << QByteArray() << 0 << QStringList{"Kesto", "Zarvina|uz-UZ"};
    QTest::newRow("byte-order mark and CR LF") << QByteArray("\xEF\xBB\xBFOybek\r\nQodiriy\r\n") << 2
        << QStringList{"Oybek", "Qodiriy", "Kesto", "Zarvina|uz-UZ"};
    QTest::newRow("Cyrillic and apostrophes") << QByteArray("Тошкент,ru-RU\nGʻijduvon\n") << 2
        << QStringList{"Тошкент|ru-RU", "Gʻijduvon", "Kesto", "Zarvina|uz-UZ"};
}

void TestDataActionsWords::importsNewWordsFirst()
{
    QFETCH(QByteArray, file);
    QFETCH(int, added);
    QFETCH(QStringList, after);
    TempDataDir dir;
    AppState state;
    state.updateConfig([](Config& c) { c.vocabulary = {word("Kesto"), word("Zarvina", "uz-UZ")}; });
    dir.write("words.csv", file);
    QSignalSpy changed(&state, &AppState::configChanged);

    const DataActions::WordsResult result = DataActions::importWords(state, dir.filePath("words.csv"));

    QVERIFY(result.ok());
    QCOMPARE(result.count, added);
    QCOMPARE(result.fileName, QStringLiteral("words.csv"));
    QCOMPARE(shown(state.config().vocabulary), after);
    QCOMPARE(changed.count(), added > 0 ? 1 : 0);
}

void TestDataActionsWords::importRefusesWhatItCannotRead_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    QTest::newRow("missing") << QStringLiteral("gone.txt") << QByteArray()
                             << QStringLiteral("The file could not be read.");
    QTest::newRow("a folder") << QStringLiteral("folder") << QByteArray()
                              << QStringLiteral("The file could not be read.");
    QTest::newRow("Latin-1") << QStringLiteral("latin.txt") << QByteArray("caf\xE9\n")
                             << QStringLiteral("The file is not UTF-8 text.");
    QTest::newRow("UTF-16") << QStringLiteral("wide.txt") << QByteArray("\xFF\xFEK\0e\0", 6)
                            << QStringLiteral("The file is not UTF-8 text.");
    QTest::newRow("cut inside a character") << QStringLiteral("cut.txt") << QByteArray("Tosh\n\xD0")
                                            << QStringLiteral("The file is not UTF-8 text.");
}

void TestDataActionsWords::importRefusesWhatItCannotRead()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    TempDataDir dir;
    AppState state;
    state.updateConfig([](Config& c) { c.vocabulary = {word("Kesto")}; });
    if (name == QStringLiteral("folder"))
        QVERIFY(QDir(dir.path()).mkdir(name));
    else if (!bytes.isEmpty())
        dir.write(name, bytes);
    QSignalSpy changed(&state, &AppState::configChanged);

    const DataActions::WordsResult result = DataActions::importWords(state, dir.filePath(name));

    QVERIFY(!result.ok());
    QCOMPARE(result.error, error);
    QCOMPARE(result.count, 0);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(shown(state.config().vocabulary), QStringList{"Kesto"});
}

// What "Export all" writes as "vocabulary.json", keys sorted: one word
// without an id, one duplicate of a word already held, one duplicate inside
// the file, and a snippet whose trigger is already in use.
const QByteArray exportRecord = R"({
    "snippets": [
        {"id": "2B0C9A52-6E37-4C61-9F7A-0C4B1D3E5F60", "text": "Kind regards,\nAziza", "trigger": "sign off"},
        {"id": "9D1E2F30-4A5B-4C6D-8E7F-0A1B2C3D4E5F", "text": "someone else's", "trigger": "MY ADDRESS"},
        {"id": "9D1E2F30-4A5B-4C6D-8E7F-0A1B2C3D4E60", "text": "second of a pair", "trigger": "Sign off"}
    ],
    "vocabulary": [
        {"id": "FC30A1B2-C3D4-4E5F-8A9B-0C1D2E3F4A5B", "language": "uz-UZ", "word": "Zarvina"},
        {"language": "ru-RU", "word": "Tosh"},
        {"id": "0A1B2C3D-4E5F-4A6B-8C7D-8E9F0A1B2C3D", "language": "", "word": "kesto"},
        {"id": "1A1B2C3D-4E5F-4A6B-8C7D-8E9F0A1B2C3D", "language": "xx-XX", "word": "zarvina"}
    ]
}
)";

QByteArray zipOf(const QList<ZipArchive::Entry>& entries)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("export.zip"));
    QString error;
    if (!ZipArchive::write(path, entries, &error))
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestDataActionsWords::importTakesWordsAndSnippetsOnly_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("words");    // the vocabulary afterwards
    QTest::addColumn<QStringList>("snippets"); // the snippets afterwards
    QTest::addColumn<QString>("error");

    // Held before each import: "Kesto" and the snippet "my address".
    const QStringList before{"Kesto"};
    const QStringList beforeSnippets{"my address -> 1 Amir Temur St"};
    const QStringList fromExport{"Zarvina|uz-UZ", "Tosh|ru-RU", "Kesto"};
    const QStringList snippetsFromExport{"sign off -> Kind regards,\nAziza", "my address -> 1 Amir Temur St"};
    const QString notAList = QStringLiteral("This is not a word list. Choose a text file with one word per line, or "
                                            "the vocabulary.json of a Kesto Viruz export.");

    QTest::newRow("plain list") << "words.txt" << QByteArray("Gemini\nQodiriy\n") << QStringList{"Gemini", "Qodiriy", "Kesto"}
                                << beforeSnippets << "";
    QTest::newRow("list with languages") << "words.csv" << QByteArray("Gemini,en-US\nTosh, ru-RU\nkesto,uz-UZ\n")
                                         << QStringList{"Gemini|en-US", "Tosh|ru-RU", "Kesto"} << beforeSnippets << "";
    QTest::newRow("the export's vocabulary.json") << "vocabulary.json" << exportRecord << fromExport
                                                  << snippetsFromExport << "";
    QTest::newRow("the export archive")
        << "kesto-voice-2026-12-11.zip"
        << zipOf({{"kesto-voice/", {}},
                  {"kesto-voice/history.json", R"({"entries": [{"text": "not a word"}]})"},
                  {"kesto-voice/notes.json", "{}"},
                  {"kesto-voice/vocabulary.json", exportRecord}})
        << fromExport << snippetsFromExport << "";
    QTest::newRow("another archive") << "photos.zip" << zipOf({{"a.txt", "Gemini\n"}}) << before << beforeSnippets
                                     << "This archive is not a Kesto Viruz export.";
    QTest::newRow("JSON that is not the export") << "history.json"
                                                 << QByteArray(R"({"entries": [{"text": "Meet at nine"}]})") << before
                                                 << beforeSnippets << notAList;
    QTest::newRow("a JSON list") << "list.json" << QByteArray(R"(["Gemini", "Qodiriy"])") << before << beforeSnippets
                                 << notAList;
    QTest::newRow("binary, not UTF-8") << "photo.png" << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << before
                                       << beforeSnippets << "The file is not UTF-8 text.";
    QTest::newRow("binary that is valid UTF-8") << "data.bin" << QByteArray("GIF89a\x01\0\x01\0\0\0\0;", 14)
                                                << before << beforeSnippets << notAList;
    QTest::newRow("a line no word is that long") << "letter.txt" << ("Gemini\n" + QByteArray(300, 'a') + "\n") << before
                                                 << beforeSnippets << notAList;
    QTest::newRow("empty file") << "empty.txt" << QByteArray() << before << beforeSnippets << "";
}

void TestDataActionsWords::importTakesWordsAndSnippetsOnly()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, words);
    QFETCH(QStringList, snippets);
    QFETCH(QString, error);
    TempDataDir dir;
    AppState state;
    state.updateConfig([](Config& c) {
        c.vocabulary = {word("Kesto")};
        c.snippets = {Snippet{QUuid::createUuid(), QStringLiteral("my address"), QStringLiteral("1 Amir Temur St")}};
    });
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    const DataActions::WordsResult result = DataActions::importWords(state, file.fileName());

    QCOMPARE(result.error, error);
    QCOMPARE(shown(state.config().vocabulary), words);
    QCOMPARE(shown(state.config().snippets), snippets);
    QCOMPARE(result.count, error.isEmpty() ? int(words.size()) - 1 : 0);
    QCOMPARE(result.snippets, error.isEmpty() ? int(snippets.size()) - 1 : 0);
    // Every record has an identity of its own.
    QSet<QUuid> ids;
    for (const VocabularyWord& w : state.config().vocabulary)
        ids.insert(w.id);
    QCOMPARE(ids.size(), state.config().vocabulary.size());
}

void TestDataActionsWords::exportsTheList()
{
    TempDataDir dir;
    AppState state;
    state.updateConfig([](Config& c) { c.vocabulary = {word("Gʻijduvon", "uz-UZ"), word("Kesto")}; });
    // A longer file already there is replaced as a whole.
    dir.write("lugat.txt", QByteArray(200, 'x'));

    const DataActions::WordsResult result = DataActions::exportWords(state, dir.filePath("lugat.txt"));

    QVERIFY(result.ok());
    QCOMPARE(result.fileName, QStringLiteral("lugat.txt"));
    QCOMPARE(result.count, 2);
    QCOMPARE(dir.read("lugat.txt"), QStringLiteral("Gʻijduvon,uz-UZ\nKesto\n").toUtf8());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).filter("lugat"), QStringList{"lugat.txt"});
    QCOMPARE(DataActions::wordsFileName(), QStringLiteral("lugat.txt"));

    // The written file reads back to the same words.
    AppState fresh;
    fresh.updateConfig([](Config& c) { c.vocabulary.clear(); });
    QCOMPARE(DataActions::importWords(fresh, dir.filePath("lugat.txt")).count, 2);
    QCOMPARE(shown(fresh.config().vocabulary), (QStringList{"Gʻijduvon|uz-UZ", "Kesto"}));
}

void TestDataActionsWords::exportFailureIsReportedAndLogged()
{
    TempDataDir dir;
    AppState state;
    state.updateConfig([](Config& c) { c.vocabulary = {word("Kesto")}; });
    dir.write("plain", "a file, not a folder");

    const DataActions::WordsResult result = DataActions::exportWords(state, dir.filePath("plain/lugat.txt"));

    QVERIFY(!result.ok());
    // The cause in the interface's words; the system's text goes to the log.
    QCOMPARE(result.error, QStringLiteral("The file could not be saved. The folder does not exist any more."));
    Log::flush();
    QFile log(Log::filePath());
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY2(log.readAll().contains("vocabulary export failed: "), "the failure is logged");
}

QTEST_GUILESS_MAIN(TestDataActionsWords)
#include "TestDataActionsWords.moc"
