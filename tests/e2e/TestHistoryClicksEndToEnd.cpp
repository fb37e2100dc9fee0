#include "AppProcess.h"
#include "FakeGemini.h"
#include "ScreenWindows.h"

#include "core/AppState.h"
#include "core/L10n.h"
#include "design/Onest.h"
#include "screens/MainView.h"
#include "screens/ScreenStyle.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The built application, with its animations on as users have them, under
// real double clicks on History cards (XTest): two toasts close together
// harm nothing, and the card that slides under the pointer after a delete
// does not take the second click. Where to click comes from a twin of the
// main window's content laid out here over a copy of the same data.
class TestHistoryClicksEndToEnd final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void doubleClickOnCopy();
    void doubleClickOnDeleteDeletesOne();

private:
    static bool xdotool(const QStringList& arguments);
    // The centre of a card's button, in window coordinates, by the cards'
    // order on screen.
    QPoint buttonOf(int card, const QString& name) const;
    bool doubleClick(QPoint inWindow);
    bool click(QPoint inWindow);

    QTemporaryDir m_data;
    QTemporaryDir m_twinData;
    FakeGemini m_gemini;
    QProcess m_app;
    QRect m_window;
    QStringList m_entries;
    QStringList m_texts;
    std::unique_ptr<AppState> m_twinState;
    std::unique_ptr<MainView> m_twin;
};

namespace {

QJsonObject entry(const QString& id, int minutesAgo, const QString& text)
{
    return {{QStringLiteral("id"), id},
            {QStringLiteral("date"), QDateTime::currentDateTimeUtc().addSecs(-60 * minutesAgo).toString(Qt::ISODate)},
            {QStringLiteral("text"), text},
            {QStringLiteral("duration"), 4.0},
            {QStringLiteral("model"), QStringLiteral("gemini-3.8-flash")},
            {QStringLiteral("source"), QStringLiteral("mac")},
            {QStringLiteral("status"), QStringLiteral("done")},
            {QStringLiteral("offline"), false}};
}

} // namespace

bool TestHistoryClicksEndToEnd::xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

void TestHistoryClicksEndToEnd::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "DISPLAY is not set: start scripts/test-env");
    QVERIFY2(!qEnvironmentVariableIsEmpty("KESTO_APP"), "KESTO_APP names the application");
    QVERIFY(m_data.isValid() && m_twinData.isValid());
    Onest::registerFaces();
    L10n::setInterfaceLanguage(QStringLiteral("en"));
    QVERIFY(m_gemini.listen());
    m_gemini.setFallback(FakeGemini::Reply::models({QStringLiteral("gemini-3.8-flash")}).on(QStringLiteral("GET")));

    QJsonArray entries;
    for (int i = 0; i < 5; ++i) {
        m_entries << QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
        m_texts << QStringLiteral("Dictation number %1").arg(i + 1);
        entries.append(entry(m_entries.last(), i + 1, m_texts.last()));
    }
    const QJsonObject config{{QStringLiteral("onboardingDone"), true},
                             {QStringLiteral("apiKey"), QStringLiteral("test-key")},
                             {QStringLiteral("phoneServerEnabled"), false}};
    for (const QString& folder : {m_data.path(), m_twinData.path()}) {
        const QList<std::pair<QString, QByteArray>> files{
            {QStringLiteral("config.json"), QJsonDocument(config).toJson()},
            {QStringLiteral("history.json"), QJsonDocument(QJsonObject{{QStringLiteral("entries"), entries}}).toJson()}};
        for (const auto& [name, bytes] : files) {
            QFile file(QDir(folder).filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
    }

    QProcessEnvironment env = AppProcess::environment(m_data.path(), m_gemini.url());
    // The toasts slide in and out as they do for users.
    env.remove(QStringLiteral("KESTO_ANIMATIONS"));
    const std::optional<ScreenWindows::Window> window = AppProcess::startWithMainWindowAtTopLeft(m_app, env);
    QVERIFY(window);
    const QString windowId = window->id;
    m_window = window->frame;
    QVERIFY(xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), windowId}));

    qputenv("KESTO_DATA_DIR", m_twinData.path().toLocal8Bit());
    m_twinState = std::make_unique<AppState>();
    m_twin = std::make_unique<MainView>(*m_twinState, m_twinState->actions(),
                                        [](QWidget* parent) { return new QWidget(parent); }, true);
    m_twin->setAttribute(Qt::WA_DontShowOnScreen);
    m_twin->resize(m_window.size());
    m_twin->show();
    QCoreApplication::processEvents();
    QTRY_COMPARE(m_twin->findChildren<QWidget*>(QStringLiteral("entryCard")).size(), 5);
}

