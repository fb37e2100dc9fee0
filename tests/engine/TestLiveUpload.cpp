#include "DiskFull.h"
#include "TempDataDir.h"
#include "TestMicrophone.h"

#include "core/Log.h"
#include "engine/AudioTrimmer.h"
#include "engine/LiveTrimmer.h"
#include "engine/LiveUpload.h"
#include "engine/Upload.h"
#include "engine/WavFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <cmath>
#include <random>

// Trimming and encoding while recording against the same work done on the
// finished file: the same samples kept, and M4A files that decode alike.
namespace {

using Samples = std::vector<qint16>;

constexpr int window = 320; // 20 ms at 16 kHz

QString logText()
{
    Log::flush();
    QFile file(Log::filePath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A recording described window by window: 'S' a tone, '.' quiet noise
// (far below -45 dB), '0' digital silence; extra frames of noise follow.
Samples pattern(const QString& windows, int extra = 0)
{
    std::mt19937 noise(7);
    std::uniform_int_distribution<int> quiet(-40, 40);
    Samples x;
    for (QChar c : windows) {
        for (int i = 0; i < window; ++i) {
            if (c == 'S')
                x.push_back(qint16(16000 * std::sin(2.0 * M_PI * 440.0 * double(x.size()) / 16000.0)));
            else
                x.push_back(c == '.' ? qint16(quiet(noise)) : qint16(0));
        }
    }
    for (int i = 0; i < extra; ++i)
        x.push_back(qint16(quiet(noise)));
    return x;
}

Samples silence(double seconds)
{
    return Samples(std::size_t(seconds * 16000), 0);
}

Samples speech(double seconds)
{
    const QByteArray pcm = TestMicrophone::speech(seconds).left(qint64(seconds * 16000) * 2);
    Samples x(std::size_t(pcm.size() / 2));
    std::memcpy(x.data(), pcm.constData(), x.size() * 2);
    return x;
}

Samples join(std::initializer_list<Samples> parts)
{
    Samples x;
    for (const Samples& part : parts)
        x.insert(x.end(), part.begin(), part.end());
    return x;
}

void writeWav(const QString& path, const Samples& x)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(WavFile::header(WavFile::recording, quint32(x.size() * 2)));
    file.write(reinterpret_cast<const char*>(x.data()), qint64(x.size() * 2));
}

Samples readWav(const QString& path)
{
    WavFile::Audio audio;
    if (!WavFile::read(path, &audio, nullptr))
        return {};
    Samples x;
    for (float v : audio.channels.front())
        x.push_back(qint16(std::lround(v * 32768.0f)));
    return x;
}

// What the file trimmer keeps of x: its trimmed copy, or all of x when it
// returns nothing.
Samples trimmedByFile(const QString& folder, const Samples& x, double keep)
{
    const QString wav = QDir(folder).filePath(QStringLiteral("file.wav"));
    writeWav(wav, x);
    const std::optional<QString> trimmed = AudioTrimmer::trimSilence(wav, keep);
    Samples out = trimmed ? readWav(*trimmed) : x;
    if (trimmed)
        QFile::remove(*trimmed);
    QFile::remove(wav);
    return out;
}

// Feeds x in blocks of the given sizes in turn, as a capture does.
template<typename Push>
void feedInBlocks(const Samples& x, const QList<int>& blocks, Push push)
{
    std::size_t at = 0;
    for (int i = 0; at < x.size(); ++i) {
        const std::size_t n = std::min(std::size_t(blocks[i % blocks.size()]), x.size() - at);
        push(x.data() + at, qsizetype(n));
        at += n;
    }
}

// The samples of an M4A as 16 kHz mono, decoded by the ffmpeg command line.
Samples decode(const QString& m4a)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), {"-nostdin", "-v", "error", "-i", m4a, "-f", "s16le", "-ac", "1", "-ar",
                                            "16000", "-"});
    if (!ffmpeg.waitForFinished(120000) || ffmpeg.exitCode() != 0)
        return {};
    const QByteArray pcm = ffmpeg.readAllStandardOutput();
    Samples x(std::size_t(pcm.size() / 2));
    std::memcpy(x.data(), pcm.constData(), x.size() * 2);
    return x;
}

std::optional<Upload> liveUpload(const QString& wav, const Samples& x, const LiveUpload::Settings& settings)
{
    LiveUpload live(wav, settings);
    const LiveUpload::Input input = live.input();
    feedInBlocks(x, {160}, input);
    return live.finish();
}

} // namespace

