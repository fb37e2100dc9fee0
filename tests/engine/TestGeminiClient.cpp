#include "GeminiTestSupport.h"
#include "TempDataDir.h"
#include "core/Config.h"
#include "core/L10n.h"
#include "core/Log.h"
#include "engine/GeminiClient.h"
#include "engine/GeminiPrompt.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTcpServer>
#include <QtTest>

using Progress = GeminiProgress;
Q_DECLARE_METATYPE(QList<GeminiProgress>)

class TestGeminiClient : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void clientFromSettings_data();
    void clientFromSettings();
    void keyFromEnvironment();

    void generateContentRequest_data();
    void generateContentRequest();
    void interactionsRequest_data();
    void interactionsRequest();

    void retries_data();
    void retries();
    void retryWaitsAreSpaced();
    void cancelDuringWaitSendsNothingMore();
    void cancelDuringRequest();
    void stalledServiceEndsInTime_data();
    void stalledServiceEndsInTime();
    void noKeyFailsBeforeAnything();
    void unreadableAudio();

    void badReplies_data();
    void badReplies();
    void brokenTransfersAreToldInTheInterfaceLanguage_data();
    void brokenTransfersAreToldInTheInterfaceLanguage();

    void errorMessage_data();
    void errorMessage();
    void generatedText_data();
    void generatedText();
    void interactionText_data();
    void interactionText();

    void listModels();
    void listModelsFailures_data();
    void listModelsFailures();
    void pickModel_data();
    void pickModel();
    void warmUp();

private:
    GeminiClient client(const QString& model = QStringLiteral("gemini-3.8-flash")) const;

    std::unique_ptr<TempDataDir> m_data; // for the log
    std::unique_ptr<GeminiRig> m_rig;
    QByteArray m_audio;
};

void TestGeminiClient::init()
{
    m_data = std::make_unique<TempDataDir>();
    m_rig = std::make_unique<GeminiRig>();
    QVERIFY(m_rig->start());
    m_audio = QByteArray("\0\x01\x02 audio bytes \xff\xfe", 20).repeated(50);
}

void TestGeminiClient::cleanup()
{
    m_rig.reset();
    m_data.reset();
}

GeminiClient TestGeminiClient::client(const QString& model) const
{
    Config config;
    config.apiKey = QStringLiteral("test-key");
    config.model = model;
    GeminiClient client(config);
    client.transport = m_rig->transport;
    return client;
}

void TestGeminiClient::clientFromSettings_data()
{
    QTest::addColumn<bool>("fillers");
    QTest::addColumn<bool>("corrections");
    QTest::addColumn<bool>("punctuation");
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("vocabulary");

    // The vocabulary holds "Toshkent" (uz-UZ), "Москва" (ru-RU) and "Kesto" (all).
    QTest::newRow("verbatim, punctuation on") << false << false << true << QStringList() << "verbatim"
                                              << QStringList{"Toshkent", "Москва", "Kesto"};
    QTest::newRow("verbatim, punctuation off") << false << false << false << QStringList() << "verbatim"
                                               << QStringList{"Toshkent", "Москва", "Kesto"};
    QTest::newRow("fillers only") << true << false << true << QStringList{"uz-UZ"} << "smart"
                                  << QStringList{"Toshkent", "Kesto"};
    QTest::newRow("corrections only") << false << true << true << QStringList{"ru-RU", "en-US"} << "smart"
                                      << QStringList{"Москва", "Kesto"};
    QTest::newRow("language without words") << true << true << true << QStringList{"en-US"} << "smart"
                                            << QStringList{"Kesto"};
}

void TestGeminiClient::clientFromSettings()
{
    QFETCH(bool, fillers);
    QFETCH(bool, corrections);
    QFETCH(bool, punctuation);
    QFETCH(QStringList, languages);
    QFETCH(QString, mode);
    QFETCH(QStringList, vocabulary);

    Config config;
    config.apiKey = QStringLiteral("saved");
    config.removeFillers = fillers;
    config.resolveCorrections = corrections;
    config.punctuation = punctuation;
    config.languageCodes = languages;
    config.vocabulary = {{QUuid::createUuid(), QStringLiteral("Toshkent"), QStringLiteral("uz-UZ")},
                         {QUuid::createUuid(), QStringLiteral("Москва"), QStringLiteral("ru-RU")},
                         {QUuid::createUuid(), QStringLiteral("Kesto"), QString()}};
    const GeminiClient client(config);
    QCOMPARE(client.apiKey, QStringLiteral("saved"));
    QCOMPARE(client.transcriptionMode, mode);
    QCOMPARE(client.punctuation, punctuation);
    QCOMPARE(client.languageCodes, languages);
    QCOMPARE(client.customVocabulary, vocabulary);
}

