#include "core/AppState.h"
#include "core/DataActions.h"
#include "core/L10n.h"
#include "core/Log.h"

#include "TempDataDir.h"

#include <QtTest>

namespace {

VocabularyWord word(const QString& text, const QString& language = {})
{
    return VocabularyWord{QUuid::createUuid(), text, language};
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
