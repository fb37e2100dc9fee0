#include "AppProcess.h"
#include "FakeGemini.h"
#include "ScreenWindows.h"

#include "core/AppState.h"
#include "core/L10n.h"
#include "design/Onest.h"
#include "screens/MainView.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

// The built application under Xvfb, clicked and typed at through XTest as a
// user would: a click leaves the keyboard where it was (Space or Return next
// do not press the clicked button again), and a button that hides or
// disables itself, clicked or pressed with the keyboard, leaves no focus ring
// on a neighbour, whose Space or Return next would act. Each step ends with
// an action of the test's own, so "nothing else happened" is read once the
// application has handled every key before it.
// Where to click comes from a twin of the main window's content laid out
// here on the same display, over a copy of the same data.
class TestFocusEndToEnd final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void retryThenKeysDeleteNothing();
    void retryByKeyboardLeavesNoRing();
    void deletingAWordThenKeysDeleteNothing();
    void turningThePhoneOnThenKeysChangeNothing();

private:
    static bool xdotool(const QStringList& arguments);
    QJsonObject readJson(const QString& name) const;
    QStringList words() const;
    // The twin showing screen; the centre of its widget of that name, in
    // window coordinates (null when it is not shown).
    QPoint centreOf(const QString& name);
    QRect areaOf(const QString& name);
    bool click(QPoint inWindow);
    // The pointer where it lights nothing up.
    bool pointerAway();
    bool keys(const QStringList& names);
    QImage onScreen(const QRect& inWindow) const;
    // The twin's History cards, top to bottom.
    QList<QWidget*> twinCards();
    QRect areaIn(QWidget* widget) const;
    // Waits until the window shows, in area, what the twin shows there.
    bool showsLikeTwin(const QRect& area);
    void showInTwin(Screen screen);

    QTemporaryDir m_data;
    QTemporaryDir m_twinData;
    FakeGemini m_gemini;
    QProcess m_app;
    QString m_windowId;
    QRect m_window;
    QStringList m_entries;
    QStringList m_words;
    std::unique_ptr<AppState> m_twinState;
    std::unique_ptr<MainView> m_twin;
};

namespace {

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

bool alike(const QImage& a, const QImage& b)
{
    return a.size() == b.size() && ScreenWindows::differingPixels(a, b) * 200 < a.width() * a.height();
}

// Two pictures of the application's own window: the same but for a few
// pixels, far fewer than the band of a focus ring (well over a hundred).
bool unchanged(const QImage& a, const QImage& b)
{
    return a.size() == b.size() && ScreenWindows::differingPixels(a, b) < 40;
}

QJsonObject entry(const QString& id, int minutesAgo, const QString& status, const QString& text, const QString& audio)
{
    QJsonObject o{{QStringLiteral("id"), id},
                  {QStringLiteral("date"), QDateTime::currentDateTimeUtc().addSecs(-60 * minutesAgo).toString(Qt::ISODate)},
                  {QStringLiteral("text"), text},
                  {QStringLiteral("duration"), 4.0},
                  {QStringLiteral("model"), QStringLiteral("gemini-3.8-flash")},
                  {QStringLiteral("source"), QStringLiteral("mac")},
                  {QStringLiteral("status"), status},
                  {QStringLiteral("offline"), false}};
    if (!audio.isEmpty())
        o.insert(QStringLiteral("audioFile"), audio);
    return o;
}

} // namespace

bool TestFocusEndToEnd::xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

QJsonObject TestFocusEndToEnd::readJson(const QString& name) const
{
    QFile file(QDir(m_data.path()).filePath(name));
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}


QStringList TestFocusEndToEnd::words() const
{
    QStringList list;
    for (const QJsonValue& w : readJson(QStringLiteral("config.json")).value(QStringLiteral("vocabulary")).toArray())
        list << w.toObject().value(QStringLiteral("word")).toString();
    return list;
}

