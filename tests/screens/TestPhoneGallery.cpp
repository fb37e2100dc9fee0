#include "core/AppState.h"
#include "core/L10n.h"
#include "design/Onest.h"
#include "design/Theme.h"
#include "screens/PhoneScreen.h"

#include "FakeClock.h"
#include "ScreenPicture.h"
#include "TempDataDir.h"

#include <QtTest>

// The phone screen in each state of the link, light and dark.
class TestPhoneGallery final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        Onest::registerFaces();
        L10n::setInterfaceLanguage(QStringLiteral("en"));
    }
    void cleanup() { Theme::instance().setMode(Theme::Mode::Light); }
    void pictures_data();
    void pictures();
};

void TestPhoneGallery::pictures_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("state");
    for (bool dark : {false, true}) {
        for (const char* state : {"off", "starting", "waiting", "connected", "error"})
            QTest::addRow("%s %s", state, dark ? "dark" : "light") << dark << QString::fromLatin1(state);
    }
}

void TestPhoneGallery::pictures()
{
    QFETCH(bool, dark);
    QFETCH(QString, state);
    Theme::instance().setMode(dark ? Theme::Mode::Dark : Theme::Mode::Light);
    TempDataDir dir;
    FakeClock clock(QDateTime::currentDateTime());
    AppState app(clock);
    AppActions actions;
    app.updateConfig([&state](Config& c) { c.phoneServerEnabled = state != QStringLiteral("off"); });
    if (state == QStringLiteral("waiting") || state == QStringLiteral("connected"))
        app.setPhoneLinks({QStringLiteral("https://192.168.1.5:8443/?t=abcdefghijkmnpqr")}, {});
    if (state == QStringLiteral("connected"))
        app.setPhoneLastSeen(clock.now().addSecs(-3));
    if (state == QStringLiteral("error"))
        app.setPhoneError(QStringLiteral("The phone server could not start: port 8443 is already in use by another "
                                         "program. Close it or restart the computer, then turn the link on again."));
    if (state != QStringLiteral("off")) {
        app.updateHistory([&clock](History& h) {
            const QDateTime now = clock.now();
            auto phone = [](const QString& text, const QDateTime& date) {
                HistoryEntry e;
                e.text = text;
                e.source = QStringLiteral("phone");
                e.date = date;
                return e;
            };
            h.entries = {phone("Ertaga soat o'nda uchrashuvni unutmang, hujjatlarni ham olib keling.", now.addSecs(-600)),
                         phone("Buy milk, bread and\ncoffee on the way home", now.addDays(-1)),
                         phone("A very long transcript that will not fit on one line of the list, so it is cut at its "
                               "end with an ellipsis while the time stays whole at the right edge.",
                               now.addDays(-6))};
        });
    }
    auto* screen = new PhoneScreen(app, actions);
    QVERIFY(!ScreenPicture::save(screen, QStringLiteral("phone-") + state, QSize(1100, 900)).isEmpty());
}

QTEST_MAIN(TestPhoneGallery)
#include "TestPhoneGallery.moc"
