#include "core/AppState.h"
#include "design/Animation.h"
#include "design/Onest.h"
#include "design/components/SInput.h"
#include "design/components/ToastView.h"
#include "screens/MainView.h"
#include "screens/ScreenStyle.h"
#include "screens/SettingsOverlay.h"
#include "screens/Sidebar.h"
#include "screens/ToastLayer.h"

#include "FakeClock.h"
#include "TempDataDir.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The main view offscreen: its keys, the overlay's clicks and size, the toast
// layer that lets clicks through, and the screen switch.
class TestMainView final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Onest::registerFaces(); }
    void init();
    void cleanup();

    void keys_data();
    void keys();
    void ctrlKFocusesTheSearchEveryTime();
    void backdropClosesAndPanelDoesNot();
    void panelSize_data();
    void panelSize();
    void panelIsMadeAfreshOnEveryOpening();
    void clickGoesThroughTheToast();
    void newToastReplacesTheCard();
    void toastsInAnyRhythm_data();
    void toastsInAnyRhythm();
    void spaceTwiceOnCopy();
    void screenSwitchStartsAfresh();
    void blurOnlyWhileOpen();

private:
    void open(QSize size = QSize(1100, 800));

    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<MainView> m_view;
    int m_panelsMade = 0;
};

void TestMainView::init()
{
    m_data = std::make_unique<TempDataDir>();
    m_clock = std::make_unique<FakeClock>();
    m_state = std::make_unique<AppState>(*m_clock);
    m_panelsMade = 0;
}

void TestMainView::cleanup()
{
    m_view.reset();
    m_state.reset();
    m_clock.reset();
    m_data.reset();
}

void TestMainView::open(QSize size)
{
    m_view = std::make_unique<MainView>(*m_state, m_state->actions(), [this](QWidget* parent) {
        ++m_panelsMade;
        auto* panel = new QLineEdit(parent);
        panel->setObjectName(QStringLiteral("panelField"));
        return panel;
    });
    m_view->resize(size);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    m_view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
}

void TestMainView::keys_data()
{
    QTest::addColumn<bool>("openBefore");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("openAfter");
    QTest::addColumn<int>("focusRequests");

    QTest::newRow("Ctrl+K while closed asks for the search") << false << int(Qt::Key_K) << Qt::KeyboardModifiers(Qt::ControlModifier) << false << 1;
    QTest::newRow("Ctrl+K while open does nothing") << true << int(Qt::Key_K) << Qt::KeyboardModifiers(Qt::ControlModifier) << true << 0;
    QTest::newRow("Ctrl+comma opens") << false << int(Qt::Key_Comma) << Qt::KeyboardModifiers(Qt::ControlModifier) << true << 0;
    QTest::newRow("Ctrl+comma while open keeps it open") << true << int(Qt::Key_Comma) << Qt::KeyboardModifiers(Qt::ControlModifier) << true << 0;
    QTest::newRow("Escape while closed does nothing") << false << int(Qt::Key_Escape) << Qt::KeyboardModifiers() << false << 0;
    QTest::newRow("Escape while open closes") << true << int(Qt::Key_Escape) << Qt::KeyboardModifiers() << false << 0;
}

void TestMainView::keys()
{
    QFETCH(bool, openBefore);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, openAfter);
    QFETCH(int, focusRequests);

    m_state->setSettingsOpen(openBefore);
    open();
    const SettingsTab tab = SettingsTab::microphone;
    m_state->setSettingsTab(tab);
    QSignalSpy requests(m_state.get(), &AppState::searchFocusRequested);
    // Typed where the focus is: the panel's field while open, the search otherwise.
    QWidget* target = openBefore ? m_view->settingsOverlay()->panel() : m_view->sidebar()->search()->lineEdit();
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key), modifiers);
    QCOMPARE(m_state->settingsOpen(), openAfter);
    QCOMPARE(requests.count(), focusRequests);
    QCOMPARE(m_state->settingsTab(), tab);
    QCOMPARE(bool(m_view->settingsOverlay()), openAfter);
    if (openAfter && !openBefore)
        QVERIFY2(!m_view->sidebar()->search()->lineEdit()->hasFocus(), "the search keeps typing behind the settings");
}

