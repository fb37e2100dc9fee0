#include "FailingDevice.h"
#include "FakeAudioBackend.h"
#include "TempDataDir.h"

#include "core/Log.h"
#include "engine/SampleRateConverter.h"
#include "engine/WavFile.h"
#include "engine/WavWriter.h"

#include <QFile>
#include <QtTest>

#include <cmath>

namespace {

double rms(const std::vector<float>& x, std::size_t from, std::size_t to)
{
    double sum = 0;
    for (std::size_t i = from; i < to; ++i)
        sum += double(x[i]) * x[i];
    return std::sqrt(sum / double(to - from));
}

// Zero crossings per second, an estimate of a sine's frequency.
double frequency(const std::vector<float>& x, std::size_t from, std::size_t to, int rate)
{
    int crossings = 0;
    for (std::size_t i = from + 1; i < to; ++i)
        crossings += (x[i - 1] < 0) != (x[i] < 0);
    return crossings / 2.0 / (double(to - from) / rate);
}

QString logText()
{
    Log::flush();
    QFile file(Log::filePath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestWavWriter final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void convertsAnyInputToSixteenKilohertzMono_data();
    void convertsAnyInputToSixteenKilohertzMono();
    void takesTheFirstChannelOnly();
    void sixteenKilohertzInt16PassesThroughExactly();
    void emptyWriterClosesAValidEmptyFile();
    void writeErrorStopsWritingButFinishCounts();
    void badFilesAreRefused_data();
    void badFilesAreRefused();
    void resamplerRemovesWhatSixteenKilohertzCannotHold();

private:
    TempDataDir m_data;
};

void TestWavWriter::convertsAnyInputToSixteenKilohertzMono_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("sampleFormat");
    QTest::newRow("48 kHz stereo float") << 48000 << 2 << int(QAudioFormat::Float);
    QTest::newRow("44.1 kHz mono int16") << 44100 << 1 << int(QAudioFormat::Int16);
    QTest::newRow("22.05 kHz mono int32") << 22050 << 1 << int(QAudioFormat::Int32);
    QTest::newRow("8 kHz mono uint8") << 8000 << 1 << int(QAudioFormat::UInt8);
    QTest::newRow("16 kHz stereo int16") << 16000 << 2 << int(QAudioFormat::Int16);
}

void TestWavWriter::convertsAnyInputToSixteenKilohertzMono()
{
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(int, sampleFormat);
    const QAudioFormat format = FakeAudio::format(rate, channels, QAudioFormat::SampleFormat(sampleFormat));
    const QString path = m_data.filePath("out.wav");
    QString error;
    auto writer = WavWriter::create(path, &error);
    QVERIFY2(writer, qPrintable(error));
    // Two seconds in uneven pieces, as a device delivers them.
    const qint64 total = rate * 2;
    for (qint64 done = 0; done < total;) {
        const qint64 n = std::min<qint64>(done % 3 ? 1234 : 4800, total - done);
        writer->append(FakeAudio::sine(format, n, 440.0, 0.5));
        done += n;
    }
    const qint64 frames = writer->finish();
    QCOMPARE(frames, 32000);

    WavFile::Audio audio;
    QVERIFY2(WavFile::read(path, &audio, &error), qPrintable(error));
    QCOMPARE(audio.format, WavFile::recording);
    QCOMPARE(audio.frames(), 32000);
    QCOMPARE(QFileInfo(path).size(), 44 + 64000);
    const std::vector<float>& x = audio.channels[0];
    // Away from the edges the sine keeps its level (0.5 peak, 0.354 RMS) and pitch.
    QVERIFY2(std::abs(rms(x, 1600, 30400) - 0.3536) < 0.01, qPrintable(QString::number(rms(x, 1600, 30400))));
    QVERIFY(std::abs(frequency(x, 1600, 30400, 16000) - 440.0) < 2.0);
    // The output is aligned with the input: the sine starts at once, not late.
    QVERIFY(rms(x, 0, 800) > 0.25);
}

void TestWavWriter::takesTheFirstChannelOnly()
{
    const QAudioFormat format = FakeAudio::format(48000, 2, QAudioFormat::Float);
    QByteArray bytes(48000 * 2 * int(sizeof(float)), '\0');
    auto* samples = reinterpret_cast<float*>(bytes.data());
    for (int i = 0; i < 48000; ++i) {
        samples[2 * i] = 0.0f;                           // silent left channel
        samples[2 * i + 1] = (i % 2) ? 0.9f : -0.9f;     // loud right channel
    }
    const QString path = m_data.filePath("left.wav");
    auto writer = WavWriter::create(path, nullptr);
    writer->append(QAudioBuffer(bytes, format));
    QCOMPARE(writer->finish(), 16000);
    WavFile::Audio audio;
    QVERIFY(WavFile::read(path, &audio, nullptr));
    QCOMPARE(rms(audio.channels[0], 0, 16000), 0.0);
}

void TestWavWriter::sixteenKilohertzInt16PassesThroughExactly()
{
    const QAudioFormat format = FakeAudio::format(16000, 1, QAudioFormat::Int16);
    const QAudioBuffer buffer = FakeAudio::sine(format, 8000, 1000.0, 0.7);
    const QString path = m_data.filePath("same.wav");
    auto writer = WavWriter::create(path, nullptr);
    writer->append(buffer);
    QCOMPARE(writer->finish(), 8000);
    QCOMPARE(writer->finish(), 8000); // a second finish changes nothing
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    QCOMPARE(written.left(44), WavFile::header(WavFile::recording, 16000));
    QCOMPARE(written.mid(44), QByteArray(buffer.constData<char>(), buffer.byteCount()));
}

void TestWavWriter::emptyWriterClosesAValidEmptyFile()
{
    const QString path = m_data.filePath("empty.wav");
    auto writer = WavWriter::create(path, nullptr);
    writer->append(QAudioBuffer()); // empty buffers are skipped
    QCOMPARE(writer->finish(), 0);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), WavFile::header(WavFile::recording, 0));
}