void TestFocusEndToEnd::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "DISPLAY is not set: start scripts/test-env");
    QVERIFY2(!qEnvironmentVariableIsEmpty("KESTO_APP"), "KESTO_APP names the application");
    QVERIFY(m_data.isValid() && m_twinData.isValid());
    Onest::registerFaces();
    L10n::setInterfaceLanguage(QStringLiteral("en"));
    QVERIFY(m_gemini.listen());
    m_gemini.setFallback(FakeGemini::Reply::models({QStringLiteral("gemini-3.8-flash")}).on(QStringLiteral("GET")));

    // Four words and five History entries, newest first: two not transcribed
    // with their audio kept, three done.
    m_words = {QStringLiteral("alpha"), QStringLiteral("bravo"), QStringLiteral("charlie"), QStringLiteral("delta")};
    QJsonArray vocabulary;
    for (const QString& word : m_words)
        vocabulary.append(QJsonObject{{QStringLiteral("id"), newId()}, {QStringLiteral("word"), word},
                                      {QStringLiteral("language"), QString()}});
    m_entries = {newId(), newId(), newId(), newId(), newId()};
    const QJsonArray entries{entry(m_entries[0], 1, QStringLiteral("failed"), QString(), QStringLiteral("first.m4a")),
                             entry(m_entries[1], 2, QStringLiteral("failed"), QString(), QStringLiteral("second.m4a")),
                             entry(m_entries[2], 3, QStringLiteral("done"), QStringLiteral("Keep me"), QString()),
                             entry(m_entries[3], 4, QStringLiteral("done"), QStringLiteral("Delete me"), QString()),
                             entry(m_entries[4], 5, QStringLiteral("done"), QStringLiteral("Delete me first"),
                                   QString())};
    const QJsonObject config{{QStringLiteral("onboardingDone"), true},
                             {QStringLiteral("apiKey"), QStringLiteral("test-key")},
                             {QStringLiteral("keepAudio"), true},
                             {QStringLiteral("vocabulary"), vocabulary},
                             {QStringLiteral("phoneServerEnabled"), false},
                             {QStringLiteral("phonePort"), 28765},
                             {QStringLiteral("phonePlainPort"), 28766},
                             {QStringLiteral("phoneToken"), QStringLiteral("abcdefghijkmnpqr")}};
    for (const QString& folder : {m_data.path(), m_twinData.path()}) {
        QVERIFY(QDir(folder).mkpath(QStringLiteral("audio")));
        const QList<std::pair<QString, QByteArray>> files{
            {QStringLiteral("config.json"), QJsonDocument(config).toJson()},
            {QStringLiteral("history.json"), QJsonDocument(QJsonObject{{QStringLiteral("entries"), entries}}).toJson()},
            {QStringLiteral("audio/first.m4a"), QByteArray(4096, 'a')},
            {QStringLiteral("audio/second.m4a"), QByteArray(4096, 'b')}};
        for (const auto& [name, bytes] : files) {
            QFile file(QDir(folder).filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
    }

    const QProcessEnvironment env = AppProcess::environment(m_data.path(), m_gemini.url());
    const std::optional<ScreenWindows::Window> window = AppProcess::startWithMainWindowAtTopLeft(m_app, env);
    QVERIFY(window);
    m_windowId = window->id;
    m_window = window->frame;
    // Tall enough for every card: a list that loses its scroll bar would
    // move every card it keeps.
    m_window.setHeight(std::min(1040, QGuiApplication::primaryScreen()->size().height()));
    QVERIFY(xdotool({QStringLiteral("windowsize"), QStringLiteral("--sync"), m_windowId, QString::number(m_window.width()),
                     QString::number(m_window.height())}));
    QVERIFY(xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), m_windowId}));

    qputenv("KESTO_DATA_DIR", m_twinData.path().toLocal8Bit());
    m_twinState = std::make_unique<AppState>();
    m_twin = std::make_unique<MainView>(*m_twinState, m_twinState->actions(), [](QWidget* parent) { return new QWidget(parent); },
                                        true);
    m_twin->setAttribute(Qt::WA_DontShowOnScreen);
    m_twin->resize(m_window.size());
    m_twin->show();
    QCoreApplication::processEvents();
    QVERIFY2(pointerAway() && showsLikeTwin(areaOf(QStringLiteral("screen-history"))), "the window shows History");
}

void TestFocusEndToEnd::cleanupTestCase()
{
    m_twin.reset();
    m_twinState.reset();
    QVERIFY2(AppProcess::stop(m_app), qPrintable(AppProcess::ending(m_app)));
}