class TestLiveUpload final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_data = std::make_unique<TempDataDir>(); }
    void cleanup() { m_data.reset(); }

    void trimsAsTheFileTrimmerDoes_data();
    void trimsAsTheFileTrimmerDoes();
    void decodesLikeTheUploadOfTheFile_data();
    void decodesLikeTheUploadOfTheFile();
    void droppedBeforeTheEndLeavesNoFile();
    void brokenStreamLeavesTheRecordingToTheFilePath();

private:
    std::unique_ptr<TempDataDir> m_data;
};

void TestLiveUpload::trimsAsTheFileTrimmerDoes_data()
{
    QTest::addColumn<QString>("windows");
    QTest::addColumn<int>("extra");
    QTest::addColumn<double>("keep");

    const QString word = QString(10, 'S');
    const auto run = [](int n, char c = '.') { return QString(n, QLatin1Char(c)); };
    QTest::newRow("no long pause") << word + run(20) + word << 0 << 0.25;
    QTest::newRow("1 s pause") << word + run(50) + word << 0 << 0.25;
    QTest::newRow("one window short of a pause") << word + run(27) + word << 0 << 0.25;
    QTest::newRow("exactly a pause") << word + run(28) + word << 0 << 0.25;
    QTest::newRow("pauses short and long") << word + run(5) + word + run(90) + word + run(27) + word + run(29) + word
                                           << 0 << 0.25;
    QTest::newRow("digital silence between") << word + run(60, '0') + word << 0 << 0.25;
    QTest::newRow("leading and trailing silence") << run(40) + word + run(40) << 0 << 0.25;
    QTest::newRow("trailing pause ends in a part window") << word + run(40) << 123 << 0.25;
    QTest::newRow("part window closes a short run") << word + run(26) << 200 << 0.25;
    QTest::newRow("ends on sound mid-window") << word + run(60) + word << 77 << 0.25;
    QTest::newRow("all silence") << run(100) << 0 << 0.25;
    QTest::newRow("all digital silence") << run(100, '0') << 0 << 0.25;
    QTest::newRow("short silent file") << run(27) << 0 << 0.25;
    QTest::newRow("keep 0") << word + run(20) + word + run(19) + word << 0 << 0.0;
    QTest::newRow("odd amount kept") << word + run(70) + word << 0 << 0.2500625;
    QTest::newRow("keep 1.0") << word + run(64) + word + run(65) + word << 0 << 1.0;
    QTest::newRow("negative keep") << word + run(30) + word << 0 << -1.0;
    QTest::newRow("not a number") << word + run(30) + word << 0 << std::nan("");
    QTest::newRow("more than the recording") << word + run(200) + word << 0 << 1e300;
    QTest::newRow("sound only") << word << 5 << 0.25;
}

void TestLiveUpload::trimsAsTheFileTrimmerDoes()
{
    QFETCH(QString, windows);
    QFETCH(int, extra);
    QFETCH(double, keep);
    const Samples x = pattern(windows, extra);
    const Samples expected = trimmedByFile(m_data->path(), x, keep);

    // Block sizes that never line up with the analysis windows.
    for (const QList<int>& blocks : {QList<int>{160}, QList<int>{7, 333, 1}, QList<int>{100000}}) {
        Samples kept;
        LiveTrimmer trimmer(keep, [&](const qint16* s, qsizetype n) { kept.insert(kept.end(), s, s + n); });
        feedInBlocks(x, blocks, [&](const qint16* s, qsizetype n) { trimmer.push(s, n); });
        trimmer.finish();
        QCOMPARE(trimmer.frames(), qint64(x.size()));
        QCOMPARE(trimmer.kept(), qint64(kept.size()));
        // Cut to nothing, the file trimmer gives up and the whole recording goes.
        if (kept.empty())
            QCOMPARE(expected, x);
        else
            QVERIFY2(kept == expected, qPrintable(QStringLiteral("kept %1 frames, the file trimmer %2")
                                                      .arg(kept.size())
                                                      .arg(expected.size())));
    }
}

void TestLiveUpload::decodesLikeTheUploadOfTheFile_data()
{
    QTest::addColumn<Samples>("recording");
    QTest::addColumn<bool>("trim");
    QTest::addColumn<double>("keep");
    QTest::addColumn<bool>("live"); // false: the live path hands it to the file path

    const Samples words = speech(4.0);
    QVERIFY(!words.empty());
    QTest::newRow("speech with short and long pauses")
        << join({words, silence(0.3), words, silence(2.0), words, silence(0.6), words}) << true << 0.25 << true;
    QTest::newRow("silence at the start and the end") << join({silence(3.0), words, silence(4.0)}) << true << 0.25
                                                      << true;
    QTest::newRow("untrimmed") << join({silence(1.0), words, silence(2.0), words}) << false << 0.25 << true;
    QTest::newRow("all silence") << silence(5.0) << true << 0.25 << true;
    QTest::newRow("all silence, nothing kept") << silence(5.0) << true << 0.0 << false;
    QTest::newRow("shorter than the minimum") << Samples(words.begin(), words.begin() + 16000 * 3 / 10) << true
                                              << 0.25 << true;
    Samples tenMinutes;
    for (int i = 0; tenMinutes.size() < std::size_t(600 * 16000); ++i) {
        const Samples pause = silence(i % 3 == 0 ? 1.5 : 0.4);
        tenMinutes.insert(tenMinutes.end(), words.begin(), words.end());
        tenMinutes.insert(tenMinutes.end(), pause.begin(), pause.end());
    }
    tenMinutes.resize(600 * 16000);
    QTest::newRow("ten minutes") << tenMinutes << true << 0.25 << true;
}