void TestGeminiClient::keyFromEnvironment()
{
    const QByteArray previous = qgetenv("GEMINI_API_KEY");
    qputenv("GEMINI_API_KEY", "from-env");
    Config config;
    QCOMPARE(GeminiClient(config).apiKey, QStringLiteral("from-env"));
    qunsetenv("GEMINI_API_KEY");
    QVERIFY(GeminiClient(config).apiKey.isEmpty());
    if (!previous.isEmpty())
        qputenv("GEMINI_API_KEY", previous);
}

void TestGeminiClient::generateContentRequest_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("thinking");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("mime");
    QTest::addColumn<QString>("generationConfig");

    QTest::newRow("m4a, thinking") << "gemini-3.8-flash" << "low" << "speech.m4a"
                                   << "/v1beta/models/gemini-3.8-flash:generateContent" << "audio/mp4"
                                   << R"({"temperature":0,"thinkingConfig":{"thinkingLevel":"low"}})";
    QTest::newRow("upper-case M4A") << "gemini-3-pro" << "low" << "speech.M4A"
                                    << "/v1beta/models/gemini-3-pro:generateContent" << "audio/mp4"
                                    << R"({"temperature":0,"thinkingConfig":{"thinkingLevel":"low"}})";
    QTest::newRow("wav, generation 2") << "gemini-2.5-flash" << "high" << "speech.trimmed.wav"
                                       << "/v1beta/models/gemini-2.5-flash:generateContent" << "audio/wav"
                                       << R"({"temperature":0})";
    QTest::newRow("generation 1") << "gemini-1.5-pro" << "low" << "speech.wav"
                                  << "/v1beta/models/gemini-1.5-pro:generateContent" << "audio/wav"
                                  << R"({"temperature":0})";
    QTest::newRow("no extension, no thinking") << "gemini-3.8-flash" << "" << "speech"
                                               << "/v1beta/models/gemini-3.8-flash:generateContent" << "audio/wav"
                                               << R"({"temperature":0})";
    QTest::newRow("name with reserved characters")
        << "tuned/my model?" << "low" << "speech.m4a" << "/v1beta/models/tuned%2Fmy%20model%3F:generateContent"
        << "audio/mp4" << R"({"temperature":0,"thinkingConfig":{"thinkingLevel":"low"}})";
}

void TestGeminiClient::generateContentRequest()
{
    QFETCH(QString, model);
    QFETCH(QString, thinking);
    QFETCH(QString, file);
    QFETCH(QString, path);
    QFETCH(QString, mime);
    QFETCH(QString, generationConfig);

    GeminiClient gemini = client(model);
    gemini.thinkingLevel = thinking;
    m_rig->service.enqueue(FakeGemini::Reply::text(QStringLiteral("  Salom, dunyo.\n")));
    Outcome<QString> outcome;
    gemini.transcribe(m_rig->audio(file, m_audio), {}, outcome.done());
    QTRY_VERIFY(outcome.finished());
    QCOMPARE(outcome.value(), QStringLiteral("Salom, dunyo."));

    const QList<FakeGemini::Request> requests = m_rig->service.requests();
    QCOMPARE(requests.size(), 1);
    const FakeGemini::Request& request = requests.first();
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.path, path);
    QCOMPARE(request.header("x-goog-api-key"), QByteArray("test-key"));
    QCOMPARE(request.header("content-type"), QByteArray("application/json"));
    QCOMPARE(request.audio, m_audio);
    QCOMPARE(request.audioMime, mime);

    QCOMPARE(request.body.keys(), (QStringList{"contents", "generationConfig"}));
    const QJsonArray contents = request.body.value("contents").toArray();
    QCOMPARE(contents.size(), 1);
    QCOMPARE(contents.first()["role"].toString(), QStringLiteral("user"));
    const QJsonArray parts = contents.first()["parts"].toArray();
    QCOMPARE(parts.size(), 2);
    QCOMPARE(parts.at(0).toObject().keys(), QStringList{"text"});
    QCOMPARE(parts.at(0)["text"].toString(), gemini.instructions(GeminiPrompt::plainClosing()));
    QCOMPARE(parts.at(1).toObject().keys(), QStringList{"inline_data"});
    // Base64 in one piece, no line breaks.
    QCOMPARE(parts.at(1)["inline_data"]["data"].toString(), QString::fromLatin1(m_audio.toBase64()));
    QCOMPARE(QJsonDocument(request.body.value("generationConfig").toObject()).toJson(QJsonDocument::Compact),
             generationConfig.toUtf8());
}

