// Records the real test microphone of scripts/test-env: what is written into
// its FIFO (raw s16le, 16 kHz, mono) is what the microphone hears.
#include "TempDataDir.h"

#include "core/Log.h"
#include "engine/AudioRecorder.h"
#include "engine/MicLevelMeter.h"
#include "engine/WavFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

#include <chrono>
#include <cmath>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace {

QString logText()
{
    Log::flush();
    QFile file(Log::filePath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Where the sound is: the first and last sample above a threshold, and the
// level in dB between them.
struct Sound
{
    qint64 first = -1;
    qint64 last = -1;
    double decibels = -160;
    double seconds() const { return double(last - first) / 16000.0; }
};

Sound findSound(const std::vector<float>& x)
{
    Sound sound;
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (std::abs(x[i]) > 0.02f) {
            if (sound.first < 0)
                sound.first = qint64(i);
            sound.last = qint64(i);
        }
    }
    if (sound.first < 0)
        return sound;
    double sum = 0;
    for (qint64 i = sound.first; i <= sound.last; ++i)
        sum += double(x[std::size_t(i)]) * x[std::size_t(i)];
    sound.decibels = 10.0 * std::log10(sum / double(sound.last - sound.first + 1));
    return sound;
}

std::vector<float> fromRaw(const QByteArray& raw)
{
    std::vector<float> x(std::size_t(raw.size() / 2));
    for (std::size_t i = 0; i < x.size(); ++i)
        x[i] = float(reinterpret_cast<const qint16*>(raw.constData())[i]) / 32768.0f;
    return x;
}

void waitFor(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

class TestAudioCapture final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void listsTheTestMicrophone();
    void recordsSpeech_data();
    void recordsSpeech();
    void meterReportsAKnownTone();
    void meterRunsWithNoiseReduction();

private:
    // Plays raw 16 kHz mono s16le into the test microphone, in the background.
    void play(const QByteArray& raw);
    void finishPlaying();

    QString m_fifo;
    QTemporaryDir m_work;
    QByteArray m_speech;
    Sound m_speechSound;
    std::unique_ptr<TempDataDir> m_data;
    std::thread m_player;
};

void TestAudioCapture::initTestCase()
{
    m_fifo = qEnvironmentVariable("KESTO_TEST_MIC_FIFO");
    QVERIFY2(!m_fifo.isEmpty() && QFileInfo(m_fifo).exists(),
             "no test microphone: run the suite inside scripts/test-env (KESTO_TEST_MIC_FIFO)");
    QVERIFY2(qEnvironmentVariableIsSet("PULSE_SERVER"), "no sound server: PULSE_SERVER is not set");

    const QString wav = m_work.filePath("speech.wav");
    const QString raw = m_work.filePath("speech.raw");
    QCOMPARE(QProcess::execute("espeak-ng", {"-w", wav, "Please send the quarterly report to the team by Friday."}), 0);
    QCOMPARE(QProcess::execute("sox", {wav, "-r", "16000", "-c", "1", "-b", "16", "-e", "signed-integer", "-t", "raw", raw}), 0);
    QFile file(raw);
    QVERIFY(file.open(QIODevice::ReadOnly));
    m_speech = file.readAll();
    m_speechSound = findSound(fromRaw(m_speech));
    QVERIFY(m_speechSound.seconds() > 1.5);
    qputenv("TMPDIR", m_work.path().toUtf8());
}

void TestAudioCapture::init()
{
    m_data = std::make_unique<TempDataDir>();
}

void TestAudioCapture::cleanup()
{
    finishPlaying();
    m_data.reset();
}

void TestAudioCapture::play(const QByteArray& raw)
{
    finishPlaying();
    const QByteArray path = QFile::encodeName(m_fifo);
    m_player = std::thread([path, raw] {
        const int fd = ::open(path.constData(), O_WRONLY);
        if (fd < 0)
            return;
        // Paced like a real microphone: 20 ms of audio every 20 ms.
        constexpr qsizetype chunk = 640;
        auto due = std::chrono::steady_clock::now();
        for (qsizetype at = 0; at < raw.size();) {
            const ssize_t n = ::write(fd, raw.constData() + at, size_t(std::min(chunk, raw.size() - at)));
            if (n <= 0)
                break;
            at += n;
            due += std::chrono::microseconds(n * 1000000 / 32000);
            std::this_thread::sleep_until(due);
        }
        ::close(fd);
    });
}

void TestAudioCapture::finishPlaying()
{
    if (m_player.joinable())
        m_player.join();
}

void TestAudioCapture::listsTheTestMicrophone()
{
    AudioRecorder recorder;
    QStringList ids;
    for (const AudioRecorder::Input& input : recorder.inputs())
        ids << input.id;
    QVERIFY2(ids.contains("testmic"), qPrintable(ids.join(',')));
    for (const QString& id : ids)
        QVERIFY2(!id.endsWith(".monitor"), qPrintable(id));
    QVERIFY(recorder.name("testmic") != "Not connected");

    std::optional<bool> granted;
    recorder.requestPermission([&](bool answer) { granted = answer; });
    QTRY_VERIFY(granted.has_value());
    QVERIFY(*granted);
}

void TestAudioCapture::recordsSpeech_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<bool>("noiseReduction");
    QTest::addColumn<double>("levelTolerance"); // dB
    QTest::newRow("plain") << "" << false << 1.0;
    QTest::newRow("noise reduction") << "" << true << 6.0;
    QTest::newRow("chosen microphone") << "testmic" << false << 1.0;
    QTest::newRow("missing microphone, plain") << "no-such-microphone" << false << 1.0;
    QTest::newRow("missing microphone, noise reduction") << "no-such-microphone" << true << 1.0;
}

