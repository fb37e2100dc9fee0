#include "phone/PhoneAudio.h"

#include "TempDataDir.h"
#include "core/Log.h"
#include "engine/AACEncoder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <cmath>

namespace {

// A 16-bit PCM WAV file's bytes: a 440 Hz tone in every channel.
QByteArray toneWav(int rate, int channels, int frames)
{
    QByteArray samples;
    samples.reserve(frames * channels * 2);
    for (int i = 0; i < frames; ++i) {
        const auto value = qint16(std::lround(12000 * std::sin(2 * M_PI * 440 * i / rate)));
        for (int c = 0; c < channels; ++c) {
            char bytes[2];
            qToLittleEndian(value, bytes);
            samples.append(bytes, 2);
        }
    }
    QByteArray header(44, '\0');
    char* h = header.data();
    memcpy(h, "RIFF", 4);
    qToLittleEndian<quint32>(36 + samples.size(), h + 4);
    memcpy(h + 8, "WAVEfmt ", 8);
    qToLittleEndian<quint32>(16, h + 16);
    qToLittleEndian<quint16>(1, h + 20);
    qToLittleEndian<quint16>(channels, h + 22);
    qToLittleEndian<quint32>(rate, h + 24);
    qToLittleEndian<quint32>(rate * channels * 2, h + 28);
    qToLittleEndian<quint16>(channels * 2, h + 32);
    qToLittleEndian<quint16>(16, h + 34);
    memcpy(h + 36, "data", 4);
    qToLittleEndian<quint32>(samples.size(), h + 40);
    return header + samples;
}

struct Wav
{
    quint16 format = 0;
    quint16 channels = 0;
    quint32 rate = 0;
    quint16 bits = 0;
    QByteArray data;
};

Wav readWav(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 8) != "WAVEfmt " || bytes.mid(36, 4) != "data")
        return {};
    const char* h = bytes.constData();
    return {qFromLittleEndian<quint16>(h + 20), qFromLittleEndian<quint16>(h + 22), qFromLittleEndian<quint32>(h + 24),
            qFromLittleEndian<quint16>(h + 34), bytes.mid(44, qFromLittleEndian<quint32>(h + 40))};
}

double rms(const QByteArray& data)
{
    const auto* samples = reinterpret_cast<const qint16*>(data.constData());
    const qsizetype count = data.size() / 2;
    double sum = 0;
    for (qsizetype i = 0; i < count; ++i)
        sum += double(samples[i]) * samples[i];
    return count ? std::sqrt(sum / count) : 0;
}

} // namespace

class TestPhoneAudio final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void extensions_data();
    void extensions();
    void becomes16kMono_data();
    void becomes16kMono();
    void emptyRecordingGivesHeaderOnly();
    void notAudioLeavesNothing();

private:
    QStringList temporaryFiles() const;

    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<QTemporaryDir> m_tmp;
    QByteArray m_previousTmp;
};

void TestPhoneAudio::init()
{
    m_data = std::make_unique<TempDataDir>();
    m_tmp = std::make_unique<QTemporaryDir>();
    m_previousTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(m_tmp->path()));
}

void TestPhoneAudio::cleanup()
{
    qputenv("TMPDIR", m_previousTmp);
    m_tmp.reset();
    m_data.reset();
}

QStringList TestPhoneAudio::temporaryFiles() const
{
    return QDir(m_tmp->path()).entryList({QStringLiteral("kesto-phone-*")}, QDir::Files);
}

