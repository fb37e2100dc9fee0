// Every text the code looks up has a finished Uzbek and Russian translation
// in some table of that language. The code's texts come from lupdate, so the
// check sees exactly what the translation tools see.

#include "core/L10n.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message
{
    QString context;
    QString source;
    bool numerus = false;
    bool finished = false;
    int forms = 0;          // finished plural forms
    QStringList texts = {}; // the translation, or each of its plural forms
};

QString keyOf(const Message& m)
{
    return m.context + QLatin1Char('\x1f') + m.source;
}

// Reads the messages of one .ts file; vanished and obsolete entries do not count.
QList<Message> readTable(const QString& path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                current = Message{context, QString(),
                                  xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes")};
            } else if (name == QLatin1String("source")) {
                current.source = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                const auto type = xml.attributes().value(QLatin1String("type"));
                const bool open = type == QLatin1String("unfinished") || type == QLatin1String("vanished")
                                  || type == QLatin1String("obsolete");
                if (current.numerus) {
                    current.finished = !open;
                } else {
                    const QString text = xml.readElementText();
                    current.finished = !open && !text.trimmed().isEmpty();
                    current.texts = {text};
                }
            } else if (name == QLatin1String("numerusform")) {
                const QString text = xml.readElementText();
                if (!text.trimmed().isEmpty())
                    ++current.forms;
                current.texts.append(text);
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            messages.append(current);
        }
    }
    if (xml.hasError())
        messages.append(Message{QStringLiteral("(unreadable)"), path + QStringLiteral(": ") + xml.errorString()});
    return messages;
}

// The texts of the code under sourceDir, with the number of plural forms the
// language needs for those that carry a number.
QList<Message> extract(const QString& sourceDir, const QString& language, int& formsNeeded, QString& error)
{
    QTemporaryDir temp;
    const QString out = temp.filePath(QStringLiteral("code_") + language + QStringLiteral(".ts"));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(KESTO_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-target-language"), language, sourceDir, QStringLiteral("-ts"), out});
    if (!lupdate.waitForFinished(60000) || lupdate.exitCode() != 0) {
        error = QString::fromUtf8(lupdate.readAll());
        return {};
    }
    // An untranslated plural entry is written with as many empty forms as the language has.
    QFile file(out);
    file.open(QIODevice::ReadOnly);
    const QByteArray text = file.readAll();
    const int at = text.indexOf("numerus=\"yes\"");
    formsNeeded = at < 0 ? 0 : int(text.mid(at, text.indexOf("</message>", at) - at).count("<numerusform"));
    return readTable(out);
}

// One line per text of the code that no table of the language covers.
QStringList problems(const QString& sourceDir, const QStringList& tables, const QString& language)
{
    int formsNeeded = 0;
    QString error;
    const QList<Message> code = extract(sourceDir, language, formsNeeded, error);
    if (!error.isEmpty())
        return {QStringLiteral("lupdate failed: ") + error};

    QHash<QString, Message> best;
    for (const QString& table : tables) {
        for (const Message& m : readTable(table)) {
            if (m.context == QLatin1String("(unreadable)"))
                return {m.source};
            const auto it = best.constFind(keyOf(m));
            const bool better = it == best.cend() || (m.finished && !it->finished) || m.forms > it->forms;
            if (better)
                best.insert(keyOf(m), m);
        }
    }

    QStringList found;
    for (const Message& m : code) {
        const QString label = (m.context == QLatin1String("L10n") ? QString() : m.context + QStringLiteral(": "))
                              + QLatin1Char('"') + m.source + QLatin1Char('"');
        const auto it = best.constFind(keyOf(m));
        if (it == best.cend())
            found.append(language + QStringLiteral(" missing: ") + label);
        else if (!it->finished)
            found.append(language + QStringLiteral(" unfinished: ") + label);
        else if (m.numerus && (!it->numerus || it->forms < formsNeeded))
            found.append(language + QStringLiteral(" needs %1 plural forms: ").arg(formsNeeded) + label);
    }
    return found;
}

// The distinct places a text fills in: %1 to %99 (with or without L) and %n.
QStringList placeholders(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("%L?([0-9]{1,2}|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : pattern.globalMatch(text))
        found.append(QLatin1Char('%') + match.captured(1));
    found.sort();
    found.removeDuplicates();
    return found;
}

// One line per finished translation, or plural form of one, whose
// placeholders are not those of its source: a dropped %1 loses a value, an
// extra one shows "%2" to the user.
QStringList placeholderProblems(const QString& table)
{
    QStringList found;
    const QString name = QFileInfo(table).fileName();
    for (const Message& m : readTable(table)) {
        if (m.context == QLatin1String("(unreadable)"))
            return {m.source};
        if (!m.finished)
            continue;
        const QStringList expected = placeholders(m.source);
        for (const QString& text : m.texts) {
            if (!text.trimmed().isEmpty() && placeholders(text) != expected) {
                found.append(name + QStringLiteral(": \"") + m.source + QStringLiteral("\" is translated as \"")
                             + text + QLatin1Char('"'));
            }
        }
    }
    return found;
}

QStringList tablesOf(const QString& dir, const QString& language)
{
    QStringList paths;
    const QDir tables(dir);
    for (const QString& name : tables.entryList({QStringLiteral("*_") + language + QStringLiteral(".ts")}, QDir::Files))
        paths.append(tables.filePath(name));
    return paths;
}

void write(const QString& path, const QByteArray& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

QByteArray table(const QByteArray& language, const QByteArray& messages)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" language=\"" + language
           + "\">\n<context>\n<name>L10n</name>\n" + messages + "</context>\n</TS>\n";
}

} // namespace

class TestTranslations final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void namesUncoveredTexts_data();
    void namesUncoveredTexts();
    void everyTextOfTheCodeIsTranslated_data();
    void everyTextOfTheCodeIsTranslated();
    void namesTranslationsWithOtherPlaceholders_data();
    void namesTranslationsWithOtherPlaceholders();
    void everyTranslationKeepsItsPlaceholders();
    void qtTextsTheInterfaceShows();
};

