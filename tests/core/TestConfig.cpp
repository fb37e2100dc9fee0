#include "core/Config.h"
#include "core/Log.h"
#include "core/StoreFile.h"

#include "TempDataDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QtTest>

#include <cmath>
#include <sys/stat.h>

Q_DECLARE_METATYPE(Config)

namespace {

mode_t modeOf(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return 0;
    return st.st_mode & 0777;
}

QString logText(const TempDataDir& dir)
{
    Log::flush();
    return QString::fromUtf8(dir.read(QStringLiteral("kesto.log")));
}

QStringList brokenFiles(const TempDataDir& dir, const QString& name)
{
    return QDir(dir.path()).entryList({name + QStringLiteral(".broken-*")}, QDir::Files);
}

// A record with every field away from its default.
Config everyFieldChanged()
{
    Config c;
    c.apiKey = QStringLiteral("AIza-test");
    c.model = QStringLiteral("gemini-x");
    c.removeFillers = false;
    c.punctuation = false;
    c.resolveCorrections = false;
    c.languageCodes = {QStringLiteral("uz-UZ"), QStringLiteral("ru-RU")};
    c.vocabulary = {VocabularyWord{QUuid::createUuid(), QStringLiteral("Kubernetes"), QStringLiteral("en-US")}};
    c.snippets = {Snippet{QUuid::createUuid(), QStringLiteral("my mail"), QStringLiteral("a@b.c\nline")}};
    c.prompt = QStringLiteral("Be brief.");
    c.thinkingLevel = QString();
    c.insertMethod = QStringLiteral("type");
    c.newlineMode = QStringLiteral("return");
    c.hotkey = HotkeyKind::rightCommand;
    c.hotkeyMode = HotkeyMode::toggle;
    c.holdThresholdMs = 450;
    c.minRecordingMs = 900;
    c.hudVisible = false;
    c.hudX = 512.5;
    c.hudY = -20.0;
    c.inputDeviceID = QStringLiteral("alsa_input.usb");
    c.trimSilence = false;
    c.keepSilenceSeconds = 0.5;
    c.noiseReduction = true;
    c.phoneServerEnabled = true;
    c.phonePort = 9001;
    c.phonePlainPort = 9002;
    c.phonePlainEnabled = true;
    c.phoneToken = QStringLiteral("abcdefghijkmnpqr");
    c.phoneInserts = false;
    c.theme = ThemeMode::automatic;
    c.sounds = false;
    c.pauseMedia = true;
    c.notificationsOff = true;
    c.historyDays = 30;
    c.keepAudio = true;
    c.onboardingDone = true;
    return c;
}

} // namespace

class TestConfig final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { StoreFile::releaseAll(); }

    void missingFileWritesPrivateDefaults();
    void roundTripsEveryField();
    void writesSortedKeysAndOptionalHud();
    void decodesLeniently_data();
    void decodesLeniently();
    void legacyWordListBecomesVocabulary();
    void readableWordsAndSnippetsAreKeptAndSaved();
    void undecodableFileIsSetAside_data();
    void undecodableFileIsSetAside();
    void setAsideNeverReusesAName();
    void failedSetAsideKeepsTheFile();
    void saveFailureIsLogged();
    void nonFiniteNumbersStillSave();
    void resolvesApiKey_data();
    void resolvesApiKey();
    void dataFolderLocation();
    void keycapsUseLinuxKeys();
};

void TestConfig::missingFileWritesPrivateDefaults()
{
    TempDataDir dir;
    const QString folder = dir.filePath(QStringLiteral("new/data"));
    qputenv("KESTO_DATA_DIR", folder.toUtf8());

    const Config loaded = Config::load();
    QCOMPARE(loaded, Config());
    QVERIFY(QFileInfo::exists(folder + QStringLiteral("/config.json")));
    QCOMPARE(modeOf(folder + QStringLiteral("/config.json")), mode_t(0600));
    QCOMPARE(modeOf(folder), mode_t(0700));
    QCOMPARE(Config::filePath(), folder + QStringLiteral("/config.json"));
    QCOMPARE(Config::audioDirectory(), folder + QStringLiteral("/audio"));
}

