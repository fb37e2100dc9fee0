#include "engine/GeminiClient.h"
#include "engine/GeminiPrompt.h"

#include <QtTest>

class TestGeminiPrompt : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mixedLanguagesDictation();
    void prompts_data();
    void prompts();
    void noteClosingLeadsIntoTheFilingRules();
};

namespace {

const QString closing = QStringLiteral("\n<closing>");

GeminiClient smartClient(bool fillers, bool corrections)
{
    GeminiClient client;
    client.transcriptionMode = QStringLiteral("smart");
    client.removeFillers = fillers;
    client.resolveCorrections = corrections;
    return client;
}

} // namespace

void TestGeminiPrompt::mixedLanguagesDictation()
{
    GeminiClient client = smartClient(true, false);
    client.languageCodes = {QStringLiteral("uz-UZ"), QStringLiteral("ru-RU")};
    const QStringList lines = client.instructions(GeminiPrompt::plainClosing()).split(QLatin1Char('\n'));
    const QStringList expected{
        QString(),
        QString(),
        QStringLiteral("The speaker may mix Uzbek and Russian. Keep every word in the language it was spoken in "
                       "\u2014 never translate between them. Write Uzbek in Latin script."),
        QString(),
        QStringLiteral("Clean the transcript up for reading, without changing what was meant:"),
        QStringLiteral("- Drop filler sounds and false starts: uh, um, mm, yani, shuni, anaqa, repeated words."),
        QStringLiteral("- Write spoken lists, dates, times and numbers in their normal written form."),
        QStringLiteral("- Break long speech into sentences and paragraphs where the speaker paused."),
        QString(),
        QStringLiteral("Never translate, summarize, answer, or add anything of your own."),
        QStringLiteral("Output only the transcript. If there is no speech, output nothing at all."),
    };
    QCOMPARE(lines, expected);
}

void TestGeminiPrompt::prompts_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QString>("mode"); // "verbatim", or "smart" with the two flags below
    QTest::addColumn<bool>("fillers");
    QTest::addColumn<bool>("corrections");
    QTest::addColumn<bool>("punctuation");
    QTest::addColumn<QStringList>("vocabulary");
    QTest::addColumn<QString>("expected");

    const QString verbatim = QStringLiteral("\nWrite down every word exactly as spoken, including repetitions, "
                                            "filler\nsounds and false starts. Do not tidy anything up.");
    const QString cleanUp = QStringLiteral("\nClean the transcript up for reading, without changing what was meant:");
    const QString written = QStringLiteral("- Write spoken lists, dates, times and numbers in their normal written "
                                           "form.\n- Break long speech into sentences and paragraphs where the "
                                           "speaker paused.");
    const QString keep = QStringLiteral("Keep every word in the language it was spoken in \u2014 never translate "
                                        "between them.");

    const auto add = [](const char* name, const QString& prompt, const QStringList& languages, const QString& mode,
                        bool fillers, bool corrections, bool punctuation, const QStringList& vocabulary,
                        const QString& expected) {
        QTest::newRow(name) << prompt << languages << mode << fillers << corrections << punctuation << vocabulary
                            << expected;
    };
    add("three languages", "Be brief.", {"en-US", "de-DE", "fr-FR"}, "verbatim", false, false, true, {},
        "Be brief.\n\nThe speaker may mix English, German and French. " + keep + "\n" + verbatim + "\n" + closing);
    add("Uzbek alone", "", {"uz-UZ"}, "verbatim", false, false, true, {},
        "\n\nThe speaker talks in Uzbek. Write Uzbek in Latin script.\n" + verbatim + "\n" + closing);
    add("unknown codes leave no block", "P", {"xx-XX", "uz"}, "verbatim", false, false, true, {},
        "P\n" + verbatim + "\n" + closing);
    add("unknown code among known ones", "P", {"xx-XX", "ru-RU"}, "verbatim", false, false, true, {},
        "P\n\nThe speaker talks in Russian.\n" + verbatim + "\n" + closing);
    add("verbatim without punctuation", "P", {}, "verbatim", false, false, false, {},
        "P\n" + verbatim
            + "\n\nDo not add punctuation marks: no commas, full stops, question marks or exclamation marks.\n"
            + closing);
    add("corrections only", "P", {}, "smart", false, true, true, {},
        "P\n" + cleanUp
            + "\n- Resolve spoken self-corrections and keep only what the speaker settled on.\n"
              "  \"Seshanba, yo'q, chorshanba kelaman\" becomes \"Chorshanba kelaman\".\n"
            + written + "\n" + closing);
    add("both clean-up rules", "P", {}, "smart", true, true, true, {},
        "P\n" + cleanUp
            + "\n- Drop filler sounds and false starts: uh, um, mm, yani, shuni, anaqa, repeated words.\n"
              "- Resolve spoken self-corrections and keep only what the speaker settled on.\n"
              "  \"Seshanba, yo'q, chorshanba kelaman\" becomes \"Chorshanba kelaman\".\n"
            + written + "\n" + closing);
    add("vocabulary", "P", {}, "verbatim", false, false, true, {"Kesto Viruz", "Toshkent", "Kesto Viruz"},
        "P\n" + verbatim
            + "\n\nThese names come up often and are easy to mishear \u2014 spell them\nexactly like this when "
              "you hear them: Kesto Viruz, Toshkent, Kesto Viruz.\n"
            + closing);
    add("instructions kept as typed", "  Line one\nline two  ", {}, "verbatim", false, false, true, {},
        "  Line one\nline two  \n" + verbatim + "\n" + closing);
}

void TestGeminiPrompt::prompts()
{
    QFETCH(QString, prompt);
    QFETCH(QStringList, languages);
    QFETCH(QString, mode);
    QFETCH(bool, fillers);
    QFETCH(bool, corrections);
    QFETCH(bool, punctuation);
    QFETCH(QStringList, vocabulary);
    QFETCH(QString, expected);

    GeminiClient client = smartClient(fillers, corrections);
    client.transcriptionMode = mode;
    client.prompt = prompt;
    client.languageCodes = languages;
    client.punctuation = punctuation;
    client.customVocabulary = vocabulary;
    QCOMPARE(client.instructions(closing), expected);
}

void TestGeminiPrompt::noteClosingLeadsIntoTheFilingRules()
{
    GeminiClient client = smartClient(true, true);
    const QString prompt = client.instructions(GeminiPrompt::noteClosing() + QStringLiteral("kind: ..."));
    QVERIFY(prompt.endsWith(QStringLiteral(
        "\n\nThis recording is a note the user is dictating into their notes app. Reply with one JSON object.\n"
        "text: the transcript, following every rule above. Never translate, summarize, answer, or add anything of "
        "your own. Empty if there is no speech.\nkind: ...")));
}

QTEST_GUILESS_MAIN(TestGeminiPrompt)
#include "TestGeminiPrompt.moc"