void TestAudioCapture::recordsSpeech()
{
    QFETCH(QString, device);
    QFETCH(bool, noiseReduction);
    QFETCH(double, levelTolerance);

    AudioRecorder recorder;
    const std::optional<AudioFailure> failure = recorder.start(device, noiseReduction);
    QVERIFY2(!failure, failure ? qPrintable(failure->description()) : "");
    QVERIFY(recorder.isRecording());
    waitFor(300);
    play(m_speech);
    std::optional<float> loudest;
    QElapsedTimer timer;
    timer.start();
    // The speech plus a margin of silence; the level is polled as the controller does.
    while (timer.elapsed() < qint64(m_speech.size() / 32) + 800) {
        waitFor(50);
        if (const auto level = recorder.level(); level && (!loudest || *level > *loudest))
            loudest = level;
    }
    finishPlaying();

    std::optional<std::optional<AudioRecorder::Recording>> result;
    recorder.stop([&](std::optional<AudioRecorder::Recording> recording) { result = recording; });
    QTRY_VERIFY_WITH_TIMEOUT(result.has_value(), 5000);
    QVERIFY(result->has_value());
    const AudioRecorder::Recording recording = **result;

    WavFile::Audio audio;
    QString error;
    QVERIFY2(WavFile::read(recording.path, &audio, &error), qPrintable(error));
    QCOMPARE(audio.format, WavFile::recording);
    QCOMPARE(QFileInfo(recording.path).size(), 44 + audio.frames() * 2);
    QCOMPARE(recording.duration, audio.frames() / 16000.0);
    QVERIFY(recording.duration >= m_speechSound.seconds());

    const Sound sound = findSound(audio.channels[0]);
    QVERIFY2(std::abs(sound.seconds() - m_speechSound.seconds()) < 0.1,
             qPrintable(QString("%1 s recorded, %2 s played").arg(sound.seconds()).arg(m_speechSound.seconds())));
    QVERIFY2(std::abs(sound.decibels - m_speechSound.decibels) < levelTolerance,
             qPrintable(QString("%1 dB recorded, %2 dB played").arg(sound.decibels).arg(m_speechSound.decibels)));
    QVERIFY2(loudest && *loudest > -30.0f, loudest ? qPrintable(QString::number(*loudest)) : "no level");

    const QString log = logText();
    if (noiseReduction && device.isEmpty())
        QVERIFY2(log.contains("recording with noise reduction, "), qPrintable(log));
    if (noiseReduction && !device.isEmpty())
        QVERIFY2(log.contains("noise reduction did not start, recording without it: The chosen microphone is not "
                              "available. Pick another one in Settings."),
                 qPrintable(log));
    QFile::remove(recording.path);
}

void TestAudioCapture::meterReportsAKnownTone()
{
    // Two seconds of a 440 Hz sine at half scale: -9 dB, a level of 0.82.
    QByteArray tone(2 * 16000 * 2, '\0');
    for (int i = 0; i < 32000; ++i)
        reinterpret_cast<qint16*>(tone.data())[i] = qint16(std::lround(0.5 * 32767 * std::sin(2 * M_PI * 440 * i / 16000.0)));

    MicLevelMeter meter;
    QList<double> levels;
    meter.onLevel = [&](double level) { levels << level; };
    const std::optional<AudioFailure> failure = meter.start("", false);
    QVERIFY2(!failure, failure ? qPrintable(failure->description()) : "");
    waitFor(300);
    play(tone);
    waitFor(2500);
    finishPlaying();
    meter.stop();
    const qsizetype delivered = levels.size();
    waitFor(200);
    QCOMPARE(levels.size(), delivered); // nothing after stop

    // Twenty levels a second, and the tone's windows at its level.
    QVERIFY2(delivered >= 40, qPrintable(QString::number(delivered)));
    const qsizetype atTone = std::count_if(levels.begin(), levels.end(), [](double l) { return std::abs(l - 0.819) < 0.02; });
    QVERIFY2(atTone >= 30, qPrintable(QString("%1 of %2").arg(atTone).arg(delivered)));
    QVERIFY(*std::max_element(levels.begin(), levels.end()) < 0.84);
}

void TestAudioCapture::meterRunsWithNoiseReduction()
{
    MicLevelMeter meter;
    QList<double> levels;
    meter.onLevel = [&](double level) { levels << level; };
    QCOMPARE(meter.start("testmic", true), std::nullopt);
    QVERIFY(logText().contains("mic test started, noise reduction on"));
    play(m_speech);
    waitFor(1000);
    finishPlaying();
    meter.stop();
    QVERIFY(levels.size() >= 15);
    QVERIFY(*std::max_element(levels.begin(), levels.end()) > 0.3);
}

QTEST_GUILESS_MAIN(TestAudioCapture)
#include "TestAudioCapture.moc"
