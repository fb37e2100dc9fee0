#include "core/InterfaceLanguage.h"
#include "core/L10n.h"
#include "core/SpokenLanguage.h"

#include <QSettings>
#include <QTranslator>
#include <QTemporaryDir>
#include <QtTest>

class TestLanguages final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void spokenCatalogue();
    void readsStoredChoice_data();
    void readsStoredChoice();
    void choosing_data();
    void choosing();
    void unwritableChoiceRestartsNothing();
    void choiceNames();
    void looksUpTranslations();
    void interfaceLanguageFollowsChoice(); // installs a table: runs last

private:
    QTemporaryDir m_dir;
};

void TestLanguages::spokenCatalogue()
{
    const auto& all = SpokenLanguage::all();
    QCOMPARE(all.size(), 13);
    QCOMPARE(all.first().code, QStringLiteral("uz-UZ"));
    QCOMPARE(all.first().nativeName.at(1), QChar(0x02BB));
    QCOMPARE(all.last().nativeName, QStringLiteral(u"한국어"));
    QCOMPARE(SpokenLanguage::find(QStringLiteral("ru-RU"))->englishName, QStringLiteral("Russian"));
    QVERIFY(!SpokenLanguage::find(QStringLiteral("ru-ru")));
    QVERIFY(!SpokenLanguage::find(QString()));
}

void TestLanguages::readsStoredChoice_data()
{
    QTest::addColumn<QVariant>("stored"); // invalid: key absent
    QTest::addColumn<QString>("expected"); // empty: none
    QTest::newRow("absent") << QVariant() << QString();
    QTest::newRow("two codes") << QVariant(QStringList{QStringLiteral("uz"), QStringLiteral("en")}) << QStringLiteral("uz");
    QTest::newRow("one code") << QVariant(QStringList{QStringLiteral("ru")}) << QStringLiteral("ru");
    QTest::newRow("empty list") << QVariant(QStringList{}) << QString();
    QTest::newRow("a number") << QVariant(5) << QString();
}

void TestLanguages::readsStoredChoice()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, expected);
    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".conf"));
    {
        QSettings settings(path, QSettings::IniFormat);
        if (stored.isValid())
            settings.setValue(QStringLiteral("AppleLanguages"), stored);
    }
    // Read back from the file, as a new launch does.
    const QSettings settings(path, QSettings::IniFormat);
    QCOMPARE(InterfaceLanguage::chosen(settings).value_or(QString()), expected);
}

void TestLanguages::choosing_data()
{
    QTest::addColumn<QString>("before"); // empty: none stored
    QTest::addColumn<QString>("choice"); // empty: the system choice
    QTest::addColumn<bool>("restarts");
    QTest::newRow("same code") << QStringLiteral("uz") << QStringLiteral("uz") << false;
    QTest::newRow("none while none") << QString() << QString() << false;
    QTest::newRow("ru over uz") << QStringLiteral("uz") << QStringLiteral("ru") << true;
    QTest::newRow("none over en") << QStringLiteral("en") << QString() << true;
}

void TestLanguages::choosing()
{
    QFETCH(QString, before);
    QFETCH(QString, choice);
    QFETCH(bool, restarts);
    const QString path = m_dir.filePath(QStringLiteral("choose-") + QString::fromLatin1(QTest::currentDataTag()));
    QSettings settings(path, QSettings::IniFormat);
    if (!before.isEmpty())
        settings.setValue(QStringLiteral("AppleLanguages"), QStringList{before});
    int restarted = 0;
    const auto code = choice.isEmpty() ? std::nullopt : std::optional<QString>(choice);
    const InterfaceLanguage::Outcome outcome = InterfaceLanguage::choose(settings, code, [&] { ++restarted; });
    QCOMPARE(outcome, restarts ? InterfaceLanguage::Outcome::stored : InterfaceLanguage::Outcome::unchanged);
    QCOMPARE(restarted, restarts ? 1 : 0);

    const QSettings reread(path, QSettings::IniFormat);
    const std::optional<QString> stored = before.isEmpty() ? std::nullopt : std::optional<QString>(before);
    QCOMPARE(InterfaceLanguage::chosen(reread), restarts ? code : stored);
    if (restarts && !code)
        QVERIFY(!reread.contains(QStringLiteral("AppleLanguages")));
}

void TestLanguages::unwritableChoiceRestartsNothing()
{
    // The settings folder cannot be made: a file has its name. (A read-only
    // mode would not stop the root user the suite may run as.)
    QFile blocker(m_dir.filePath(QStringLiteral("blocked")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = m_dir.filePath(QStringLiteral("blocked/kesto-viruz.conf"));
    int restarted = 0;
    {
        QSettings settings(path, QSettings::IniFormat);
        QCOMPARE(InterfaceLanguage::choose(settings, QStringLiteral("ru"), [&] { ++restarted; }),
                 InterfaceLanguage::Outcome::notStored);
    }
    QCOMPARE(restarted, 0);
    // Nothing in the process takes the unwritten choice for the stored one,
    // so choosing it again tries again.
    QSettings settings(path, QSettings::IniFormat);
    QCOMPARE(InterfaceLanguage::chosen(settings), std::nullopt);
    QCOMPARE(InterfaceLanguage::choose(settings, QStringLiteral("ru"), [&] { ++restarted; }),
             InterfaceLanguage::Outcome::notStored);
}

void TestLanguages::choiceNames()
{
    const auto choices = InterfaceLanguage::choices();
    QCOMPARE(choices.size(), 4);
    QVERIFY(!choices[0].code);
    QCOMPARE(choices[0].name, QStringLiteral("System"));
    QCOMPARE(choices[1].name, QStringLiteral(u"O\u02BBzbekcha"));
    QCOMPARE(*choices[3].code, QStringLiteral("ru"));
}

void TestLanguages::interfaceLanguageFollowsChoice()
{
    qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("xdg")).toUtf8());
    {
        QSettings settings(InterfaceLanguage::settingsPath(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("AppleLanguages"), QStringList{QStringLiteral("uz")});
    }
    QCOMPARE(InterfaceLanguage::chosen(), std::optional<QString>(QStringLiteral("uz")));
    QCOMPARE(L10n::interfaceLanguage(), QStringLiteral("uz"));
    L10n::install();
    QCOMPARE(L10n::interfaceLanguage(), QStringLiteral("uz"));
    QCOMPARE(L10n::tr("Today"), QStringLiteral("Bugun"));
    // A text the table lacks stays English.
    QCOMPARE(L10n::tr("Not in any table"), QStringLiteral("Not in any table"));
    L10n::setInterfaceLanguage(QString());
}

void TestLanguages::looksUpTranslations()
{
    class Table final : public QTranslator
    {
    public:
        QString translate(const char* context, const char* source, const char*, int) const override
        {
            if (QByteArray(context) == "L10n" && QByteArray(source) == "System")
                return QStringLiteral(u"Tizim");
            return {};
        }
        bool isEmpty() const override { return false; }
    } table;
    QCoreApplication::installTranslator(&table);
    QCOMPARE(InterfaceLanguage::choices().first().name, QStringLiteral("Tizim"));
    QCOMPARE(InterfaceLanguage::choices().at(3).name, QStringLiteral(u"Русский"));
    QCOMPARE(L10n::tr(QStringLiteral("Missing text")), QStringLiteral("Missing text")); // the key itself
    QCoreApplication::removeTranslator(&table);
    QCOMPARE(InterfaceLanguage::choices().first().name, QStringLiteral("System"));
}

QTEST_GUILESS_MAIN(TestLanguages)
#include "TestLanguages.moc"
