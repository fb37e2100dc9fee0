#include "phone/PhoneAudio.h"

#include "TempDataDir.h"
#include "core/Config.h"
#include "core/Log.h"
#include "engine/AACEncoder.h"

#include <QDir>
#include <QProcess>
#include <QtConcurrent>
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
    void hourOfSilenceIsRefusedWithinBounds();

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
    return QDir(Config::recordingsDirectory()).entryList({QStringLiteral("kesto-phone-*")}, QDir::Files);
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

    const PhoneAudio::Conversion conversion = PhoneAudio::convertToWav(upload, contentType);
    const QString output = conversion.path;
    QVERIFY(!output.isEmpty());
    QCOMPARE(conversion.failure, PhoneAudio::Conversion::Failure::None);
    QVERIFY(QFileInfo(output).fileName().startsWith(QStringLiteral("kesto-phone-")));
    QCOMPARE(temporaryFiles(), QStringList{QFileInfo(output).fileName()}); // the upload's copy is gone

    const Wav wav = readWav(output);
    QCOMPARE(wav.format, quint16(1));
    QCOMPARE(wav.channels, quint16(1));
    QCOMPARE(wav.rate, quint32(16000));
    QCOMPARE(wav.bits, quint16(16));
    const qsizetype samples = wav.data.size() / 2;
    QVERIFY2(std::abs(samples - 16000) <= tolerance, qPrintable(QString::number(samples)));
    QCOMPARE(conversion.seconds, samples / 16000.0); // the length, without reading the file back
    QVERIFY2(rms(wav.data) > 3000, qPrintable(QString::number(rms(wav.data)))); // the tone, not silence
    QVERIFY(QFile::remove(output));
}

void TestPhoneAudio::emptyRecordingGivesHeaderOnly()
{
    const QString output = PhoneAudio::convertToWav(toneWav(44100, 1, 0), QStringLiteral("audio/wav")).path;
    QVERIFY(!output.isEmpty());
    const Wav wav = readWav(output);
    QCOMPARE(wav.rate, quint32(16000));
    QCOMPARE(QFileInfo(output).size(), 44);
    QVERIFY(QFile::remove(output));
}

void TestPhoneAudio::notAudioLeavesNothing()
{
    const QByteArray text = QByteArray("this is not a recording\n").repeated(100);
    QCOMPARE(PhoneAudio::convertToWav(text, QStringLiteral("audio/wav")),
             (PhoneAudio::Conversion{{}, 0, PhoneAudio::Conversion::Failure::Unreadable}));
    QCOMPARE(temporaryFiles(), QStringList());
    Log::flush();
    const QString log = QString::fromUtf8(m_data->read(QStringLiteral("kesto.log")));
    QCOMPARE(log.count(QStringLiteral("could not read the phone audio (audio/wav): ")), 1);
}

namespace {

qint64 statusKb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

} // namespace

void TestPhoneAudio::hourOfSilenceIsRefusedWithinBounds()
{
    // An hour of silence is a small FLAC file that decodes to 115 MB: the
    // conversion stops at the longest recording taken, with its own failure,
    // and the disk and memory it took stay within that bound meanwhile.
    const QString flac = m_data->filePath(QStringLiteral("hour.flac"));
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-f"),
                                            QStringLiteral("lavfi"), QStringLiteral("-i"),
                                            QStringLiteral("anullsrc=r=16000:cl=mono"), QStringLiteral("-t"),
                                            QStringLiteral("3600"), QStringLiteral("-c:a"), QStringLiteral("flac"), flac});
    QVERIFY2(ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0, ffmpeg.readAllStandardError().constData());
    QFile file(flac);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray upload = file.readAll();
    QVERIFY(upload.size() < 2 * 1024 * 1024);

    // Peak resident memory from here on (writing 5 to clear_refs resets it).
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    QVERIFY(clear.open(QIODevice::WriteOnly) && clear.write("5") == 1);
    clear.close();
    const qint64 baseKb = statusKb("VmHWM:");

    QFuture<PhoneAudio::Conversion> running = QtConcurrent::run([&] {
        return PhoneAudio::convertToWav(upload, QStringLiteral("audio/flac"));
    });
    qint64 peakDisk = 0;
    while (!running.isFinished()) {
        qint64 disk = 0;
        for (const QFileInfo& info : QDir(Config::recordingsDirectory()).entryInfoList(QDir::Files))
            disk += info.size();
        peakDisk = std::max(peakDisk, disk);
        QThread::msleep(2);
    }
    const PhoneAudio::Conversion conversion = running.result();
    const qint64 peakKb = statusKb("VmHWM:") - baseKb;
    qInfo("an hour of silence: %lld bytes of FLAC; at most %lld bytes on disk, %lld kB more peak memory",
          qint64(upload.size()), peakDisk, peakKb);

    QCOMPARE(conversion, (PhoneAudio::Conversion{{}, 0, PhoneAudio::Conversion::Failure::TooLong}));
    QCOMPARE(PhoneAudio::tooLongText(), QStringLiteral("The recording is longer than 20 minutes."));
    QCOMPARE(temporaryFiles(), QStringList());
    const qint64 longest = qint64(PhoneAudio::longestSeconds) * 32000 + 44;
    QVERIFY2(peakDisk <= longest + upload.size(), qPrintable(QString::number(peakDisk)));
    QVERIFY2(peakKb < 32 * 1024, qPrintable(QString::number(peakKb)));
    Log::flush();
    QVERIFY(m_data->read(QStringLiteral("kesto.log"))
                .contains("could not read the phone audio (audio/flac): the recording is longer than 20 minutes"));
}

QTEST_GUILESS_MAIN(TestPhoneAudio)
#include "TestPhoneAudio.moc"