void TestLiveUpload::decodesLikeTheUploadOfTheFile()
{
    QFETCH(Samples, recording);
    QFETCH(bool, trim);
    QFETCH(double, keep);
    QFETCH(bool, live);
    QDir dir(m_data->path());
    QVERIFY(dir.mkpath("live") && dir.mkpath("file"));
    const QString liveWav = dir.filePath("live/rec.wav");
    const QString fileWav = dir.filePath("file/rec.wav");
    writeWav(liveWav, recording);
    writeWav(fileWav, recording);

    const std::optional<Upload> streamed = liveUpload(liveWav, recording, {trim, keep});
    QCOMPARE(streamed.has_value(), live);
    if (!live) {
        QVERIFY(logText().contains("live AAC failed (trimming left nothing); encoding after the recording"));
        QCOMPARE(QDir(dir.filePath("live")).entryList(QDir::Files), QStringList{"rec.wav"});
        return;
    }
    QCOMPARE(streamed->format, Upload::Format::m4a);
    QCOMPARE(streamed->path, dir.filePath("live/rec.m4a"));
    QVERIFY(logText().contains("encoded while recording, finished in "));

    // The file path as it runs after a recording.
    std::optional<QString> trimmed = trim ? AudioTrimmer::trimSilence(fileWav, keep) : std::nullopt;
    const Upload file = Upload::of(trimmed.value_or(fileWav));
    QCOMPARE(file.format, Upload::Format::m4a);

    const Samples a = decode(streamed->path);
    const Samples b = decode(file.path);
    QVERIFY(!a.empty());
    // Lengths agree to the AAC frame, samples as closely as two encodes of the same audio.
    QVERIFY2(std::abs(qint64(a.size()) - qint64(b.size())) < 1024,
             qPrintable(QStringLiteral("%1 against %2 samples").arg(a.size()).arg(b.size())));
    const std::size_t n = std::min(a.size(), b.size());
    double diff = 0, power = 0;
    for (std::size_t i = 0; i < n; ++i) {
        diff += double(a[i] - b[i]) * double(a[i] - b[i]);
        power += double(b[i]) * double(b[i]);
    }
    QVERIFY2(diff <= 1e-4 * power + 1.0 * double(n),
             qPrintable(QStringLiteral("difference %1 against power %2").arg(diff).arg(power)));
}

void TestLiveUpload::droppedBeforeTheEndLeavesNoFile()
{
    const QString wav = m_data->filePath("rec.wav");
    writeWav(wav, speech(2.0));
    {
        LiveUpload live(wav, {true, 0.25});
        const LiveUpload::Input input = live.input();
        const Samples words = speech(2.0);
        feedInBlocks(words, {160}, input);
        QTRY_VERIFY(QFile::exists(m_data->filePath("rec.m4a")));
    }
    QVERIFY(!QFile::exists(m_data->filePath("rec.m4a")));
}

void TestLiveUpload::brokenStreamLeavesTheRecordingToTheFilePath()
{
    const QString wav = m_data->filePath("rec.wav");
    const Samples words = speech(10.0);
    LiveUpload live(wav, {true, 0.25});
    const LiveUpload::Input input = live.input();
    feedInBlocks(Samples(words.begin(), words.begin() + 16000), {160}, input);
    QTRY_VERIFY(QFile::exists(m_data->filePath("rec.m4a")));
    QVERIFY(DiskFull::strike(m_data->filePath("rec.m4a")));
    feedInBlocks(Samples(words.begin() + 16000, words.end()), {160}, input);

    QCOMPARE(live.finish(), std::nullopt);
    const QString log = logText();
    QVERIFY2(log.contains("live AAC failed (cannot write the M4A file: "), qPrintable(log));
    QVERIFY(!QFile::exists(m_data->filePath("rec.m4a")));
}

QTEST_GUILESS_MAIN(TestLiveUpload)
#include "TestLiveUpload.moc"
