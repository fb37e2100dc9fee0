#include "core/Vocabulary.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

Snippet snippet(const QString& trigger, const QString& text)
{
    return Snippet{QUuid::createUuid(), trigger, text};
}

VocabularyWord word(const QString& w, const QString& language = QString())
{
    return VocabularyWord{QUuid::createUuid(), w, language};
}

QStringList lines(const QList<VocabularyWord>& words)
{
    QStringList out;
    for (const VocabularyWord& w : words)
        out.append(w.word + QLatin1Char('|') + w.language);
    return out;
}

} // namespace

class TestVocabulary final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodesWordsStrictly_data();
    void decodesWordsStrictly();
    void parsesTypedWords();
    void importsWordList_data();
    void importsWordList();
    void newWordsSkipKnownOnes();
    void exportsWordList();
    void namesLanguages();
    void expandsSnippets_data();
    void expandsSnippets();
};

void TestVocabulary::decodesWordsStrictly_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("ok");
    const QByteArray id = R"("id": "6F9619FF-8B86-D011-B42D-00C04FC964FF")";
    QTest::newRow("complete") << "{" + id + R"(, "word": "Tosh", "language": "uz-UZ"})" << true;
    QTest::newRow("all languages") << "{" + id + R"(, "word": "Tosh", "language": ""})" << true;
    QTest::newRow("no language") << "{" + id + R"(, "word": "Tosh"})" << false;
    QTest::newRow("number word") << "{" + id + R"(, "word": 5, "language": ""})" << false;
    QTest::newRow("bad id") << QByteArray(R"({"id": "nope", "word": "a", "language": ""})") << false;
}

void TestVocabulary::decodesWordsStrictly()
{
    QFETCH(QByteArray, json);
    QFETCH(bool, ok);
    const auto decoded = VocabularyWord::fromJson(QJsonDocument::fromJson(json).object());
    QCOMPARE(bool(decoded), ok);
    if (decoded) {
        QCOMPARE(decoded->id, QUuid::fromString(QStringLiteral("6F9619FF-8B86-D011-B42D-00C04FC964FF")));
        QCOMPARE(VocabularyWord::fromJson(decoded->toJson()), decoded);
        QCOMPARE(decoded->toJson().value(QStringLiteral("id")).toString(),
                 QStringLiteral("6F9619FF-8B86-D011-B42D-00C04FC964FF"));
    }
    const Snippet s = snippet(QStringLiteral("sig"), QStringLiteral("Best,\nA"));
    QCOMPARE(Snippet::fromJson(s.toJson()), std::optional<Snippet>(s));
}

void TestVocabulary::parsesTypedWords()
{
    QCOMPARE(VocabularyWord::parse(QStringLiteral(" Tashkent ,, ,gRPC,\tKesto , Tashkent")),
             QStringList({QStringLiteral("Tashkent"), QStringLiteral("gRPC"), QStringLiteral("Kesto"),
                          QStringLiteral("Tashkent")}));
}

void TestVocabulary::importsWordList_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected"); // "word|language"
    QTest::newRow("spaces around word and code") << QStringLiteral("  Moskva , ru-RU ")
                                                 << QStringList{QStringLiteral("Moskva|ru-RU")};
    QTest::newRow("code in other case") << QStringLiteral("Moskva,RU-ru") << QStringList{QStringLiteral("Moskva|")};
    QTest::newRow("code not offered") << QStringLiteral("Berlin,de-DE") << QStringList{QStringLiteral("Berlin|")};
    QTest::newRow("leading comma") << QStringLiteral(",ru-RU") << QStringList{QStringLiteral("ru-RU|")};
    QTest::newRow("two commas") << QStringLiteral("a,uz-UZ,b") << QStringList{QStringLiteral("a|")};
    QTest::newRow("blank lines skipped") << QStringLiteral("\n   \nx\r\ny,en-US\n")
                                         << QStringList{QStringLiteral("x|"), QStringLiteral("y|en-US")};
    QTest::newRow("unicode line separator") << QStringLiteral(u"a\u2028b") << QStringList{QStringLiteral("a|"), QStringLiteral("b|")};
}

void TestVocabulary::importsWordList()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QCOMPARE(lines(VocabularyWord::importList(text)), expected);
}

void TestVocabulary::newWordsSkipKnownOnes()
{
    const QList<VocabularyWord> existing{word(QStringLiteral("Kesto")), word(QStringLiteral("Caf\u00e9"))};
    // "CAFE" and a combining accent is the stored "Café", as Add sees it.
    const auto fresh = VocabularyWord::newWords(
        QStringLiteral("KESTO\nViruz\nviruz,ru-RU\nCAFE\u0301\nGemini\ncafe"), existing);
    QCOMPARE(lines(fresh), QStringList({QStringLiteral("Viruz|"), QStringLiteral("Gemini|"), QStringLiteral("cafe|")}));
}

