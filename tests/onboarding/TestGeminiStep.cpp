#include "FakeAudioBackend.h"
#include "FakeCapabilities.h"
#include "FakeClock.h"
#include "FakeGemini.h"
#include "FakeKeySource.h"
#include "TempDataDir.h"

#include "design/components/SButton.h"
#include "design/components/SInput.h"
#include "design/components/TextLabel.h"
#include "onboarding/KeyCheck.h"
#include "onboarding/OnboardingView.h"
#include "onboarding/StatusLine.h"
#include "shell/AppDelegate.h"

#include <QLineEdit>
#include <QTcpServer>
#include <QtTest>

// The wizard's key step in the real application controller, against the fake
// Gemini service over loopback, answering at once and after most of a
// second while the controller applies the new key: a working key shows its
// model, a refused key and a missing network their texts, and a key edited
// during a check is never marked as working.
class TestGeminiStep final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void workingKeyShowsTheModel_data();
    void workingKeyShowsTheModel();
    void refusedKeyShowsItsText();
    void noNetworkShowsItsText();
    void editDuringACheckIsNeverWorking();

private:
    void openKeyStep();
    void typeKey(const QString& key);
    void pressCheck();

    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<FakeGemini> m_gemini;
    FakeClock m_clock;
    FakeAudioBackend m_audio;
    FakeCapabilities m_capabilities;
    std::unique_ptr<AppDelegate> m_app;
    OnboardingView* m_view = nullptr;
};

void TestGeminiStep::init()
{
    qputenv("GEMINI_API_KEY", "");
    m_data = std::make_unique<TempDataDir>();
    m_gemini = std::make_unique<FakeGemini>();
    QVERIFY(m_gemini->listen());
    qputenv("KESTO_GEMINI_URL", m_gemini->url().toUtf8());

    AppDelegate::Host host;
    host.clock = &m_clock;
    host.audio = &m_audio;
    host.keySource = [] { return std::make_unique<FakeKeySource>(); };
    host.accessibility = [] { return Permissions::Check{true, {}}; };
    host.microphone = [] { return Permissions::Check{true, {}}; };
    host.windows = WindowFactory::plain();
    host.windows.onboarding = [this](AppState& state, WindowFactory::OnboardingCallbacks callbacks) {
        m_view = new OnboardingView(state, {std::move(callbacks.onSave), std::move(callbacks.onFinish)}, m_capabilities,
                                    m_clock);
        return m_view;
    };
    m_app = std::make_unique<AppDelegate>(host);
    m_app->start();
    QVERIFY(m_view);
    openKeyStep();
}

void TestGeminiStep::cleanup()
{
    m_app->shutdown();
    m_app.reset();
    m_view = nullptr;
    m_gemini.reset();
    m_data.reset();
    qunsetenv("KESTO_GEMINI_URL");
}

void TestGeminiStep::openKeyStep()
{
    m_view->go(3);
    QVERIFY(!m_view->primaryButton()->isEnabled());
}

void TestGeminiStep::typeKey(const QString& key)
{
    auto* input = m_view->findChild<SInput*>(QStringLiteral("keyInput"));
    input->lineEdit()->setFocus();
    QTest::keyClicks(input->lineEdit(), key);
}

void TestGeminiStep::pressCheck()
{
    auto* check = m_view->findChild<SButton*>(QStringLiteral("checkKey"));
    QVERIFY(check->isEnabled());
    QTest::mouseClick(check, Qt::LeftButton);
}

void TestGeminiStep::workingKeyShowsTheModel_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("delayMs");

    QTest::newRow("answered at once") << QStringLiteral("good-key") << 0;
    QTest::newRow("answered slowly") << QStringLiteral("good-key") << 900;
    QTest::newRow("spaces around, answered slowly") << QStringLiteral("  good-key  ") << 900;
}