void TestHistoryClicksEndToEnd::cleanupTestCase()
{
    m_twin.reset();
    m_twinState.reset();
    QVERIFY2(AppProcess::stop(m_app), qPrintable(AppProcess::ending(m_app)));
}

QPoint TestHistoryClicksEndToEnd::buttonOf(int card, const QString& name) const
{
    QCoreApplication::processEvents();
    auto cards = m_twin->findChildren<QWidget*>(QStringLiteral("entryCard"));
    std::sort(cards.begin(), cards.end(),
              [this](QWidget* a, QWidget* b) { return a->mapTo(m_twin.get(), QPoint()).y() < b->mapTo(m_twin.get(), QPoint()).y(); });
    if (card >= cards.size())
        return {};
    auto* button = cards.at(card)->findChild<QWidget*>(name);
    return button ? button->mapTo(m_twin.get(), button->rect().center()) : QPoint();
}

bool TestHistoryClicksEndToEnd::click(QPoint inWindow)
{
    if (inWindow.isNull())
        return false;
    const QPoint at = m_window.topLeft() + inWindow;
    return xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(at.x()),
                    QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
}

bool TestHistoryClicksEndToEnd::doubleClick(QPoint inWindow)
{
    if (inWindow.isNull())
        return false;
    const QPoint at = m_window.topLeft() + inWindow;
    // The pointer rests first, as a hand's does, so that the button is lit.
    return xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(at.x()),
                    QString::number(at.y())})
        && xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"), QStringLiteral("--delay"),
                    QStringLiteral("150"), QStringLiteral("1")});
}

void TestHistoryClicksEndToEnd::doubleClickOnCopy()
{
    QGuiApplication::clipboard()->clear();
    QVERIFY(doubleClick(buttonOf(1, QStringLiteral("action-copy"))));
    QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text(), m_texts.at(1), 10000);
    // The second toast slides in over the first one sliding out; once both
    // are done, a copy from another card still works.
    QTest::qWait(4 * ScreenStyle::toastDurationMs);
    QVERIFY(click(buttonOf(2, QStringLiteral("action-copy"))));
    QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text(), m_texts.at(2), 10000);
    QCOMPARE(m_app.state(), QProcess::Running);
    QCOMPARE(AppProcess::historyIds(m_data.path()), m_entries);
}

void TestHistoryClicksEndToEnd::doubleClickOnDeleteDeletesOne()
{
    const QPoint topCopy = buttonOf(0, QStringLiteral("action-copy"));
    QVERIFY(doubleClick(buttonOf(0, QStringLiteral("action-trash-2"))));
    QTRY_VERIFY_WITH_TIMEOUT(AppProcess::historyIds(m_data.path()).size() < 5, 10000);
    // A copy from the top card: once it arrives the double click has been
    // handled whole, and the card on top says which entries are left.
    QGuiApplication::clipboard()->clear();
    QTRY_VERIFY_WITH_TIMEOUT(QGuiApplication::clipboard()->text().isEmpty(), 5000);
    QVERIFY(click(topCopy));
    QTRY_VERIFY_WITH_TIMEOUT(!QGuiApplication::clipboard()->text().isEmpty(), 10000);
    QCOMPARE(QGuiApplication::clipboard()->text(), m_texts.at(1));
    QCOMPARE(AppProcess::historyIds(m_data.path()), m_entries.mid(1));
    QTest::qWait(4 * ScreenStyle::toastDurationMs);
    QCOMPARE(m_app.state(), QProcess::Running);
}

QTEST_MAIN(TestHistoryClicksEndToEnd)
#include "TestHistoryClicksEndToEnd.moc"
