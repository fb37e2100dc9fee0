#include "engine/GeminiPrompt.h"

#include "core/SpokenLanguage.h"
#include "engine/GeminiClient.h"

namespace GeminiPrompt {

QString plainClosing()
{
    return QStringLiteral("\nNever translate, summarize, answer, or add anything of your own.\n"
                          "Output only the transcript. If there is no speech, output nothing at all.");
}

QString noteClosing()
{
    return QStringLiteral("\nThis recording is a note the user is dictating into their notes app. "
                          "Reply with one JSON object.\n"
                          "text: the transcript, following every rule above. Never translate, summarize, "
                          "answer, or add anything of your own. Empty if there is no speech.\n");
}

QString instructions(const GeminiClient& client, const QString& closing)
{
    QStringList blocks{client.prompt};
    const QString languages = languageRules(client.languageCodes);
    if (!languages.isEmpty())
        blocks << languages;
    if (client.transcriptionMode == QLatin1String("smart")) {
        blocks << smartRules(client.removeFillers, client.resolveCorrections);
    } else {
        blocks << QStringLiteral("\nWrite down every word exactly as spoken, including repetitions, filler\n"
                                 "sounds and false starts. Do not tidy anything up.");
    }
    if (!client.punctuation) {
        blocks << QStringLiteral("\nDo not add punctuation marks: no commas, full stops, question marks "
                                 "or exclamation marks.");
    }
    if (!client.customVocabulary.isEmpty()) {
        blocks << QStringLiteral("\nThese names come up often and are easy to mishear \u2014 spell them\n"
                                 "exactly like this when you hear them: ")
                      + client.customVocabulary.join(QStringLiteral(", ")) + QLatin1Char('.');
    }
    blocks << closing;
    return blocks.join(QLatin1Char('\n'));
}

QString languageRules(const QStringList& codes)
{
    QStringList names;
    for (const QString& code : codes) {
        if (const std::optional<SpokenLanguage> language = SpokenLanguage::find(code))
            names << language->englishName;
    }
    if (names.isEmpty())
        return {};
    QString text;
    if (names.size() == 1) {
        text = QStringLiteral("\nThe speaker talks in ") + names.first() + QLatin1Char('.');
    } else {
        const QString last = names.takeLast();
        text = QStringLiteral("\nThe speaker may mix ") + names.join(QStringLiteral(", ")) + QStringLiteral(" and ")
               + last
               + QStringLiteral(". Keep every word in the language it was spoken in \u2014 never translate "
                                "between them.");
    }
    if (codes.contains(QStringLiteral("uz-UZ")))
        text += QStringLiteral(" Write Uzbek in Latin script.");
    return text;
}

QString smartRules(bool fillers, bool corrections)
{
    QStringList lines{QStringLiteral("\nClean the transcript up for reading, without changing what was meant:")};
    if (fillers) {
        lines << QStringLiteral("- Drop filler sounds and false starts: uh, um, mm, yani, shuni, anaqa, "
                                "repeated words.");
    }
    if (corrections) {
        lines << QStringLiteral("- Resolve spoken self-corrections and keep only what the speaker settled on.\n"
                                "  \"Seshanba, yo'q, chorshanba kelaman\" becomes \"Chorshanba kelaman\".");
    }
    lines << QStringLiteral("- Write spoken lists, dates, times and numbers in their normal written form.")
          << QStringLiteral("- Break long speech into sentences and paragraphs where the speaker paused.");
    return lines.join(QLatin1Char('\n'));
}

} // namespace GeminiPrompt