void TestGeminiClient::interactionsRequest_data()
{
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<bool>("fillers");
    QTest::addColumn<QString>("config");

    QTest::newRow("no language, verbatim") << QStringList() << false
                                           << R"({"custom_vocabulary":["Kesto"],"mode":"verbatim"})";
    QTest::newRow("languages, smart")
        << QStringList{"uz-UZ", "ru-RU"} << true
        << R"({"custom_vocabulary":["Kesto","Toshkent"],"language_codes":["uz-UZ","ru-RU"],"mode":"smart"})";
}

void TestGeminiClient::interactionsRequest()
{
    QFETCH(QStringList, languages);
    QFETCH(bool, fillers);
    QFETCH(QString, config);

    Config settings;
    settings.apiKey = QStringLiteral("test-key");
    settings.model = QStringLiteral("gemini-3-transcribe");
    settings.thinkingLevel = QStringLiteral("low");
    settings.removeFillers = fillers;
    settings.resolveCorrections = false;
    settings.languageCodes = languages;
    settings.vocabulary = {{QUuid::createUuid(), QStringLiteral("Kesto"), QString()},
                           {QUuid::createUuid(), QStringLiteral("Toshkent"), QStringLiteral("uz-UZ")}};
    if (languages.isEmpty())
        settings.vocabulary.removeLast();
    GeminiClient gemini(settings);
    gemini.transport = m_rig->transport;

    m_rig->service.enqueue(FakeGemini::Reply::raw(
        200, R"({"steps":[{"content":[{"type":"text","text":" Salom"}]},{"type":"thought"},)"
             R"({"content":[{"type":"text","text":" dunyo "},{"type":"audio"}]}]})"));
    Outcome<QString> outcome;
    gemini.transcribe(m_rig->audio(QStringLiteral("a.m4a"), m_audio), {}, outcome.done());
    QTRY_VERIFY(outcome.finished());
    QCOMPARE(outcome.value(), QStringLiteral("Salom dunyo"));

    const FakeGemini::Request request = m_rig->service.requests().first();
    QCOMPARE(request.path, QStringLiteral("/v1beta/interactions"));
    QCOMPARE(request.header("x-goog-api-key"), QByteArray("test-key"));
    QCOMPARE(request.body.keys(), (QStringList{"generation_config", "input", "model"}));
    QCOMPARE(request.body["model"].toString(), QStringLiteral("gemini-3-transcribe"));
    const QJsonArray input = request.body["input"].toArray();
    QCOMPARE(input.size(), 1);
    QCOMPARE(input.first().toObject().keys(), (QStringList{"data", "mime_type", "type"}));
    QCOMPARE(input.first()["type"].toString(), QStringLiteral("audio"));
    QCOMPARE(request.audio, m_audio);
    QCOMPARE(request.audioMime, QStringLiteral("audio/mp4"));
    QCOMPARE(request.body["generation_config"].toObject().keys(), QStringList{"transcription_config"});
    QCOMPARE(QJsonDocument(request.body["generation_config"]["transcription_config"].toObject())
                 .toJson(QJsonDocument::Compact),
             config.toUtf8());
}

void TestGeminiClient::retries_data()
{
    QTest::addColumn<QList<int>>("statuses");
    QTest::addColumn<int>("sent");
    QTest::addColumn<QList<Progress>>("progress");
    QTest::addColumn<QString>("failure"); // "" for success

    using P = Progress;
    QTest::newRow("503, 503, 200") << QList<int>{503, 503, 200} << 3
                                   << QList<P>{P::sending, P::retrying, P::sending, P::retrying, P::sending} << "";
    QTest::newRow("429 four times")
        << QList<int>{429, 429, 429, 429} << 4
        << QList<P>{P::sending, P::retrying, P::sending, P::retrying, P::sending, P::retrying, P::sending}
        << "Gemini returned 429: status 429";
    QTest::newRow("400 at once") << QList<int>{400, 200} << 1 << QList<P>{P::sending}
                                 << "Gemini returned 400: status 400";
    QTest::newRow("401 at once") << QList<int>{401} << 1 << QList<P>{P::sending} << "Gemini returned 401: status 401";
    QTest::newRow("404 at once") << QList<int>{404} << 1 << QList<P>{P::sending} << "Gemini returned 404: status 404";
    QTest::newRow("500 then 403") << QList<int>{500, 403} << 2 << QList<P>{P::sending, P::retrying, P::sending}
                                  << "Gemini returned 403: status 403";
    QTest::newRow("201 is no success") << QList<int>{201} << 1 << QList<P>{P::sending}
                                       << "Gemini returned 201: status 201";
}

