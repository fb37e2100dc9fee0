#include "core/AppGlyph.h"
#include "core/DictationStage.h"
#include "core/Format.h"
#include "core/History.h"
#include "core/L10n.h"

#include <QTranslator>
#include <QtTest>

Q_DECLARE_METATYPE(Tone)
Q_DECLARE_METATYPE(DictationStage)

class TestFormat final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { L10n::setInterfaceLanguage(QStringLiteral("en")); }
    void initTestCase() { L10n::setInterfaceLanguage(QStringLiteral("en")); }

    void groupsNumbers_data();
    void groupsNumbers();
    void shortDates_data();
    void shortDates();
    void timeIsAlways24Hour();
    void daysRelativeToNow();
    void durations_data();
    void durations();
    void secondsFollowTheLanguage();
    void wordCountsTakeThePluralForm_data();
    void wordCountsTakeThePluralForm();
    void glyphs_data();
    void glyphs();
    void glyphNames();
    void stageMessages_data();
    void stageMessages();
};

void TestFormat::groupsNumbers_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("en small") << "en" << qint64(999) << "999";
    QTest::newRow("en thousands") << "en" << qint64(1234567) << "1,234,567";
    QTest::newRow("ru plain spaces") << "ru" << qint64(1234567) << "1 234 567";
    QTest::newRow("uz plain spaces") << "uz" << qint64(12345) << "12 345";
}

void TestFormat::groupsNumbers()
{
    QFETCH(QString, language);
    QFETCH(qint64, value);
    QFETCH(QString, expected);
    L10n::setInterfaceLanguage(language);
    QCOMPARE(Format::number(value), expected);
}

void TestFormat::shortDates_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("expected");
    QTest::newRow("en") << "en" << "Mar 8";
    QTest::newRow("uz day, hyphen, month") << "uz" << QStringLiteral("8-") + QLocale(QStringLiteral("uz")).monthName(3, QLocale::ShortFormat);
    QTest::newRow("ru day first") << "ru" << QStringLiteral("8 ") + QLocale(QStringLiteral("ru")).toString(QDate(2026, 3, 8), QStringLiteral("MMM"));
}

void TestFormat::shortDates()
{
    QFETCH(QString, language);
    QFETCH(QString, expected);
    L10n::setInterfaceLanguage(language);
    QCOMPARE(Format::shortDate(QDateTime(QDate(2026, 3, 8), QTime(10, 0))), expected);
}

void TestFormat::timeIsAlways24Hour()
{
    for (const char* language : {"en", "uz", "ru", "ar"}) {
        L10n::setInterfaceLanguage(QString::fromLatin1(language));
        QCOMPARE(Format::time(QDateTime(QDate(2026, 3, 8), QTime(14, 5))), QStringLiteral("14:05"));
    }
}

void TestFormat::daysRelativeToNow()
{
    const QDateTime now(QDate(2026, 3, 14), QTime(8, 0));
    QCOMPARE(Format::day(QDateTime(QDate(2026, 3, 14), QTime(0, 0)), now), QStringLiteral("Today"));
    QCOMPARE(Format::day(QDateTime(QDate(2026, 3, 13), QTime(23, 59)), now), QStringLiteral("Yesterday"));
    QCOMPARE(Format::day(QDateTime(QDate(2026, 3, 12), QTime(9, 30)), now), QStringLiteral("Mar 12"));
    QCOMPARE(Format::dayAndTime(QDateTime(QDate(2026, 3, 13), QTime(9, 30)), now), QStringLiteral("Yesterday, 09:30"));
    QCOMPARE(Format::dayAndTime(QDateTime(QDate(2026, 3, 14), QTime(7, 5)), now), QStringLiteral("Today, 07:05"));
    QCOMPARE(Format::dayAndTime(QDateTime(QDate(2026, 3, 11), QTime(9, 30)), now), QStringLiteral("Mar 11"));
}

