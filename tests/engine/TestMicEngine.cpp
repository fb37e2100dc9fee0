#include "FakeAudioBackend.h"
#include "FakeClock.h"

#include "engine/MicEngine.h"

#include <QtTest>

#include <cmath>

class TestMicEngine final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowDecibels_data();
    void windowDecibels();
    void tapFrames_data();
    void tapFrames();
    void deliverSpacedPlaysLevelsOutOverTheBuffer();
    void inputDevice();
    void makeBuildsTheEngineFormat();
};

void TestMicEngine::windowDecibels_data()
{
    QTest::addColumn<QAudioBuffer>("buffer");
    QTest::addColumn<QList<float>>("levels");
    QTest::addColumn<QList<int>>("windowFrames"); // checked through a step signal

    const QAudioFormat at48 = FakeAudio::format(48000, 1, QAudioFormat::Float);
    const QAudioFormat at16 = FakeAudio::format(16000, 1, QAudioFormat::Float);
    QTest::newRow("empty") << QAudioBuffer(QByteArray(), at48) << QList<float>{} << QList<int>{};
    QTest::newRow("not float") << FakeAudio::sine(FakeAudio::format(48000, 1, QAudioFormat::Int16), 4800, 440, 0.5)
                               << QList<float>{} << QList<int>{};
    QTest::newRow("digital silence, 48 kHz tap") << FakeAudio::sine(at48, 4800, 440, 0.0)
                                                 << QList<float>{-160.0f, -160.0f} << QList<int>{2400, 2400};
    QTest::newRow("digital silence, 16 kHz tap") << FakeAudio::sine(at16, 1600, 440, 0.0)
                                                 << QList<float>{-160.0f, -160.0f} << QList<int>{800, 800};
    QTest::newRow("100 frames is one window") << FakeAudio::sine(at48, 100, 440, 0.0) << QList<float>{-160.0f}
                                              << QList<int>{100};
    QTest::newRow("uneven length") << FakeAudio::sine(at48, 4801, 440, 0.0) << QList<float>{-160.0f, -160.0f}
                                   << QList<int>{2401, 2400};

    QByteArray square(4800 * int(sizeof(float)), '\0');
    for (int i = 0; i < 4800; ++i)
        reinterpret_cast<float*>(square.data())[i] = (i / 10) % 2 ? 1.0f : -1.0f;
    QTest::newRow("full-scale square") << QAudioBuffer(square, at48) << QList<float>{0.0f, 0.0f}
                                       << QList<int>{2400, 2400};
}

void TestMicEngine::windowDecibels()
{
    QFETCH(QAudioBuffer, buffer);
    QFETCH(QList<float>, levels);
    QFETCH(QList<int>, windowFrames);
    QCOMPARE(MicEngine::windowDecibels(buffer, 0.05), levels);

    if (windowFrames.size() < 2)
        return;
    // Where the windows fall: silence in the first window, a step in the next.
    QByteArray bytes(buffer.byteCount(), '\0');
    auto* x = reinterpret_cast<float*>(bytes.data());
    for (qsizetype i = windowFrames[0]; i < buffer.frameCount(); ++i)
        x[i] = 1.0f;
    const QList<float> stepped = MicEngine::windowDecibels(QAudioBuffer(bytes, buffer.format()), 0.05);
    QCOMPARE(stepped, (QList<float>{-160.0f, 0.0f}));
}

void TestMicEngine::tapFrames_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<quint32>("frames");
    QTest::newRow("48 kHz") << 48000 << 4800u;
    QTest::newRow("44.1 kHz") << 44100 << 4410u;
    QTest::newRow("16 kHz") << 16000 << 1600u;
    QTest::newRow("tiny rate") << 5 << 1u;
}

void TestMicEngine::tapFrames()
{
    QFETCH(int, rate);
    QFETCH(quint32, frames);
    QCOMPARE(MicEngine::tapFrames(FakeAudio::format(rate, 1, QAudioFormat::Float)), frames);
}

void TestMicEngine::deliverSpacedPlaysLevelsOutOverTheBuffer()
{
    FakeClock clock;
    QObject context;
    QList<float> got;
    const QAudioBuffer buffer = FakeAudio::sine(FakeAudio::format(16000, 1, QAudioFormat::Float), 1600, 440, 0.5);
    MicEngine::deliverSpaced({-20.0f, -30.0f}, buffer, &context, [&](float level) { got.append(level); }, clock);
    QVERIFY(got.isEmpty()); // posted to the main thread, not called inline
    QCoreApplication::processEvents();
    QCOMPARE(got, QList<float>{-20.0f});
    clock.advance(49);
    QCOMPARE(got, QList<float>{-20.0f});
    clock.advance(1);
    QCOMPARE(got, (QList<float>{-20.0f, -30.0f}));
}

void TestMicEngine::inputDevice()
{
    FakeAudioBackend backend;
    QCOMPARE(MicEngine::inputDevice(backend, ""), std::optional<QString>("mic-a"));
    QCOMPARE(MicEngine::inputDevice(backend, "mic-b"), std::optional<QString>("mic-b"));
    QCOMPARE(MicEngine::inputDevice(backend, "unplugged"), std::nullopt);
    backend.setInputs({});
    QCOMPARE(MicEngine::inputDevice(backend, ""), std::nullopt);
}

void TestMicEngine::makeBuildsTheEngineFormat()
{
    FakeAudioBackend backend;
    backend.setPreferredFormat(FakeAudio::format(44100, 2, QAudioFormat::Int16));
    AudioFailure failure;

    // Noise suppression runs mono at a rate of its own; the server converts.
    auto processed = MicEngine::make(backend, "mic-a", true, &failure);
    QVERIFY(processed);
    QVERIFY(processed->voiceProcessing());
    QCOMPARE(backend.lastStream()->format(), FakeAudio::format(48000, 1, QAudioFormat::Int16));
    QCOMPARE(processed->outputFormat(), FakeAudio::format(48000, 1, QAudioFormat::Float));

    auto plain = MicEngine::make(backend, "mic-a", false, &failure);
    QVERIFY(plain);
    QCOMPARE(backend.lastStream()->format(), FakeAudio::format(44100, 2, QAudioFormat::Float));

    QVERIFY(!MicEngine::make(backend, "unplugged", false, &failure));
    QCOMPARE(failure, AudioFailure::noMicrophone());
}

QTEST_GUILESS_MAIN(TestMicEngine)
#include "TestMicEngine.moc"
