#include "core/Vocabulary.h"

#include "core/L10n.h"
#include "core/SpokenLanguage.h"
#include "core/TextUtil.h"

#include <QJsonValue>
#include <QRegularExpression>
#include <QSet>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace JsonUuid {

QString text(const QUuid& id)
{
    return id.toString(QUuid::WithoutBraces).toUpper();
}

std::optional<QUuid> parse(const QJsonValue& value)
{
    if (!value.isString())
        return std::nullopt;
    const QString s = value.toString();
    if (s.size() != 36)
        return std::nullopt;
    const QUuid id = QUuid::fromString(s);
    if (id.isNull() && s != QStringLiteral("00000000-0000-0000-0000-000000000000"))
        return std::nullopt;
    return id;
}

} // namespace JsonUuid

QList<VocabularyWord::Choice> VocabularyWord::languages()
{
    return {
        {QString(), L10n::tr("All languages")},
        {QStringLiteral("uz-UZ"), L10n::tr("Uzbek")},
        {QStringLiteral("ru-RU"), L10n::tr("Russian")},
        {QStringLiteral("en-US"), L10n::tr("English")},
    };
}

QString VocabularyWord::languageName(const QString& code)
{
    for (const Choice& choice : languages()) {
        if (choice.code == code)
            return choice.name;
    }
    if (const auto row = SpokenLanguage::find(code))
        return row->nativeName;
    return code;
}

QStringList VocabularyWord::parse(const QString& text)
{
    QStringList words;
    for (const QString& piece : text.split(QLatin1Char(','))) {
        const QString word = piece.trimmed();
        if (!word.isEmpty())
            words.append(word);
    }
    return words;
}

QList<VocabularyWord> VocabularyWord::importList(const QString& text)
{
    QList<VocabularyWord> words;
    QStringList codes;
    for (const Choice& choice : languages())
        codes.append(choice.code);

    for (const QString& line : TextUtil::splitLines(text)) {
        // Split at the first comma that follows some text; leading commas are skipped.
        int start = 0;
        while (start < line.size() && line.at(start) == QLatin1Char(','))
            ++start;
        if (start == line.size())
            continue;
        const int comma = line.indexOf(QLatin1Char(','), start);
        const QString first = TextUtil::trimSpaces(comma < 0 ? line.mid(start) : line.mid(start, comma - start));
        const QString rest = comma < 0 ? QString() : line.mid(comma + 1);
        if (first.isEmpty())
            continue;
        VocabularyWord word;
        word.word = first;
        const QString code = TextUtil::trimSpaces(rest);
        if (!rest.isEmpty() && !code.isEmpty() && codes.contains(code))
            word.language = code;
        words.append(word);
    }
    return words;
}

QString VocabularyWord::sameKey(const QString& word)
{
    return word.normalized(QString::NormalizationForm_C).toLower();
}

QList<VocabularyWord> VocabularyWord::newWords(const QString& text, const QList<VocabularyWord>& existing)
{
    QSet<QString> seen;
    for (const VocabularyWord& word : existing)
        seen.insert(sameKey(word.word));
    QList<VocabularyWord> fresh;
    for (const VocabularyWord& word : importList(text)) {
        const QString lower = sameKey(word.word);
        if (seen.contains(lower))
            continue;
        seen.insert(lower);
        fresh.append(word);
    }
    return fresh;
}

