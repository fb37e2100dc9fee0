#include "GeminiTestSupport.h"
#include "TempDataDir.h"
#include "core/Format.h"
#include "core/L10n.h"
#include "core/Log.h"
#include "engine/GeminiClient.h"
#include "engine/GeminiPrompt.h"
#include "engine/NoteFiler.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

Q_DECLARE_METATYPE(NoteFiler::Kind)
Q_DECLARE_METATYPE(QList<DictationStage>)

class TestNoteFiler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void reply_data();
    void reply();
    void rules();
    void schema();
    void title_data();
    void title();
    void folderMatching();
    void textModel_data();
    void textModel();

    void oneRequest();
    void oneRequestUnreadableFallsBackToPlain();
    void oneRequestOtherFailuresPassOn_data();
    void oneRequestOtherFailuresPassOn();
    void twoRequests();
    void twoRequestsFilingFailureKeepsTheTranscript();
    void twoRequestsWithoutFiler();
    void filingThinking_data();
    void filingThinking();
    void filingWithoutKey();
    void cancelBetweenTheTwoRequests();

private:
    GeminiClient client(const QString& model) const;
    NoteFiler filer(const QString& model, const QString& thinking = QStringLiteral("low")) const;
    QString log() const;
    static QByteArray answer(const QJsonObject& object);

    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<GeminiRig> m_rig;
    NoteFiler::Context m_context;
};

void TestNoteFiler::initTestCase()
{
    L10n::setInterfaceLanguage(QStringLiteral("en"));
    m_context.folders = {QStringLiteral("Personal"), QStringLiteral("Ideas")};
    m_context.recent = {{QStringLiteral("Sprint review"), QStringLiteral("Work")},
                        {QStringLiteral("Sayohat rejasi"), QString()}};
}

void TestNoteFiler::init()
{
    m_data = std::make_unique<TempDataDir>();
    m_rig = std::make_unique<GeminiRig>();
    QVERIFY(m_rig->start());
}

void TestNoteFiler::cleanup()
{
    m_rig.reset();
    Log::flush();
    m_data.reset();
}

GeminiClient TestNoteFiler::client(const QString& model) const
{
    GeminiClient client;
    client.apiKey = QStringLiteral("test-key");
    client.model = model;
    client.thinkingLevel = QStringLiteral("low");
    client.transcriptionMode = QStringLiteral("smart");
    client.removeFillers = true;
    client.transport = m_rig->transport;
    return client;
}

NoteFiler TestNoteFiler::filer(const QString& model, const QString& thinking) const
{
    NoteFiler filer;
    filer.apiKey = QStringLiteral("test-key");
    filer.model = model;
    filer.thinkingLevel = thinking;
    filer.transport = m_rig->transport;
    return filer;
}

QString TestNoteFiler::log() const
{
    Log::flush();
    return QString::fromUtf8(m_data->read(QStringLiteral("kesto.log")));
}

QByteArray TestNoteFiler::answer(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

void TestNoteFiler::reply_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("text");
    QTest::addColumn<NoteFiler::Kind>("kind");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("folder");

    using K = NoteFiler::Kind;
    QTest::newRow("cleaned up")
        << R"({"kind":"Tasks","title":"\u201CWeekly shopping.\u201D","folder":"  Home  ","text":"\n Buy milk \n"})"
        << "Buy milk" << K::tasks << "Weekly shopping" << "Home";
    QTest::newRow("unknown kind only") << R"({"kind":"recipe"})" << "" << K::note << "" << "";
    QTest::newRow("padded kind") << R"({"kind":" meeting"})" << "" << K::note << "" << "";
    QTest::newRow("wrong types") << R"({"kind":1,"title":["a"],"folder":null,"text":2})" << "" << K::note << ""
                                 << "";
    QTest::newRow("line breaks joined") << R"({"kind":"idea","title":"Garden\nplan\r\nfor spring"})" << ""
                                        << K::idea << "Garden plan  for spring" << "";
    QTest::newRow("guillemets and full stops") << R"({"kind":"journal","title":"\u00AB Kun \u00BB","folder":"\"Ish...\""})"
                                               << "" << K::journal << "Kun" << "Ish";
    QTest::newRow("quotes are trimmed before full stops") << R"({"title":"\u00ABReja\u00BB."})" << "" << K::note
                                                          << "Reja\u00BB" << "";
    QTest::newRow("full stop before a space stays") << R"({"title":"\u201CPlan. \u201D"})" << "" << K::note << "Plan."
                                                    << "";
    QTest::newRow("long title and folder")
        << QString(R"({"title":")" + QString(100, 'a') + R"(","folder":")" + QString(50, 'b') + R"("})") << ""
        << K::note << QString(80, 'a') << QString(40, 'b');
    QTest::newRow("cut by perceived characters")
        << QString(R"({"title":")" + QString(79, 'a') + QStringLiteral(u"\U0001F44D\U0001F3FDb") + R"("})") << ""
        << K::note << QString(QString(79, 'a') + QStringLiteral(u"\U0001F44D\U0001F3FD")) << "";
}

