#include "DictationRig.h"
#include "FakeGemini.h"

#include "engine/WavFile.h"
#include "shell/PhoneLinkController.h"

#include <QSslSocket>

#include <cmath>

namespace {

// A second of a 440 Hz tone at 44.1 kHz stereo, as a phone might send it.
QByteArray toneWav(const QString& dir)
{
    const int rate = 44100;
    std::vector<float> samples(rate);
    for (int i = 0; i < rate; ++i)
        samples[size_t(i)] = 0.3f * float(std::sin(2 * M_PI * 440 * i / rate));
    const QString path = dir + QStringLiteral("/tone-source.wav");
    QString error;
    if (!WavFile::write(path, {rate, 2, 16, false}, {samples, samples}, &error))
        return {};
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    QFile::remove(path);
    return bytes;
}

// What the server sent back to the phone.
struct Answer
{
    int status = 0;
    QByteArray body;
};

Answer post(bool secure, quint16 port, const QString& token, const QByteArray& audio)
{
    std::unique_ptr<QTcpSocket> socket;
    if (secure) {
        auto* ssl = new QSslSocket;
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        config.setCaCertificates({ServerIdentity::load()->certificate});
        ssl->setSslConfiguration(config);
        ssl->connectToHostEncrypted(QStringLiteral("127.0.0.1"), port);
        socket.reset(ssl);
        if (!ssl->waitForEncrypted(5000))
            return {};
    } else {
        socket = std::make_unique<QTcpSocket>();
        socket->connectToHost(QStringLiteral("127.0.0.1"), port);
        if (!socket->waitForConnected(5000))
            return {};
    }
    socket->write("POST /audio?t=" + token.toLatin1() + " HTTP/1.1\r\nContent-Type: audio/wav\r\nContent-Length: "
                  + QByteArray::number(audio.size()) + "\r\n\r\n" + audio);
    QByteArray received;
    const bool closed = QTest::qWaitFor([&] {
        received += socket->readAll();
        return socket->state() == QAbstractSocket::UnconnectedState;
    }, 20000);
    received += socket->readAll();
    if (!closed)
        return {};
    return {received.mid(9, 3).toInt(), received.mid(received.indexOf("\r\n\r\n") + 4)};
}

// The outcome a direct call of the handler gets.
struct Outcome
{
    std::optional<AudioOutcome> value;
    AudioReply reply()
    {
        return AudioReply([this](const AudioOutcome& outcome) { value = outcome; });
    }
};

} // namespace

// The phone link's control in the application: the server follows the
// settings, the links and codes the phone screen shows, and phone uploads
// transcribed into History through the dictation pipeline.
class TestPhoneLink final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void tokensAndStatusTexts();
    void linksFollowTheSettings();
    void newCodeCopiesOnlyTheLinkSettings();
    void uploadReachesHistory_data();
    void uploadReachesHistory();
    void busyComputerRefuses_data();
    void busyComputerRefuses();
    void unreadableUploadHasItsOwnMessage();
    void failedTranscriptionLeavesHistoryAlone();
    void controllerGoneMidUpload();

private:
    void enable(bool plain);

    std::unique_ptr<FakeGemini> m_gemini;
    std::unique_ptr<DictationRig> m_rig;
    std::optional<Config> m_applied;
    std::unique_ptr<PhoneLinkController> m_link;
    QByteArray m_wav;
};

void TestPhoneLink::init()
{
    m_gemini = std::make_unique<FakeGemini>();
    QVERIFY(m_gemini->listen());
    qputenv("KESTO_GEMINI_URL", m_gemini->url().toUtf8());
    m_rig = std::make_unique<DictationRig>();
    m_rig->state.updateConfig([](Config& config) {
        config.apiKey = "test-key";
        config.phonePort = 0; // any free port
        config.phonePlainPort = 0;
        Snippet snippet;
        snippet.trigger = "my signature";
        snippet.text = "Best regards";
        config.snippets = {snippet};
    });
    m_applied = m_rig->state.config();
    m_link = std::make_unique<PhoneLinkController>(PhoneLinkController::Parts{
        m_rig->state, *m_rig->controller, m_rig->clock, [this](const std::function<void(Config&)>& change) {
            if (m_applied)
                change(*m_applied);
        }});
    m_wav = toneWav(m_rig->tmp.path());
    QVERIFY(m_wav.size() > 100000);
}

void TestPhoneLink::cleanup()
{
    m_link.reset();
    m_rig.reset();
    m_gemini.reset();
    qunsetenv("KESTO_GEMINI_URL");
}