void TestGeminiClient::retries()
{
    QFETCH(QList<int>, statuses);
    QFETCH(int, sent);
    QFETCH(QList<Progress>, progress);
    QFETCH(QString, failure);

    for (const int status : statuses) {
        m_rig->service.enqueue(status == 200
                                   ? FakeGemini::Reply::text(QStringLiteral("third time"))
                                   : FakeGemini::Reply::error(status, QStringLiteral("status %1").arg(status)));
    }
    QList<Progress> reported;
    Outcome<QString> outcome;
    client().transcribe(m_rig->audio(QStringLiteral("a.m4a"), m_audio),
                        [&](Progress p) { reported << p; }, outcome.done());
    QVERIFY(m_rig->finishPassingWaits(outcome));
    QCOMPARE(m_rig->service.requests().size(), sent);
    QCOMPARE(reported, progress);
    QCOMPARE(outcome.calls, 1);
    if (failure.isEmpty())
        QCOMPARE(outcome.value(), QStringLiteral("third time"));
    else
        QCOMPARE(outcome.error().description(), failure);
    for (const FakeGemini::Request& request : m_rig->service.requests())
        QCOMPARE(request.rawBody, m_rig->service.requests().first().rawBody);
}

void TestGeminiClient::retryWaitsAreSpaced()
{
    for (int i = 0; i < 4; ++i)
        m_rig->service.enqueue(FakeGemini::Reply::error(503, QStringLiteral("busy")));
    Outcome<QString> outcome;
    int waits = 0;
    client().transcribe(m_rig->audio(QStringLiteral("a.wav"), m_audio),
                        [&waits](Progress p) { waits += p == Progress::retrying; }, outcome.done());
    const QList<int> spacing{400, 1200, 3000};
    for (int i = 0; i < spacing.size(); ++i) {
        const int wait = spacing.at(i);
        QTRY_COMPARE(waits, i + 1);
        QCOMPARE(m_rig->clock.pendingTimers(), 1);
        const int before = int(m_rig->service.requests().size());
        m_rig->clock.advance(wait - 1);
        QTest::qWait(20);
        QCOMPARE(m_rig->service.requests().size(), before);
        m_rig->clock.advance(1);
        QTRY_COMPARE(m_rig->service.requests().size(), before + 1);
    }
    QTRY_VERIFY(outcome.finished());
    QCOMPARE(outcome.error(), GeminiError::http(503, QStringLiteral("busy")));
    QCOMPARE(m_rig->clock.pendingTimers(), 0);
}

void TestGeminiClient::cancelDuringWaitSendsNothingMore()
{
    m_rig->service.enqueue(FakeGemini::Reply::error(503, QStringLiteral("busy")));
    Outcome<QString> outcome;
    bool waiting = false;
    const GeminiCall call = client().transcribe(m_rig->audio(QStringLiteral("a.wav"), m_audio),
                                                [&waiting](Progress p) { waiting = p == Progress::retrying; },
                                                outcome.done());
    QTRY_VERIFY(waiting);
    QCOMPARE(m_rig->clock.pendingTimers(), 1);
    QVERIFY(call.isRunning());
    call.cancel();
    QVERIFY(!call.isRunning());
    QCOMPARE(outcome.error(), GeminiError::cancelled());
    QCOMPARE(m_rig->clock.pendingTimers(), 0);
    m_rig->clock.advance(5000);
    call.cancel();
    QTest::qWait(50);
    QCOMPARE(m_rig->service.requests().size(), 1);
    QCOMPARE(outcome.calls, 1);
}

void TestGeminiClient::cancelDuringRequest()
{
    m_rig->service.enqueue(FakeGemini::Reply::text(QStringLiteral("late")).delayed(300));
    Outcome<QString> outcome;
    const GeminiCall call = client().transcribe(m_rig->audio(QStringLiteral("a.wav"), m_audio), {}, outcome.done());
    QTRY_COMPARE(m_rig->service.requests().size(), 1);
    QSignalSpy abandoned(&m_rig->service, &FakeGemini::abandoned);
    call.cancel();
    QCOMPARE(outcome.error(), GeminiError::cancelled());
    // The request is dropped on the wire: the late answer never comes.
    QTRY_COMPARE(abandoned.count(), 1);
    QCOMPARE(outcome.calls, 1);
}