void TestWavWriter::writeErrorStopsWritingButFinishCounts()
{
    WavWriter writer(std::make_unique<FailingDevice>(44 + 2 * 1000));
    const QAudioFormat format = FakeAudio::format(16000, 1, QAudioFormat::Int16);
    writer.append(FakeAudio::sine(format, 800, 440, 0.5));
    writer.append(FakeAudio::sine(format, 800, 440, 0.5)); // does not fit
    writer.append(FakeAudio::sine(format, 10, 440, 0.5));  // would fit, but writing has stopped
    QCOMPARE(writer.finish(), 800);
    QVERIFY(logText().contains("could not write the recording: No space left on device"));
}

void TestWavWriter::badFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("frames"); // -1: refused
    const QByteArray header = WavFile::header(WavFile::recording, 2000);
    QTest::newRow("not a WAV") << QByteArray("ID3\x03 this is an mp3, honest") << qint64(-1);
    QTest::newRow("cut inside the header") << header.left(30) << qint64(-1);
    QTest::newRow("empty file") << QByteArray() << qint64(-1);
    QTest::newRow("data cut short") << header + QByteArray(601, '\0') << qint64(300);
    QByteArray adpcm = header;
    adpcm[20] = 2;
    QTest::newRow("compressed") << adpcm + QByteArray(2000, '\0') << qint64(-1);
}

void TestWavWriter::badFilesAreRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, frames);
    m_data.write("bad.wav", bytes);
    WavFile::Audio audio;
    QString error;
    const bool ok = WavFile::read(m_data.filePath("bad.wav"), &audio, &error);
    QCOMPARE(ok, frames >= 0);
    if (ok)
        QCOMPARE(audio.frames(), frames);
    else
        QVERIFY(!error.isEmpty());
}

void TestWavWriter::resamplerRemovesWhatSixteenKilohertzCannotHold()
{
    // A 12 kHz tone at 48 kHz cannot exist at 16 kHz: it must not fold back as 4 kHz.
    SampleRateConverter converter(48000, 16000);
    std::vector<float> in(48000);
    for (std::size_t i = 0; i < in.size(); ++i)
        in[i] = float(0.5 * std::sin(2.0 * M_PI * 12000.0 * double(i) / 48000.0));
    std::vector<float> out;
    converter.process(in.data(), in.size(), out);
    converter.finish(out);
    QCOMPARE(out.size(), std::size_t(16000));
    QVERIFY2(rms(out, 800, 15200) < 0.005, qPrintable(QString::number(rms(out, 800, 15200))));
}

QTEST_GUILESS_MAIN(TestWavWriter)
#include "TestWavWriter.moc"