void TestConfig::roundTripsEveryField()
{
    TempDataDir dir;
    const Config changed = everyFieldChanged();
    QVERIFY(changed != Config());
    QVERIFY(changed.save());
    QCOMPARE(modeOf(Config::filePath()), mode_t(0600));
    QCOMPARE(Config::load(), changed);

    // Saving over an existing, wider file keeps the new one private.
    QFile::setPermissions(Config::filePath(), QFile::Permissions(0x6644));
    QVERIFY(Config().save());
    QCOMPARE(modeOf(Config::filePath()), mode_t(0600));
}

void TestConfig::writesSortedKeysAndOptionalHud()
{
    Config c;
    QJsonObject o = QJsonDocument::fromJson(c.encode()).object();
    QVERIFY(!o.contains(QStringLiteral("hudX")));
    QVERIFY(!o.contains(QStringLiteral("hudY")));
    QCOMPARE(o.size(), 35);

    c.hudX = 10;
    c.hudY = 20.5;
    const QByteArray bytes = c.encode();
    o = QJsonDocument::fromJson(bytes).object();
    QCOMPARE(o.value(QStringLiteral("hudY")).toDouble(), 20.5);

    // Keys appear in ascending order, one per line.
    QStringList keys;
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.startsWith("    \""))
            keys.append(QString::fromUtf8(line.mid(5, line.indexOf('"', 5) - 5)));
    }
    QCOMPARE(keys.first(), QStringLiteral("apiKey"));
    QCOMPARE(keys.last(), QStringLiteral("vocabulary"));
    QStringList sorted = keys;
    sorted.sort();
    QCOMPARE(keys, sorted);
}

void TestConfig::decodesLeniently_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<Config>("expected");

    const Config d;
    auto with = [d](auto change) {
        Config c = d;
        change(c);
        return c;
    };

    QTest::newRow("empty object") << QByteArray("{}") << d;
    QTest::newRow("unknown keys ignored") << QByteArray(R"({"futureKey": 1, "model": "m"})")
                                          << with([](Config& c) { c.model = QStringLiteral("m"); });
    QTest::newRow("unknown hotkey and theme, numeric mode")
        << QByteArray(R"({"hotkey": "capsLock", "theme": "sepia", "hotkeyMode": 1, "apiKey": "k"})")
        << with([](Config& c) { c.apiKey = QStringLiteral("k"); });
    QTest::newRow("known enums") << QByteArray(R"({"hotkey": "fn", "theme": "auto", "hotkeyMode": "toggle"})")
                                 << with([](Config& c) {
                                        c.hotkey = HotkeyKind::fn;
                                        c.theme = ThemeMode::automatic;
                                        c.hotkeyMode = HotkeyMode::toggle;
                                    });
    QTest::newRow("threshold as text") << QByteArray(R"({"holdThresholdMs": "500"})") << d;
    QTest::newRow("threshold with a fraction") << QByteArray(R"({"holdThresholdMs": 300.5})") << d;
    QTest::newRow("sounds as numbers") << QByteArray(R"({"sounds": 0, "pauseMedia": 1})") << d;
    QTest::newRow("null fields") << QByteArray(R"({"apiKey": null, "hudX": null, "languageCodes": null})") << d;
    QTest::newRow("mixed list") << QByteArray(R"({"languageCodes": ["uz-UZ", 3]})") << d;
    QTest::newRow("vocabulary with a number, legacy not consulted")
        << QByteArray(R"({"vocabulary": [1], "customVocabulary": ["a"]})") << d;
    QTest::newRow("word without language is for all languages")
        << QByteArray(R"({"vocabulary": [{"id": "6F9619FF-8B86-D011-B42D-00C04FC964FF", "word": "x"}]})")
        << with([](Config& c) {
               c.vocabulary = {VocabularyWord{QUuid::fromString(QStringLiteral("6F9619FF-8B86-D011-B42D-00C04FC964FF")),
                                              QStringLiteral("x"), QString()}};
           });
    QTest::newRow("old model, no version") << QByteArray(R"({"model": "gemini-3.7-flash", "thinkingLevel": ""})")
                                           << d;
    QTest::newRow("old model, version 1")
        << QByteArray(R"({"model": "gemini-3.7-flash", "thinkingLevel": "", "defaultsVersion": 1})") << d;
    QTest::newRow("old model, version 2")
        << QByteArray(R"({"model": "gemini-3.7-flash", "thinkingLevel": "", "defaultsVersion": 2})")
        << with([](Config& c) {
               c.model = QStringLiteral("gemini-3.7-flash");
               c.thinkingLevel = QString();
           });
    QTest::newRow("old model, high thinking") << QByteArray(R"({"model": "gemini-3.7-flash", "thinkingLevel": "high"})")
                                              << with([](Config& c) {
                                                     c.model = QStringLiteral("gemini-3.7-flash");
                                                     c.thinkingLevel = QStringLiteral("high");
                                                 });
    QTest::newRow("old model, no thinking key") << QByteArray(R"({"model": "gemini-3.7-flash"})")
                                                << with([](Config& c) { c.model = QStringLiteral("gemini-3.7-flash"); });
    QTest::newRow("future version") << QByteArray(R"({"defaultsVersion": 7})") << d;
    QTest::newRow("verbatim legacy mode") << QByteArray(R"({"transcriptionMode": "verbatim", "punctuation": false})")
                                          << with([](Config& c) {
                                                 c.removeFillers = false;
                                                 c.resolveCorrections = false;
                                                 c.punctuation = false;
                                             });
    QTest::newRow("verbatim but removeFillers null")
        << QByteArray(R"({"transcriptionMode": "verbatim", "removeFillers": null})") << d;
    QTest::newRow("other legacy mode") << QByteArray(R"({"transcriptionMode": "clean"})") << d;
    QTest::newRow("legacy empty word list") << QByteArray(R"({"customVocabulary": []})") << d;
    QTest::newRow("legacy word list unreadable") << QByteArray(R"({"customVocabulary": "a"})") << d;
    QTest::newRow("hud position") << QByteArray(R"({"hudX": 12, "hudY": "low"})")
                                  << with([](Config& c) { c.hudX = 12.0; });
}

