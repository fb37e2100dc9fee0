#include "shell/SingleInstance.h"
#include "shell/StaleRecordings.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestStartupPieces final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void staleRecordingsKeepWhatHistoryUses();
    void recordingNames_data();
    void recordingNames();
    void secondInstanceActivatesTheFirst();
    void instancesOfOtherDataFoldersRunSideBySide();
};

namespace {

void touch(const QString& path, const QDateTime& when)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("RIFF");
    file.close();
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(when, QFileDevice::FileModificationTime));
}

} // namespace

void TestStartupPieces::staleRecordingsKeepWhatHistoryUses()
{
    QTemporaryDir tmp;
    const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
    const QString a = QStringLiteral("kesto-0f8fad5b-d9cb-469f-a165-70867728950e.wav");
    const QString b = QStringLiteral("kesto-7c9e6679-7425-40de-944b-e07fc1f90ae7.wav");
    const QString bTrimmed = QStringLiteral("kesto-7c9e6679-7425-40de-944b-e07fc1f90ae7.trimmed.wav");
    const QString bEncoded = QStringLiteral("kesto-7c9e6679-7425-40de-944b-e07fc1f90ae7.m4a");
    const QString live = QStringLiteral("kesto-16fd2706-8baf-433b-82eb-8c7fada847da.wav");
    const QString foreign = QStringLiteral("kesto-notes.wav");
    for (const QString& name : {a, b, bTrimmed, bEncoded, foreign})
        touch(tmp.filePath(name), old);
    touch(tmp.filePath(live), QDateTime::currentDateTime());

    QCOMPARE(StaleRecordings::clean(tmp.path(), {a}), 3);
    QVERIFY(QFile::exists(tmp.filePath(a)));
    QVERIFY(!QFile::exists(tmp.filePath(b)));
    QVERIFY(!QFile::exists(tmp.filePath(bTrimmed)));
    QVERIFY(!QFile::exists(tmp.filePath(bEncoded)));
    QVERIFY2(QFile::exists(tmp.filePath(live)), "a recording still being written is left alone");
    QVERIFY2(QFile::exists(tmp.filePath(foreign)), "only our own names are touched");
}

void TestStartupPieces::recordingNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("ours");
    QTest::newRow("recording") << "kesto-0f8fad5b-d9cb-469f-a165-70867728950e.wav" << true;
    QTest::newRow("upper-case uuid") << "kesto-0F8FAD5B-D9CB-469F-A165-70867728950E.wav" << true;
    QTest::newRow("trimmed") << "kesto-0f8fad5b-d9cb-469f-a165-70867728950e.trimmed.wav" << true;
    QTest::newRow("encoded") << "kesto-0f8fad5b-d9cb-469f-a165-70867728950e.m4a" << true;
    QTest::newRow("other extension") << "kesto-0f8fad5b-d9cb-469f-a165-70867728950e.txt" << false;
    QTest::newRow("not a uuid") << "kesto-1234.wav" << false;
    QTest::newRow("prefix") << "x-kesto-0f8fad5b-d9cb-469f-a165-70867728950e.wav" << false;
    QTest::newRow("suffix") << "kesto-0f8fad5b-d9cb-469f-a165-70867728950e.wav.bak" << false;
}

void TestStartupPieces::recordingNames()
{
    QFETCH(QString, name);
    QFETCH(bool, ours);
    QCOMPARE(StaleRecordings::isRecordingName(name), ours);
}

void TestStartupPieces::secondInstanceActivatesTheFirst()
{
    QTemporaryDir data;
    SingleInstance first(data.path());
    QVERIFY(first.claim());
    QSignalSpy activated(&first, &SingleInstance::activated);

    // The second start runs in a thread of its own so this one can answer.
    bool secondRuns = true;
    QThread* thread = QThread::create([&] {
        SingleInstance second(data.path());
        secondRuns = second.claim();
    });
    thread->start();
    QTRY_VERIFY(thread->isFinished());
    delete thread;
    QVERIFY(!secondRuns);
    QTRY_COMPARE(activated.count(), 1);
}

void TestStartupPieces::instancesOfOtherDataFoldersRunSideBySide()
{
    QTemporaryDir one;
    QTemporaryDir two;
    QVERIFY(SingleInstance::serverName(one.path()) != SingleInstance::serverName(two.path()));
    QCOMPARE(SingleInstance::serverName(one.path()), SingleInstance::serverName(one.path() + QStringLiteral("/")));
    SingleInstance first(one.path());
    SingleInstance second(two.path());
    QVERIFY(first.claim());
    QVERIFY(second.claim());
}

QTEST_GUILESS_MAIN(TestStartupPieces)
#include "TestStartupPieces.moc"