void TestNoteFiler::reply()
{
    QFETCH(QString, reply);
    QFETCH(QString, text);
    QFETCH(NoteFiler::Kind, kind);
    QFETCH(QString, topic);
    QFETCH(QString, folder);

    const GeminiResult<NoteFiler::Transcript> result = NoteFiler::reply(reply);
    QVERIFY(result);
    QCOMPARE(result.value->text, text);
    QCOMPARE(result.value->result, (NoteFiler::Result{kind, topic, folder}));

    for (const QString& bad : {QStringLiteral("[1]"), QStringLiteral("42"), QStringLiteral("\"x\""), QStringLiteral("{"),
                               QString()}) {
        const GeminiResult<NoteFiler::Transcript> refused = NoteFiler::reply(bad);
        QCOMPARE(refused.error, GeminiError::badResponse(QStringLiteral("not a JSON object")));
    }
}

void TestNoteFiler::rules()
{
    const QString empty = NoteFiler::rules({});
    QVERIFY(empty.endsWith(QStringLiteral("\n\nExisting folders: []\nRecent notes, newest first: []")));
    QCOMPARE(empty.indexOf(QStringLiteral("Existing folders: ")) + 18, 581);
    QVERIFY(empty.startsWith(QStringLiteral("kind: \"meeting\" for notes from a meeting or a call; ")));
    QCOMPARE(empty.count(QLatin1Char('\n')), 5);

    const QStringList lines = NoteFiler::rules(m_context).split(QLatin1Char('\n'));
    QCOMPARE(lines.at(4), QStringLiteral(R"(Existing folders: ["Personal","Ideas"])"));
    QCOMPARE(lines.at(5), QStringLiteral(R"(Recent notes, newest first: [{"folder":"Work","title":"Sprint review"},)"
                                         R"({"folder":"","title":"Sayohat rejasi"}])"));
}

void TestNoteFiler::schema()
{
    const QJsonObject kind{{"type", "STRING"}, {"enum", QJsonArray{"meeting", "tasks", "journal", "idea", "note"}}};
    const QJsonObject text{{"type", "STRING"}};
    const QJsonObject filing{
        {"type", "OBJECT"},
        {"properties", QJsonObject{{"kind", kind}, {"title", text}, {"folder", text}}},
        {"required", QJsonArray{"kind", "title", "folder"}},
        {"propertyOrdering", QJsonArray{"kind", "title", "folder"}},
    };
    QCOMPARE(NoteFiler::schema(false), filing);
    const QJsonObject note{
        {"type", "OBJECT"},
        {"properties", QJsonObject{{"kind", kind}, {"title", text}, {"folder", text}, {"text", text}}},
        {"required", QJsonArray{"text", "kind", "title", "folder"}},
        {"propertyOrdering", QJsonArray{"text", "kind", "title", "folder"}},
    };
    QCOMPARE(NoteFiler::schema(true), note);
}

void TestNoteFiler::title_data()
{
    QTest::addColumn<NoteFiler::Kind>("kind");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<int>("number"); // 0 for none
    QTest::addColumn<QString>("title");

    const QDateTime date(QDate(2026, 3, 14), QTime(9, 30));
    const QString day = Format::shortDate(date);
    using K = NoteFiler::Kind;
    QTest::newRow("meeting without number") << K::meeting << "Standup" << 0 << QString(QStringLiteral("Meeting 1 \u00B7 ") + day);
    QTest::newRow("numbered meeting") << K::meeting << "" << 12 << QString(QStringLiteral("Meeting 12 \u00B7 ") + day);
    QTest::newRow("tasks") << K::tasks << "Shopping" << 3 << QString(QStringLiteral("Tasks \u00B7 ") + day);
    QTest::newRow("journal") << K::journal << "" << 0 << QString(QStringLiteral("Journal \u00B7 ") + day);
    QTest::newRow("idea") << K::idea << "Garden plan" << 0 << "Idea: Garden plan";
    QTest::newRow("idea without topic") << K::idea << "" << 0 << "Idea";
    QTest::newRow("note") << K::note << "Sayohat rejasi" << 2 << "Sayohat rejasi";
    QTest::newRow("note without topic") << K::note << "" << 0 << "";
}