void TestConfig::decodesLeniently()
{
    QFETCH(QByteArray, json);
    QFETCH(Config, expected);
    const auto decoded = Config::decode(json);
    QVERIFY(decoded);
    QCOMPARE(*decoded, expected);
    QCOMPARE(decoded->defaultsVersion, 2);
}

void TestConfig::legacyWordListBecomesVocabulary()
{
    const auto decoded = Config::decode(R"({"customVocabulary": ["Tashkent", "gRPC"]})");
    QVERIFY(decoded);
    QCOMPARE(decoded->vocabulary.size(), 2);
    QCOMPARE(decoded->vocabulary[0].word, QStringLiteral("Tashkent"));
    QCOMPARE(decoded->vocabulary[1].word, QStringLiteral("gRPC"));
    QVERIFY(decoded->vocabulary[0].id != decoded->vocabulary[1].id);
    QVERIFY(decoded->vocabulary[0].language.isEmpty());
    // Never written back under the old key.
    QVERIFY(!decoded->encode().contains("customVocabulary"));
}

void TestConfig::readableWordsAndSnippetsAreKeptAndSaved()
{
    TempDataDir dir;
    // Hand-edited: ids and languages left out or wrong, one element that is
    // no word at all.
    dir.write(QStringLiteral("config.json"), R"({
        "apiKey": "k",
        "vocabulary": [
            {"word": "Kubernetes"},
            {"id": "6F9619FF-8B86-D011-B42D-00C04FC964FF", "word": "Tosh", "language": 5},
            {"id": "not-an-id", "word": "Zarvina", "language": "uz-UZ"},
            {"word": "Gemini", "language": "klingon"},
            {"language": "en-US"},
            7
        ],
        "snippets": [
            {"trigger": "sign off", "text": "Kind regards"},
            {"id": 3, "trigger": "addr", "text": ""},
            {"trigger": "no text"}
        ]
    })");

    const Config loaded = Config::load();
    QStringList words;
    for (const VocabularyWord& word : loaded.vocabulary)
        words << word.word + u'|' + word.language;
    QCOMPARE(words, (QStringList{"Kubernetes|", "Tosh|", "Zarvina|uz-UZ", "Gemini|"}));
    QCOMPARE(loaded.vocabulary.at(1).id, QUuid::fromString(QStringLiteral("6F9619FF-8B86-D011-B42D-00C04FC964FF")));
    QCOMPARE(loaded.snippets.size(), 2);
    QCOMPARE(loaded.snippets.at(0).trigger, QStringLiteral("sign off"));
    QCOMPARE(loaded.snippets.at(1).text, QString());

    // The next save writes them back whole, readable by the strict reader.
    QVERIFY(loaded.save());
    const QJsonObject saved = QJsonDocument::fromJson(dir.read(QStringLiteral("config.json"))).object();
    const QJsonArray vocabulary = saved.value(QStringLiteral("vocabulary")).toArray();
    QCOMPARE(vocabulary.size(), 4);
    for (const QJsonValue& value : vocabulary)
        QVERIFY(VocabularyWord::fromJson(value));
    const QJsonArray snippets = saved.value(QStringLiteral("snippets")).toArray();
    QCOMPARE(snippets.size(), 2);
    for (const QJsonValue& value : snippets)
        QVERIFY(Snippet::fromJson(value));
    QCOMPARE(Config::load(), loaded);
}

