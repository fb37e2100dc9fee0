#include "core/AppState.h"
#include "design/Onest.h"
#include "screens/HistoryScreen.h"
#include "shell/MainWindow.h"

#include "FakeClock.h"
#include "TempDataDir.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QtTest>

// The frameless main window on a real X server, driven with XTest: a control
// along an edge (History's scroll bar) has its whole width for the mouse and
// the wheel, and the edges away from controls still resize the window.
class TestMainWindowEdges final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void scrollBarAtTheEdgeScrollsAndEdgesResize();

private:
    static bool xdotool(const QStringList& arguments);
    // Presses at one point of the screen, moves by (dx, dy) in steps and releases.
    static bool drag(const QPoint& from, int dx, int dy);
};

void TestMainWindowEdges::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "DISPLAY is not set: start scripts/test-env");
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QStandardPaths::setTestModeEnabled(true);
    Onest::registerFaces();
}

bool TestMainWindowEdges::xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

bool TestMainWindowEdges::drag(const QPoint& from, int dx, int dy)
{
    const auto move = [](const QPoint& p) {
        const bool ok = xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())});
        QTest::qWait(30);
        return ok;
    };
    if (!move(from) || !xdotool({QStringLiteral("mousedown"), QStringLiteral("1")}))
        return false;
    QTest::qWait(30);
    for (int step = 1; step <= 4; ++step)
        if (!move(from + QPoint(dx * step / 4, dy * step / 4)))
            return false;
    const bool ok = xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
    QTest::qWait(50);
    return ok;
}

void TestMainWindowEdges::scrollBarAtTheEdgeScrollsAndEdgesResize()
{
    TempDataDir data;
    QFile::remove(MainWindow::settingsPath());
    FakeClock clock;
    AppState state(clock);
    QList<HistoryEntry> entries;
    for (int i = 0; i < 300; ++i) {
        HistoryEntry entry;
        entry.text = QStringLiteral("Entry %1, a line of dictated text to fill the card.").arg(i);
        entry.date = clock.now().addSecs(-i * 600);
        entries << entry;
    }
    state.updateHistory([&entries](History& history) { history.entries = entries; });
    MainWindow window(state, state.actions());
    window.resize(1000, 700);
    window.move(40, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(100);

    auto* history = qobject_cast<HistoryScreen*>(window.view()->screen());
    QVERIFY(history);
    QScrollBar* bar = history->list()->verticalScrollBar();
    QVERIFY(bar->isVisible() && bar->maximum() > 0);
    const QPoint barTopRight = bar->mapTo(&window, QPoint(bar->width() - 1, 0));
    QCOMPARE(barTopRight.x(), window.width() - 1);

    // The thumb, grabbed at its rightmost pixel column (the window's last).
    const QPoint thumb = window.mapToGlobal(QPoint(window.width() - 1, barTopRight.y() + 20));
    QVERIFY(window.resizeEdges(window.mapFromGlobal(thumb)) == Qt::Edges());
    QVERIFY(drag(thumb, 0, 200));
    QTRY_VERIFY(bar->value() > 0);
    QCOMPARE(window.size(), QSize(1000, 700));

    // The wheel over that column scrolls the list as well.
    const int afterDrag = bar->value();
    QVERIFY(xdotool({QStringLiteral("mousemove"), QString::number(thumb.x()), QString::number(thumb.y() + 300)}));
    QVERIFY(xdotool({QStringLiteral("click"), QStringLiteral("5")}));
    QTRY_VERIFY(bar->value() > afterDrag);
    QCOMPARE(window.size(), QSize(1000, 700));

    // The right edge beside the header, where no control is, resizes.
    const QPoint edge = window.mapToGlobal(QPoint(window.width() - 1, MainWindow::headerHeight + 10));
    QCOMPARE(window.resizeEdges(window.mapFromGlobal(edge)), Qt::Edges(Qt::RightEdge));
    QVERIFY(drag(edge, 80, 0));
    QTRY_COMPARE(window.width(), 1080);
    QCOMPARE(window.height(), 700);

    // The bottom edge, over the list, too; never below the smallest size.
    const QPoint bottom = window.mapToGlobal(QPoint(window.width() / 2, window.height() - 1));
    QCOMPARE(window.resizeEdges(window.mapFromGlobal(bottom)), Qt::Edges(Qt::BottomEdge));
    QVERIFY(drag(bottom, 0, -200));
    QTRY_COMPARE(window.height(), MainWindow::smallestSize.height());
    window.close();
    QFile::remove(MainWindow::settingsPath());
}

QTEST_MAIN(TestMainWindowEdges)
#include "TestMainWindowEdges.moc"