void TestGeminiClient::stalledServiceEndsInTime_data()
{
    QTest::addColumn<FakeGemini::Reply>("reply");
    QTest::newRow("never answers") << FakeGemini::Reply::silence();
    // A byte every 10 ms: never silent long enough for a transfer time-out,
    // and nowhere near done before the test is.
    QTest::newRow("trickles") << FakeGemini::Reply::text(QString(20000, QLatin1Char('a'))).trickled(10);
}

void TestGeminiClient::stalledServiceEndsInTime()
{
    QFETCH(FakeGemini::Reply, reply);
    for (int i = 0; i < 4; ++i)
        m_rig->service.enqueue(reply);
    Outcome<QString> outcome;
    QList<Progress> reported;
    client().transcribe(m_rig->audio(QStringLiteral("a.m4a"), m_audio), [&](Progress p) { reported << p; },
                        outcome.done());
    FakeClock& clock = m_rig->clock;
    QTRY_COMPARE(m_rig->service.requests().size(), 1);
    // An attempt ends 120 s after it was sent, however the bytes come.
    clock.advance(119999);
    QTest::qWait(20);
    QCOMPARE(reported, QList<Progress>{Progress::sending});
    clock.advance(1);
    QCOMPARE(reported, (QList<Progress>{Progress::sending, Progress::retrying}));
    clock.advance(400);
    QTRY_COMPARE(m_rig->service.requests().size(), 2);
    // The second has what is left of 180 s; no third attempt starts.
    clock.advance(180000 - 120400 - 1);
    QTest::qWait(20);
    QVERIFY(!outcome.finished());
    clock.advance(1);
    QVERIFY(outcome.finished());
    QCOMPARE(outcome.error().kind, GeminiError::Kind::network);
    QCOMPARE(outcome.error().cause, GeminiError::Cause::timedOut);
    QCOMPARE(clock.pendingTimers(), 0);
    QTest::qWait(50);
    QCOMPARE(m_rig->service.requests().size(), 2);
}

void TestGeminiClient::noKeyFailsBeforeAnything()
{
    GeminiClient gemini = client();
    gemini.apiKey.clear();
    Outcome<QString> transcript;
    Outcome<QStringList> models;
    gemini.transcribe(QStringLiteral("/nonexistent/audio.m4a"), {}, transcript.done());
    gemini.listModels(models.done());
    gemini.warmUp();
    // Never inside the call that started it.
    QVERIFY(!transcript.finished());
    QTRY_VERIFY(transcript.finished() && models.finished());
    QCOMPARE(transcript.error().description(), QStringLiteral("No API key. Add it in Settings, or set GEMINI_API_KEY."));
    QCOMPARE(models.error(), GeminiError::noApiKey());
    QTest::qWait(50);
    QVERIFY(m_rig->service.requests().isEmpty());
}

void TestGeminiClient::unreadableAudio()
{
    Outcome<QString> outcome;
    client().transcribe(m_rig->folder.filePath(QStringLiteral("missing.m4a")), {}, outcome.done());
    QTRY_VERIFY(outcome.finished());
    QCOMPARE(outcome.error().kind, GeminiError::Kind::fileUnreadable);
    QVERIFY(m_rig->service.requests().isEmpty());
}

void TestGeminiClient::badReplies_data()
{
    QTest::addColumn<FakeGemini::Reply>("reply");
    QTest::addColumn<int>("attempts");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");

    const QByteArray html = "<html><body>" + QByteArray("Bad gateway ").repeated(100000) + "</body></html>";
    QTest::newRow("not JSON") << FakeGemini::Reply::raw(200, "Salom, dunyo", "text/plain") << 1
                              << int(GeminiError::Kind::invalidJson) << "";
    QTest::newRow("empty body") << FakeGemini::Reply::raw(200, "") << 1 << int(GeminiError::Kind::invalidJson) << "";
    QTest::newRow("JSON array") << FakeGemini::Reply::raw(200, "[1, 2]") << 1 << int(GeminiError::Kind::badResponse)
                                << "not an object";
    QTest::newRow("cut off mid-body") << FakeGemini::Reply::text(QStringLiteral("half of it")).cutOff(20) << 4
                                      << int(GeminiError::Kind::network) << "";
    QTest::newRow("dropped connection") << FakeGemini::Reply::dropped() << 4 << int(GeminiError::Kind::network) << "";
    QTest::newRow("huge HTML error body") << FakeGemini::Reply::raw(400, html, "text/html") << 1
                                          << int(GeminiError::Kind::http) << QString::fromLatin1(html);
}