void TestConfig::undecodableFileIsSetAside_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("key");       // taken back from the damaged file
    QTest::addColumn<QStringList>("words"); // likewise
    QTest::addColumn<QStringList>("snippets");
    QTest::newRow("not json") << QByteArray("apiKey = secret") << "" << QStringList() << QStringList();
    QTest::newRow("list at top level") << QByteArray(R"(["apiKey"])") << "" << QStringList() << QStringList();
    QTest::newRow("truncated") << QByteArray(R"({"apiKey": "secret", "mod)") << "secret" << QStringList()
                               << QStringList();
    QTest::newRow("empty file") << QByteArray() << "" << QStringList() << QStringList();
    QTest::newRow("damaged in the middle")
        << QByteArray(R"({"apiKey": "AIza\"quoted\"", "theme": dark,
            "snippets": [{"id": "2B0C9A52-6E37-4C61-9F7A-0C4B1D3E5F60", "text": "Kind regards", "trigger": "sign off"}],
            "vocabulary": [{"id": "FC30A1B2-C3D4-4E5F-8A9B-0C1D2E3F4A5B", "language": "uz-UZ", "word": "Zarvina"},
                           {"language": "", "word": "Kesto"}, {"language": "", "wo)")
        << "AIza\"quoted\"" << QStringList{"Zarvina", "Kesto"} << QStringList{"sign off"};
}

void TestConfig::undecodableFileIsSetAside()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, key);
    QFETCH(QStringList, words);
    QFETCH(QStringList, snippets);
    TempDataDir dir;
    dir.write(QStringLiteral("config.json"), bytes);
    dir.write(QStringLiteral("history.json"), "other data");

    Config loaded = Config::load();
    QCOMPARE(loaded.apiKey, key);
    QStringList loadedWords;
    for (const VocabularyWord& word : loaded.vocabulary)
        loadedWords << word.word;
    QCOMPARE(loadedWords, words);
    QStringList loadedSnippets;
    for (const Snippet& snippet : loaded.snippets)
        loadedSnippets << snippet.trigger;
    QCOMPARE(loadedSnippets, snippets);
    // Nothing else of the damaged file is trusted.
    loaded.apiKey.clear();
    loaded.vocabulary.clear();
    loaded.snippets.clear();
    QCOMPARE(loaded, Config());
    const QStringList aside = brokenFiles(dir, QStringLiteral("config.json"));
    QCOMPARE(aside.size(), 1);
    QVERIFY(QRegularExpression(QStringLiteral("^config\\.json\\.broken-\\d{4}-\\d\\d-\\d\\dT\\d{6}$"))
                .match(aside.first())
                .hasMatch());
    QCOMPARE(dir.read(aside.first()), bytes);
    QCOMPARE(dir.read(QStringLiteral("history.json")), QByteArray("other data"));
    QCOMPARE(Config::decode(dir.read(QStringLiteral("config.json")))->apiKey, key);
    QVERIFY(logText(dir).contains(QStringLiteral("could not read config.json; kept it as ") + aside.first()));
}

void TestConfig::setAsideNeverReusesAName()
{
    TempDataDir dir;
    // Take the names of this second and the next two, so a set-aside in that
    // window must find another one.
    const QDateTime now = QDateTime::currentDateTime();
    for (int s = 0; s < 3; ++s)
        dir.write(QStringLiteral("notes.json.broken-") + now.addSecs(s).toString(QStringLiteral("yyyy-MM-dd'T'HHmmss")),
                  "earlier");
    dir.write(QStringLiteral("notes.json"), "new garbage");
    QVERIFY(Config::setAside(dir.filePath(QStringLiteral("notes.json"))));
    const QStringList aside = brokenFiles(dir, QStringLiteral("notes.json"));
    QCOMPARE(aside.size(), 4);
    int earlier = 0;
    for (const QString& name : aside)
        earlier += dir.read(name) == "earlier";
    QCOMPARE(earlier, 3);
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("notes.json"))));
}