void TestFocusEndToEnd::showInTwin(Screen screen)
{
    m_twinState->setScreen(screen);
    QCoreApplication::processEvents();
    QTRY_VERIFY(m_twin->findChild<QWidget*>(QStringLiteral("screen-") + rawValue(screen)));
}

QRect TestFocusEndToEnd::areaOf(const QString& name)
{
    QCoreApplication::processEvents();
    auto* widget = m_twin->findChild<QWidget*>(name);
    if (!widget || !widget->isVisible())
        return {};
    return QRect(widget->mapTo(m_twin.get(), QPoint(0, 0)), widget->size()).intersected(m_twin->rect());
}

QPoint TestFocusEndToEnd::centreOf(const QString& name)
{
    const QRect area = areaOf(name);
    return area.isEmpty() ? QPoint() : area.center();
}

bool TestFocusEndToEnd::click(QPoint inWindow)
{
    if (inWindow.isNull())
        return false;
    const QPoint at = m_window.topLeft() + inWindow;
    return xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(at.x()), QString::number(at.y()),
                    QStringLiteral("click"), QStringLiteral("1")});
}

bool TestFocusEndToEnd::pointerAway()
{
    // The window's bottom-left corner: the sidebar's empty foot.
    const QPoint at = m_window.topLeft() + QPoint(4, m_window.height() - 4);
    return xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(at.x()), QString::number(at.y())});
}

bool TestFocusEndToEnd::keys(const QStringList& names)
{
    return xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--window"), m_windowId} + names);
}

QImage TestFocusEndToEnd::onScreen(const QRect& inWindow) const
{
    const QRect at = inWindow.translated(m_window.topLeft());
    return QGuiApplication::primaryScreen()->grabWindow(0, at.x(), at.y(), at.width(), at.height()).toImage();
}

bool TestFocusEndToEnd::showsLikeTwin(const QRect& area)
{
    if (area.isEmpty())
        return false;
    const QImage twin = m_twin->grab(area).toImage();
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 10000) {
        if (alike(onScreen(area), twin))
            return true;
        QTest::qWait(100);
    }
    return false;
}

