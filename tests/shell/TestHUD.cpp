#include "FakeClock.h"
#include "TempDataDir.h"

#include "core/AppState.h"
#include "design/Onest.h"
#include "design/Palette.h"
#include "shell/HUDPanel.h"
#include "shell/HUDView.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

// The pill on the offscreen platform: each kind's size and colours, the
// width following the row, the remembered position, click versus drag, the
// mask without a compositor, and a picture of every state in the gallery.
class TestHUD final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void kinds_data();
    void kinds();
    void widthGrowsAtOnceAndShrinksLater();
    void defaultAndSavedPosition();
    void clickAndDrag();
    void buttonsOfTheListeningPill();
    void maskWithoutCompositor();
    void shortMessage_data();
    void shortMessage();
    void toolTips();

private:
    void setKind(HUDView::Kind kind);
    QImage capture() const;

    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<HUDPanel> m_panel;
    int m_toggles = 0;
    int m_submits = 0;
    int m_cancels = 0;
};

namespace {

bool near(const QColor& a, const QColor& b, int tolerance = 6)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance;
}

bool contains(const QImage& image, const QColor& colour, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y).alpha() > 240 && near(image.pixelColor(x, y), colour))
                return true;
    return false;
}

} // namespace

void TestHUD::initTestCase()
{
    Onest::registerFaces();
}

void TestHUD::init()
{
    m_data = std::make_unique<TempDataDir>();
    m_clock = std::make_unique<FakeClock>();
    m_state = std::make_unique<AppState>(*m_clock);
    m_state->setAccessibilityGranted(true);
    m_toggles = m_submits = m_cancels = 0;
    m_panel = std::make_unique<HUDPanel>(
        *m_state, [this] { ++m_toggles; }, [this] { ++m_submits; }, [this] { ++m_cancels; }, *m_clock);
    m_panel->setComposited(true);
    m_panel->restorePosition(m_state->config());
    m_panel->orderFront();
    QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
}

void TestHUD::cleanup()
{
    m_panel.reset();
    m_state.reset();
    m_clock.reset();
    m_data.reset();
}

void TestHUD::setKind(HUDView::Kind kind)
{
    m_state->setDoneText(std::nullopt);
    m_state->setMessage(QString());
    switch (kind) {
    case HUDView::Kind::idle:
        m_state->setPhase(Phase::idle);
        break;
    case HUDView::Kind::listening:
        m_state->setRecordingStarted(m_clock->now().addSecs(-7));
        m_state->setPhase(Phase::recording);
        m_state->setLevel(0.9);
        break;
    case HUDView::Kind::thinking:
        m_state->setPhase(Phase::working);
        m_state->setProcessingStage(DictationStage::transcribing, m_clock->now());
        break;
    case HUDView::Kind::done:
        m_state->setPhase(Phase::idle);
        m_state->setDoneText(QStringLiteral("Notes \u00B7 12 words"));
        break;
    case HUDView::Kind::failed:
        m_state->setMessage(QStringLiteral("Gemini could not be reached. Try again from History."));
        m_state->setPhase(Phase::failed);
        break;
    }
    m_panel->applyLayout();
    // The width report reaches the panel through the event loop; a shrink
    // waits on the clock.
    QCoreApplication::processEvents();
    m_clock->advance(HUDPanel::shrinkDelayMs);
    QCoreApplication::processEvents();
}

