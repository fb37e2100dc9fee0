#include "AppLog.h"
#include "AppProcess.h"
#include "ScreenWindows.h"

#include "design/Palette.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

// The built application on the test X server, in the dark theme: resting the
// pointer on the floating pill brings up its tooltip, drawn in the
// application's own colours rather than Qt's stock pale yellow.
class TestPillToolTip final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void toolTipShowsOnHoverInTheTheme();

private:
    using Window = ScreenWindows::Window;

    static bool xdotool(const QStringList& arguments);

    QTemporaryDir m_data;
    QTemporaryDir m_config;
    QProcess m_app;
};

namespace {

bool near(const QColor& a, const QColor& b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

} // namespace

void TestPillToolTip::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "DISPLAY is not set: start scripts/test-env");
    QVERIFY2(!qEnvironmentVariableIsEmpty("KESTO_APP"), "KESTO_APP names the application");
}

void TestPillToolTip::cleanup()
{
    QVERIFY2(AppProcess::stop(m_app), qPrintable(AppProcess::ending(m_app)));
}

bool TestPillToolTip::xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

void TestPillToolTip::toolTipShowsOnHoverInTheTheme()
{
    // Set up and granted: the pill is the only thing on screen.
    QFile config(m_data.filePath(QStringLiteral("config.json")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(R"({"onboardingDone": true, "apiKey": "test-key", "theme": "dark", "hudVisible": true})");
    config.close();

    QProcessEnvironment env = AppProcess::environment(m_data.path(), QStringLiteral("http://127.0.0.1:9"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
    QVERIFY(AppProcess::start(m_app, env));
    QVERIFY2(AppLog::waitFor(m_data.path(), QStringLiteral("ready"), 20000), qPrintable(AppLog::read(m_data.path())));

    // The pill is the smallest of its windows; its shadow lies around it.
    Window pill;
    QTRY_VERIFY_WITH_TIMEOUT(!ScreenWindows::ofProcess(m_app.processId()).isEmpty(), 10000);
    const QList<Window> before = ScreenWindows::ofProcess(m_app.processId());
    for (const Window& window : before) {
        if (pill.id.isEmpty() || window.frame.width() * window.frame.height() < pill.frame.width() * pill.frame.height())
            pill = window;
    }
    const QPoint middle = pill.frame.center();
    QVERIFY(xdotool({QStringLiteral("mousemove"), QString::number(middle.x() - 3), QString::number(middle.y())}));
    QTest::qWait(100);
    QVERIFY(xdotool({QStringLiteral("mousemove"), QString::number(middle.x()), QString::number(middle.y())}));

    // The tooltip is a window of its own that was not there before.
    Window tip;
    QElapsedTimer waited;
    waited.start();
    while (tip.id.isEmpty() && waited.elapsed() < 10000) {
        for (const Window& window : ScreenWindows::ofProcess(m_app.processId())) {
            const bool known = std::any_of(before.begin(), before.end(), [&](const Window& w) { return w.id == window.id; });
            // Beside the pointer and a line or two high: a window that opens
            // late elsewhere is no tooltip.
            const QRect nearPointer = QRect(middle, QSize(1, 1)).adjusted(-200, -120, 200, 120);
            if (!known && window.frame.height() < 80 && nearPointer.intersects(window.frame))
                tip = window;
        }
        if (tip.id.isEmpty())
            QTest::qWait(100);
    }
    QVERIFY2(!tip.id.isEmpty(), "no tooltip came up over the pill");
    QTest::qWait(300);
    const QImage shown = QGuiApplication::primaryScreen()
                             ->grabWindow(0, tip.frame.x(), tip.frame.y(), tip.frame.width(), tip.frame.height())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    // For a person to look at, beside the gallery.
    const QString folder = qEnvironmentVariable("KESTO_PICTURE_DIR");
    if (!folder.isEmpty() && QDir().mkpath(folder))
        QVERIFY(shown.save(QDir(folder).filePath(QStringLiteral("pill-tooltip-dark@1x.png"))));

    // Filled with the dark card colour, edged with the theme's border, and
    // lettered in its light text colour.
    const QColor card = Palette::surfaceCard.resolve(true);
    int filled = 0;
    int lettered = 0;
    for (int y = 2; y < shown.height() - 2; ++y) {
        for (int x = 2; x < shown.width() - 2; ++x) {
            const QColor pixel = shown.pixelColor(x, y);
            filled += near(pixel, card, 2);
            lettered += pixel.lightness() > 160;
        }
    }
    const int inside = (shown.width() - 4) * (shown.height() - 4);
    QVERIFY2(filled > inside / 2, qPrintable(QStringLiteral("%1 of %2 pixels in the card colour").arg(filled).arg(inside)));
    QVERIFY2(lettered > 20, qPrintable(QString::number(lettered)));
    QVERIFY(near(shown.pixelColor(0, shown.height() / 2), Palette::borderStrong.resolve(true), 2));
}

QTEST_MAIN(TestPillToolTip)
#include "TestPillToolTip.moc"
