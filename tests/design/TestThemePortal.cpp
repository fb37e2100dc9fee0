#include "FakePortalProcess.h"
#include "PrivateBus.h"

#include "design/Theme.h"
#include "platform/DesktopColorScheme.h"
#include "shell/DesktopTheme.h"

#include <QDBusConnection>
#include <QSignalSpy>
#include <QtTest>

namespace {

// The fake portal process, started with a colour scheme and stopped on exit.
class Portal final {
public:
    explicit Portal(uint scheme)
        : m_process(QStringLiteral(KESTO_FAKE_PORTAL), {QString::number(scheme)})
    {
    }
    bool ready() const { return m_process.ready(); }
    void change(const QString& group, const QString& key, uint value) { m_process.change(group, key, QString::number(value)); }

private:
    FakePortalProcess m_process;
};

const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString colorScheme = QStringLiteral("color-scheme");

} // namespace

class TestThemePortal final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_bus.started() && QDBusConnection::sessionBus().isConnected(), "no bus of its own");
    }
    void lightWithoutPortal();
    void cleanup();
    void readsTheSchemeAtStart();
    void autoStartsDarkOnADarkDesktop();
    void autoFollowsThePortal();

private:
    PrivateBus m_bus;
};

void TestThemePortal::lightWithoutPortal()
{
    QString error;
    const auto none = DesktopColorScheme::create(&error);
    QVERIFY(!none->prefersDark());
    QVERIFY(error.startsWith(QLatin1String("no desktop colour scheme")));
}

void TestThemePortal::readsTheSchemeAtStart()
{
    {
        Portal portal(1);
        QVERIFY(portal.ready());
        QString error;
        const auto scheme = DesktopColorScheme::create(&error);
        QVERIFY(scheme->prefersDark());
        QVERIFY(error.isEmpty());
    }
    Portal portal(2); // "prefer light"
    QVERIFY(portal.ready());
    QVERIFY(!DesktopColorScheme::create()->prefersDark());
}

void TestThemePortal::cleanup()
{
    Theme::instance().setMode(Theme::Mode::Light);
    Theme::instance().setDesktopPrefersDark(false);
}

void TestThemePortal::autoStartsDarkOnADarkDesktop()
{
    Portal portal(1);
    QVERIFY(portal.ready());
    DesktopTheme desktop;
    // Not asked while the theme is fixed.
    QVERIFY(!Theme::instance().desktopPrefersDark());
    Theme::instance().setMode(Theme::Mode::Auto);
    QVERIFY(Theme::instance().isDark());
}

void TestThemePortal::autoFollowsThePortal()
{
    Portal portal(0);
    QVERIFY(portal.ready());
    DesktopTheme desktop;
    QSignalSpy changed(&Theme::instance(), &Theme::changed);
    Theme::instance().setMode(Theme::Mode::Auto);
    QVERIFY(!Theme::instance().isDark());
    QCOMPARE(changed.count(), 1);

    portal.change(appearance, colorScheme, 1);
    QTRY_VERIFY(Theme::instance().isDark());
    QCOMPARE(changed.count(), 2);

    // Other settings change nothing; "prefer light" (2) makes it light.
    portal.change(QStringLiteral("org.gnome.desktop.interface"), colorScheme, 0);
    portal.change(appearance, QStringLiteral("accent-color"), 0);
    portal.change(appearance, colorScheme, 2);
    QTRY_VERIFY(!Theme::instance().isDark());
    QCOMPARE(changed.count(), 3);

    // A fixed mode ignores the desktop; back on auto it takes the latest word.
    Theme::instance().setMode(Theme::Mode::Light);
    portal.change(appearance, colorScheme, 1);
    QTest::qWait(200);
    QVERIFY(!Theme::instance().isDark());
    Theme::instance().setMode(Theme::Mode::Auto);
    QVERIFY(Theme::instance().isDark());
}

QTEST_MAIN(TestThemePortal)
#include "TestThemePortal.moc"
