#include "FakeAudioBackend.h"
#include "FakeClock.h"
#include "TempDataDir.h"

#include "core/Log.h"
#include "engine/MicLevelMeter.h"

#include <QFile>
#include <QtTest>

#include <cmath>

namespace {

QString logText()
{
    Log::flush();
    QFile file(Log::filePath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestMicLevelMeter final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void levelScale_data();
    void levelScale();
    void reportsTheLevelOfATone();
    void secondStartLeavesOneEngineAndDropsTheFirstRun();
    void stopDropsLevelsInFlight();
    void failures();
    void listensWithoutNoiseReductionWhenItCannotStart();

private:
    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<FakeAudioBackend> m_backend;
    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<MicLevelMeter> m_meter;
    QList<double> m_levels;
};

void TestMicLevelMeter::init()
{
    m_data = std::make_unique<TempDataDir>();
    m_backend = std::make_unique<FakeAudioBackend>();
    m_clock = std::make_unique<FakeClock>();
    m_meter = std::make_unique<MicLevelMeter>(*m_backend, *m_clock);
    m_levels.clear();
    m_meter->onLevel = [this](double level) { m_levels.append(level); };
}

void TestMicLevelMeter::cleanup()
{
    m_meter.reset();
    m_backend.reset();
    m_data.reset();
}

void TestMicLevelMeter::levelScale_data()
{
    QTest::addColumn<float>("decibels");
    QTest::addColumn<double>("level");
    QTest::newRow("-60 dB") << -60.0f << 0.0;
    QTest::newRow("-50 dB") << -50.0f << 0.0;
    QTest::newRow("-25 dB") << -25.0f << 0.5;
    QTest::newRow("0 dB") << 0.0f << 1.0;
    QTest::newRow("above full scale") << 6.0f << 1.0;
    QTest::newRow("digital silence") << -160.0f << 0.0;
    QTest::newRow("not a number") << std::nanf("") << 0.0;
}

void TestMicLevelMeter::levelScale()
{
    QFETCH(float, decibels);
    QFETCH(double, level);
    QCOMPARE(MicLevelMeter::levelFor(decibels), level);
}

void TestMicLevelMeter::reportsTheLevelOfATone()
{
    QCOMPARE(m_meter->start("", false), std::nullopt);
    QVERIFY(m_meter->isRunning());
    QVERIFY(logText().contains("mic test started, noise reduction off"));
    FakeInputStream* stream = m_backend->lastStream();
    stream->feed(FakeAudio::sine(stream->format(), 4800, 440, 0.5)); // one tap: two 50 ms windows
    QCoreApplication::processEvents();
    QCOMPARE(m_levels.size(), 1);
    m_clock->advance(50);
    QCOMPARE(m_levels.size(), 2);
    for (double level : m_levels)
        QVERIFY2(std::abs(level - 0.8194) < 0.005, qPrintable(QString::number(level))); // -9.03 dB
}

void TestMicLevelMeter::secondStartLeavesOneEngineAndDropsTheFirstRun()
{
    QCOMPARE(m_meter->start("mic-a", false), std::nullopt);
    FakeInputStream* first = m_backend->lastStream();
    first->feed(FakeAudio::sine(first->format(), 4800, 440, 0.5));
    QCOMPARE(m_meter->start("mic-b", false), std::nullopt);
    QCoreApplication::processEvents();
    m_clock->advance(100);
    QCOMPARE(m_levels, QList<double>());
    QCOMPARE(m_backend->streams().size(), 1);
    QCOMPARE(m_backend->lastStream()->deviceId(), QString("mic-b"));
}

void TestMicLevelMeter::stopDropsLevelsInFlight()
{
    QCOMPARE(m_meter->start("", false), std::nullopt);
    FakeInputStream* stream = m_backend->lastStream();
    stream->feed(FakeAudio::sine(stream->format(), 4800, 440, 0.5));
    QCoreApplication::processEvents();
    QCOMPARE(m_levels.size(), 1);
    m_meter->stop();
    QVERIFY(!m_meter->isRunning());
    m_clock->advance(100);
    QCOMPARE(m_levels.size(), 1);
    m_meter->stop(); // twice is fine
}

void TestMicLevelMeter::failures()
{
    QCOMPARE(m_meter->start("unplugged", false), AudioFailure::noMicrophone());
    QVERIFY(!m_meter->isRunning());

    m_backend->failStart = [](const QAudioFormat&) { return true; };
    const AudioFailure refused = AudioFailure::couldNotStart(AudioFailure::Cause::soundServer, "The device did not start.");
    QCOMPARE(m_meter->start("", true), refused);
    // The platform's words stay out of the sentence.
    QCOMPARE(refused.description(), QString("Could not start the microphone. The sound system could not open it."));
    QVERIFY(!m_meter->isRunning());
}

void TestMicLevelMeter::listensWithoutNoiseReductionWhenItCannotStart()
{
    m_backend->failStart = [](const QAudioFormat& f) { return f.sampleFormat() == QAudioFormat::Int16; };
    QCOMPARE(m_meter->start("", true), std::nullopt);
    QVERIFY(m_meter->isRunning());
    QCOMPARE(m_backend->lastStream()->format().sampleFormat(), QAudioFormat::Float);
    const QString log = logText();
    QVERIFY(log.contains("mic test: noise reduction did not start, listening without it: Could not start the "
                         "microphone. The sound system could not open it. (The device did not start.)"));
    QVERIFY(log.contains("mic test started, noise reduction off"));
}

QTEST_GUILESS_MAIN(TestMicLevelMeter)
#include "TestMicLevelMeter.moc"
