#include "FakeAudioBackend.h"
#include "FakeClock.h"
#include "TempDataDir.h"

#include "core/Config.h"
#include "core/Log.h"
#include "engine/AudioRecorder.h"
#include "engine/WavFile.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

namespace {

QString logText()
{
    Log::flush();
    QFile file(Log::filePath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

using Result = std::optional<std::optional<AudioRecorder::Recording>>; // outer: called at all

AudioRecorder::Completion into(Result& result)
{
    return [&result](std::optional<AudioRecorder::Recording> recording) { result = std::move(recording); };
}

const QAudioFormat plain16 = FakeAudio::format(16000, 1, QAudioFormat::Int16);

} // namespace

class TestAudioRecorder final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void stopWhenIdleAnswersAtOnce();
    void capturePathRecordsAndHandsOver();
    void captureWithoutAudioIsDropped();
    void lateReportOfACancelledRecordingTouchesOnlyItsOwnRun();
    void startWhileRecordingIsRefused();
    void missingMicrophone_data();
    void missingMicrophone();
    void enginePathRecordsThroughNoiseSuppression();
    void engineThatCannotStartFallsBackToCapture();
    void engineRestartsIntoTheSameFileAfterADeviceChange();
    void engineThatCannotRestartFallsBack();
    void engineRecordingWithoutAudioIsDropped();
    void liveUploadIsHandedOverWithTheRecording();
    void restartMidwayLeavesTheUploadToTheFile();
    void deviceChangeKeepsEveryCapturedFrame_data();
    void deviceChangeKeepsEveryCapturedFrame();
    void lateLevelsOfAnOldRunAreIgnored();
    void preparedEngineIsUsedByTheNextRecording();
    void inputNames();

private:
    QString tempFiles() const;

    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<QTemporaryDir> m_tmp;
    std::unique_ptr<FakeAudioBackend> m_backend;
    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<AudioRecorder> m_recorder;
};

void TestAudioRecorder::init()
{
    m_data = std::make_unique<TempDataDir>();
    m_tmp = std::make_unique<QTemporaryDir>();
    qputenv("TMPDIR", m_tmp->path().toUtf8());
    m_backend = std::make_unique<FakeAudioBackend>();
    m_clock = std::make_unique<FakeClock>();
    m_recorder = std::make_unique<AudioRecorder>(*m_backend, *m_clock);
}

void TestAudioRecorder::cleanup()
{
    m_recorder.reset();
    m_backend.reset();
    m_tmp.reset();
    m_data.reset();
}

QString TestAudioRecorder::tempFiles() const
{
    return QDir(Config::recordingsDirectory()).entryList(QDir::Files).join(',');
}

void TestAudioRecorder::stopWhenIdleAnswersAtOnce()
{
    Result result;
    m_recorder->stop(into(result));
    QVERIFY(result.has_value());
    QCOMPARE(*result, std::nullopt);
}

void TestAudioRecorder::capturePathRecordsAndHandsOver()
{
    QCOMPARE(m_recorder->start("", false), std::nullopt);
    QVERIFY(m_recorder->isRecording());
    FakeInputStream* stream = m_backend->lastStream();
    QCOMPARE(stream->deviceId(), QString("mic-a"));
    QCOMPARE(stream->format(), plain16); // the device records the file's own format
    QCOMPARE(m_recorder->level(), std::nullopt);
    const QDateTime started = m_clock->now();
    m_clock->advance(1500);
    stream->feed(FakeAudio::sine(plain16, 16000, 440, 0.5));
    QVERIFY(m_recorder->level());
    QVERIFY(qAbs(*m_recorder->level() - (-9.03f)) < 0.1f); // a 0.5 sine is -9 dB

    Result result;
    m_recorder->stop(into(result));
    QVERIFY(!m_recorder->isRecording());
    QCOMPARE(m_recorder->level(), std::nullopt);
    QTRY_VERIFY(result.has_value());
    QVERIFY(result->has_value());
    const AudioRecorder::Recording recording = **result;
    QCOMPARE(recording.duration, 1.0);
    QCOMPARE(recording.startedAt, started);
    QVERIFY(QFileInfo(recording.path).fileName().startsWith("kesto-"));
    QCOMPARE(QFileInfo(recording.path).dir().path(), Config::recordingsDirectory());
    WavFile::Audio audio;
    QVERIFY(WavFile::read(recording.path, &audio, nullptr));
    QCOMPARE(audio.frames(), 16000);

    // The same device keeps its stream for the next recording.
    QCOMPARE(m_recorder->start("mic-a", false), std::nullopt);
    QCOMPARE(m_backend->opened(), 1);
    m_recorder->stop(nullptr);
}

void TestAudioRecorder::captureWithoutAudioIsDropped()
{
    QCOMPARE(m_recorder->start("", false), std::nullopt);
    m_clock->advance(2000);
    Result result;
    m_recorder->stop(into(result));
    QTRY_VERIFY(result.has_value());
    QCOMPARE(*result, std::nullopt);
    QCOMPARE(tempFiles(), QString()); // the header-only file is gone
}

void TestAudioRecorder::lateReportOfACancelledRecordingTouchesOnlyItsOwnRun()
{
    m_backend->holdStops = true;
    QCOMPARE(m_recorder->start("", false), std::nullopt);
    const QDateTime firstStart = m_clock->now();
    m_backend->lastStream()->feed(FakeAudio::sine(plain16, 8000, 440, 0.5));
    Result cancelled;
    m_recorder->stop(into(cancelled)); // a cancel: its end-of-file report is slow

    m_clock->advance(10000);
    QCOMPARE(m_recorder->start("", false), std::nullopt);
    const QDateTime secondStart = m_clock->now();
    FakeInputStream* stream = m_backend->lastStream();

    m_backend->holdStops = false;
    m_backend->releaseStop(); // the first recording's report arrives late
    QTRY_VERIFY(cancelled.has_value());
    QVERIFY(cancelled->has_value());
    QCOMPARE((*cancelled)->duration, 0.5);
    QCOMPARE((*cancelled)->startedAt, firstStart);

    // The running recording was left alone.
    QVERIFY(m_recorder->isRecording());
    QVERIFY(stream->isRunning());
    stream->feed(FakeAudio::sine(plain16, 24000, 440, 0.5));
    Result finished;
    m_recorder->stop(into(finished));
    QTRY_VERIFY(finished.has_value());
    QVERIFY(finished->has_value());
    QCOMPARE((*finished)->duration, 1.5);
    QCOMPARE((*finished)->startedAt, secondStart);
    QVERIFY((*finished)->path != (*cancelled)->path);
    QVERIFY(!m_recorder->isRecording());
}

void TestAudioRecorder::startWhileRecordingIsRefused()
{
    QCOMPARE(m_recorder->start("", false), std::nullopt);
    QCOMPARE(m_recorder->start("", true), AudioFailure::alreadyRecording());
    QCOMPARE(AudioFailure::alreadyRecording().description(), QString("A recording is already running."));
    QVERIFY(m_recorder->isRecording());
    m_recorder->stop(nullptr);
}

void TestAudioRecorder::missingMicrophone_data()
{
    QTest::addColumn<bool>("noiseReduction");
    QTest::newRow("capture path") << false;
    QTest::newRow("noise reduction") << true;
}

void TestAudioRecorder::missingMicrophone()
{
    QFETCH(bool, noiseReduction);
    // A chosen microphone that is gone: the default one records instead.
    QCOMPARE(m_recorder->start("unplugged", noiseReduction), std::nullopt);
    QCOMPARE(m_backend->lastStream()->deviceId(), QString("mic-a"));
    QCOMPARE(m_backend->lastStream()->format(), plain16);
    if (noiseReduction)
        QVERIFY(logText().contains("noise reduction did not start, recording without it: The chosen microphone is "
                                   "not available. Pick another one in Settings."));
    m_recorder->stop(nullptr);

    // No microphone at all.
    m_backend->setInputs({});
    QCOMPARE(m_recorder->start("", noiseReduction), AudioFailure::noMicrophone());
    QVERIFY(!m_recorder->isRecording());
}

void TestAudioRecorder::enginePathRecordsThroughNoiseSuppression()
{
    QCOMPARE(m_recorder->start("mic-b", true), std::nullopt);
    FakeInputStream* stream = m_backend->lastStream();
    QCOMPARE(stream->deviceId(), QString("mic-b"));
    QCOMPARE(stream->format(), FakeAudio::format(48000, 1, QAudioFormat::Int16));
    QVERIFY(logText().contains("recording with noise reduction, 48000 Hz, 1 ch"));

    const QAudioFormat format = stream->format();
    for (int i = 0; i < 10; ++i)
        stream->feed(FakeAudio::sine(format, 4800, 300, 0.5));
    QCoreApplication::processEvents();
    QVERIFY(m_recorder->level()); // the first window's level arrived

    Result result;
    m_recorder->stop(into(result));
    QTRY_VERIFY(result.has_value());
    QVERIFY(result->has_value());
    QCOMPARE((*result)->duration, 1.0);
    WavFile::Audio audio;
    QVERIFY(WavFile::read((*result)->path, &audio, nullptr));
    QCOMPARE(audio.format, WavFile::recording);
    QCOMPARE(audio.frames(), 16000);

    // The engine is kept for the next noise-reduction recording on that device.
    const int opened = m_backend->opened();
    QCOMPARE(m_recorder->start("mic-b", true), std::nullopt);
    QCOMPARE(m_backend->opened(), opened);
    m_recorder->stop(nullptr);
}

void TestAudioRecorder::engineThatCannotStartFallsBackToCapture()
{
    m_backend->failStart = [](const QAudioFormat& f) { return f.sampleRate() == 48000; };
    QCOMPARE(m_recorder->start("", true), std::nullopt);
    QVERIFY(m_recorder->isRecording());
    QCOMPARE(m_backend->lastStream()->format(), plain16);
    QVERIFY(logText().contains("noise reduction did not start, recording without it: Could not start the "
                               "microphone. The sound system could not open it. (The device did not start.)"));
    QCOMPARE(tempFiles().count(".wav"), 1); // the engine's file is gone
    m_recorder->stop(nullptr);
}

void TestAudioRecorder::engineRestartsIntoTheSameFileAfterADeviceChange()
{
    QCOMPARE(m_recorder->start("", true), std::nullopt);
    FakeInputStream* first = m_backend->lastStream();
    const QAudioFormat format = first->format();
    for (int i = 0; i < 5; ++i)
        first->feed(FakeAudio::sine(format, 4800, 300, 0.5));

    // A change that leaves the engine running changes nothing.
    m_backend->setInputs(m_backend->inputs());
    QCOMPARE(m_backend->lastStream(), first);

    const int opened = m_backend->opened();
    first->interrupt(); // the old stream is not touched again after this
    QTRY_COMPARE(m_backend->opened(), opened + 1);
    FakeInputStream* second = m_backend->lastStream();
    QVERIFY(second->isRunning());
    QVERIFY(logText().contains("audio devices changed during a noise reduction recording, starting it again"));
    for (int i = 0; i < 5; ++i)
        second->feed(FakeAudio::sine(format, 4800, 300, 0.5));

    Result result;
    m_recorder->stop(into(result));
    QTRY_VERIFY(result.has_value());
    QVERIFY(result->has_value());
    QCOMPARE((*result)->duration, 1.0); // both halves in one file
}

void TestAudioRecorder::engineThatCannotRestartFallsBack()
{
    QSignalSpy failed(m_recorder.get(), &AudioRecorder::failed);
    QCOMPARE(m_recorder->start("mic-b", true), std::nullopt);
    FakeInputStream* stream = m_backend->lastStream();
    for (int i = 0; i < 5; ++i)
        stream->feed(FakeAudio::sine(stream->format(), 4800, 300, 0.5));

    // Only mic-b is left and it refuses the engine's format: the plain path takes over.
    m_backend->failStart = [](const QAudioFormat& f) { return f.sampleRate() == 48000; };
    m_backend->setInputs({{"mic-b", "Headset"}});
    stream->interrupt();
    QVERIFY(m_recorder->isRecording());
    QTRY_COMPARE(m_backend->lastStream()->format(), plain16);
    const QString log = logText();
    QVERIFY(log.contains("noise reduction did not start again: "));
    QVERIFY(log.contains("dropping the first 0.5s of the recording"));
    QCOMPARE(failed.count(), 0);
    m_recorder->stop(nullptr);

    // And when nothing can record, the owner hears of it.
    m_backend->failStart = nullptr;
    QCOMPARE(m_recorder->start("mic-b", true), std::nullopt);
    m_backend->failStart = [](const QAudioFormat&) { return true; };
    m_backend->lastStream()->interrupt();
    QTRY_COMPARE(failed.count(), 1);
    QCOMPARE(failed.first().first().value<AudioFailure>().kind, AudioFailure::Kind::couldNotStart);
    QVERIFY(!m_recorder->isRecording());
    QVERIFY(logText().contains("recording did not start: Could not start the microphone. "));
}

void TestAudioRecorder::liveUploadIsHandedOverWithTheRecording()
{
    const LiveUpload::Settings live{true, 0.25};
    QCOMPARE(m_recorder->start("", false, live), std::nullopt);
    m_backend->lastStream()->feed(FakeAudio::sine(plain16, 16000, 440, 0.5));
    Result result;
    m_recorder->stop(into(result));
    QTRY_VERIFY(result.has_value() && result->has_value());
    std::shared_ptr<LiveUpload> upload = (*result)->live;
    QVERIFY(upload);
    QCOMPARE(upload->settings(), live);
    const std::optional<Upload> m4a = upload->finish();
    QVERIFY(m4a);
    QCOMPARE(QFileInfo(m4a->path).completeBaseName(), QFileInfo((*result)->path).completeBaseName());
    QFile::remove(m4a->path);
    QFile::remove((*result)->path);

    // A recording started without asking has none.
    QCOMPARE(m_recorder->start("", false), std::nullopt);
    QCOMPARE(tempFiles().count(".m4a"), 0);
    m_recorder->stop(nullptr);
}

void TestAudioRecorder::restartMidwayLeavesTheUploadToTheFile()
{
    QCOMPARE(m_recorder->start("", true, LiveUpload::Settings{true, 0.25}), std::nullopt);
    FakeInputStream* first = m_backend->lastStream();
    const QAudioFormat format = first->format();
    first->feed(FakeAudio::sine(format, 4800, 300, 0.5));
    QTRY_COMPARE(tempFiles().count(".m4a"), 1);
    const int opened = m_backend->opened();
    first->interrupt(); // the old stream is not touched again after this
    QCOMPARE(tempFiles().count(".m4a"), 0);
    QTRY_COMPARE(m_backend->opened(), opened + 1);
    m_backend->lastStream()->feed(FakeAudio::sine(format, 4800, 300, 0.5));
    Result result;
    m_recorder->stop(into(result));
    QTRY_VERIFY(result.has_value() && result->has_value());
    QCOMPARE((*result)->live, nullptr);
    QCOMPARE((*result)->duration, 0.2); // both halves in the one file
}

void TestAudioRecorder::deviceChangeKeepsEveryCapturedFrame_data()
{
    QTest::addColumn<bool>("stopBeforeTheDrain");
    QTest::newRow("recording goes on") << false;
    QTest::newRow("stopped at once") << true;
}

// Blocks are 0.1 s and noise suppression works on 10 ms frames: the odd sizes
// leave a partial block and a partial frame in the old engine.
void TestAudioRecorder::deviceChangeKeepsEveryCapturedFrame()
{
    QFETCH(bool, stopBeforeTheDrain);
    m_backend->setPreferredFormat(plain16);
    QCOMPARE(m_recorder->start("", true), std::nullopt);
    FakeInputStream* first = m_backend->lastStream();
    QCOMPARE(first->format(), plain16);
    first->feed(FakeAudio::sine(plain16, 1570, 300, 0.5));
    first->feed(FakeAudio::sine(plain16, 1600, 300, 0.5));
    qint64 frames = 3170;
    const int opened = m_backend->opened();
    first->interrupt();

    Result result;
    if (stopBeforeTheDrain) {
        m_recorder->stop(into(result));
    } else {
        QTRY_COMPARE(m_backend->opened(), opened + 1);
        m_backend->lastStream()->feed(FakeAudio::sine(plain16, 1555, 300, 0.5));
        frames += 1555;
        m_recorder->stop(into(result));
    }
    QTRY_VERIFY(result.has_value());
    QVERIFY(result->has_value());
    WavFile::Audio audio;
    QVERIFY(WavFile::read((*result)->path, &audio, nullptr));
    QCOMPARE(audio.frames(), frames);
    QCOMPARE((*result)->duration, frames / 16000.0);
}

void TestAudioRecorder::engineRecordingWithoutAudioIsDropped()
{
    QCOMPARE(m_recorder->start("", true), std::nullopt);
    Result result;
    m_recorder->stop(into(result));
    QTRY_VERIFY(result.has_value());
    QCOMPARE(*result, std::nullopt);
    QVERIFY(logText().contains("noise reduction recording captured no audio"));
    QCOMPARE(tempFiles(), QString());
}

void TestAudioRecorder::lateLevelsOfAnOldRunAreIgnored()
{
    QCOMPARE(m_recorder->start("", true), std::nullopt);
    FakeInputStream* stream = m_backend->lastStream();
    stream->feed(FakeAudio::sine(stream->format(), 4800, 300, 0.5));
    QCoreApplication::processEvents(); // the first window is delivered, the second is due in 50 ms
    m_recorder->stop(nullptr);
    QCOMPARE(m_recorder->start("", true), std::nullopt);
    m_clock->advance(100);
    QCOMPARE(m_recorder->level(), std::nullopt);
    m_recorder->stop(nullptr);
}

void TestAudioRecorder::preparedEngineIsUsedByTheNextRecording()
{
    m_recorder->prepareNoiseReduction("unplugged"); // nothing to prepare for
    QCOMPARE(m_backend->opened(), 0);
    m_recorder->prepareNoiseReduction("mic-b");
    QCOMPARE(m_backend->opened(), 1);
    QCOMPARE(m_recorder->start("mic-b", true), std::nullopt);
    QCOMPARE(m_backend->opened(), 1);
    m_recorder->prepareNoiseReduction("mic-a"); // the running engine stays
    QCOMPARE(m_backend->opened(), 1);
    QVERIFY(m_backend->lastStream()->isRunning());
    m_recorder->stop(nullptr);
}

void TestAudioRecorder::inputNames()
{
    QCOMPARE(m_recorder->inputs().size(), 2);
    QCOMPARE(m_recorder->name(""), QString("System default"));
    QCOMPARE(m_recorder->name("mic-b"), QString("Headset"));
    QCOMPARE(m_recorder->name("unplugged"), QString("Not connected"));
    bool answer = false;
    m_recorder->requestPermission([&](bool granted) { answer = granted; });
    QTRY_VERIFY(answer);
}

QTEST_GUILESS_MAIN(TestAudioRecorder)
#include "TestAudioRecorder.moc"