void TestGeminiStep::workingKeyShowsTheModel()
{
    QFETCH(QString, typed);
    QFETCH(int, delayMs);

    m_gemini->setFallback(FakeGemini::Reply::models({QStringLiteral("gemini-2.5-flash-lite"),
                                                     QStringLiteral("gemini-2.5-flash"), QStringLiteral("text-embedding-004")})
                              .delayed(delayMs));
    typeKey(typed);
    pressCheck();
    // The controller applies the new key while the step's check runs.
    m_clock.advance(AppDelegate::saveDelayMs);
    QCOMPARE(m_app->state().config().apiKey, QStringLiteral("good-key"));
    auto* works = m_view->findChild<StatusLine*>(QStringLiteral("keyWorks"));
    QTRY_VERIFY_WITH_TIMEOUT(works->isVisible(), 5000);
    QCOMPARE(works->text(), QStringLiteral("The key works · gemini-2.5-flash"));
    QCOMPARE(m_app->state().config().model, QStringLiteral("gemini-2.5-flash"));
    QVERIFY(m_view->primaryButton()->isEnabled());
    auto* check = m_view->findChild<SButton*>(QStringLiteral("checkKey"));
    QVERIFY(!check->isEnabled());
    QCOMPARE(check->text(), QStringLiteral("Check"));
    const QList<FakeGemini::Request> requests = m_gemini->requests(QStringLiteral("GET"));
    QVERIFY(!requests.isEmpty());
    for (const FakeGemini::Request& request : requests)
        QCOMPARE(request.header("x-goog-api-key"), QByteArray("good-key"));
}

void TestGeminiStep::refusedKeyShowsItsText()
{
    m_gemini->setFallback(FakeGemini::Reply::error(400, QStringLiteral("API key not valid. Please pass a valid API key.")));
    typeKey(QStringLiteral("bad-key"));
    pressCheck();
    auto* error = m_view->findChild<TextLabel*>(QStringLiteral("keyError"));
    QTRY_VERIFY(error->isVisible());
    QCOMPARE(error->text(), QStringLiteral("Gemini returned 400: API key not valid. Please pass a valid API key."));
    QVERIFY(m_view->findChild<SInput*>(QStringLiteral("keyInput"))->hasError());
    QVERIFY(!m_view->primaryButton()->isEnabled());
}

void TestGeminiStep::noNetworkShowsItsText()
{
    // A port nobody listens on: the connection is refused.
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    qputenv("KESTO_GEMINI_URL", QByteArray("http://127.0.0.1:") + QByteArray::number(port));
    typeKey(QStringLiteral("any-key"));
    pressCheck();
    auto* error = m_view->findChild<TextLabel*>(QStringLiteral("keyError"));
    QTRY_VERIFY(error->isVisible());
    QVERIFY2(error->text().contains(QStringLiteral("refused"), Qt::CaseInsensitive), qPrintable(error->text()));
    QVERIFY(!m_view->primaryButton()->isEnabled());
}

void TestGeminiStep::editDuringACheckIsNeverWorking()
{
    m_gemini->setFallback(FakeGemini::Reply::models({QStringLiteral("gemini-2.5-flash")}).delayed(900));
    typeKey(QStringLiteral("first-key"));
    pressCheck();
    QVERIFY(m_view->keyCheck().isBusy());
    typeKey(QStringLiteral("2"));
    // The controller applies the edited key 250 ms later and checks it on its own.
    m_clock.advance(AppDelegate::saveDelayMs);
    QTRY_VERIFY_WITH_TIMEOUT(!m_view->keyCheck().isBusy(), 5000);
    // Both answers arrive; none of them marks the edited key as working.
    QTRY_COMPARE_WITH_TIMEOUT(m_app->state().keyStatus().kind, KeyStatus::Kind::ok, 5000);
    QVERIFY(!m_view->keyCheck().isChecked());
    QVERIFY(!m_view->findChild<StatusLine*>(QStringLiteral("keyWorks"))->isVisible());
    QVERIFY(!m_view->primaryButton()->isEnabled());
    QCOMPARE(m_app->state().config().apiKey, QStringLiteral("first-key2"));
}

QTEST_MAIN(TestGeminiStep)
#include "TestGeminiStep.moc"