void TestConfig::failedSetAsideKeepsTheFile()
{
    TempDataDir dir;
    // A name so long that no set-aside name fits in the folder: the move fails.
    const QString name = QString(240, QLatin1Char('c')) + QStringLiteral(".json");
    const QByteArray userFile = R"({"apiKey": "precious", )";
    dir.write(name, userFile);

    QCOMPARE(Config::load(dir.filePath(name)), Config());
    QCOMPARE(dir.read(name), userFile);
    QVERIFY(StoreFile::isHeld(dir.filePath(name)));
    // Later saves of this run leave it alone too.
    QVERIFY(!everyFieldChanged().save(dir.filePath(name)));
    QCOMPARE(dir.read(name), userFile);

    const QString log = logText(dir);
    QVERIFY(log.contains(QStringLiteral("could not set it aside")));
    QVERIFY(!log.contains(QStringLiteral("kept it as")));
    QVERIFY(log.contains(QStringLiteral("could not save ") + name));
}

void TestConfig::saveFailureIsLogged()
{
    TempDataDir dir;
    dir.write(QStringLiteral("blocker"), "a file where a folder should be");
    QVERIFY(!Config().save(dir.filePath(QStringLiteral("blocker/config.json"))));
    QVERIFY(logText(dir).contains(QStringLiteral("could not save config.json: ")));
}

void TestConfig::nonFiniteNumbersStillSave()
{
    TempDataDir dir;
    Config c;
    c.keepSilenceSeconds = std::nan("");
    c.hudX = INFINITY;
    c.hudY = 3;
    QVERIFY(c.save());
    const Config loaded = Config::load();
    QCOMPARE(loaded.keepSilenceSeconds, 0.25);
    QVERIFY(!loaded.hudX);
    QCOMPARE(loaded.hudY, std::optional<double>(3));
}

void TestConfig::resolvesApiKey_data()
{
    QTest::addColumn<QString>("apiKey");
    QTest::addColumn<QByteArray>("env"); // "-" leaves the variable unset
    QTest::addColumn<QString>("expected");
    QTest::newRow("saved key wins") << QStringLiteral("saved") << QByteArray("env") << QStringLiteral("saved");
    QTest::newRow("one space is a key") << QStringLiteral(" ") << QByteArray("env") << QStringLiteral(" ");
    QTest::newRow("environment") << QString() << QByteArray("env") << QStringLiteral("env");
    QTest::newRow("empty environment") << QString() << QByteArray("") << QString();
    QTest::newRow("nothing") << QString() << QByteArray("-") << QString();
}

void TestConfig::resolvesApiKey()
{
    QFETCH(QString, apiKey);
    QFETCH(QByteArray, env);
    QFETCH(QString, expected);
    if (env == "-")
        qunsetenv("GEMINI_API_KEY");
    else
        qputenv("GEMINI_API_KEY", env);
    Config c;
    c.apiKey = apiKey;
    QCOMPARE(c.resolvedApiKey(), expected);
    qunsetenv("GEMINI_API_KEY");
}

void TestConfig::dataFolderLocation()
{
    TempDataDir dir;
    QCOMPARE(Config::directory(), dir.path());
    qputenv("KESTO_DATA_DIR", "");
    QCOMPARE(Config::directory(),
             QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Kesto Viruz"));
}

void TestConfig::keycapsUseLinuxKeys()
{
    QCOMPARE(keycaps(HotkeyKind::controlFn), QStringList({QStringLiteral("Ctrl"), QStringLiteral("Super")}));
    QCOMPARE(keycaps(HotkeyKind::rightCommand), QStringList({QStringLiteral("Right Alt")}));
    QCOMPARE(keycaps(HotkeyKind::controlOption), QStringList({QStringLiteral("Ctrl"), QStringLiteral("Alt")}));
    for (HotkeyKind kind : allHotkeyKinds())
        QCOMPARE(hotkeyKindFromRaw(rawValue(kind)), std::optional<HotkeyKind>(kind));
    QCOMPARE(rawValue(ThemeMode::automatic), QStringLiteral("auto"));
    QVERIFY(!themeModeFromRaw(QStringLiteral("Auto")));
}

QTEST_GUILESS_MAIN(TestConfig)
#include "TestConfig.moc"