void TestGeminiClient::badReplies()
{
    QFETCH(FakeGemini::Reply, reply);
    QFETCH(int, attempts);
    QFETCH(int, kind);
    QFETCH(QString, message);

    m_rig->service.setFallback(reply);
    int sent = 0;
    Outcome<QString> outcome;
    client().transcribe(m_rig->audio(QStringLiteral("a.m4a"), m_audio),
                        [&](Progress p) { sent += p == Progress::sending; }, outcome.done());
    QVERIFY(m_rig->finishPassingWaits(outcome));
    QCOMPARE(sent, attempts);
    // Qt itself may send a request once more on a fresh connection when the
    // first one closed without an answer.
    QVERIFY(m_rig->service.requests().size() >= attempts);
    QCOMPARE(int(outcome.error().kind), kind);
    if (!message.isEmpty())
        QCOMPARE(outcome.error().message, message);
    QVERIFY(!outcome.error().description().isEmpty());
}

void TestGeminiClient::brokenTransfersAreToldInTheInterfaceLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("refused"); // else the service drops the connection
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("logged");

    QTest::newRow("refused, English") << "en" << true << "Could not reach Gemini: the connection was refused."
                                      << "ConnectionRefusedError";
    QTest::newRow("refused, Russian") << "ru" << true << "Не удалось связаться с Gemini: соединение отклонено."
                                      << "ConnectionRefusedError";
    QTest::newRow("dropped, Russian") << "ru" << false << "Не удалось связаться с Gemini: соединение прервалось."
                                      << "RemoteHostClosedError";
    QTest::newRow("dropped, Uzbek") << "uz" << false << "Gemini bilan bogʻlanib boʻlmadi: aloqa uzilib qoldi."
                                    << "RemoteHostClosedError";
}

void TestGeminiClient::brokenTransfersAreToldInTheInterfaceLanguage()
{
    QFETCH(QString, language);
    QFETCH(bool, refused);
    QFETCH(QString, logged);

    // As the application loads it, Qt's own texts included.
    L10n::install(language);
    const auto english = qScopeGuard([] { L10n::install(QStringLiteral("en")); });
    if (refused) {
        // A loopback port that was open a moment ago and is closed now.
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        m_rig->transport.root = QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort());
    } else {
        m_rig->service.setFallback(FakeGemini::Reply::dropped());
    }

    Outcome<QString> outcome;
    client().transcribe(m_rig->audio(QStringLiteral("a.m4a"), m_audio), {}, outcome.done());
    QVERIFY(m_rig->finishPassingWaits(outcome));
    const QString description = outcome.error().description();
    QTEST(description, "text");
    if (language == QStringLiteral("ru")) {
        QVERIFY2(!QString(description).remove(QStringLiteral("Gemini")).contains(QRegularExpression(QStringLiteral("[A-Za-z]"))),
                 qPrintable(description));
    }
    // The log stays English: the network layer's error by its name.
    Log::flush();
    const QString log = QString::fromUtf8(m_data->read(QStringLiteral("kesto.log")));
    QVERIFY2(log.contains(QStringLiteral("gemini request failed: ") + logged), qPrintable(log));
    QVERIFY2(!log.contains(QRegularExpression(QStringLiteral("\\p{Cyrillic}"))), qPrintable(log));
}

void TestGeminiClient::errorMessage_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("message");

    QTest::newRow("service error") << QByteArray(R"({"error":{"code":400,"message":"API key not valid."}})")
                                   << "API key not valid.";
    QTest::newRow("HTML kept whole") << QByteArray("  <html>502 Bad Gateway</html>\n")
                                     << "  <html>502 Bad Gateway</html>\n";
    QTest::newRow("error without message") << QByteArray(R"({"error":{"code":500}})") << R"({"error":{"code":500}})";
    QTest::newRow("message not text") << QByteArray(R"({"error":{"message":42}})") << R"({"error":{"message":42}})";
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("not UTF-8") << QByteArray("\xff\xfe\xc3") << "unknown error";
}

void TestGeminiClient::errorMessage()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, message);
    QCOMPARE(GeminiClient::errorMessage(body), message);
}