void TestMainView::ctrlKFocusesTheSearchEveryTime()
{
    open();
    QLineEdit* search = m_view->sidebar()->search()->lineEdit();
    QTest::keyClick(m_view.get(), Qt::Key_K, Qt::ControlModifier);
    QVERIFY(search->hasFocus());
    // Already focused, and again after the settings were open.
    QTest::keyClick(search, Qt::Key_K, Qt::ControlModifier);
    QVERIFY(search->hasFocus());
    QTest::keyClick(search, Qt::Key_Comma, Qt::ControlModifier);
    QVERIFY(!search->hasFocus());
    QTest::keyClick(m_view->settingsOverlay()->panel(), Qt::Key_Escape);
    QVERIFY(!m_state->settingsOpen());
    QTest::keyClick(m_view.get(), Qt::Key_K, Qt::ControlModifier);
    QVERIFY(search->hasFocus());
}

void TestMainView::backdropClosesAndPanelDoesNot()
{
    m_state->setSettingsOpen(true);
    open();
    SettingsOverlay* overlay = m_view->settingsOverlay();
    QVERIFY(overlay);
    const QRect panel = overlay->panelRect();
    // The panel's blank edge, inside the card but outside its content.
    QTest::mouseClick(overlay, Qt::LeftButton, {}, panel.topLeft() + QPoint(0, 0));
    QTest::mouseClick(overlay->panel(), Qt::LeftButton, {}, QPoint(20, 10));
    QVERIFY(m_state->settingsOpen());
    QTest::mouseClick(overlay, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(!m_state->settingsOpen());
    QVERIFY(!m_view->settingsOverlay());
}

void TestMainView::panelSize_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QSize>("panel");
    QTest::newRow("roomy window") << QSize(1100, 800) << QSize(940, 660);
    QTest::newRow("smallest window") << QSize(960, 640) << QSize(896, 576);
    QTest::newRow("large window") << QSize(1600, 1000) << QSize(940, 660);
}

void TestMainView::panelSize()
{
    QFETCH(QSize, window);
    QFETCH(QSize, panel);
    m_state->setSettingsOpen(true);
    open(window);
    const QRect card = m_view->settingsOverlay()->panelRect();
    QCOMPARE(card.size(), panel);
    QCOMPARE(card.center(), m_view->rect().center());
    // The content sits 1 point inside the card's outline.
    QCOMPARE(m_view->settingsOverlay()->panel()->geometry(), card.adjusted(1, 1, -1, -1));
}

void TestMainView::panelIsMadeAfreshOnEveryOpening()
{
    open();
    QCOMPARE(m_panelsMade, 0);
    m_state->setSettingsOpen(true);
    QCOMPARE(m_panelsMade, 1);
    m_state->setSettingsOpen(false);
    m_state->setSettingsOpen(true);
    QCOMPARE(m_panelsMade, 2);
}

void TestMainView::clickGoesThroughTheToast()
{
    open();
    m_state->showToast(QStringLiteral("Copied"), QStringLiteral("3 words"), ToastTone::success);
    ToastView* toast = m_view->toastLayer()->toast();
    QVERIFY(toast);
    QVERIFY(toast->isVisible());
    const QRectF card = toast->cardRect().translated(toast->pos());
    // Bottom trailing corner, 24 points in, 340 wide.
    QCOMPARE(card.right(), qreal(m_view->width() - 24));
    QCOMPARE(card.bottom(), qreal(m_view->height() - 24));
    QCOMPARE(card.width(), 340.0);

    const QPoint spot = card.center().toPoint();
    QWidget* under = m_view->childAt(spot);
    QVERIFY(under);
    QVERIFY(m_view->screen()->isAncestorOf(under) || under == m_view->screen());

    struct Recorder : QObject {
        int presses = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::MouseButtonPress)
                ++presses;
            return false;
        }
    } recorder;
    under->installEventFilter(&recorder);
    QTest::mouseClick(m_view->windowHandle(), Qt::LeftButton, {}, spot);
    QCOMPARE(recorder.presses, 1);

    m_clock->advance(2600);
    QVERIFY(!m_view->toastLayer()->toast());
}

