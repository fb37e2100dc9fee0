#include "TempDataDir.h"

#include "core/AppState.h"
#include "core/Config.h"
#include "shell/SingleInstance.h"
#include "shell/StaleRecordings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestStartupPieces final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startTidiesOnlyItsOwnRecordings();
    void recordingNames_data();
    void recordingNames();
    void secondInstanceActivatesTheFirst();
    void instancesOfOtherDataFoldersRunSideBySide();
};

namespace {

void touch(const QString& path, const QDateTime& when, qint64 size = 4)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("RIFF").leftJustified(size, '\0'));
    file.close();
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(when, QFileDevice::FileModificationTime));
}

} // namespace

void TestStartupPieces::startTidiesOnlyItsOwnRecordings()
{
    // Another instance, on another data folder, has a recording waiting.
    QTemporaryDir otherData;
    qputenv("KESTO_DATA_DIR", QFile::encodeName(otherData.path()));
    const QString otherFolder = Config::recordingsDirectory();
    QVERIFY(QDir().mkpath(otherFolder));
    const QString othersRecording = QDir(otherFolder).filePath(QStringLiteral("kesto-16fd2706-8baf-433b-82eb-8c7fada847da.wav"));
    touch(othersRecording, QDateTime::currentDateTime().addSecs(-3600), 32044);

    TempDataDir data;
    const QString folder = Config::recordingsDirectory();
    QVERIFY(folder != otherFolder);
    QVERIFY(QDir().mkpath(folder));
    const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
    // A crash while "working": the recording and what was made from it.
    const QString pending = QStringLiteral("kesto-7c9e6679-7425-40de-944b-e07fc1f90ae7");
    touch(QDir(folder).filePath(pending + QStringLiteral(".wav")), old, 44 + 2 * 16000 * 3);
    touch(QDir(folder).filePath(pending + QStringLiteral(".trimmed.wav")), old, 100);
    touch(QDir(folder).filePath(pending + QStringLiteral(".m4a")), old, 100);
    // A recording that could not be kept on a full disk, linked from History.
    const QString linked = QStringLiteral("kesto-0f8fad5b-d9cb-469f-a165-70867728950e.wav");
    touch(QDir(folder).filePath(linked), old, 1000);
    // A phone upload, a recording cut off before any sound, and a stranger.
    touch(QDir(folder).filePath(QStringLiteral("kesto-phone-6ba7b810-9dad-41d1-80b4-00c04fd430c8.m4a")), old, 100);
    touch(QDir(folder).filePath(QStringLiteral("kesto-6ba7b811-9dad-41d1-80b4-00c04fd430c8.wav")), old, 44);
    touch(QDir(folder).filePath(QStringLiteral("notes.txt")), old, 10);

    AppState state;
    HistoryEntry failed;
    failed.status = HistoryEntry::Status::failed;
    failed.audioFile = linked;
    state.updateHistory([&failed](History& history) { history.add(failed); });

    const StaleRecordings::Outcome outcome = StaleRecordings::tidy(state, QDateTime::currentDateTimeUtc());

    QCOMPARE(outcome.recovered, 1);
    QCOMPARE(outcome.kept, 1);
    QCOMPARE(outcome.removed, 4);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("notes.txt")});
    QVERIFY2(QFileInfo::exists(othersRecording), "another data folder's recording is not this one's to clean");

    // Both recordings are now kept in History, each linked from its entry.
    const QList<HistoryEntry>& entries = state.history().entries;
    QCOMPARE(entries.size(), 2);
    const HistoryEntry& recovered = entries.at(0);
    QCOMPARE(recovered.status, HistoryEntry::Status::failed);
    QCOMPARE(recovered.duration, 3.0);
    QVERIFY(recovered.audioFile);
    QCOMPARE(QFileInfo(History::audioPath(*recovered.audioFile)).size(), 44 + 2 * 16000 * 3);
    QCOMPARE(entries.at(1).id, failed.id);
    QCOMPARE(*entries.at(1).audioFile, JsonUuid::text(failed.id) + QStringLiteral(".wav"));
    QVERIFY(QFileInfo::exists(QDir(Config::audioDirectory()).filePath(*entries.at(1).audioFile)));
    const History saved = History::load();
    QCOMPARE(saved.entries.size(), 2);
    QCOMPARE(saved.entries.at(0).audioFile, recovered.audioFile);
    QCOMPARE(saved.entries.at(1).audioFile, entries.at(1).audioFile);
}

void TestStartupPieces::recordingNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("ours");
    QTest::newRow("recording") << "kesto-0f8fad5b-d9cb-469f-a165-70867728950e.wav" << true;
    QTest::newRow("upper-case uuid") << "kesto-0F8FAD5B-D9CB-469F-A165-70867728950E.wav" << true;
    QTest::newRow("trimmed") << "kesto-0f8fad5b-d9cb-469f-a165-70867728950e.trimmed.wav" << true;
    QTest::newRow("encoded") << "kesto-0f8fad5b-d9cb-469f-a165-70867728950e.m4a" << true;
    QTest::newRow("phone upload") << "kesto-phone-0f8fad5b-d9cb-469f-a165-70867728950e.caf" << true;
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