void TestNoteFiler::title()
{
    QFETCH(NoteFiler::Kind, kind);
    QFETCH(QString, topic);
    QFETCH(int, number);
    QFETCH(QString, title);
    const std::optional<qint64> n = number ? std::optional<qint64>(number) : std::nullopt;
    QCOMPARE(NoteFiler::title({kind, topic, {}}, n, QDateTime(QDate(2026, 3, 14), QTime(9, 30))), title);
}

void TestNoteFiler::folderMatching()
{
    const QList<NoteFolder> folders{{QUuid::createUuid(), QStringLiteral("Personal")},
                                    {QUuid::createUuid(), QStringLiteral(" Ideas\t")},
                                    {QUuid::createUuid(), QStringLiteral("ideas")},
                                    {QUuid::createUuid(), QStringLiteral("Ishxona")}};
    QCOMPARE(NoteFiler::folder(QStringLiteral("ideas "), folders), folders.at(1));
    QCOMPARE(NoteFiler::folder(QStringLiteral("PERSONAL"), folders), folders.at(0));
    QCOMPARE(NoteFiler::folder(QStringLiteral("ishxona"), folders), folders.at(3));
    QCOMPARE(NoteFiler::folder(QStringLiteral("Work"), folders), std::nullopt);
    QCOMPARE(NoteFiler::folder(QStringLiteral("  "), folders), std::nullopt);
    QCOMPARE(NoteFiler::folder(QString(), {{QUuid::createUuid(), QStringLiteral(" ")}})->name, QStringLiteral(" "));
}

void TestNoteFiler::textModel_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QStringList>("available");
    QTest::addColumn<QString>("model"); // "-" for none

    QTest::newRow("ordinary model, even unlisted") << "gemini-3.8-flash" << QStringList{"other"} << "gemini-3.8-flash";
    QTest::newRow("speech-only picks a text model")
        << "gemini-3-transcribe" << QStringList{"gemini-3-transcribe", "gemini-2.5-pro", "gemini-2.5-flash"}
        << "gemini-2.5-flash";
    QTest::newRow("only speech-only models") << "gemini-3-transcribe"
                                             << QStringList{"gemini-3-transcribe", "gemini-flash-transcribe"} << "-";
    QTest::newRow("no list") << "gemini-3-transcribe" << QStringList() << "-";
}

void TestNoteFiler::textModel()
{
    QFETCH(QString, current);
    QFETCH(QStringList, available);
    QFETCH(QString, model);
    QCOMPARE(NoteFiler::textModel(current, available).value_or(QStringLiteral("-")), model);
}

void TestNoteFiler::oneRequest()
{
    m_rig->service.enqueue(FakeGemini::Reply::text(QString::fromUtf8(answer(
        {{"text", " Sut va non olish "}, {"kind", "tasks"}, {"title", "Xaridlar."}, {"folder", "Personal"}}))));
    const GeminiClient gemini = client(QStringLiteral("gemini-3.8-flash"));
    const QByteArray audio("m4a bytes");
    QList<DictationStage> stages;
    Outcome<NoteFiler::Transcript> outcome;
    NoteFiler::transcribe(m_rig->audio(QStringLiteral("note.m4a"), audio), gemini, m_context,
                          filer(QStringLiteral("unused")), [&](DictationStage s) { stages << s; }, outcome.done());
    QTRY_VERIFY(outcome.finished());
    QCOMPARE(outcome.value(), (NoteFiler::Transcript{QStringLiteral("Sut va non olish"),
                                                     NoteFiler::Result{NoteFiler::Kind::tasks,
                                                                       QStringLiteral("Xaridlar"),
                                                                       QStringLiteral("Personal")}}));
    QCOMPARE(stages, QList<DictationStage>{DictationStage::transcribing});

    const QList<FakeGemini::Request> requests = m_rig->service.requests();
    QCOMPARE(requests.size(), 1);
    const FakeGemini::Request& request = requests.first();
    QCOMPARE(request.path, QStringLiteral("/v1beta/models/gemini-3.8-flash:generateContent"));
    QCOMPARE(request.audio, audio);
    QCOMPARE(request.audioMime, QStringLiteral("audio/mp4"));
    const QJsonArray parts = request.body["contents"][0]["parts"].toArray();
    QCOMPARE(parts.at(0)["text"].toString(),
             gemini.instructions(GeminiPrompt::noteClosing() + NoteFiler::rules(m_context)));
    QVERIFY(parts.at(0)["text"].toString().contains(QStringLiteral("Empty if there is no speech.\nkind: \"meeting\"")));
    const QJsonObject config = request.body["generationConfig"].toObject();
    QCOMPARE(config.keys(), (QStringList{"responseMimeType", "responseSchema", "temperature", "thinkingConfig"}));
    QCOMPARE(config["responseMimeType"].toString(), QStringLiteral("application/json"));
    QCOMPARE(config["responseSchema"].toObject(), NoteFiler::schema(true));
    QCOMPARE(config["thinkingConfig"]["thinkingLevel"].toString(), QStringLiteral("low"));
}

