#include "TempDataDir.h"

#include "core/Log.h"
#include "engine/AudioTrimmer.h"
#include "engine/WavFile.h"

#include <QFile>
#include <QtTest>

#include <cmath>

namespace {

constexpr int window = 320; // 20 ms at 16 kHz

QString logText()
{
    Log::flush();
    QFile file(Log::filePath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A recording described window by window: 'S' sound, '.' digital silence.
std::vector<float> samples(const QString& pattern)
{
    std::vector<float> x;
    for (QChar c : pattern) {
        for (int i = 0; i < window; ++i)
            x.push_back(c == 'S' ? float(0.5 * std::sin(2.0 * M_PI * 440.0 * double(x.size()) / 16000.0)) : 0.0f);
    }
    return x;
}

QString repeat(char c, int n)
{
    return QString(n, QLatin1Char(c));
}

} // namespace

class TestAudioTrimmer final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_data = std::make_unique<TempDataDir>(); }
    void cleanup() { m_data.reset(); }

    void pauses_data();
    void pauses();
    void keepsTheEndsOfAPauseInOrder();
    void thresholdIsInclusiveForSound();
    void stereoIsCutOnTheFirstChannelsPauses();
    void logsHowMuchShorter();
    void outputName_data();
    void outputName();
    void unreadableInputSendsUntrimmed_data();
    void unreadableInputSendsUntrimmed();

private:
    QString write(const QString& name, const std::vector<std::vector<float>>& channels,
                  const WavFile::StoredFormat& format = WavFile::recording)
    {
        const QString path = m_data->filePath(name);
        QString error;
        if (!WavFile::write(path, format, channels, &error))
            qFatal("fixture: %s", qPrintable(error));
        return path;
    }

    std::unique_ptr<TempDataDir> m_data;
};

void TestAudioTrimmer::pauses_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<double>("keep");
    QTest::addColumn<qint64>("frames"); // 0: nothing comes back

    const QString word = repeat('S', 10);
    QTest::newRow("no long pause") << word + repeat('.', 20) + word << 0.25 << qint64(0);
    QTest::newRow("1 s pause keeps 0.25 s") << word + repeat('.', 50) + word << 0.25 << qint64(20 * window + 4000);
    QTest::newRow("one window short of 28") << word + repeat('.', 27) + word << 0.25 << qint64(0);
    QTest::newRow("exactly 28 windows") << word + repeat('.', 28) + word << 0.25 << qint64(20 * window + 4000);
    QTest::newRow("keep 0 removes 0.4 s") << word + repeat('.', 20) + word << 0.0 << qint64(20 * window);
    QTest::newRow("keep 0 spares 0.38 s") << word + repeat('.', 19) + word << 0.0 << qint64(0);
    QTest::newRow("keep 0.1 still needs 0.4 s") << word + repeat('.', 20) + word << 0.1 << qint64(20 * window + 1600);
    QTest::newRow("keep 0.2 needs 25") << word + repeat('.', 24) + word << 0.2 << qint64(0);
    QTest::newRow("keep 0.5 needs 40") << word + repeat('.', 40) + word << 0.5 << qint64(20 * window + 8000);
    QTest::newRow("keep 1.0 needs 65") << word + repeat('.', 64) + word << 1.0 << qint64(0);
    QTest::newRow("negative keep is 0") << word + repeat('.', 30) + word << -1.0 << qint64(20 * window);
    QTest::newRow("huge keep cuts nothing") << word + repeat('.', 200) + word << 1e300 << qint64(0);
    QTest::newRow("not a number is 0") << word + repeat('.', 30) + word << std::nan("") << qint64(20 * window);
    QTest::newRow("leading and trailing silence") << repeat('.', 40) + word + repeat('.', 40) << 0.25
                                                  << qint64(2000 + (2000 + 10 * window + 2000) + 2000);
    QTest::newRow("pure silence") << repeat('.', 40) << 0.25 << qint64(4000);
    QTest::newRow("pure silence, keep 0") << repeat('.', 40) << 0.0 << qint64(0);
    QTest::newRow("short silent file") << repeat('.', 27) << 0.25 << qint64(0);
}

void TestAudioTrimmer::pauses()
{
    QFETCH(QString, pattern);
    QFETCH(double, keep);
    QFETCH(qint64, frames);
    const QString input = write("rec.wav", {samples(pattern)});
    const std::optional<QString> out = AudioTrimmer::trimSilence(input, keep);
    QCOMPARE(out.has_value(), frames > 0);
    if (!out) {
        QVERIFY(!QFile::exists(m_data->filePath("rec.trimmed.wav")));
        QVERIFY(!logText().contains("trimmed silence"));
        return;
    }
    WavFile::Audio audio;
    QVERIFY(WavFile::read(*out, &audio, nullptr));
    QCOMPARE(audio.format, WavFile::recording); // written back in the input's format
    QCOMPARE(audio.frames(), frames);
    QVERIFY(QFile::exists(input));
}