QImage TestHUD::capture() const
{
    return m_panel->view()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

void TestHUD::kinds_data()
{
    QTest::addColumn<HUDView::Kind>("kind");
    QTest::addColumn<QString>("name");
    QTest::newRow("idle") << HUDView::Kind::idle << "idle";
    QTest::newRow("listening") << HUDView::Kind::listening << "listening";
    QTest::newRow("thinking") << HUDView::Kind::thinking << "thinking";
    QTest::newRow("done") << HUDView::Kind::done << "done";
    QTest::newRow("failed") << HUDView::Kind::failed << "failed";
}

void TestHUD::kinds()
{
    QFETCH(HUDView::Kind, kind);
    QFETCH(QString, name);
    setKind(kind);
    HUDView* view = m_panel->view();
    QCOMPARE(view->kind(), kind);
    QCOMPARE(m_panel->geometry().height(), 52);
    // The frame is rounded outward to whole pixels around the anchor.
    QVERIFY(m_panel->width() - view->rowWidth(kind) <= 1 && m_panel->width() >= view->rowWidth(kind));
    QCOMPARE(view->capsuleWidth(), qreal(view->rowWidth(kind)));

    const QImage image = capture();
    const QString gallery = qEnvironmentVariable("KESTO_GALLERY_DIR");
    if (!gallery.isEmpty()) {
        QDir().mkpath(gallery);
        QVERIFY(image.save(QDir(gallery).filePath(QStringLiteral("hud-%1.png").arg(name))));
    }

    const int mid = image.height() / 2;
    const int dpr = int(image.devicePixelRatio());
    // The capsule's border, then its card fill just inside.
    QVERIFY(near(image.pixelColor(image.width() / 2, 0), Palette::borderDefault.color(), 12));
    QVERIFY(near(image.pixelColor(image.width() / 2, 3 * dpr), Palette::surfaceCard.color()));
    // The corners outside the capsule stay transparent.
    QCOMPARE(image.pixelColor(0, 0).alpha(), 0);

    const QRect row = image.rect().adjusted(0, 4, 0, -4);
    switch (kind) {
    case HUDView::Kind::idle:
        QCOMPARE(view->rowWidth(kind), 52);
        QVERIFY(contains(image, Palette::textBody.color(), row));
        break;
    case HUDView::Kind::listening: {
        // The red dot 17 from the left edge, the brand bars, the two buttons.
        QVERIFY(near(image.pixelColor(22 * dpr, mid), Palette::red600.color()));
        QVERIFY(contains(image, Palette::brand.color(), row.adjusted(100, 0, -100, 0)));
        QVERIFY(view->cancelButton()->isVisible());
        QVERIFY(view->stopButton()->isVisible());
        QVERIFY(qAbs(view->stopButton()->geometry().right() + 1 - (m_panel->width() - 9)) <= 1);
        QCOMPARE(view->stopButton()->size(), QSize(36, 36));
        QCOMPARE(view->cancelButton()->size(), QSize(34, 34));
        break;
    }
    case HUDView::Kind::thinking:
        QVERIFY(contains(image, Palette::purple600.color(), row));
        QVERIFY(!view->cancelButton()->isVisible());
        break;
    case HUDView::Kind::done:
        QVERIFY(contains(image, Palette::green600.color(), row));
        QVERIFY(contains(image, Palette::textPrimary.color(), row));
        break;
    case HUDView::Kind::failed:
        QVERIFY(contains(image, Palette::amber600.color(), row));
        break;
    }
}

void TestHUD::widthGrowsAtOnceAndShrinksLater()
{
    m_state->setRecordingStarted(m_clock->now());
    m_state->setPhase(Phase::recording);
    QCoreApplication::processEvents();
    const int wide = m_panel->width();
    QVERIFY(wide - m_panel->view()->rowWidth(HUDView::Kind::listening) <= 1);

    m_state->setPhase(Phase::idle);
    QCoreApplication::processEvents();
    m_clock->advance(HUDPanel::shrinkDelayMs - 10);
    QCOMPARE(m_panel->width(), wide);
    m_clock->advance(10);
    QCOMPARE(m_panel->width(), 52);
}

void TestHUD::defaultAndSavedPosition()
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(m_panel->geometry().bottom() + 1, available.bottom() + 1 - 24);
    QCOMPARE(m_panel->geometry().center().x() + 1, available.center().x() + 1);

    // A saved anchor near the right edge: the wide pill is pushed inside.
    Config config = m_state->config();
    config.hudX = available.right() - 10.0;
    config.hudY = 300.0;
    m_panel->restorePosition(config);
    QCOMPARE(m_panel->geometry().bottom() + 1, 300);
    setKind(HUDView::Kind::listening);
    QCOMPARE(m_panel->geometry().right(), available.right());

    // Only one coordinate saved: the default spot.
    config.hudY.reset();
    m_panel->restorePosition(config);
    QCOMPARE(m_panel->geometry().bottom() + 1, available.bottom() + 1 - 24);
}

