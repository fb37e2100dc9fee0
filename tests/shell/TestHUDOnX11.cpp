#include "FakeClock.h"
#include "TempDataDir.h"

#include "core/AppState.h"
#include "design/Theme.h"
#include "shell/HUDPanel.h"
#include "shell/HUDView.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QWindow>
#include <QtTest>

// The pill on a real X server without a compositor (Xvfb): it is cut to its
// capsule, keeps its shadow window hidden, floats on top and never takes the
// keyboard focus; it shows on every virtual desktop and in no taskbar.
class TestHUDOnX11 final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void floatsWithoutFocusAndMasked();
    void repaintsOnThemeChange();
    void followsTheCompositor();
};

void TestHUDOnX11::floatsWithoutFocusAndMasked()
{
    QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "DISPLAY is not set: start scripts/test-env");
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    TempDataDir data;
    FakeClock clock;
    AppState state(clock);
    int toggles = 0;
    HUDPanel panel(state, [&] { ++toggles; }, [] {}, [] {}, clock);
    panel.restorePosition(state.config());
    panel.orderFront();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));

    QVERIFY2(!panel.composited(), "Xvfb runs no compositor");
    QVERIFY(!panel.shadowWindow()->isVisible());
    QVERIFY(!panel.mask().isEmpty());
    QVERIFY(!panel.mask().contains(QPoint(0, 0)));
    const Qt::WindowFlags flags = panel.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
    QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
    QVERIFY(panel.testAttribute(Qt::WA_ShowWithoutActivating));

    // On every virtual desktop, also after being hidden and shown again.
    panel.orderOut();
    panel.orderFront();
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(panel.winId()), QStringLiteral("_NET_WM_DESKTOP")});
    QVERIFY(xprop.waitForFinished());
    QCOMPARE(xprop.readAllStandardOutput().trimmed(), QByteArray("_NET_WM_DESKTOP(CARDINAL) = 4294967295"));

    // Not a window of the taskbar or the pager, and still above the others.
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(panel.winId()), QStringLiteral("_NET_WM_STATE")});
    QVERIFY(xprop.waitForFinished());
    const QByteArray states = xprop.readAllStandardOutput();
    QVERIFY2(states.contains("_NET_WM_STATE_SKIP_TASKBAR"), states.constData());
    QVERIFY2(states.contains("_NET_WM_STATE_SKIP_PAGER"), states.constData());
    QVERIFY2(states.contains("_NET_WM_STATE_ABOVE"), states.constData());

    // A click on the pill toggles without taking the focus.
    QTest::mouseClick(panel.view(), Qt::LeftButton, {}, panel.view()->rect().center());
    QCOMPARE(toggles, 1);
    QTest::qWait(100);
    QVERIFY(QGuiApplication::focusWindow() != panel.windowHandle());

    // The mask follows the wider rows.
    state.setPhase(Phase::failed);
    state.setMessage(QStringLiteral("Something broke"));
    QCoreApplication::processEvents();
    QTRY_VERIFY(panel.width() > 52);
    QVERIFY(panel.mask().contains(QPoint(panel.width() / 2, 26)));
}

// What the X server shows at a point of the screen.
static QColor onScreen(const QPoint& point)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, point.x(), point.y(), 1, 1).toImage().pixelColor(0, 0);
}

void TestHUDOnX11::repaintsOnThemeChange()
{
    TempDataDir data;
    FakeClock clock;
    AppState state(clock);
    Theme::instance().setMode(Theme::Mode::Light);
    HUDPanel panel(state, [] {}, [] {}, [] {}, clock);
    panel.restorePosition(state.config());
    panel.orderFront();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    // Inside the idle circle, clear of its icon.
    const QPoint inside = panel.geometry().topLeft() + QPoint(panel.width() / 2 - 14, 26);
    QTRY_VERIFY(onScreen(inside).lightness() > 200);
    Theme::instance().setMode(Theme::Mode::Dark);
    QTRY_VERIFY2(onScreen(inside).lightness() < 80, qPrintable(onScreen(inside).name()));
    Theme::instance().setMode(Theme::Mode::Light);
    QTRY_VERIFY(onScreen(inside).lightness() > 200);
}

void TestHUDOnX11::followsTheCompositor()
{
    TempDataDir data;
    FakeClock clock;
    AppState state(clock);
    HUDPanel panel(state, [] {}, [] {}, [] {}, clock);
    panel.restorePosition(state.config());
    panel.orderFront();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QVERIFY(!panel.composited());

    // A compositing manager starts: translucent, with the shadow window.
    QProcess owner;
    owner.start(qEnvironmentVariable("KESTO_COMPOSITOR_OWNER"), {});
    QVERIFY(owner.waitForStarted());
    QTRY_VERIFY(owner.canReadLine());
    QTRY_VERIFY(panel.composited());
    QVERIFY(panel.mask().isEmpty());
    QVERIFY(panel.shadowWindow()->isVisible());

    // It stops: cut to the capsule again.
    owner.closeWriteChannel();
    QVERIFY(owner.waitForFinished());
    QTRY_VERIFY(!panel.composited());
    QVERIFY(!panel.mask().isEmpty());
    QVERIFY(!panel.shadowWindow()->isVisible());
}

QTEST_MAIN(TestHUDOnX11)
#include "TestHUDOnX11.moc"
