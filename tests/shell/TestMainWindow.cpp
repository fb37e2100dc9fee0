#include "core/AppState.h"
#include "design/Onest.h"
#include "design/Theme.h"
#include "design/components/TrafficLights.h"
#include "screens/Sidebar.h"
#include "shell/MainWindow.h"

#include "FakeClock.h"
#include "TempDataDir.h"

#include <QFile>
#include <QScreen>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

class TestMainWindow final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void firstOpeningIsCentredAtTheDefaultSize();
    void cannotShrinkBelowTheMinimum();
    void laterOpeningsRestoreTheFrame();
    void windowButtons();
    void themeSwitchRepaintsWithoutReopening();

private:
    std::unique_ptr<MainWindow> make();

    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<AppState> m_state;
};

void TestMainWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    Onest::registerFaces();
}

void TestMainWindow::init()
{
    QFile::remove(MainWindow::settingsPath());
    m_data = std::make_unique<TempDataDir>();
    m_clock = std::make_unique<FakeClock>();
    m_state = std::make_unique<AppState>(*m_clock);
}

void TestMainWindow::cleanup()
{
    Theme::instance().setMode(Theme::Mode::Light);
    m_state.reset();
    m_clock.reset();
    m_data.reset();
    QFile::remove(MainWindow::settingsPath());
}

std::unique_ptr<MainWindow> TestMainWindow::make()
{
    return std::make_unique<MainWindow>(*m_state, m_state->actions());
}

void TestMainWindow::firstOpeningIsCentredAtTheDefaultSize()
{
    auto window = make();
    QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(window->windowTitle(), QStringLiteral("Kesto Viruz"));
    QCOMPARE(window->size(), QSize(1200, 800));
    QCOMPARE(window->geometry().center(), QGuiApplication::primaryScreen()->availableGeometry().center());
    QCOMPARE(window->minimumSize(), QSize(960, 640));
}

void TestMainWindow::cannotShrinkBelowTheMinimum()
{
    auto window = make();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->resize(500, 300);
    QCOMPARE(window->size(), QSize(960, 640));
}

void TestMainWindow::laterOpeningsRestoreTheFrame()
{
    const QRect frame(120, 90, 1010, 720);
    {
        auto window = make();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->setGeometry(frame);
        window->close();
    }
    auto again = make();
    QCOMPARE(again->geometry(), frame);
}

void TestMainWindow::windowButtons()
{
    auto window = make();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    TrafficLights* lights = window->view()->sidebar()->trafficLights();
    QVERIFY(lights);
    // Centred in the 56-point header, 18 points from the left.
    const QPoint at = lights->mapTo(window.get(), QPoint(0, 0));
    QCOMPARE(at.x(), 18);
    QCOMPARE(at.y() + lights->height() / 2, 28);

    QTest::mouseClick(lights, Qt::LeftButton, {}, lights->dotRect(2).center().toPoint());
    QVERIFY(window->isMaximized());
    QTest::mouseClick(lights, Qt::LeftButton, {}, lights->dotRect(2).center().toPoint());
    QVERIFY(!window->isMaximized());
    QTest::mouseClick(lights, Qt::LeftButton, {}, lights->dotRect(0).center().toPoint());
    QVERIFY(!window->isVisible());
}

void TestMainWindow::themeSwitchRepaintsWithoutReopening()
{
    auto window = make();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    // A spot of bare window background, right of the History title.
    const QPoint spot(window->width() - 200, 10);
    QCOMPARE(window->grab().toImage().pixelColor(spot), QColor(0xF5F7FA));
    Theme::instance().setMode(Theme::Mode::Dark);
    QCOMPARE(window->grab().toImage().pixelColor(spot), QColor(0x0D1118));
    Theme::instance().setMode(Theme::Mode::Light);
    QCOMPARE(window->grab().toImage().pixelColor(spot), QColor(0xF5F7FA));
}

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