void TestAudioTrimmer::keepsTheEndsOfAPauseInOrder()
{
    // Mark every frame with its own position so the splice can be checked exactly.
    std::vector<float> x = samples(repeat('S', 10) + repeat('.', 50) + repeat('S', 10));
    const qint64 pauseStart = 10 * window, pauseEnd = 60 * window;
    for (qint64 i = pauseStart; i < pauseEnd; ++i)
        x[std::size_t(i)] = float(i - pauseStart + 1) * 1e-7f; // far below -45 dB
    const QString input = write("marks.wav", {x}, {16000, 1, 32, true});
    const std::optional<QString> out = AudioTrimmer::trimSilence(input, 0.25);
    QVERIFY(out);
    WavFile::Audio audio;
    QVERIFY(WavFile::read(*out, &audio, nullptr));
    QCOMPARE(audio.format, (WavFile::StoredFormat{16000, 1, 32, true}));
    const std::vector<float>& y = audio.channels[0];
    QCOMPARE(qint64(y.size()), 20 * window + 4000);
    // The first 2000 frames of the pause, then its last 2000.
    QCOMPARE(y[std::size_t(pauseStart)], x[std::size_t(pauseStart)]);
    QCOMPARE(y[std::size_t(pauseStart + 1999)], x[std::size_t(pauseStart + 1999)]);
    QCOMPARE(y[std::size_t(pauseStart + 2000)], x[std::size_t(pauseEnd - 2000)]);
    QCOMPARE(y[std::size_t(pauseStart + 3999)], x[std::size_t(pauseEnd - 1)]);
    QCOMPARE(y.back(), x.back());
}

void TestAudioTrimmer::thresholdIsInclusiveForSound()
{
    // A steady level just above -45 dB in the middle of a pause splits it in two
    // runs too short to cut; just below, the pause is one run and is cut.
    for (const double db : {-44.9, -45.1}) {
        std::vector<float> x = samples(repeat('S', 10) + repeat('.', 41) + repeat('S', 10));
        const float level = float(std::pow(10.0, db / 20.0));
        for (qint64 i = 30 * window; i < 31 * window; ++i)
            x[std::size_t(i)] = (i % 2) ? level : -level;
        const QString input = write("edge.wav", {x}, {16000, 1, 32, true});
        QCOMPARE(AudioTrimmer::trimSilence(input, 0.25).has_value(), db < -45.0);
    }
}

void TestAudioTrimmer::stereoIsCutOnTheFirstChannelsPauses()
{
    const std::vector<float> left = samples(repeat('S', 10) + repeat('.', 50) + repeat('S', 10));
    std::vector<float> right(left.size(), 0.25f); // loud all along
    const QString input = write("stereo.wav", {left, right}, {16000, 2, 16, false});
    const std::optional<QString> out = AudioTrimmer::trimSilence(input, 0.25);
    QVERIFY(out);
    WavFile::Audio audio;
    QVERIFY(WavFile::read(*out, &audio, nullptr));
    QCOMPARE(audio.format.channels, 2);
    QCOMPARE(audio.channels[1].size(), std::size_t(20 * window + 4000));
}

void TestAudioTrimmer::logsHowMuchShorter()
{
    // 100 windows cut to 20: 80% shorter.
    const QString input = write("log.wav", {samples(repeat('S', 10) + repeat('.', 80) + repeat('S', 10))});
    QVERIFY(AudioTrimmer::trimSilence(input, 0.0));
    const QRegularExpression line("trimmed silence in \\d+ms, 80% shorter\n");
    QVERIFY2(line.match(logText()).hasMatch(), qPrintable(logText()));
}

void TestAudioTrimmer::outputName_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::newRow("wav") << "kesto-1.wav" << "kesto-1.trimmed.wav";
    QTest::newRow("no extension") << "recording" << "recording.trimmed.wav";
    QTest::newRow("two dots") << "a.b.wav" << "a.b.trimmed.wav";
}

void TestAudioTrimmer::outputName()
{
    QFETCH(QString, input);
    QFETCH(QString, output);
    const QString path = write(input, {samples(repeat('S', 10) + repeat('.', 50) + repeat('S', 10))});
    QCOMPARE(AudioTrimmer::trimSilence(path, 0.25), std::optional<QString>(m_data->filePath(output)));
}

void TestAudioTrimmer::unreadableInputSendsUntrimmed_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("not a WAV") << QByteArray("<html>not audio</html>");
    QTest::newRow("header cut short") << WavFile::header(WavFile::recording, 32000).left(20);
    QTest::newRow("zero-length recording") << WavFile::header(WavFile::recording, 0);
    QTest::newRow("empty file") << QByteArray();
}

void TestAudioTrimmer::unreadableInputSendsUntrimmed()
{
    QFETCH(QByteArray, bytes);
    m_data->write("bad.wav", bytes);
    QCOMPARE(AudioTrimmer::trimSilence(m_data->filePath("bad.wav"), 0.25), std::nullopt);
    QVERIFY(logText().contains("could not read the audio, sending it untrimmed"));
    QCOMPARE(m_data->read("bad.wav"), bytes);
    // A missing file is no different.
    QCOMPARE(AudioTrimmer::trimSilence(m_data->filePath("missing.wav"), 0.25), std::nullopt);
}

QTEST_GUILESS_MAIN(TestAudioTrimmer)
#include "TestAudioTrimmer.moc"
