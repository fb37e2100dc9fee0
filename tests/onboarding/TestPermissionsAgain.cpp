#include "FakeCapabilities.h"
#include "FakeClock.h"
#include "TempDataDir.h"

#include "core/AppState.h"
#include "design/components/SButton.h"
#include "design/components/TextLabel.h"
#include "onboarding/PermissionRow.h"
#include "onboarding/PermissionsAgainView.h"

#include <QtTest>

// The permissions-again window on fake capabilities: its rows and footer for
// what is missing, and "Done" once all is back, which only the user presses.
class TestPermissionsAgain final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rows_data();
    void rows();
    void doneStaysUntilPressed();
    void laterCloses();
};

namespace {

struct Window
{
    TempDataDir data;
    FakeClock clock;
    FakeCapabilities capabilities;
    AppState state{clock};
    int done = 0;
    std::unique_ptr<PermissionsAgainView> view;

    PermissionsAgainView& open()
    {
        view = std::make_unique<PermissionsAgainView>(state, [this] { ++done; }, capabilities, clock);
        view->show();
        return *view;
    }
};

} // namespace

void TestPermissionsAgain::rows_data()
{
    QTest::addColumn<QString>("microphone"); // allowed, missing, unavailable
    QTest::addColumn<bool>("keys");
    QTest::addColumn<bool>("soundSettings");
    QTest::addColumn<QStringList>("missing");
    QTest::addColumn<bool>("openShown");
    QTest::addColumn<QString>("keysHint");

    const QString logIn = QStringLiteral("Log in to an X11 session, then start Kesto Viruz again.");
    QTest::newRow("only the keys") << QStringLiteral("allowed") << false << true
                                   << QStringList{QStringLiteral("accessibility")} << false << logIn;
    QTest::newRow("no microphone") << QStringLiteral("missing") << true << true
                                   << QStringList{QStringLiteral("microphone")} << true << QString();
    QTest::newRow("no microphone, no settings") << QStringLiteral("missing") << true << false
                                                << QStringList{QStringLiteral("microphone")} << false << QString();
    QTest::newRow("no sound server, no X11")
        << QStringLiteral("unavailable") << false << true
        << QStringList{QStringLiteral("microphone"), QStringLiteral("accessibility")} << false << logIn;
}

void TestPermissionsAgain::rows()
{
    QFETCH(QString, microphone);
    QFETCH(bool, keys);
    QFETCH(bool, soundSettings);
    QFETCH(QStringList, missing);
    QFETCH(bool, openShown);
    QFETCH(QString, keysHint);

    Window w;
    if (microphone == QStringLiteral("missing"))
        w.capabilities.microphone = FakeCapabilities::noMicrophone();
    else if (microphone == QStringLiteral("unavailable"))
        w.capabilities.microphone = FakeCapabilities::noSoundServer();
    w.capabilities.keys = keys ? Permissions::Check{true, {}} : FakeCapabilities::noX11();
    w.capabilities.soundSettings = soundSettings;
    w.state.setAccessibilityGranted(keys);
    PermissionsAgainView& view = w.open();

    QCOMPARE(view.missing(), missing);
    QCOMPARE(view.microphoneRow()->isAllowed(), !missing.contains(QStringLiteral("microphone")));
    QCOMPARE(view.accessibilityRow()->isAllowed(), keys);
    QCOMPARE(view.findChild<SButton*>(QStringLiteral("openSoundSettings"))->isVisible(), openShown);
    if (!keys)
        QCOMPARE(view.accessibilityRow()->hint()->text(), keysHint);
    QCOMPARE(view.footerButton()->text(), QStringLiteral("Later"));
    QCOMPARE(view.footerButton()->variant(), ButtonVariant::Ghost);
    // "Later" is no default action.
    QTest::keyClick(&view, Qt::Key_Return);
    QCOMPARE(w.done, 0);
}

void TestPermissionsAgain::doneStaysUntilPressed()
{
    Window w;
    w.capabilities.microphone = FakeCapabilities::noMicrophone();
    w.state.setAccessibilityGranted(false);
    PermissionsAgainView& view = w.open();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    // The user was about to open the sound settings.
    auto* soundSettings = view.findChild<SButton*>(QStringLiteral("openSoundSettings"));
    soundSettings->setFocus();
    // Return on a focused button other than the default one is still no "Later".
    QTest::keyClick(soundSettings, Qt::Key_Return);
    QCOMPARE(w.done, 0);

    // Half back: still "Later", the row shows the check mark.
    w.state.setAccessibilityGranted(true);
    QVERIFY(view.accessibilityRow()->isAllowed());
    QCOMPARE(view.footerButton()->text(), QStringLiteral("Later"));

    w.capabilities.microphone = {true, {}};
    w.clock.advance(1000);
    QVERIFY(view.microphoneRow()->isAllowed());
    QCOMPARE(view.footerButton()->text(), QStringLiteral("Done"));
    QCOMPARE(view.footerButton()->variant(), ButtonVariant::Primary);
    // It waits for the user, however long.
    w.clock.advance(60000);
    QCOMPARE(w.done, 0);
    QVERIFY(view.isVisible());

    // The hidden button let go of the focus; Return is "Done" from anywhere.
    QVERIFY(!soundSettings->isVisible());
    QCOMPARE(QApplication::focusWidget(), &view);
    QTest::keyClick(&view, Qt::Key_Return);
    QCOMPARE(w.done, 1);
}

void TestPermissionsAgain::laterCloses()
{
    Window w;
    w.state.setAccessibilityGranted(false);
    PermissionsAgainView& view = w.open();
    QTest::mouseClick(view.footerButton(), Qt::LeftButton);
    QCOMPARE(w.done, 1);

    // Reached by Tab, "Later" answers Return as any focused button does.
    QVERIFY(QTest::qWaitForWindowActive(&view));
    view.footerButton()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(w.done, 2);
}

QTEST_MAIN(TestPermissionsAgain)
#include "TestPermissionsAgain.moc"