void TestPhoneLink::enable(bool plain)
{
    m_rig->state.updateConfig([plain](Config& config) {
        config.phoneServerEnabled = true;
        config.phonePlainEnabled = plain;
    });
    m_link->applyPhoneServer();
    QVERIFY2(m_link->server().isRunning(), qPrintable(m_link->server().lastError()));
    m_rig->clock.advance(PhoneLinkController::publishDelayMs);
}

void TestPhoneLink::tokensAndStatusTexts()
{
    const QRegularExpression shape(QStringLiteral("^[abcdefghijkmnpqrstuvwxyz23456789]{16}$"));
    QSet<QString> seen;
    for (int i = 0; i < 200; ++i) {
        const QString token = PhoneLinkController::makeToken();
        QVERIFY2(shape.match(token).hasMatch(), qPrintable(token));
        seen.insert(token);
    }
    QCOMPARE(seen.size(), 200);

    QCOMPARE(PhoneLinkController::statusText(Phase::idle), QStringLiteral("Ready"));
    QCOMPARE(PhoneLinkController::statusText(Phase::recording), QStringLiteral("The computer is recording"));
    QCOMPARE(PhoneLinkController::statusText(Phase::working), QStringLiteral("Transcribing"));
    QCOMPARE(PhoneLinkController::statusText(Phase::failed), QStringLiteral("Last attempt failed"));
}

void TestPhoneLink::linksFollowTheSettings()
{
    AppState& state = m_rig->state;
    PhoneServer& server = m_link->server();
    QVERIFY(state.config().phoneToken.isEmpty());

    // The first start makes a token and saves it at once.
    enable(true);
    const QString token = state.config().phoneToken;
    QVERIFY(QRegularExpression(QStringLiteral("^[a-km-np-z2-9]{16}$")).match(token).hasMatch());
    QCOMPARE(Config::load().phoneToken, token);
    QCOMPARE(m_applied->phoneToken, token); // the next apply restarts nothing
    QCOMPARE(server.token(), token);
    QVERIFY(state.phoneRunning());
    QCOMPARE(state.phoneError(), QString());

    QStringList page;
    QStringList shortcut;
    for (const QString& address : m_link->phoneAddresses()) {
        page << QStringLiteral("https://%1:%2/?t=%3").arg(address).arg(server.port()).arg(token);
        shortcut << QStringLiteral("http://%1:%2/audio?t=%3").arg(address).arg(server.plainPort()).arg(token);
    }
    QCOMPARE(state.phoneURLs(), page);
    QCOMPARE(state.shortcutURLs(), shortcut);

    // Without plain HTTP there are no shortcut links.
    enable(false);
    QCOMPARE(state.phoneURLs().size(), m_link->phoneAddresses().size());
    QCOMPARE(state.shortcutURLs(), QStringList());
    QVERIFY(!server.plainIsRunning());

    // Turning the link off clears all it published, and a start still
    // waiting to publish publishes nothing.
    state.setPhoneLastSeen(m_rig->clock.now());
    state.setPhoneError(QStringLiteral("old"));
    state.updateConfig([](Config& config) { config.phoneServerEnabled = true; });
    m_link->applyPhoneServer();
    state.updateConfig([](Config& config) { config.phoneServerEnabled = false; });
    m_link->applyPhoneServer();
    m_rig->clock.advance(PhoneLinkController::publishDelayMs);
    QVERIFY(!server.isRunning());
    QVERIFY(!state.phoneRunning());
    QCOMPARE(state.phoneURLs(), QStringList());
    QCOMPARE(state.shortcutURLs(), QStringList());
    QCOMPARE(state.phoneLastSeen(), std::nullopt);
    QCOMPARE(state.phoneError(), QString());
    QCOMPARE(m_link->phoneAddresses(), QStringList());

    // A port the server cannot take is said so, and nothing runs.
    state.updateConfig([](Config& config) {
        config.phoneServerEnabled = true;
        config.phonePort = 70000;
    });
    m_link->applyPhoneServer();
    QVERIFY(!server.isRunning());
    QCOMPARE(state.phoneError(), QStringLiteral("Port 70000 is not a valid port number."));

    // Applying the settings touches the server only for the link's own fields.
    state.updateConfig([](Config& config) { config.phonePort = 0; });
    const Config before = state.config();
    m_link->applyChanges(before, before);
    QVERIFY(!server.isRunning());
    m_link->applyChanges(std::nullopt, before);
    QVERIFY(server.isRunning());
    Config other = before;
    other.theme = ThemeMode::dark;
    m_link->stop();
    m_link->applyChanges(before, other);
    QVERIFY(!server.isRunning());
    other.phonePlainEnabled = !before.phonePlainEnabled;
    m_link->applyChanges(before, other);
    QVERIFY(server.isRunning());
}

