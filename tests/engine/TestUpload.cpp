#include "TempDataDir.h"

#include "core/Log.h"
#include "engine/AACEncoder.h"
#include "engine/Upload.h"
#include "engine/WavFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <cmath>

namespace {

// Three seconds of a warbling tone, as the recorder writes it.
QString writeRecording(const TempDataDir& data, const QString& name, double seconds = 3.0)
{
    std::vector<float> x(std::size_t(16000 * seconds));
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double t = double(i) / 16000.0;
        x[i] = float(0.4 * std::sin(2.0 * M_PI * (300.0 + 100.0 * std::sin(2.0 * M_PI * 3.0 * t)) * t));
    }
    const QString path = data.filePath(name);
    WavFile::write(path, WavFile::recording, {x}, nullptr);
    return path;
}

QJsonObject probe(const QString& path)
{
    QProcess ffprobe;
    ffprobe.start("ffprobe", {"-v", "error", "-print_format", "json", "-show_streams", "-show_format", path});
    if (!ffprobe.waitForFinished(30000) || ffprobe.exitCode() != 0)
        return {};
    return QJsonDocument::fromJson(ffprobe.readAllStandardOutput()).object();
}

} // namespace

class TestUpload final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_data = std::make_unique<TempDataDir>(); }
    void cleanup() { m_data.reset(); }

    void encodesAacSixteenKilohertzMonoInM4a();
    void replacesAnOlderM4a();
    void badInputFailsWithoutLeavingAFile_data();
    void badInputFailsWithoutLeavingAFile();
    void uploadPrefersTheM4a();
    void uploadFallsBackToWav_data();
    void uploadFallsBackToWav();
    void resendsAsWav_data();
    void resendsAsWav();
    void formatNames();

private:
    std::unique_ptr<TempDataDir> m_data;
};

void TestUpload::encodesAacSixteenKilohertzMonoInM4a()
{
    const QString wav = writeRecording(*m_data, "kesto-A.wav");
    QString error;
    const std::optional<QString> m4a = AACEncoder::m4a(wav, &error);
    QVERIFY2(m4a, qPrintable(error));
    QCOMPARE(*m4a, m_data->filePath("kesto-A.m4a"));

    QFile file(*m4a);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(8).mid(4), QByteArray("ftyp"));
    // 32 kbit/s: well under a quarter of the 16-bit PCM.
    QVERIFY2(file.size() < QFileInfo(wav).size() / 4, qPrintable(QString::number(file.size())));

    const QJsonObject info = probe(*m4a);
    const QJsonObject stream = info["streams"].toArray().first().toObject();
    QCOMPARE(stream["codec_name"].toString(), QString("aac"));
    QCOMPARE(stream["sample_rate"].toString(), QString("16000"));
    QCOMPARE(stream["channels"].toInt(), 1);
    const double duration = info["format"].toObject()["duration"].toString().toDouble();
    QVERIFY2(std::abs(duration - 3.0) < 0.1, qPrintable(QString::number(duration)));
    QVERIFY(QFile::exists(wav));
}

void TestUpload::replacesAnOlderM4a()
{
    const QString wav = writeRecording(*m_data, "again.wav", 1.0);
    m_data->write("again.m4a", QByteArray("stale bytes of an earlier run"));
    const std::optional<QString> m4a = AACEncoder::m4a(wav, nullptr);
    QVERIFY(m4a);
    QFile file(*m4a);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(8).mid(4), QByteArray("ftyp"));
}

void TestUpload::badInputFailsWithoutLeavingAFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("not audio") << QByteArray("{\"this\": \"is json\"}");
    QTest::newRow("header cut short") << WavFile::header(WavFile::recording, 32000).left(24);
    QTest::newRow("zero-length recording") << WavFile::header(WavFile::recording, 0);
    QTest::newRow("empty file") << QByteArray();
}

void TestUpload::badInputFailsWithoutLeavingAFile()
{
    QFETCH(QByteArray, bytes);
    m_data->write("bad.wav", bytes);
    QString error;
    QCOMPARE(AACEncoder::m4a(m_data->filePath("bad.wav"), &error), std::nullopt);
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(m_data->filePath("bad.m4a")));
    QCOMPARE(AACEncoder::m4a(m_data->filePath("missing.wav"), &error), std::nullopt);

    // The upload then carries the file as it is.
    QStringList log;
    const Upload upload = Upload::of(m_data->filePath("bad.wav"), &AACEncoder::m4a, [&](const QString& l) { log << l; });
    QCOMPARE(upload, (Upload{m_data->filePath("bad.wav"), Upload::Format::wav}));
    QCOMPARE(log.size(), 1);
    QVERIFY(log.first().startsWith("AAC failed ("));
    QCOMPARE(m_data->read("bad.wav"), bytes);
}