void TestNoteFiler::oneRequestUnreadableFallsBackToPlain()
{
    m_rig->service.enqueue(FakeGemini::Reply::text(QStringLiteral("Sut va non olish")));
    m_rig->service.enqueue(FakeGemini::Reply::text(QStringLiteral("Sut va non olish.")));
    const GeminiClient gemini = client(QStringLiteral("gemini-3.8-flash"));
    QList<DictationStage> stages;
    Outcome<NoteFiler::Transcript> outcome;
    NoteFiler::transcribe(m_rig->audio(QStringLiteral("note.wav"), "wav"), gemini, m_context, std::nullopt,
                          [&](DictationStage s) { stages << s; }, outcome.done());
    QTRY_VERIFY(outcome.finished());
    QCOMPARE(outcome.value(), (NoteFiler::Transcript{QStringLiteral("Sut va non olish."), std::nullopt}));
    QCOMPARE(stages, (QList<DictationStage>{DictationStage::transcribing, DictationStage::transcribing}));

    const QList<FakeGemini::Request> requests = m_rig->service.requests();
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests.at(1).body["contents"][0]["parts"][0]["text"].toString(),
             gemini.instructions(GeminiPrompt::plainClosing()));
    QVERIFY(!requests.at(1).body["generationConfig"].toObject().contains(QStringLiteral("responseSchema")));
    QCOMPARE(requests.at(1).audioMime, QStringLiteral("audio/wav"));
    QVERIFY(log().contains(QStringLiteral("note reply unreadable (not a JSON object); transcribing without filing")));
}

void TestNoteFiler::oneRequestOtherFailuresPassOn_data()
{
    QTest::addColumn<FakeGemini::Reply>("reply");
    QTest::addColumn<QString>("description");

    QTest::newRow("empty transcript") << FakeGemini::Reply::text(R"({"text":"  ","kind":"idea"})")
                                      << "Gemini returned no text.";
    QTest::newRow("service refusal") << FakeGemini::Reply::error(403, QStringLiteral("API key not valid."))
                                     << "Gemini returned 403: API key not valid.";
}

void TestNoteFiler::oneRequestOtherFailuresPassOn()
{
    QFETCH(FakeGemini::Reply, reply);
    QFETCH(QString, description);

    m_rig->service.enqueue(reply);
    Outcome<NoteFiler::Transcript> outcome;
    NoteFiler::transcribe(m_rig->audio(QStringLiteral("note.m4a"), "m4a"), client(QStringLiteral("gemini-3.8-flash")),
                          m_context, std::nullopt, {}, outcome.done());
    QTRY_VERIFY(outcome.finished());
    QCOMPARE(outcome.error().description(), description);
    QCOMPARE(m_rig->service.requests().size(), 1);
}