void TestTranslations::namesUncoveredTexts_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<QStringList>("expected");

    const QByteArray hello = "<message><source>Hello</source><translation>Привет</translation></message>\n";
    const QByteArray words = "<message numerus=\"yes\"><source>%1 words</source><translation>"
                             "<numerusform>%1 слово</numerusform><numerusform>%1 слова</numerusform>"
                             "<numerusform>%1 слов</numerusform></translation></message>\n";
    const QStringList none;
    QTest::newRow("covered across two tables") << hello << words << none;
    QTest::newRow("missing") << hello << QByteArray() << QStringList{QStringLiteral("ru missing: \"%1 words\"")};
    QTest::newRow("unfinished")
        << QByteArray("<message><source>Hello</source><translation type=\"unfinished\">Привет</translation></message>\n")
        << words << QStringList{QStringLiteral("ru unfinished: \"Hello\"")};
    QTest::newRow("empty translation")
        << QByteArray("<message><source>Hello</source><translation></translation></message>\n") << words
        << QStringList{QStringLiteral("ru unfinished: \"Hello\"")};
    QTest::newRow("vanished") << QByteArray("<message><source>Hello</source><translation type=\"vanished\">Привет</translation></message>\n")
                              << words << QStringList{QStringLiteral("ru unfinished: \"Hello\"")};
    QTest::newRow("a plural form left empty")
        << hello
        << QByteArray("<message numerus=\"yes\"><source>%1 words</source><translation><numerusform>%1 слово</numerusform>"
                      "<numerusform>%1 слова</numerusform><numerusform></numerusform></translation></message>\n")
        << QStringList{QStringLiteral("ru needs 3 plural forms: \"%1 words\"")};
    QTest::newRow("plural text translated as one")
        << hello << QByteArray("<message><source>%1 words</source><translation>%1 слов</translation></message>\n")
        << QStringList{QStringLiteral("ru needs 3 plural forms: \"%1 words\"")};
    QTest::newRow("the better of two entries counts")
        << hello + "<message><source>%1 words</source><translation type=\"unfinished\"></translation></message>\n"
        << words << none;
}

void TestTranslations::namesUncoveredTexts()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(QStringList, expected);

    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("src"));
    QDir(dir.path()).mkpath(QStringLiteral("tables"));
    write(dir.filePath(QStringLiteral("src/a.cpp")),
          "void f(int n)\n{\n    L10n::tr(\"Hello\");\n    L10n::tr(\"%1 words\", nullptr, n);\n}\n");
    write(dir.filePath(QStringLiteral("tables/kesto_ru.ts")), table("ru", first));
    write(dir.filePath(QStringLiteral("tables/main_ru.ts")), table("ru", second));
    write(dir.filePath(QStringLiteral("tables/main_uz.ts")), table("uz", QByteArray()));

    const QStringList found = problems(dir.filePath(QStringLiteral("src")),
                                       tablesOf(dir.filePath(QStringLiteral("tables")), QStringLiteral("ru")),
                                       QStringLiteral("ru"));
    QCOMPARE(found, expected);
}