void TestGeminiClient::generatedText_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("text");        // the transcript, or
    QTest::addColumn<QString>("description"); // the failure shown

    QTest::newRow("parts joined, outer spaces trimmed")
        << QByteArray(R"({"candidates":[{"content":{"parts":[{"text":" Salom, "},{"text":"dunyo. "}]}}]})")
        << "Salom, dunyo." << "";
    QTest::newRow("thought parts dropped")
        << QByteArray(R"({"candidates":[{"content":{"parts":[{"text":"hmm","thought":true},)"
                      R"({"text":"Hello","thought":false},{"inline_data":{}},{"text":" there"}]}}]})")
        << "Hello there" << "";
    QTest::newRow("only the first candidate")
        << QByteArray(R"({"candidates":[{"content":{"parts":[{"text":"one"}]}},{"content":{"parts":[{"text":"two"}]}}]})")
        << "one" << "";
    QTest::newRow("only a thought, STOP")
        << QByteArray(R"({"candidates":[{"content":{"parts":[{"text":"x","thought":true}]},"finishReason":"STOP"}]})")
        << "" << "Gemini returned no text.";
    QTest::newRow("only a thought, MAX_TOKENS")
        << QByteArray(R"({"candidates":[{"content":{"parts":[{"text":"x","thought":true}]},"finishReason":"MAX_TOKENS"}]})")
        << "" << "Could not read the Gemini response: finishReason MAX_TOKENS";
    QTest::newRow("no content, no reason") << QByteArray(R"({"candidates":[{}]})") << "" << "Gemini returned no text.";
    QTest::newRow("blocked prompt")
        << QByteArray(R"({"promptFeedback":{"blockReason":"SAFETY"}})") << ""
        << "Could not read the Gemini response: blocked (SAFETY)";
    QTest::newRow("empty candidates, blocked")
        << QByteArray(R"({"candidates":[],"promptFeedback":{"blockReason":"OTHER"}})") << ""
        << "Could not read the Gemini response: blocked (OTHER)";
    QTest::newRow("candidates not objects") << QByteArray(R"({"candidates":["text"]})") << ""
                                            << "Gemini returned no text.";
    QTest::newRow("empty object") << QByteArray("{}") << "" << "Gemini returned no text.";
    QTest::newRow("top level array") << QByteArray("[]") << "" << "Could not read the Gemini response: not an object";
}

void TestGeminiClient::generatedText()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, text);
    QFETCH(QString, description);
    const GeminiResult<QString> result = GeminiClient::generatedText(body);
    if (text.isEmpty())
        QCOMPARE(result.error.description(), description);
    else
        QCOMPARE(*result.value, text);
}

void TestGeminiClient::interactionText_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("description");

    QTest::newRow("steps in order")
        << QByteArray(R"({"steps":[{"content":[{"text":"a "}]},{"content":[{"text":"b"},{"text":1}]}]})") << "a b" << "";
    QTest::newRow("no steps") << QByteArray(R"({"id":"x"})") << "" << "Gemini returned no text.";
    QTest::newRow("steps not objects") << QByteArray(R"({"steps":[1,{"content":[{"text":"a"}]}]})") << ""
                                       << "Gemini returned no text.";
    QTest::newRow("not an object") << QByteArray("[]") << "" << "Could not read the Gemini response: not an object";
}

void TestGeminiClient::interactionText()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, text);
    QFETCH(QString, description);
    const GeminiResult<QString> result = GeminiClient::interactionText(body);
    if (text.isEmpty())
        QCOMPARE(result.error.description(), description);
    else
        QCOMPARE(*result.value, text);
}

void TestGeminiClient::listModels()
{
    m_rig->service.enqueue(FakeGemini::Reply::raw(
        200, R"({"models":[{"name":"models/b"},{"displayName":"nameless"},{"name":"models/a"}],"nextPageToken":"t"})"));
    Outcome<QStringList> outcome;
    client().listModels(outcome.done());
    QTRY_VERIFY(outcome.finished());
    QCOMPARE(outcome.value(), (QStringList{"a", "b"}));
    const FakeGemini::Request request = m_rig->service.requests().first();
    QCOMPARE(request.method, QByteArray("GET"));
    QCOMPARE(request.path, QStringLiteral("/v1beta/models"));
    QCOMPARE(request.query, QStringLiteral("pageSize=200"));
    QCOMPARE(request.header("x-goog-api-key"), QByteArray("test-key"));
    QCOMPARE(m_rig->service.requests().size(), 1);
}