QList<QWidget*> TestFocusEndToEnd::twinCards()
{
    auto cards = m_twin->findChildren<QWidget*>(QStringLiteral("entryCard"));
    cards.removeIf([](QWidget* card) { return !card->isVisible(); });
    std::sort(cards.begin(), cards.end(), [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
    return cards;
}

QRect TestFocusEndToEnd::areaIn(QWidget* widget) const
{
    return QRect(widget->mapTo(m_twin.get(), QPoint(0, 0)), widget->size());
}

void TestFocusEndToEnd::retryThenKeysDeleteNothing()
{
    m_gemini.enqueue(FakeGemini::Reply::text(QStringLiteral("Again")).on(QStringLiteral("POST")).delayed(600000));
    const QList<QWidget*> cards = twinCards();
    QCOMPARE(cards.size(), 5);
    // The cards after the one retried, ring room included.
    const QRect others = areaIn(cards[1]).united(areaIn(cards[2])).adjusted(-6, -6, 6, 6);
    auto* retry = cards[0]->findChild<QWidget*>(QStringLiteral("retryButton"));
    QVERIFY(retry);
    const QPoint retryAt = retry->mapTo(m_twin.get(), retry->rect().center());
    auto* copy = cards[3]->findChild<QWidget*>(QStringLiteral("action-copy"));
    QVERIFY(copy);
    const QPoint copyAt = copy->mapTo(m_twin.get(), copy->rect().center());
    auto* lastDelete = cards[4]->findChild<QWidget*>(QStringLiteral("action-trash-2"));
    QVERIFY(lastDelete);
    const QPoint lastDeleteAt = lastDelete->mapTo(m_twin.get(), lastDelete->rect().center());
    const QImage before = onScreen(others);

    // A button that stays: Copy. The keys after its click must not copy again.
    QVERIFY(click(copyAt));
    QClipboard* clipboard = QGuiApplication::clipboard();
    QTRY_COMPARE_WITH_TIMEOUT(clipboard->text(), QStringLiteral("Delete me"), 10000);
    const QString mine = QStringLiteral("The test's own clipboard");
    clipboard->setText(mine);
    QVERIFY(pointerAway());
    QVERIFY(keys({QStringLiteral("space"), QStringLiteral("Return")}));

    // A button that goes: Retry. The first card shows it is retrying in the
    // same paint as any ring its going hands on.
    const QRect first = areaIn(cards[0]);
    const QImage firstBefore = onScreen(first);
    QVERIFY(click(retryAt));
    QTRY_VERIFY_WITH_TIMEOUT(!m_gemini.requests(QStringLiteral("POST")).isEmpty(), 10000);
    QVERIFY(pointerAway());
    QTRY_VERIFY_WITH_TIMEOUT(!unchanged(onScreen(first), firstBefore), 10000);
    QVERIFY2(unchanged(onScreen(others), before), "a card below the retried one changed: a focus ring?");
    QVERIFY(keys({QStringLiteral("space"), QStringLiteral("Return")}));
    // The test's own deletion, of the last card, which moves no other card.
    QVERIFY(click(lastDeleteAt));
    QTRY_VERIFY_WITH_TIMEOUT(AppProcess::historyIds(m_data.path()).size() < 5, 10000);
    QCOMPARE(AppProcess::historyIds(m_data.path()), m_entries.mid(0, 4));
    QCOMPARE(m_gemini.requests(QStringLiteral("POST")).size(), 1);
    QVERIFY2(clipboard->ownsClipboard() && clipboard->text() == mine, "a key pressed the clicked Copy again");
    QVERIFY(pointerAway());
    QVERIFY2(unchanged(onScreen(others), before), "a card below the retried one changed: a focus ring?");
}

void TestFocusEndToEnd::retryByKeyboardLeavesNoRing()
{
    // The first card is still retrying (its answer never comes); the second
    // one's Retry is reached with Tab and pressed with Space.
    m_twinState->setRetrying(QUuid::fromString(m_entries[0]), true);
    m_twinState->updateHistory([](History& h) { h.entries.removeLast(); });
    QCoreApplication::processEvents();
    const QList<QWidget*> cards = twinCards();
    QCOMPARE(cards.size(), 4);
    auto* retry = cards[1]->findChild<QWidget*>(QStringLiteral("retryButton"));
    QVERIFY(retry && retry->isVisible());
    const QRect retryRing = areaIn(retry).adjusted(-5, -5, 5, 5);
    // The card after it, ring room included.
    const QRect next = areaIn(cards[2]).adjusted(-6, -6, 6, 6);
    auto* lastDelete = cards[3]->findChild<QWidget*>(QStringLiteral("action-trash-2"));
    QVERIFY(lastDelete);
    const QPoint lastDeleteAt = lastDelete->mapTo(m_twin.get(), lastDelete->rect().center());
    QVERIFY(pointerAway());
    const QImage plain = onScreen(retryRing);
    const QImage nextBefore = onScreen(next);

    const QRect window(QPoint(0, 0), m_window.size());
    bool reached = false;
    for (int tab = 0; tab < 80 && !reached; ++tab) {
        const QImage shown = onScreen(window);
        QVERIFY(keys({QStringLiteral("Tab")}));
        // The focus moves with each Tab; once the window shows it, the ring
        // is where the picture says.
        QElapsedTimer moved;
        moved.start();
        while (moved.elapsed() < 2000 && onScreen(window) == shown)
            QTest::qWait(20);
        reached = ScreenWindows::differingPixels(onScreen(retryRing), plain) >= 40;
    }
    QVERIFY2(reached, "Tab never reached the second card's Retry");
    QVERIFY(keys({QStringLiteral("space")}));
    QTRY_COMPARE_WITH_TIMEOUT(m_gemini.requests(QStringLiteral("POST")).size(), 2, 10000);
    QVERIFY(keys({QStringLiteral("Return")}));
    QVERIFY(click(lastDeleteAt));
    QTRY_VERIFY_WITH_TIMEOUT(AppProcess::historyIds(m_data.path()).size() < 4, 10000);
    QCOMPARE(AppProcess::historyIds(m_data.path()), m_entries.mid(0, 3));
    QCOMPARE(m_gemini.requests(QStringLiteral("POST")).size(), 2);
    QVERIFY(pointerAway());
    QVERIFY2(unchanged(onScreen(next), nextBefore), "the card after the retried one changed: a focus ring?");
}

void TestFocusEndToEnd::deletingAWordThenKeysDeleteNothing()
{
    showInTwin(Screen::vocabulary);
    QVERIFY(click(centreOf(QStringLiteral("nav-vocabulary"))));
    QVERIFY(pointerAway());
    QVERIFY2(showsLikeTwin(areaOf(QStringLiteral("wordRows"))), "the words do not show");
    auto rows = m_twin->findChildren<QWidget*>(QStringLiteral("wordRow"));
    std::sort(rows.begin(), rows.end(), [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
    QCOMPARE(rows.size(), 4);
    auto deleteAt = [this, &rows](int row) {
        auto* button = rows[row]->findChild<QWidget*>(QStringLiteral("deleteWord"));
        return button ? button->mapTo(m_twin.get(), button->rect().center()) : QPoint();
    };
    const QPoint firstDelete = deleteAt(0);
    const QPoint thirdDelete = deleteAt(2);

    QVERIFY(click(firstDelete));
    QVERIFY(pointerAway());
    QVERIFY(keys({QStringLiteral("space"), QStringLiteral("Return")}));
    // The rows moved up by one: the third place now holds the last word.
    QVERIFY(click(thirdDelete));
    QTRY_VERIFY_WITH_TIMEOUT(words().size() < 4 && words() != m_words.mid(1), 10000);
    QCOMPARE(words(), (QStringList{m_words[1], m_words[2]}));

    // What is left shows as the twin shows it: no ring on any button.
    QVERIFY(pointerAway());
    m_twinState->updateConfig([](Config& c) {
        c.vocabulary.removeFirst();
        c.vocabulary.removeLast();
    });
    QVERIFY2(showsLikeTwin(areaOf(QStringLiteral("wordRows")).adjusted(-6, -6, 6, 6)), "a focus ring on the words?");
}

void TestFocusEndToEnd::turningThePhoneOnThenKeysChangeNothing()
{
    const QRect search = areaOf(QStringLiteral("search")).adjusted(-6, -6, 6, 6);
    const QImage searchBefore = onScreen(search);
    const QString token = readJson(QStringLiteral("config.json")).value(QStringLiteral("phoneToken")).toString();
    showInTwin(Screen::phone);
    QVERIFY(click(centreOf(QStringLiteral("nav-phone"))));
    QVERIFY(pointerAway());
    QVERIFY2(showsLikeTwin(areaOf(QStringLiteral("connectCard"))), "the phone screen does not show");

    QVERIFY(click(centreOf(QStringLiteral("turnOn"))));
    QVERIFY(pointerAway());
    QVERIFY(keys({QStringLiteral("space"), QStringLiteral("Return")}));
    // Back to the words, one more deleted there by a click.
    showInTwin(Screen::vocabulary);
    QVERIFY(click(centreOf(QStringLiteral("nav-vocabulary"))));
    QVERIFY(pointerAway());
    QVERIFY2(showsLikeTwin(areaOf(QStringLiteral("wordRows"))), "the words do not show");
    auto* first = m_twin->findChild<QWidget*>(QStringLiteral("deleteWord"));
    QVERIFY(first);
    QVERIFY(click(first->mapTo(m_twin.get(), first->rect().center())));
    QTRY_COMPARE_WITH_TIMEOUT(words(), QStringList{m_words[2]}, 10000);

    const QJsonObject config = readJson(QStringLiteral("config.json"));
    QCOMPARE(config.value(QStringLiteral("phoneServerEnabled")).toBool(), true);
    QCOMPARE(config.value(QStringLiteral("phoneToken")).toString(), token);
    QCOMPARE(AppProcess::historyIds(m_data.path()), m_entries.mid(0, 3));
    QVERIFY(pointerAway());
    QVERIFY2(unchanged(onScreen(search), searchBefore), "the search field took the focus");
}

QTEST_MAIN(TestFocusEndToEnd)
#include "TestFocusEndToEnd.moc"