void TestNoteFiler::twoRequests()
{
    m_rig->service.enqueue(FakeGemini::Reply::text(QStringLiteral("Ertaga soat 10 da uchrashuv")));
    m_rig->service.enqueue(FakeGemini::Reply::error(503, QStringLiteral("busy")));
    m_rig->service.enqueue(FakeGemini::Reply::text(QString::fromUtf8(
        answer({{"kind", "meeting"}, {"title", "Uchrashuv"}, {"folder", "Ish"}, {"text", "ignored"}}))));
    QList<DictationStage> stages;
    Outcome<NoteFiler::Transcript> outcome;
    NoteFiler::transcribe(m_rig->audio(QStringLiteral("note.m4a"), "m4a"), client(QStringLiteral("gemini-3-transcribe")),
                          m_context, filer(QStringLiteral("gemini-3.8-flash")), [&](DictationStage s) { stages << s; },
                          outcome.done());
    QTRY_VERIFY(stages.contains(DictationStage::retrying));
    QCOMPARE(m_rig->clock.pendingTimers(), 1);
    m_rig->clock.advance(400);
    QTRY_VERIFY(outcome.finished());
    QCOMPARE(outcome.value(),
             (NoteFiler::Transcript{QStringLiteral("Ertaga soat 10 da uchrashuv"),
                                    NoteFiler::Result{NoteFiler::Kind::meeting, QStringLiteral("Uchrashuv"),
                                                      QStringLiteral("Ish")}}));
    QCOMPARE(stages, (QList<DictationStage>{DictationStage::transcribing, DictationStage::organizing,
                                            DictationStage::retrying, DictationStage::organizing}));

    const QList<FakeGemini::Request> requests = m_rig->service.requests();
    QCOMPARE(requests.size(), 3);
    QCOMPARE(requests.at(0).path, QStringLiteral("/v1beta/interactions"));
    const FakeGemini::Request& filing = requests.at(2);
    QCOMPARE(filing.path, QStringLiteral("/v1beta/models/gemini-3.8-flash:generateContent"));
    QCOMPARE(filing.header("x-goog-api-key"), QByteArray("test-key"));
    QVERIFY(filing.audio.isEmpty());
    const QJsonArray parts = filing.body["contents"][0]["parts"].toArray();
    QCOMPARE(filing.body["contents"][0]["role"].toString(), QStringLiteral("user"));
    QCOMPARE(parts.size(), 1);
    QCOMPARE(parts.at(0)["text"].toString(),
             QStringLiteral("The user dictated a note. Reply with one JSON object.\n\n") + NoteFiler::rules(m_context)
                 + QStringLiteral("\n\nThe note:\nErtaga soat 10 da uchrashuv"));
    const QJsonObject config = filing.body["generationConfig"].toObject();
    QCOMPARE(config, (QJsonObject{{"temperature", 0},
                                  {"responseMimeType", "application/json"},
                                  {"responseSchema", NoteFiler::schema(false)},
                                  {"thinkingConfig", QJsonObject{{"thinkingLevel", "low"}}}}));
}

void TestNoteFiler::twoRequestsFilingFailureKeepsTheTranscript()
{
    m_rig->service.enqueue(FakeGemini::Reply::text(QStringLiteral("Salom")));
    m_rig->service.enqueue(FakeGemini::Reply::error(400, QStringLiteral("Model not found")));
    Outcome<NoteFiler::Transcript> outcome;
    NoteFiler::transcribe(m_rig->audio(QStringLiteral("note.m4a"), "m4a"), client(QStringLiteral("gemini-3-transcribe")),
                          m_context, filer(QStringLiteral("gemini-3.8-flash")), {}, outcome.done());
    QTRY_VERIFY(outcome.finished());
    QCOMPARE(outcome.value(), (NoteFiler::Transcript{QStringLiteral("Salom"), std::nullopt}));
    QVERIFY(log().contains(QStringLiteral("note filing failed: Gemini returned 400: Model not found")));

    // An unreadable filing answer is a filing failure too.
    m_rig->service.enqueue(FakeGemini::Reply::text(QStringLiteral("Salom")));
    m_rig->service.enqueue(FakeGemini::Reply::text(QStringLiteral("a meeting, I think")));
    Outcome<NoteFiler::Transcript> again;
    NoteFiler::transcribe(m_rig->audio(QStringLiteral("note.m4a"), "m4a"), client(QStringLiteral("gemini-3-transcribe")),
                          m_context, filer(QStringLiteral("gemini-3.8-flash")), {}, again.done());
    QTRY_VERIFY(again.finished());
    QCOMPARE(again.value(), (NoteFiler::Transcript{QStringLiteral("Salom"), std::nullopt}));
    QVERIFY(log().contains(QStringLiteral("note filing failed: Could not read the Gemini response: not a JSON object")));
}