void TestUpload::uploadPrefersTheM4a()
{
    const QString wav = writeRecording(*m_data, "kesto-B.wav", 1.0);
    QStringList log;
    const Upload upload = Upload::of(wav, &AACEncoder::m4a, [&](const QString& line) { log << line; });
    QCOMPARE(upload, (Upload{m_data->filePath("kesto-B.m4a"), Upload::Format::m4a}));
    QCOMPARE(log, QStringList());
}

void TestUpload::uploadFallsBackToWav_data()
{
    QTest::addColumn<QByteArray>("result"); // what the encoder leaves as its file; null: it fails
    QTest::addColumn<QString>("line");
    QTest::newRow("encoder fails") << QByteArray() << "AAC failed (the file holds no audio track); sending WAV";
    QTest::newRow("not an MPEG-4 file") << QByteArray("RIFF\0\0\0\0WAVEfmt ", 16)
                                        << "AAC output is not an M4A (16 bytes); sending WAV";
    QTest::newRow("shorter than a box header") << QByteArray("\0\0\0\0fty", 7)
                                               << "AAC output is not an M4A (7 bytes); sending WAV";
    QTest::newRow("unreadable result") << QByteArray("missing") << "AAC output is not an M4A (0 bytes); sending WAV";
}

void TestUpload::uploadFallsBackToWav()
{
    QFETCH(QByteArray, result);
    QFETCH(QString, line);
    const QString wav = writeRecording(*m_data, "kesto-C.wav", 0.5);
    const QByteArray wavBytes = m_data->read("kesto-C.wav");
    const QString m4a = m_data->filePath("kesto-C.m4a");
    auto encoder = [&](const QString&, QString* error) -> std::optional<QString> {
        if (result.isNull()) {
            *error = "the file holds no audio track";
            return std::nullopt;
        }
        if (result == "missing")
            return m_data->filePath("nowhere.m4a");
        m_data->write("kesto-C.m4a", result);
        return m4a;
    };
    QStringList log;
    const Upload upload = Upload::of(wav, encoder, [&](const QString& l) { log << l; });
    QCOMPARE(upload, (Upload{wav, Upload::Format::wav}));
    QCOMPARE(log, QStringList{line});
    QVERIFY(!QFile::exists(m4a)); // the bad result is gone
    QCOMPARE(m_data->read("kesto-C.wav"), wavBytes);
}

void TestUpload::resendsAsWav_data()
{
    QTest::addColumn<GeminiError>("error");
    QTest::addColumn<bool>("resends");
    QTest::newRow("400 about the audio") << GeminiError::http(400, "Request contains an invalid argument.") << true;
    QTest::newRow("400 with no message") << GeminiError::http(400, "") << true;
    QTest::newRow("400 about the API key") << GeminiError::http(400, "API key not valid. Please pass a valid API key.")
                                           << false;
    QTest::newRow("400, key in other letter case") << GeminiError::http(400, "bad api KEY") << false;
    QTest::newRow("400 about thinking") << GeminiError::http(400, "Thinking budget is not supported") << false;
    QTest::newRow("400, THINKING") << GeminiError::http(400, "THINKING_CONFIG invalid") << false;
    QTest::newRow("500") << GeminiError::http(500, "Internal error") << false;
    QTest::newRow("413") << GeminiError::http(413, "Too large") << false;
    QTest::newRow("not an HTTP error") << GeminiError::network(GeminiError::Cause::connectionLost, "The network connection was lost.", true) << false;
    QTest::newRow("bad response") << GeminiError::badResponse("no candidates") << false;
}

void TestUpload::resendsAsWav()
{
    QFETCH(GeminiError, error);
    QFETCH(bool, resends);
    QCOMPARE(Upload::resendsAsWav(error), resends);
}

void TestUpload::formatNames()
{
    QCOMPARE(Upload::formatName(Upload::Format::m4a), QString("m4a"));
    QCOMPARE(Upload::formatFromName("wav"), Upload::Format::wav);
    QCOMPARE(Upload::formatFromName("M4A"), std::nullopt);
    QCOMPARE(Upload::formatFromName("mp3"), std::nullopt);
}

QTEST_GUILESS_MAIN(TestUpload)
#include "TestUpload.moc"