void TestPhoneLink::newCodeCopiesOnlyTheLinkSettings()
{
    AppState& state = m_rig->state;
    enable(true);
    const QString oldToken = state.config().phoneToken;
    m_applied = state.config();
    const Config applied = *m_applied;
    QVERIFY(applied.theme != ThemeMode::dark && applied.historyDays != 7);
    // A change of another setting still waits for its apply.
    state.updateConfig([](Config& config) {
        config.theme = ThemeMode::dark;
        config.historyDays = 7;
    });
    state.updateConfig([](Config& config) { config.phoneServerEnabled = false; });
    m_link->applyPhoneServer();
    state.setPhoneLastSeen(m_rig->clock.now());

    m_link->newPhoneCode();
    const QString newToken = state.config().phoneToken;
    QVERIFY(newToken != oldToken);
    QVERIFY(state.config().phoneServerEnabled);
    QCOMPARE(state.phoneLastSeen(), std::nullopt);
    QCOMPARE(Config::load().phoneToken, newToken);
    QVERIFY(!PhoneLinkController::linkSettingsDiffer(*m_applied, state.config()));
    // The pending changes still differ from what was applied, so the next
    // apply carries them out.
    QCOMPARE(m_applied->theme, applied.theme);
    QCOMPARE(m_applied->historyDays, applied.historyDays);
    QVERIFY(m_link->server().isRunning());

    // The old code no longer opens anything; the new one does.
    m_link->server().setAudioHandler([](const QByteArray&, const QString&, AudioReply reply) {
        reply(AudioOutcome::transcript(QStringLiteral("ok")));
    });
    const quint16 port = m_link->server().plainPort();
    QCOMPARE(post(false, port, oldToken, m_wav).status, 403);
    QCOMPARE(post(false, port, newToken, m_wav).status, 200);
}

void TestPhoneLink::uploadReachesHistory_data()
{
    QTest::addColumn<bool>("inserts");
    QTest::addColumn<bool>("keepAudio");
    QTest::newRow("typed, audio dropped") << true << false;
    QTest::newRow("History only, audio kept") << false << true;
}

void TestPhoneLink::uploadReachesHistory()
{
    QFETCH(bool, inserts);
    QFETCH(bool, keepAudio);
    DictationRig& rig = *m_rig;
    rig.state.updateConfig([&](Config& config) {
        config.phoneInserts = inserts;
        config.keepAudio = keepAudio;
    });
    enable(false);
    m_gemini->enqueue(FakeGemini::Reply::text(QStringLiteral("Salom, my signature")).on("POST"));
    const qsizetype before = rig.state.history().entries.size();

    const Answer answer = post(true, m_link->server().port(), rig.state.config().phoneToken, m_wav);
    QCOMPARE(answer.status, 200);
    QCOMPARE(answer.body, QByteArray("{\"text\":\"Salom, Best regards\"}"));

    // The service heard the converted recording: 16 kHz mono WAV.
    const QList<FakeGemini::Request> posts = m_gemini->requests("POST");
    QCOMPARE(posts.size(), 1);
    QCOMPARE(posts.first().audioMime, QStringLiteral("audio/wav"));
    WavFile::Audio heard;
    const QString heardPath = rig.tmp.filePath(QStringLiteral("heard.wav"));
    QFile heardFile(heardPath);
    QVERIFY(heardFile.open(QIODevice::WriteOnly));
    heardFile.write(posts.first().audio);
    heardFile.close();
    QVERIFY(WavFile::read(heardPath, &heard, nullptr));
    QCOMPARE(heard.format, WavFile::recording);
    QFile::remove(heardPath);

    const QList<HistoryEntry>& entries = rig.state.history().entries;
    QCOMPARE(entries.size(), before + 1);
    const HistoryEntry& entry = entries.first();
    QCOMPARE(entry.text, QStringLiteral("Salom, Best regards"));
    QCOMPARE(entry.source, QStringLiteral("phone"));
    QCOMPARE(entry.status, HistoryEntry::Status::done);
    QCOMPARE(entry.appName, std::nullopt);
    QCOMPARE(entry.appBundleID, std::nullopt);
    QCOMPARE(entry.model, rig.state.config().model);
    QVERIFY2(std::abs(entry.duration - 1.0) < 0.01, qPrintable(QString::number(entry.duration)));
    QCOMPARE(entry.audioFile.has_value(), keepAudio);
    QCOMPARE(rig.keptAudio().size(), keepAudio ? 1 : 0);
    if (keepAudio)
        QVERIFY(entry.audioFile->endsWith(QLatin1String(".wav")));

    QCOMPARE(rig.desktop.inserts.size(), inserts ? 1 : 0);
    if (inserts)
        QCOMPARE(rig.desktop.inserts.first().text, QStringLiteral("Salom, Best regards"));
    QCOMPARE(rig.sounds.played, QStringList{QStringLiteral("Pop")});
    QCOMPARE(rig.state.phase(), Phase::idle);
    QVERIFY(rig.state.doneText()->startsWith(QLatin1String("From phone")));
    QCOMPARE(rig.tempFiles(), QStringList()); // nothing left behind
    QVERIFY(DictationRig::log().contains(QLatin1String("phone transcript: Salom, Best regards")));
}

