#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <optional>

// A word or name the model must spell exactly, for one spoken language or, with
// the empty language, for all of them. Kept in the settings.
struct VocabularyWord
{
    QUuid id = QUuid::createUuid();
    QString word;
    QString language; // a spoken-language code; "" means all languages

    bool operator==(const VocabularyWord&) const = default;

    struct Choice
    {
        QString code;
        QString name;
    };
    // The languages a word can be given: "" (all), uz-UZ, ru-RU, en-US; names translated.
    static QList<Choice> languages();
    // Display name of a word's language: from languages(), else the spoken
    // language's native name, else the code itself.
    static QString languageName(const QString& code);
    // The words typed into the add field: split at ",", trimmed, empties dropped.
    static QStringList parse(const QString& text);
    // Word-list files: one "word" or "word,language" per line.
    static QList<VocabularyWord> importList(const QString& text);
    // What two words (or snippet triggers) are compared by: letter case
    // aside, canonically equal spellings alike.
    static QString sameKey(const QString& word);
    // The imported words not yet present, compared by sameKey().
    static QList<VocabularyWord> newWords(const QString& text, const QList<VocabularyWord>& existing);
    static QString exportList(const QList<VocabularyWord>& words);

    // Strict: all three keys with the right types.
    QJsonObject toJson() const;
    static std::optional<VocabularyWord> fromJson(const QJsonValue& value);
    // Lenient, for files edited by hand or written by other tools: any object
    // with a non-blank "word" text is a word; a missing or unreadable id gets
    // a new one, a missing or unknown language means all languages.
    static std::optional<VocabularyWord> read(const QJsonValue& value);
};

// A spoken trigger phrase and the text that replaces it in a transcript.
struct Snippet
{
    QUuid id = QUuid::createUuid();
    QString trigger;
    QString text; // inserted exactly as stored

    bool operator==(const Snippet&) const = default;

    // The transcript with every trigger (as a whole word sequence, any case,
    // any apostrophe form) replaced by its text; a transcript that is only a
    // trigger becomes exactly that text.
    static QString expand(const QString& transcript, const QList<Snippet>& snippets);

    QJsonObject toJson() const;
    static std::optional<Snippet> fromJson(const QJsonValue& value);
    // Lenient: a "trigger" and a "text" that are texts make a snippet; a
    // missing or unreadable id gets a new one.
    static std::optional<Snippet> read(const QJsonValue& value);
};

// UUIDs are stored as the upper-case hyphenated text.
namespace JsonUuid {
QString text(const QUuid& id);
std::optional<QUuid> parse(const QJsonValue& value);
} // namespace JsonUuid