void TestMainView::newToastReplacesTheCard()
{
    open();
    m_state->showToast(QStringLiteral("Copied"), {}, ToastTone::success);
    QPointer<ToastView> first = m_view->toastLayer()->toast();
    m_state->showToast(QStringLiteral("Copied"), {}, ToastTone::success);
    ToastView* second = m_view->toastLayer()->toast();
    QVERIFY(second);
    QVERIFY(!first);
    QCOMPARE(m_view->toastLayer()->findChildren<ToastView*>().size(), 1);
    // Beneath the settings overlay, not blurred with the content.
    m_state->setSettingsOpen(true);
    QVERIFY(!m_view->content()->isAncestorOf(second));
    QWidget* top = m_view->childAt(second->geometry().center());
    QVERIFY(top == m_view->settingsOverlay() || m_view->settingsOverlay()->isAncestorOf(top));
}

void TestMainView::toastsInAnyRhythm_data()
{
    QTest::addColumn<int>("gapMs");
    QTest::newRow("at once") << 0;
    QTest::newRow("while the first slides in") << ScreenStyle::toastDurationMs / 3;
    QTest::newRow("as the first arrives") << ScreenStyle::toastDurationMs - 20;
    QTest::newRow("after the first is in") << ScreenStyle::toastDurationMs + 60;
}

void TestMainView::toastsInAnyRhythm()
{
    QFETCH(int, gapMs);
    Animation::setEnabled(true);
    auto animationsOff = qScopeGuard([] { Animation::setEnabled(false); });
    open();
    // Each toast comes in while the ones before it are still moving, so
    // cards leave before they have fully arrived, and arrive while others
    // leave.
    for (int i = 0; i < 4; ++i) {
        m_state->showToast(QStringLiteral("Copied %1").arg(i), {}, ToastTone::success);
        QTest::qWait(gapMs);
    }
    ToastLayer* layer = m_view->toastLayer();
    QTRY_COMPARE(layer->findChildren<ToastView*>().size(), 1);
    ToastView* last = layer->toast();
    QVERIFY(last);
    QCOMPARE(last->title(), QStringLiteral("Copied 3"));
    QTRY_VERIFY(!last->graphicsEffect());
    QCOMPARE(last->property("shown").toReal(), 1.0);
}

void TestMainView::spaceTwiceOnCopy()
{
    Animation::setEnabled(true);
    auto animationsOff = qScopeGuard([] { Animation::setEnabled(false); });
    HistoryEntry entry;
    entry.date = m_clock->now();
    entry.text = QStringLiteral("Copy me twice");
    entry.status = HistoryEntry::Status::done;
    m_state->updateHistory([&entry](History& history) { history.add(entry); });
    open();
    auto* copy = m_view->findChild<QWidget*>(QStringLiteral("action-copy"));
    QVERIFY(copy);
    copy->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(copy->hasFocus());
    QTest::keyClick(copy, Qt::Key_Space);
    QTest::qWait(ScreenStyle::toastDurationMs / 2);
    QTest::keyClick(copy, Qt::Key_Space);
    QCOMPARE(QGuiApplication::clipboard()->text(), entry.text);
    QTRY_COMPARE(m_view->toastLayer()->findChildren<ToastView*>().size(), 1);
    QTRY_VERIFY(!m_view->toastLayer()->toast()->graphicsEffect());
    QCOMPARE(m_state->history().entries.size(), 1);
}

void TestMainView::screenSwitchStartsAfresh()
{
    open();
    QCOMPARE(m_view->screen()->objectName(), QStringLiteral("screen-history"));
    QWidget* history = m_view->screen();
    QPointer<QWidget> gone = history;
    m_state->setScreen(Screen::vocabulary);
    QCOMPARE(m_view->screen()->objectName(), QStringLiteral("screen-vocabulary"));
    QVERIFY(!gone);
    m_state->setScreen(Screen::history);
    QCOMPARE(m_view->screen()->objectName(), QStringLiteral("screen-history"));
    // A redraw while the same screen stays keeps it.
    QWidget* again = m_view->screen();
    m_state->setSearch(QStringLiteral("x"));
    QCOMPARE(m_view->screen(), again);
}

void TestMainView::blurOnlyWhileOpen()
{
    open();
    QCOMPARE(m_view->blurRadius(), 0.0);
    QVERIFY(!m_view->content()->graphicsEffect());
    m_state->setSettingsOpen(true);
    QCOMPARE(m_view->blurRadius(), 6.0);
    m_state->setSettingsOpen(false);
    QCOMPARE(m_view->blurRadius(), 0.0);
    QVERIFY(!m_view->content()->graphicsEffect());
}

QTEST_MAIN(TestMainView)
#include "TestMainView.moc"