void TestPhoneLink::busyComputerRefuses_data()
{
    QTest::addColumn<Phase>("phase");
    QTest::addColumn<bool>("refused");
    QTest::newRow("recording") << Phase::recording << true;
    QTest::newRow("working") << Phase::working << true;
    QTest::newRow("failed") << Phase::failed << false;
}

void TestPhoneLink::busyComputerRefuses()
{
    QFETCH(Phase, phase);
    QFETCH(bool, refused);
    DictationRig& rig = *m_rig;
    rig.controller->setPhase(phase);
    m_gemini->enqueue(FakeGemini::Reply::text(QStringLiteral("accepted")).on("POST"));
    Outcome outcome;
    m_link->transcribeFromPhone(m_wav, QStringLiteral("audio/wav"), outcome.reply());
    QTRY_VERIFY_WITH_TIMEOUT(outcome.value.has_value(), 20000);
    if (refused) {
        QCOMPARE(*outcome.value, AudioOutcome::failure(QStringLiteral("The computer is busy. Try again in a moment.")));
        QCOMPARE(rig.state.phase(), phase);
        QCOMPARE(m_gemini->requests("POST").size(), 0);
        QVERIFY(DictationRig::log().contains(QLatin1String("phone audio turned down: the computer is busy")));
    } else {
        QCOMPARE(*outcome.value, AudioOutcome::transcript(QStringLiteral("accepted")));
        QCOMPARE(rig.state.history().entries.first().source, QStringLiteral("phone"));
    }
    QCOMPARE(rig.tempFiles(), QStringList());
}

void TestPhoneLink::unreadableUploadHasItsOwnMessage()
{
    DictationRig& rig = *m_rig;
    const History before = rig.state.history();
    Outcome outcome;
    m_link->transcribeFromPhone(QByteArray(4096, 'x'), QStringLiteral("audio/wav"), outcome.reply());
    QTRY_VERIFY(outcome.value.has_value());
    QCOMPARE(*outcome.value, AudioOutcome::failure(QStringLiteral("The recording could not be read as audio.")));
    QCOMPARE(rig.state.phase(), Phase::idle);
    QCOMPARE(rig.state.history(), before);
    QCOMPARE(m_gemini->requests("POST").size(), 0);
    QCOMPARE(rig.tempFiles(), QStringList());
}

void TestPhoneLink::failedTranscriptionLeavesHistoryAlone()
{
    DictationRig& rig = *m_rig;
    rig.state.updateConfig([](Config& config) { config.keepAudio = true; });
    const History before = rig.state.history();
    m_gemini->enqueue(FakeGemini::Reply::error(403, QStringLiteral("Permission denied")).on("POST"));
    Outcome outcome;
    m_link->transcribeFromPhone(m_wav, QStringLiteral("audio/wav"), outcome.reply());
    QTRY_VERIFY_WITH_TIMEOUT(outcome.value.has_value(), 20000);
    QVERIFY(!outcome.value->ok);
    QVERIFY2(outcome.value->error.contains(QLatin1String("Permission denied")), qPrintable(outcome.value->error));
    QCOMPARE(rig.state.phase(), Phase::failed);
    QCOMPARE(rig.state.message(), outcome.value->error);
    QCOMPARE(rig.state.history(), before);
    QCOMPARE(rig.keptAudio(), QStringList());
    QCOMPARE(rig.tempFiles(), QStringList());
    QVERIFY(DictationRig::log().contains(QLatin1String("phone transcription failed: ")));
}

void TestPhoneLink::controllerGoneMidUpload()
{
    // The phone is told the recording was not transcribed, never given an
    // empty transcript, and the converted file does not stay behind.
    Outcome outcome;
    m_link->transcribeFromPhone(m_wav, QStringLiteral("audio/wav"), outcome.reply());
    m_link.reset();
    QTRY_VERIFY(outcome.value.has_value());
    QCOMPARE(*outcome.value, AudioOutcome::failure(AudioReply::notTranscribedText()));
    QTRY_COMPARE(m_rig->tempFiles(), QStringList());
    QCOMPARE(m_gemini->requests("POST").size(), 0);
}

QTEST_MAIN(TestPhoneLink)
#include "TestPhoneLink.moc"