void TestVocabulary::exportsWordList()
{
    QCOMPARE(VocabularyWord::exportList({}), QStringLiteral("\n"));
    const QList<VocabularyWord> words{word(QStringLiteral("Tosh")), word(QStringLiteral("Moskva"), QStringLiteral("ru-RU"))};
    const QString text = VocabularyWord::exportList(words);
    QCOMPARE(text, QStringLiteral("Tosh\nMoskva,ru-RU\n"));
    QCOMPARE(lines(VocabularyWord::importList(text)), lines(words));
}

void TestVocabulary::namesLanguages()
{
    QCOMPARE(VocabularyWord::languageName(QString()), QStringLiteral("All languages"));
    QCOMPARE(VocabularyWord::languageName(QStringLiteral("ru-RU")), QStringLiteral("Russian"));
    QCOMPARE(VocabularyWord::languageName(QStringLiteral("de-DE")), QStringLiteral("Deutsch"));
    QCOMPARE(VocabularyWord::languageName(QStringLiteral("xx-YY")), QStringLiteral("xx-YY"));
    QCOMPARE(VocabularyWord::languages().size(), 4);
}

void TestVocabulary::expandsSnippets_data()
{
    QTest::addColumn<QString>("transcript");
    QTest::addColumn<QList<Snippet>>("snippets");
    QTest::addColumn<QString>("expected");

    const QList<Snippet> mail{snippet(QStringLiteral("my mail"), QStringLiteral("me@kesto.uz"))};
    QTest::newRow("no snippets") << QStringLiteral("hello") << QList<Snippet>{} << QStringLiteral("hello");
    QTest::newRow("inside a sentence") << QStringLiteral("Send it to my mail, please.") << mail
                                       << QStringLiteral("Send it to me@kesto.uz, please.");
    QTest::newRow("whole transcript in capitals") << QStringLiteral("  MY MAIL! ") << mail
                                                  << QStringLiteral("me@kesto.uz");
    QTest::newRow("across line break and spaces") << QStringLiteral("to my\n   mail now") << mail
                                                  << QStringLiteral("to me@kesto.uz now");
    QTest::newRow("longer trigger wins")
        << QStringLiteral("write the address here")
        << QList<Snippet>{snippet(QStringLiteral("address"), QStringLiteral("A")),
                          snippet(QStringLiteral("the address"), QStringLiteral("Main St 1"))}
        << QStringLiteral("write Main St 1 here");
    QTest::newRow("inside a word") << QStringLiteral("mailbox emails mail2 mail's") << QList<Snippet>{snippet(QStringLiteral("mail"), QStringLiteral("X"))}
                                   << QStringLiteral("mailbox emails mail2 mail's");
    QTest::newRow("typographic apostrophe")
        << QStringLiteral("it's done")
        << QList<Snippet>{snippet(QStringLiteral(u"it\u2019s done"), QStringLiteral("OK"))} << QStringLiteral("OK");
    QTest::newRow("apostrophe inside a sentence")
        << QStringLiteral("so it's done now")
        << QList<Snippet>{snippet(QStringLiteral(u"it\u2019s done"), QStringLiteral("OK"))}
        << QStringLiteral("so OK now");
    QTest::newRow("literal dollar and backslash")
        << QStringLiteral("price tag") << QList<Snippet>{snippet(QStringLiteral("tag"), QStringLiteral("$1 \\0 \\n"))}
        << QStringLiteral("price $1 \\0 \\n");
    QTest::newRow("blank trigger ignored") << QStringLiteral("a b")
                                           << QList<Snippet>{snippet(QStringLiteral("   "), QStringLiteral("X"))}
                                           << QStringLiteral("a b");
    QTest::newRow("empty text removes the trigger")
        << QStringLiteral("um hello") << QList<Snippet>{snippet(QStringLiteral("um"), QString())}
        << QStringLiteral(" hello");
    QTest::newRow("cyrillic any case") << QStringLiteral(u"Мой Адрес: дом") 
                                       << QList<Snippet>{snippet(QStringLiteral(u"мой адрес"), QStringLiteral("X"))}
                                       << QStringLiteral("X: дом");
    QTest::newRow("diacritics in whole check") << QStringLiteral(u"Café.")
                                               << QList<Snippet>{snippet(QStringLiteral("cafe"), QStringLiteral("C"))}
                                               << QStringLiteral("C");
    QTest::newRow("regex characters in trigger") << QStringLiteral("use c++ (now)")
                                                 << QList<Snippet>{snippet(QStringLiteral("(now)"), QStringLiteral("N"))}
                                                 << QStringLiteral("use c++ N");
}

void TestVocabulary::expandsSnippets()
{
    QFETCH(QString, transcript);
    QFETCH(QList<Snippet>, snippets);
    QFETCH(QString, expected);
    QCOMPARE(Snippet::expand(transcript, snippets), expected);
}

QTEST_GUILESS_MAIN(TestVocabulary)
#include "TestVocabulary.moc"