void TestPhoneAudio::extensions_data()
{
    QTest::addColumn<QString>("contentType");
    QTest::addColumn<QString>("extension");
    QTest::newRow("wav") << "audio/wav" << "wav";
    QTest::newRow("x-wav") << "audio/x-wav" << "wav";
    QTest::newRow("upper-case wave") << "AUDIO/WAVE" << "wav";
    QTest::newRow("aac") << "audio/aac" << "aac";
    QTest::newRow("caf") << "audio/x-caf" << "caf";
    QTest::newRow("mpeg") << "audio/mpeg" << "mp3";
    QTest::newRow("mp3") << "audio/mp3" << "mp3";
    QTest::newRow("mp4") << "audio/mp4" << "m4a";
    QTest::newRow("octet-stream") << "application/octet-stream" << "m4a";
    QTest::newRow("empty") << "" << "m4a";
}

void TestPhoneAudio::extensions()
{
    QFETCH(QString, contentType);
    QFETCH(QString, extension);
    QCOMPARE(PhoneAudio::fileExtension(contentType), extension);
}

void TestPhoneAudio::becomes16kMono_data()
{
    QTest::addColumn<QString>("contentType");
    QTest::addColumn<bool>("asM4a");
    QTest::addColumn<int>("tolerance"); // samples of 16 kHz the length may be off by

    QTest::newRow("48 kHz stereo WAV") << "audio/wav" << false << 16;
    // AAC adds its priming and padding frames.
    QTest::newRow("48 kHz stereo M4A") << "audio/mp4" << true << 1200;
}

void TestPhoneAudio::becomes16kMono()
{
    QFETCH(QString, contentType);
    QFETCH(bool, asM4a);
    QFETCH(int, tolerance);

    QByteArray upload = toneWav(48000, 2, 48000);
    if (asM4a) {
        const QString wav = m_data->filePath(QStringLiteral("tone.wav"));
        m_data->write(QStringLiteral("tone.wav"), upload);
        QString error;
        const std::optional<QString> m4a = AACEncoder::m4a(wav, &error);
        QVERIFY2(m4a, qPrintable(error));
        QFile file(*m4a);
        QVERIFY(file.open(QIODevice::ReadOnly));
        upload = file.readAll();
    }

    const QString output = PhoneAudio::convertToWav(upload, contentType);
    QVERIFY(!output.isEmpty());
    QVERIFY(QFileInfo(output).fileName().startsWith(QStringLiteral("kesto-phone-")));
    QCOMPARE(temporaryFiles(), QStringList{QFileInfo(output).fileName()}); // the upload's copy is gone

    const Wav wav = readWav(output);
    QCOMPARE(wav.format, quint16(1));
    QCOMPARE(wav.channels, quint16(1));
    QCOMPARE(wav.rate, quint32(16000));
    QCOMPARE(wav.bits, quint16(16));
    const qsizetype samples = wav.data.size() / 2;
    QVERIFY2(std::abs(samples - 16000) <= tolerance, qPrintable(QString::number(samples)));
    QVERIFY2(rms(wav.data) > 3000, qPrintable(QString::number(rms(wav.data)))); // the tone, not silence
    QVERIFY(QFile::remove(output));
}

void TestPhoneAudio::emptyRecordingGivesHeaderOnly()
{
    const QString output = PhoneAudio::convertToWav(toneWav(44100, 1, 0), QStringLiteral("audio/wav"));
    QVERIFY(!output.isEmpty());
    const Wav wav = readWav(output);
    QCOMPARE(wav.rate, quint32(16000));
    QCOMPARE(QFileInfo(output).size(), 44);
    QVERIFY(QFile::remove(output));
}

void TestPhoneAudio::notAudioLeavesNothing()
{
    const QByteArray text = QByteArray("this is not a recording\n").repeated(100);
    QCOMPARE(PhoneAudio::convertToWav(text, QStringLiteral("audio/wav")), QString());
    QCOMPARE(temporaryFiles(), QStringList());
    Log::flush();
    const QString log = QString::fromUtf8(m_data->read(QStringLiteral("kesto.log")));
    QCOMPARE(log.count(QStringLiteral("could not read the phone audio (audio/wav): ")), 1);
}

QTEST_GUILESS_MAIN(TestPhoneAudio)
#include "TestPhoneAudio.moc"