void TestFormat::durations_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("expected");
    QTest::newRow("65.9 s") << 65.9 << "1:05";
    QTest::newRow("an hour") << 3600.0 << "60:00";
    QTest::newRow("zero") << 0.0 << "0:00";
    QTest::newRow("negative") << -5.0 << "0:00";
    QTest::newRow("not a number") << qQNaN() << "0:00";
    QTest::newRow("infinite") << qInf() << "0:00";
}

void TestFormat::durations()
{
    QFETCH(double, seconds);
    QFETCH(QString, expected);
    QCOMPARE(Format::duration(seconds), expected);
}

void TestFormat::secondsFollowTheLanguage()
{
    QCOMPARE(Format::seconds(2.5), QStringLiteral("2.5 s"));
    QCOMPARE(Format::seconds(0.04), QStringLiteral("0.0 s"));
    QCOMPARE(Format::seconds(1234.5), QStringLiteral("1234.5 s"));
    L10n::setInterfaceLanguage(QStringLiteral("ru"));
    QCOMPARE(Format::seconds(2.5), QStringLiteral("2,5 s"));
    QCOMPARE(Format::seconds(1234.5), QStringLiteral("1234,5 s"));
}

void TestFormat::wordCountsTakeThePluralForm_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");
    QTest::newRow("en one") << "en" << 1 << "1 word";
    QTest::newRow("en many") << "en" << 1200 << "1,200 words";
    QTest::newRow("ru one") << "ru" << 21 << "21 слово";
    QTest::newRow("ru few") << "ru" << 3 << "3 слова";
    QTest::newRow("ru many") << "ru" << 11 << "11 слов";
    QTest::newRow("ru grouped") << "ru" << 1000 << "1 000 слов";
    QTest::newRow("uz") << "uz" << 5 << "5 ta soʻz";
}

void TestFormat::wordCountsTakeThePluralForm()
{
    QFETCH(QString, language);
    QFETCH(int, count);
    QFETCH(QString, expected);
    QTranslator table;
    QVERIFY(table.load(QStringLiteral(":/i18n/kesto_") + language + QStringLiteral(".qm")));
    QCoreApplication::installTranslator(&table);
    L10n::setInterfaceLanguage(language);
    QCOMPARE(Format::words(count), expected);
    QCoreApplication::removeTranslator(&table);
}

void TestFormat::glyphs_data()
{
    QTest::addColumn<QString>("bundleID"); // "-" for none
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<Tone>("tone");
    QTest::newRow("safari in capitals") << "com.Apple.SAFARI" << "mac" << "globe" << Tone::neutral;
    QTest::newRow("mail prefix only") << "com.apple.mailcompose" << "mac" << "mail" << Tone::pink;
    QTest::newRow("phone wins") << "org.telegram.desktop" << "phone" << "smartphone" << Tone::green;
    QTest::newRow("no id") << "-" << "mac" << "app-window" << Tone::neutral;
    QTest::newRow("unknown") << "org.example.thing" << "mac" << "app-window" << Tone::neutral;
    QTest::newRow("telegram on linux") << "org.telegram.desktop" << "mac" << "send" << Tone::blue;
    QTest::newRow("telegram wm class") << "telegram-desktop" << "mac" << "send" << Tone::blue;
    QTest::newRow("slack") << "slack" << "mac" << "message-square" << Tone::purple;
    QTest::newRow("vs code") << "code" << "mac" << "code" << Tone::teal;
    QTest::newRow("gnome terminal") << "org.gnome.Terminal" << "mac" << "terminal" << Tone::teal;
    QTest::newRow("gnome terminal server") << "gnome-terminal-server" << "mac" << "terminal" << Tone::teal;
    QTest::newRow("kitty") << "kitty" << "mac" << "terminal" << Tone::teal;
    QTest::newRow("chrome") << "google-chrome" << "mac" << "globe" << Tone::neutral;
    QTest::newRow("chromium") << "chromium" << "mac" << "globe" << Tone::neutral;
    QTest::newRow("firefox") << "firefox" << "mac" << "globe" << Tone::neutral;
    QTest::newRow("thunderbird") << "thunderbird" << "mac" << "mail" << Tone::pink;
    QTest::newRow("libreoffice") << "libreoffice-writer" << "mac" << "file-text" << Tone::blue;
    QTest::newRow("ourselves") << "kesto-viruz" << "mac" << "mic" << Tone::blue;
    // A Linux name matches whole or before a separator, never as the start of
    // another word.
    QTest::newRow("firefox snap") << "firefox_firefox" << "mac" << "globe" << Tone::neutral;
    QTest::newRow("code-oss") << "code-oss" << "mac" << "code" << Tone::teal;
    QTest::newRow("vendor name") << "jetbrains-idea" << "mac" << "code" << Tone::teal;
    QTest::newRow("foot is no footnote") << "footnote-editor" << "mac" << "app-window" << Tone::neutral;
    QTest::newRow("opera is no operator") << "operator" << "mac" << "app-window" << Tone::neutral;
    QTest::newRow("code is no codeblocks") << "codeblocks" << "mac" << "app-window" << Tone::neutral;
}

