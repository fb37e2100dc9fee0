#include "design/Onest.h"
#include "design/Theme.h"
#include "shell/UpdateWindow.h"

#include "../screens/ScreenPicture.h"

#include <QtTest>

Q_DECLARE_METATYPE(UpdateWindowState)

// The update window in every state, light and dark, saved under
// KESTO_GALLERY_DIR for a person to look at.
class TestUpdateGallery final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Onest::registerFaces(); }
    void cleanupTestCase() { Theme::instance().setMode(Theme::Mode::Light); }
    void states_data();
    void states();
};

using Stage = UpdateWindowState::Stage;

void TestUpdateGallery::states_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("name");
    QTest::addColumn<UpdateWindowState>("state");
    UpdateWindowState base;
    base.runningVersion = QStringLiteral("1.0.0");
    base.newVersion = QStringLiteral("1.2.0");
    base.notes = QStringLiteral(
        "Transcripts arrive sooner: the recording is sent while you are still speaking.\n\n"
        "The phone link finds the computer again after the network changes.\n\n"
        "<b>Markup</b> in release notes is shown as text.\n\n"
        "Many smaller fixes to the pill, History and the settings.");
    base.total = 18'400'000;
    auto with = [&base](Stage stage, qint64 received = 0, const QString& error = {}) {
        UpdateWindowState state = base;
        state.stage = stage;
        state.received = received;
        state.error = error;
        return state;
    };
    auto kept = [&with](bool packaged) {
        UpdateWindowState state = with(Stage::kept);
        state.keptFile = QStringLiteral("/home/someone/Downloads/kesto-viruz-1.2.0.zip");
        state.packageManaged = packaged;
        return state;
    };
    const QList<std::pair<QString, UpdateWindowState>> states{
        {QStringLiteral("checking"), with(Stage::checking)},
        {QStringLiteral("up-to-date"), with(Stage::upToDate)},
        {QStringLiteral("available"), with(Stage::available)},
        {QStringLiteral("downloading"), with(Stage::downloading, 7'300'000)},
        {QStringLiteral("verifying"), with(Stage::verifying, 18'400'000)},
        {QStringLiteral("installing"), with(Stage::installing, 18'400'000)},
        {QStringLiteral("kept"), kept(false)},
        {QStringLiteral("kept-not-replaced"),
         [&kept] {
             UpdateWindowState state = kept(false);
             state.error = QStringLiteral("The update could not replace share/applications/kesto-viruz.desktop. The "
                                          "previous version was put back as it was.");
             return state;
         }()},
        {QStringLiteral("kept-packaged"), kept(true)},
        {QStringLiteral("check-failed"),
         with(Stage::checkFailed, 0, QStringLiteral("Could not reach the update server. Try again later."))},
        {QStringLiteral("error"),
         with(Stage::failed, 0,
              QStringLiteral("The downloaded update is damaged or was not signed by Kesto Viruz. It was deleted and "
                             "nothing was installed."))},
    };
    for (bool dark : {false, true}) {
        for (const auto& [name, state] : states)
            QTest::addRow("%s-%s", qPrintable(name), dark ? "dark" : "light") << dark << name << state;
    }
}

void TestUpdateGallery::states()
{
    QFETCH(bool, dark);
    QFETCH(QString, name);
    QFETCH(UpdateWindowState, state);
    Theme::instance().setMode(dark ? Theme::Mode::Dark : Theme::Mode::Light);
    auto* window = new UpdateWindow;
    window->display(state);
    const QSize size = window->size();
    QVERIFY(!ScreenPicture::save(window, QStringLiteral("update-") + name, size).isEmpty());
}

QTEST_MAIN(TestUpdateGallery)
#include "TestUpdateGallery.moc"