void TestNoteFiler::twoRequestsWithoutFiler()
{
    m_rig->service.enqueue(FakeGemini::Reply::text(QStringLiteral("Salom")));
    Outcome<NoteFiler::Transcript> outcome;
    NoteFiler::transcribe(m_rig->audio(QStringLiteral("note.m4a"), "m4a"), client(QStringLiteral("gemini-3-transcribe")),
                          m_context, std::nullopt, {}, outcome.done());
    QTRY_VERIFY(outcome.finished());
    QCOMPARE(outcome.value(), (NoteFiler::Transcript{QStringLiteral("Salom"), std::nullopt}));
    QTest::qWait(50);
    QCOMPARE(m_rig->service.requests().size(), 1);

    // A failed transcription fails the note.
    m_rig->service.enqueue(FakeGemini::Reply::error(400, QStringLiteral("Bad audio")));
    Outcome<NoteFiler::Transcript> failed;
    NoteFiler::transcribe(m_rig->audio(QStringLiteral("note.m4a"), "m4a"), client(QStringLiteral("gemini-3-transcribe")),
                          m_context, filer(QStringLiteral("gemini-3.8-flash")), {}, failed.done());
    QTRY_VERIFY(failed.finished());
    QCOMPARE(failed.error(), GeminiError::http(400, QStringLiteral("Bad audio")));
    QCOMPARE(m_rig->service.requests().size(), 2);
}

void TestNoteFiler::filingThinking_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("level");
    QTest::addColumn<bool>("thinking");

    QTest::newRow("generation 2") << "gemini-2.0-flash" << "low" << false;
    QTest::newRow("default model") << "gemini-3.8-flash" << "low" << true;
    QTest::newRow("no level") << "gemini-3.8-flash" << "" << false;
}

void TestNoteFiler::filingThinking()
{
    QFETCH(QString, model);
    QFETCH(QString, level);
    QFETCH(bool, thinking);

    m_rig->service.enqueue(FakeGemini::Reply::text(R"({"kind":"note"})"));
    Outcome<NoteFiler::Result> outcome;
    filer(model, level).file(QStringLiteral("Salom"), {}, {}, outcome.done());
    QTRY_VERIFY(outcome.finished());
    QCOMPARE(outcome.value(), NoteFiler::Result());
    const QJsonObject config = m_rig->service.requests().first().body["generationConfig"].toObject();
    QCOMPARE(config.contains(QStringLiteral("thinkingConfig")), thinking);
    QCOMPARE(config["temperature"], QJsonValue(0));
}

void TestNoteFiler::filingWithoutKey()
{
    NoteFiler noKey = filer(QStringLiteral("gemini-3.8-flash"));
    noKey.apiKey.clear();
    Outcome<NoteFiler::Result> outcome;
    noKey.file(QStringLiteral("Salom"), m_context, {}, outcome.done());
    QTRY_VERIFY(outcome.finished());
    QCOMPARE(outcome.error(), GeminiError::noApiKey());
    QTest::qWait(50);
    QVERIFY(m_rig->service.requests().isEmpty());
}

void TestNoteFiler::cancelBetweenTheTwoRequests()
{
    m_rig->service.enqueue(FakeGemini::Reply::text(QStringLiteral("Salom")));
    m_rig->service.enqueue(FakeGemini::Reply::error(503, QStringLiteral("busy")));
    Outcome<NoteFiler::Transcript> outcome;
    QList<DictationStage> stages;
    const GeminiCall call = NoteFiler::transcribe(m_rig->audio(QStringLiteral("note.m4a"), "m4a"),
                                                  client(QStringLiteral("gemini-3-transcribe")), m_context,
                                                  filer(QStringLiteral("gemini-3.8-flash")),
                                                  [&](DictationStage s) { stages << s; }, outcome.done());
    QTRY_VERIFY(stages.contains(DictationStage::retrying)); // the filing request waits to retry
    QCOMPARE(m_rig->clock.pendingTimers(), 1);
    call.cancel();
    QCOMPARE(outcome.error(), GeminiError::cancelled());
    QCOMPARE(m_rig->clock.pendingTimers(), 0);
    QVERIFY(!log().contains(QStringLiteral("note filing failed")));
}

QTEST_GUILESS_MAIN(TestNoteFiler)
#include "TestNoteFiler.moc"
