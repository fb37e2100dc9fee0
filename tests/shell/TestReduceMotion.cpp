#include "FakeClock.h"
#include "FakePortalProcess.h"
#include "PrivateBus.h"

#include "core/AppState.h"
#include "design/Animation.h"
#include "onboarding/SampleLevelBars.h"
#include "onboarding/WaitingSpinner.h"
#include "screens/PhonePulseDot.h"
#include "shell/DesktopTheme.h"
#include "shell/HUDView.h"

#include <QDBusConnection>
#include <QtTest>

// The desktop's reduce-motion setting, read from the fake settings portal:
// the looping animations (the pill's pulse and bars, the phone dot, the
// waiting spinner, the try-it level bars) stand still while it is on, and
// follow each change at once.
class TestReduceMotion final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void followsTheDesktop_data();
    void followsTheDesktop();
    void noPortalMeansMotion();

private:
    PrivateBus m_bus;
};

void TestReduceMotion::initTestCase()
{
    QVERIFY2(m_bus.started() && QDBusConnection::sessionBus().isConnected(), "no bus of its own");
}

void TestReduceMotion::cleanup()
{
    Animation::setEnabled(false);
    Animation::setReduceMotion(false);
}

void TestReduceMotion::followsTheDesktop_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("reduce");
    QTest::addColumn<QString>("allow");
    QTest::newRow("GNOME animations off") << "org.gnome.desktop.interface" << "enable-animations" << "false" << "true";
    QTest::newRow("KDE duration factor 0") << "org.kde.kdeglobals.KDE" << "AnimationDurationFactor" << "0.0" << "1.0";
}

void TestReduceMotion::followsTheDesktop()
{
    QFETCH(QString, group);
    QFETCH(QString, key);
    QFETCH(QString, reduce);
    QFETCH(QString, allow);

    Animation::setEnabled(true);
    FakePortalProcess portal(QStringLiteral(KESTO_FAKE_PORTAL), {QStringLiteral("0"), group, key, reduce});
    QVERIFY(portal.ready());

    FakeClock clock;
    AppState state;
    HUDView pill(state, HUDView::Layer::Content, clock);
    pill.resize(400, 80);
    PhonePulseDot dot;
    WaitingSpinner spinner;
    SampleLevelBars bars(7, 4, 40, 5, clock);
    bars.setAnimated(true);
    pill.show();
    dot.show();
    spinner.show();
    bars.show();
    state.setRecordingStarted(clock.now());
    state.setPhase(AppState::Phase::recording);
    const auto moving = [&] {
        return QList<bool>{pill.isMoving(), dot.isPulsing(), spinner.isTurning(), bars.isAnimated()};
    };
    QCOMPARE(moving(), QList<bool>({true, true, true, true})); // before the desktop answers

    DesktopTheme desktop;
    QTRY_COMPARE(moving(), QList<bool>({false, false, false, false}));
    QCOMPARE(spinner.angle(), 0.0); // the still arc

    // Kind changes keep their curve: only looping motion stops.
    state.setDoneText(QStringLiteral("Notes \u00B7 12 words"));
    state.setPhase(AppState::Phase::idle);
    const qreal done = pill.rowWidth(HUDView::Kind::done);
    QVERIFY(pill.capsuleWidth() != done);
    QTRY_COMPARE(pill.capsuleWidth(), done);
    state.setDoneText(std::nullopt);
    state.setPhase(AppState::Phase::recording);

    portal.change(group, key, allow);
    QTRY_COMPARE(moving(), QList<bool>({true, true, true, true}));

    portal.change(group, key, reduce);
    QTRY_COMPARE(moving(), QList<bool>({false, false, false, false}));
}

void TestReduceMotion::noPortalMeansMotion()
{
    Animation::setEnabled(true);
    DesktopTheme desktop;
    PhonePulseDot dot;
    dot.show();
    QTest::qWait(200);
    QVERIFY(!Animation::reduceMotion());
    QVERIFY(dot.isPulsing());
}

QTEST_MAIN(TestReduceMotion)
#include "TestReduceMotion.moc"