void TestGeminiClient::listModelsFailures_data()
{
    QTest::addColumn<FakeGemini::Reply>("reply");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");

    QTest::newRow("key refused, no retry") << FakeGemini::Reply::error(403, QStringLiteral("API key not valid."))
                                           << int(GeminiError::Kind::http) << "API key not valid.";
    QTest::newRow("server error, no retry") << FakeGemini::Reply::error(503, QStringLiteral("busy"))
                                            << int(GeminiError::Kind::http) << "busy";
    QTest::newRow("no models field") << FakeGemini::Reply::raw(200, R"({"items":[]})")
                                     << int(GeminiError::Kind::badResponse) << "no models field";
    QTest::newRow("models not objects") << FakeGemini::Reply::raw(200, R"({"models":["a"]})")
                                        << int(GeminiError::Kind::badResponse) << "no models field";
    QTest::newRow("array") << FakeGemini::Reply::raw(200, "[]") << int(GeminiError::Kind::badResponse)
                           << "no models field";
    QTest::newRow("not JSON") << FakeGemini::Reply::raw(200, "<html>") << int(GeminiError::Kind::invalidJson) << "";
    QTest::newRow("dropped") << FakeGemini::Reply::dropped() << int(GeminiError::Kind::network) << "";
}

void TestGeminiClient::listModelsFailures()
{
    QFETCH(FakeGemini::Reply, reply);
    QFETCH(int, kind);
    QFETCH(QString, message);

    m_rig->service.setFallback(reply);
    Outcome<QStringList> outcome;
    client().listModels(outcome.done());
    QTRY_VERIFY(outcome.finished());
    QCOMPARE(int(outcome.error().kind), kind);
    if (!message.isEmpty())
        QCOMPARE(outcome.error().message, message);
    if (kind != int(GeminiError::Kind::network))
        QCOMPARE(m_rig->service.requests().size(), 1);
    QCOMPARE(m_rig->clock.pendingTimers(), 0);
}

void TestGeminiClient::pickModel_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("picked"); // "-" for none

    const QStringList mixed{"gemini-2.0-flash-lite", "gemini-2.5-flash-image", "gemini-2.5-flash", "gemini-2.5-pro"};
    QTest::newRow("general flash") << mixed << "gemini-9-unknown" << "gemini-2.5-flash";
    QTest::newRow("listed current wins") << mixed << "gemini-2.0-flash-lite" << "gemini-2.0-flash-lite";
    QTest::newRow("any gemini") << QStringList{"gemini-2.5-pro"} << "" << "gemini-2.5-pro";
    QTest::newRow("special flash models skipped")
        << QStringList{"gemini-live-flash", "gemini-flash-tts", "gemini-flash-audio", "text-embedding-flash",
                       "gemini-3-pro"}
        << "" << "gemini-live-flash";
    QTest::newRow("case-sensitive") << QStringList{"Gemini-Flash", "other"} << "" << "-";
    QTest::newRow("empty list") << QStringList() << "gemini-3.8-flash" << "-";
}

void TestGeminiClient::pickModel()
{
    QFETCH(QStringList, names);
    QFETCH(QString, current);
    QFETCH(QString, picked);
    QCOMPARE(GeminiClient::pickModel(names, current).value_or(QStringLiteral("-")), picked);
}

void TestGeminiClient::warmUp()
{
    m_rig->service.setFallback(FakeGemini::Reply::error(404, QStringLiteral("ignored")));
    client(QStringLiteral("gemini-3.8-flash")).warmUp();
    QTRY_COMPARE(m_rig->service.requests().size(), 1);
    const FakeGemini::Request request = m_rig->service.requests().first();
    QCOMPARE(request.method, QByteArray("GET"));
    QCOMPARE(request.path, QStringLiteral("/v1beta/models/gemini-3.8-flash"));
    QCOMPARE(request.header("x-goog-api-key"), QByteArray("test-key"));

    // The upload that follows uses the same connection.
    m_rig->service.enqueue(FakeGemini::Reply::text(QStringLiteral("ok")));
    Outcome<QString> outcome;
    client().transcribe(m_rig->audio(QStringLiteral("a.m4a"), m_audio), {}, outcome.done());
    QTRY_VERIFY(outcome.finished());
    QCOMPARE(outcome.value(), QStringLiteral("ok"));
    QCOMPARE(m_rig->service.requests().at(1).connection, request.connection);
}

QTEST_GUILESS_MAIN(TestGeminiClient)
#include "TestGeminiClient.moc"