void TestTranslations::everyTextOfTheCodeIsTranslated_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("uz") << QStringLiteral("uz");
    QTest::newRow("ru") << QStringLiteral("ru");
}

void TestTranslations::everyTextOfTheCodeIsTranslated()
{
    QFETCH(QString, language);
    const QString root = QStringLiteral(KESTO_SOURCE_DIR);
    const QStringList found = problems(root + QStringLiteral("/src"),
                                       tablesOf(root + QStringLiteral("/resources/translations"), language), language);
    if (!found.isEmpty())
        QFAIL(qPrintable(QStringLiteral("texts without a finished translation:\n  ") + found.join(QStringLiteral("\n  "))));
}

void TestTranslations::namesTranslationsWithOtherPlaceholders_data()
{
    QTest::addColumn<QByteArray>("messages");
    QTest::addColumn<QStringList>("expected");

    const QStringList none;
    QTest::newRow("same places, another order")
        << QByteArray("<message><source>Port %1 could not be opened: %2</source>"
                      "<translation>%1-portni ochib boʻlmadi: %2</translation></message>\n"
                      "<message><source>%1 of %2</source><translation>%2 из %1</translation></message>\n")
        << none;
    QTest::newRow("a dropped %1")
        << QByteArray("<message><source>Microphone: %1</source><translation>Микрофон</translation></message>\n")
        << QStringList{QStringLiteral("kesto_ru.ts: \"Microphone: %1\" is translated as \"Микрофон\"")};
    QTest::newRow("a placeholder that is not in the source")
        << QByteArray("<message><source>Copied</source><translation>Скопировано %1</translation></message>\n")
        << QStringList{QStringLiteral("kesto_ru.ts: \"Copied\" is translated as \"Скопировано %1\"")};
    QTest::newRow("a plural form without %n")
        << QByteArray("<message numerus=\"yes\"><source>%n days</source><translation><numerusform>%n день</numerusform>"
                      "<numerusform>дня</numerusform><numerusform>%n дней</numerusform></translation></message>\n")
        << QStringList{QStringLiteral("kesto_ru.ts: \"%n days\" is translated as \"дня\"")};
    QTest::newRow("an unfinished translation is not read")
        << QByteArray("<message><source>Microphone: %1</source><translation type=\"unfinished\"></translation></message>\n")
        << none;
}

void TestTranslations::namesTranslationsWithOtherPlaceholders()
{
    QFETCH(QByteArray, messages);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kesto_ru.ts"));
    write(path, table("ru", messages));
    QTEST(placeholderProblems(path), "expected");
}

void TestTranslations::everyTranslationKeepsItsPlaceholders()
{
    const QDir tables(QStringLiteral(KESTO_SOURCE_DIR) + QStringLiteral("/resources/translations"));
    QStringList found;
    for (const QString& name : tables.entryList({QStringLiteral("*.ts")}, QDir::Files))
        found += placeholderProblems(tables.filePath(name));
    if (!found.isEmpty())
        QFAIL(qPrintable(QStringLiteral("translations with other placeholders than their text:\n  ")
                         + found.join(QStringLiteral("\n  "))));
}

// Qt's own texts that the interface shows (context menus, the file dialog,
// message box buttons): Russian comes with the system's Qt, Uzbek from the
// application's table, which carries every one of them (the check above
// sees to that). Each must be a text Qt really uses, which the system's
// Russian table, made from Qt's sources, confirms.
void TestTranslations::qtTextsTheInterfaceShows()
{
    QTranslator russian;
    QVERIFY2(russian.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)),
             "Qt's Russian table (qt6-translations-l10n)");

    QSet<QString> contexts;
    QStringList found;
    for (const L10n::QtText& text : L10n::qtTexts()) {
        contexts.insert(QLatin1String(text.context));
        if (russian.translate(text.context, text.source).isEmpty())
            found.append(QStringLiteral("not a text of Qt (no Russian): ") + QLatin1String(text.context)
                         + QStringLiteral(": \"") + QString::fromUtf8(text.source) + QLatin1Char('"'));
    }
    for (const char* context : {"QLineEdit", "QWidgetTextControl", "QFileDialog", "QFileSystemModel", "QPlatformTheme",
                                "QMessageBox"}) {
        if (!contexts.contains(QLatin1String(context)))
            found.append(QStringLiteral("nothing of ") + QLatin1String(context));
    }
    if (!found.isEmpty())
        QFAIL(qPrintable(found.join(QStringLiteral("\n  "))));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "TestTranslations.moc"
