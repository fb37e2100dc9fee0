#include "core/Log.h"

#include "TempDataDir.h"

#include <QRegularExpression>
#include <QtTest>

class TestLog final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesStampedLinesInOrder();
    void resetKeepsOnlyThePreviousRun();
    void createsMissingFolder();
    void loggableText();
};

void TestLog::writesStampedLinesInOrder()
{
    TempDataDir dir;
    Log::write(QStringLiteral("first"));
    Log::write(QString());
    Log::write(QStringLiteral("two\nlines"));
    Log::flush();

    const QStringList lines = QString::fromUtf8(dir.read(QStringLiteral("kesto.log"))).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 5); // four lines and the empty rest after the last "\n"
    static const QRegularExpression stamp(QStringLiteral("^([01]\\d|2[0-3]):[0-5]\\d:[0-5]\\d\\.\\d{3} "));
    QVERIFY(stamp.match(lines[0]).hasMatch());
    QVERIFY(lines[0].endsWith(QStringLiteral(" first")));
    QCOMPARE(lines[1].size(), 13); // stamp and one space: an empty message
    QVERIFY(lines[2].endsWith(QStringLiteral(" two")));
    QCOMPARE(lines[3], QStringLiteral("lines"));
    QCOMPARE(lines[4], QString());
}

void TestLog::resetKeepsOnlyThePreviousRun()
{
    TempDataDir dir;
    Log::reset(); // no file yet: nothing happens
    Log::write(QStringLiteral("first run"));
    Log::reset();
    Log::write(QStringLiteral("second run"));
    Log::reset();
    Log::write(QStringLiteral("launched, bundle=/x"));
    Log::flush();
    const QString text = QString::fromUtf8(dir.read(QStringLiteral("kesto.log")));
    QCOMPARE(text.count(QLatin1Char('\n')), 1);
    QVERIFY(text.contains(QStringLiteral("launched, bundle=/x")));
    const QString previous = QString::fromUtf8(dir.read(QStringLiteral("kesto.previous.log")));
    QCOMPARE(previous.count(QLatin1Char('\n')), 1);
    QVERIFY(previous.contains(QStringLiteral("second run")));
    QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("*.log")}, QDir::Files).size(), 2);
}

void TestLog::createsMissingFolder()
{
    TempDataDir dir;
    const QString nested = dir.filePath(QStringLiteral("a/b"));
    qputenv("KESTO_DATA_DIR", nested.toUtf8());
    Log::write(QStringLiteral("hello"));
    Log::flush();
    QFile file(nested + QStringLiteral("/kesto.log"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().endsWith(" hello\n"));
    QCOMPARE(QFileInfo(nested).permissions() & (QFile::ReadOther | QFile::ReadGroup), QFile::Permissions());
}

void TestLog::loggableText()
{
    QCOMPARE(Log::loggable(QStringLiteral("audio/wav\r\nfake line\x1b[31m\u2028")),
             QStringLiteral("audio/wav\\u{000d}\\u{000a}fake line\\u{001b}[31m\\u{2028}"));
    QCOMPARE(Log::loggable(QString::fromUtf8("audio/mp4; name=\"запись\"")),
             QString::fromUtf8("audio/mp4; name=\"запись\""));
}

QTEST_GUILESS_MAIN(TestLog)
#include "TestLog.moc"