QString VocabularyWord::exportList(const QList<VocabularyWord>& words)
{
    QStringList lines;
    for (const VocabularyWord& word : words)
        lines.append(word.language.isEmpty() ? word.word : word.word + QLatin1Char(',') + word.language);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QJsonObject VocabularyWord::toJson() const
{
    return {{QStringLiteral("id"), JsonUuid::text(id)},
            {QStringLiteral("word"), word},
            {QStringLiteral("language"), language}};
}

std::optional<VocabularyWord> VocabularyWord::fromJson(const QJsonValue& value)
{
    const QJsonObject o = value.toObject();
    const auto id = JsonUuid::parse(o.value(QStringLiteral("id")));
    const QJsonValue word = o.value(QStringLiteral("word"));
    const QJsonValue language = o.value(QStringLiteral("language"));
    if (!value.isObject() || !id || !word.isString() || !language.isString())
        return std::nullopt;
    return VocabularyWord{*id, word.toString(), language.toString()};
}

std::optional<VocabularyWord> VocabularyWord::read(const QJsonValue& value)
{
    const QJsonObject o = value.toObject();
    const QJsonValue word = o.value(QStringLiteral("word"));
    if (!value.isObject() || !word.isString() || TextUtil::trimSpaces(word.toString()).isEmpty())
        return std::nullopt;
    VocabularyWord out;
    if (const auto id = JsonUuid::parse(o.value(QStringLiteral("id"))))
        out.id = *id;
    out.word = word.toString();
    const QString language = o.value(QStringLiteral("language")).toString();
    const QList<Choice> choices = languages();
    const bool known = std::any_of(choices.cbegin(), choices.cend(),
                                   [&language](const Choice& choice) { return choice.code == language; })
                       || SpokenLanguage::find(language).has_value();
    if (known)
        out.language = language;
    return out;
}

QJsonObject Snippet::toJson() const
{
    return {{QStringLiteral("id"), JsonUuid::text(id)},
            {QStringLiteral("trigger"), trigger},
            {QStringLiteral("text"), text}};
}

std::optional<Snippet> Snippet::fromJson(const QJsonValue& value)
{
    const QJsonObject o = value.toObject();
    const auto id = JsonUuid::parse(o.value(QStringLiteral("id")));
    const QJsonValue trigger = o.value(QStringLiteral("trigger"));
    const QJsonValue text = o.value(QStringLiteral("text"));
    if (!value.isObject() || !id || !trigger.isString() || !text.isString())
        return std::nullopt;
    return Snippet{*id, trigger.toString(), text.toString()};
}

std::optional<Snippet> Snippet::read(const QJsonValue& value)
{
    const QJsonObject o = value.toObject();
    const QJsonValue trigger = o.value(QStringLiteral("trigger"));
    const QJsonValue text = o.value(QStringLiteral("text"));
    if (!value.isObject() || !trigger.isString() || !text.isString())
        return std::nullopt;
    Snippet out;
    if (const auto id = JsonUuid::parse(o.value(QStringLiteral("id"))))
        out.id = *id;
    out.trigger = trigger.toString();
    out.text = text.toString();
    return out;
}

namespace {

// Straight, modifier and typographic apostrophes and the grave accent.
const QString apostrophes = QStringLiteral(u"'\u02BB\u02BC\u2019\u2018`");

QString plainApostrophes(QString text)
{
    for (QChar& c : text) {
        if (apostrophes.contains(c))
            c = QLatin1Char('\'');
    }
    return text;
}

// Letter case and accents do not matter when a whole transcript is a trigger.
QString folded(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing && c.category() != QChar::Mark_Enclosing
            && c.category() != QChar::Mark_SpacingCombining)
            out.append(c);
    }
    return out.toCaseFolded();
}

int graphemes(const QString& text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() > 0)
        ++count;
    return count;
}

QString pattern(const QString& trigger)
{
    const QString anyApostrophe = QLatin1Char('[') + apostrophes + QLatin1Char(']');
    QStringList words;
    for (const QString& word : trigger.split(QRegularExpression(QStringLiteral("\\s+"),
                                                                QRegularExpression::UseUnicodePropertiesOption),
                                             Qt::SkipEmptyParts)) {
        QStringList pieces;
        QString piece;
        for (const QChar c : word) {
            if (apostrophes.contains(c)) {
                pieces.append(QRegularExpression::escape(piece));
                piece.clear();
            } else {
                piece.append(c);
            }
        }
        pieces.append(QRegularExpression::escape(piece));
        words.append(pieces.join(anyApostrophe));
    }
    return words.join(QStringLiteral("\\s+"));
}

} // namespace

QString Snippet::expand(const QString& transcript, const QList<Snippet>& snippets)
{
    struct Pair
    {
        QString trigger;
        QString text;
        int length;
    };
    QList<Pair> pairs;
    for (const Snippet& snippet : snippets) {
        const QString trigger = snippet.trigger.trimmed();
        if (!trigger.isEmpty())
            pairs.append({trigger, snippet.text, graphemes(trigger)});
    }
    if (pairs.isEmpty())
        return transcript;
    std::stable_sort(pairs.begin(), pairs.end(), [](const Pair& a, const Pair& b) { return a.length > b.length; });

    static const QString marks = QStringLiteral(u".,!?;:\u2026");
    QString whole = transcript.trimmed();
    while (!whole.isEmpty() && marks.contains(whole.front()))
        whole.remove(0, 1);
    while (!whole.isEmpty() && marks.contains(whole.back()))
        whole.chop(1);
    const QString wholeKey = folded(plainApostrophes(whole));
    for (const Pair& pair : pairs) {
        if (folded(plainApostrophes(pair.trigger)) == wholeKey)
            return pair.text;
    }

    const QString classBody = QStringLiteral("\\p{L}\\p{N}") + apostrophes;
    QStringList groups;
    for (const Pair& pair : pairs)
        groups.append(QLatin1Char('(') + pattern(pair.trigger) + QLatin1Char(')'));
    const QRegularExpression expression(QStringLiteral("(?<![") + classBody + QStringLiteral("])(?:")
                                            + groups.join(QLatin1Char('|')) + QStringLiteral(")(?![") + classBody
                                            + QStringLiteral("])"),
                                        QRegularExpression::CaseInsensitiveOption
                                            | QRegularExpression::UseUnicodePropertiesOption);
    if (!expression.isValid())
        return transcript;

    QString out;
    qsizetype cursor = 0;
    auto it = expression.globalMatch(transcript);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        int group = 1;
        while (group <= pairs.size() && match.capturedStart(group) < 0)
            ++group;
        if (group > pairs.size())
            continue;
        out += QStringView(transcript).mid(cursor, match.capturedStart() - cursor);
        out += pairs.at(group - 1).text;
        cursor = match.capturedEnd();
    }
    out += QStringView(transcript).mid(cursor);
    return out;
}