void TestHUD::clickAndDrag()
{
    HUDView* view = m_panel->view();
    QSignalSpy moved(m_panel.get(), &HUDPanel::moved);
    const QPoint centre = view->rect().center();

    // A wobble of 2 px is still a click.
    QTest::mousePress(view, Qt::LeftButton, {}, centre);
    QTest::mouseMove(view, centre + QPoint(2, 0));
    QTest::mouseRelease(view, Qt::LeftButton, {}, centre + QPoint(2, 0));
    QCOMPARE(m_toggles, 1);

    // Moving 3 px or more drags the window and is never a click.
    const QPoint start = m_panel->pos();
    QTest::mousePress(view, Qt::LeftButton, {}, centre);
    QMouseEvent move(QEvent::MouseMove, QPointF(centre), view->mapToGlobal(QPointF(centre + QPoint(40, -30))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(centre), view->mapToGlobal(QPointF(centre + QPoint(40, -30))),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &release);
    QCOMPARE(m_toggles, 1);
    QCOMPARE(m_panel->pos(), start + QPoint(40, -30));
    QVERIFY(moved.count() > 0);
    const QRect frame = m_panel->geometry();
    QCOMPARE(*m_panel->anchor(), QPointF(frame.x() + frame.width() / 2.0, frame.y() + frame.height()));

    // Listening, thinking and done pills take no click.
    setKind(HUDView::Kind::thinking);
    QTest::mouseClick(view, Qt::LeftButton, {}, view->rect().center());
    QCOMPARE(m_toggles, 1);
    setKind(HUDView::Kind::failed);
    QTest::mouseClick(view, Qt::LeftButton, {}, view->rect().center());
    QCOMPARE(m_toggles, 2);
}

void TestHUD::buttonsOfTheListeningPill()
{
    setKind(HUDView::Kind::listening);
    HUDView* view = m_panel->view();
    QTest::mouseClick(view->cancelButton(), Qt::LeftButton);
    QTest::mouseClick(view->stopButton(), Qt::LeftButton);
    QCOMPARE(m_cancels, 1);
    QCOMPARE(m_submits, 1);
    QCOMPARE(m_toggles, 0);
    QCOMPARE(view->cancelButton()->toolTip(), QStringLiteral("Cancel (Esc)"));
    QCOMPARE(view->stopButton()->toolTip(), QStringLiteral("Stop"));
}

void TestHUD::maskWithoutCompositor()
{
    QVERIFY(m_panel->mask().isEmpty());
    QVERIFY(m_panel->shadowWindow()->isVisible());
    m_panel->setComposited(false);
    QVERIFY(!m_panel->shadowWindow()->isVisible());
    setKind(HUDView::Kind::done);
    const QRegion mask = m_panel->mask();
    QVERIFY(!mask.isEmpty());
    QVERIFY(mask.contains(QPoint(m_panel->width() / 2, 26)));
    QVERIFY(!mask.contains(QPoint(0, 0)));
    QVERIFY(!mask.contains(QPoint(m_panel->width() - 1, 51)));
}

void TestHUD::shortMessage_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("two sentences") << "The key is wrong. Check it in Settings." << "The key is wrong";
    QTest::newRow("blank") << "  \n " << "Something went wrong";
    QTest::newRow("forty characters") << QString(40, QLatin1Char('a')) << QString(40, QLatin1Char('a'));
    QTest::newRow("cut at a late space")
        << "Gemini answered with something unexpected here" << QString("Gemini answered with something") + QChar(0x2026);
    QTest::newRow("no late space")
        << "Short " + QString(50, QLatin1Char('b')) << "Short " + QString(34, QLatin1Char('b')) + QChar(0x2026);
    QTest::newRow("decimal point stays") << "Version 2.5 failed" << "Version 2.5 failed";
}

void TestHUD::shortMessage()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(HUDView::shortMessage(message), shown);
}

void TestHUD::toolTips()
{
    Config config;
    QCOMPARE(HUDView::idleToolTip(config), QStringLiteral("Click to record, or hold Ctrl + Super"));
    config.hotkeyMode = HotkeyMode::toggle;
    config.hotkey = HotkeyKind::rightCommand;
    QCOMPARE(HUDView::idleToolTip(config), QStringLiteral("Click to record, or press Right Alt"));
    setKind(HUDView::Kind::failed);
    QCOMPARE(m_panel->view()->toolTip(), QStringLiteral("Gemini could not be reached. Try again from History."));
    m_state->setMessage(QString());
    QCOMPARE(m_panel->view()->toolTip(), QStringLiteral("Something went wrong"));
}

QTEST_MAIN(TestHUD)
#include "TestHUD.moc"