void TestFormat::glyphs()
{
    QFETCH(QString, bundleID);
    QFETCH(QString, source);
    QFETCH(QString, icon);
    QFETCH(Tone, tone);
    const auto id = bundleID == QStringLiteral("-") ? std::nullopt : std::optional<QString>(bundleID);
    QCOMPARE(AppGlyph::icon(id, source), (AppGlyph::Glyph{icon, tone}));
}

void TestFormat::glyphNames()
{
    HistoryEntry e;
    QCOMPARE(AppGlyph::name(e), QStringLiteral("Kesto Viruz"));
    e.appName = QStringLiteral("Firefox");
    QCOMPARE(AppGlyph::name(e), QStringLiteral("Firefox"));
    e.source = QStringLiteral("phone");
    QCOMPARE(AppGlyph::name(e), QStringLiteral("From phone"));
}

void TestFormat::stageMessages_data()
{
    QTest::addColumn<DictationStage>("stage");
    QTest::addColumn<double>("elapsed");
    QTest::addColumn<QString>("expected");
    const QString turning = QStringLiteral("Turning speech into text…");
    const QString waiting = QStringLiteral("Waiting for the transcript…");
    const QString still = QStringLiteral("Still processing your audio…");
    const QList<std::pair<double, QString>> transcribing = {{0, turning},    {3.9, turning}, {4.0, waiting},
                                                            {7.9, waiting},  {8.0, still},   {11.9, still},
                                                            {12.0, waiting}, {16.0, still},  {20.0, waiting},
                                                            {-1, turning},   {qQNaN(), turning},
                                                            {1e300, still}};
    for (const auto& [e, text] : transcribing)
        QTest::addRow("transcribing %g", e) << DictationStage::transcribing << e << text;
    for (double e : {0.0, 100.0}) {
        QTest::addRow("preparing %g", e) << DictationStage::preparing << e << QStringLiteral("Preparing audio…");
        QTest::addRow("trimming %g", e) << DictationStage::trimming << e << QStringLiteral("Shortening silence…");
        QTest::addRow("retrying %g", e) << DictationStage::retrying << e << QStringLiteral("Trying again…");
        QTest::addRow("organizing %g", e) << DictationStage::organizing << e << QStringLiteral("Organizing your note…");
        QTest::addRow("finishing %g", e) << DictationStage::finishing << e << QStringLiteral("Preparing the result…");
    }
}

void TestFormat::stageMessages()
{
    QFETCH(DictationStage, stage);
    QFETCH(double, elapsed);
    QFETCH(QString, expected);
    QCOMPARE(DictationStages::message(stage, elapsed), expected);
    QVERIFY(expected.endsWith(QChar(0x2026)));
}

QTEST_GUILESS_MAIN(TestFormat)
#include "TestFormat.moc"
