#include "FakeClock.h"
#include "GalleryFile.h"
#include "TempDataDir.h"

#include "core/AppState.h"
#include "design/Animation.h"
#include "design/Elevation.h"
#include "design/Onest.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "shell/HUDPanel.h"
#include "shell/HUDView.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTextDocument>
#include <QHelpEvent>
#include <QToolTip>
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
    void pictures_data();
    void pictures();
    void hoverLightsOnlyTheIdleCircle();
    void shadowLayerSurroundsThePill();
    void shadowResizesInStepWithThePill();
    void movesFromTheMomentItShows();
    void widthGrowsAtOnceAndShrinksLater();
    void narrowerReportsRestartTheShrink();
    void defaultAndSavedPosition();
    void clickAndDrag();
    void dropSnapsBackOnScreen();
    void hidingTakesTheShadowAlong();
    void buttonsOfTheListeningPill();
    void maskWithoutCompositor();
    void shortMessage_data();
    void shortMessage();
    void toolTips();
    void toolTipFollowsThePill();
    void stageSentencesOnWholeSeconds();
    void stillTranscribingNotice();

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

namespace {

// The colour at a point given in the widget's own units, at any scale.
QColor pixelAt(const QImage& image, qreal x, qreal y)
{
    return image.pixelColor(int(x * image.devicePixelRatio()), int(y * image.devicePixelRatio()));
}

} // namespace

void TestHUD::kinds_data()
{
    QTest::addColumn<HUDView::Kind>("kind");
    QTest::newRow("idle") << HUDView::Kind::idle;
    QTest::newRow("listening") << HUDView::Kind::listening;
    QTest::newRow("thinking") << HUDView::Kind::thinking;
    QTest::newRow("done") << HUDView::Kind::done;
    QTest::newRow("failed") << HUDView::Kind::failed;
}

void TestHUD::kinds()
{
    QFETCH(HUDView::Kind, kind);
    setKind(kind);
    HUDView* view = m_panel->view();
    QCOMPARE(view->kind(), kind);
    QCOMPARE(m_panel->geometry().height(), 52);
    // The frame is rounded outward to whole pixels around the anchor.
    QVERIFY(m_panel->width() - view->rowWidth(kind) <= 1 && m_panel->width() >= view->rowWidth(kind));
    QCOMPARE(view->capsuleWidth(), qreal(view->rowWidth(kind)));

    const QImage image = capture();

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

void TestHUD::pictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("dark");
    for (const bool dark : {false, true}) {
        for (const char* name : {"idle", "idle-hovered", "idle-no-access", "listening", "thinking", "done", "failed"})
            QTest::newRow(qPrintable(QString::fromLatin1(name) + (dark ? QStringLiteral(" dark") : QString())))
                << QString::fromLatin1(name) << dark;
    }
}

// The pill as the desktop shows it: its shadow window behind, the pill on
// top, over the window background, saved in the gallery for a person to see.
void TestHUD::pictures()
{
    QFETCH(QString, name);
    QFETCH(bool, dark);
    Theme::instance().setMode(dark ? Theme::Mode::Dark : Theme::Mode::Light);
    const QString kindName = name.section(u'-', 0, 0);
    const QList<std::pair<QString, HUDView::Kind>> kinds = {
        {QStringLiteral("idle"), HUDView::Kind::idle},         {QStringLiteral("listening"), HUDView::Kind::listening},
        {QStringLiteral("thinking"), HUDView::Kind::thinking}, {QStringLiteral("done"), HUDView::Kind::done},
        {QStringLiteral("failed"), HUDView::Kind::failed}};
    for (const auto& [key, kind] : kinds)
        if (key == kindName)
            setKind(kind);
    if (name == QLatin1String("idle-no-access"))
        m_state->setAccessibilityGranted(false);
    if (name == QLatin1String("idle-hovered")) {
        QEnterEvent enter(QPointF(26, 26), QPointF(26, 26), QPointF(26, 26));
        QCoreApplication::sendEvent(m_panel->view(), &enter);
    }

    const QImage shadow = m_panel->shadowWindow()->grab().toImage();
    const QImage pill = capture();
    const qreal ratio = shadow.devicePixelRatio();
    QImage picture(shadow.size(), QImage::Format_ARGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Palette::bgApp.color());
    {
        QPainter painter(&picture);
        painter.drawImage(0, 0, shadow);
        const QPoint offset = m_panel->geometry().topLeft() - m_panel->shadowWindow()->geometry().topLeft();
        painter.drawImage(offset, pill);
    }
    const QString gallery = qEnvironmentVariable("KESTO_GALLERY_DIR", QDir::temp().filePath(QStringLiteral("kesto-gallery")));
    QVERIFY(picture.save(GalleryFile::path(gallery, QStringLiteral("hud-%1-%2").arg(name, dark ? "dark" : "light"))));

    // Below the pill the shadow darkens the light background a little.
    const QColor under = picture.pixelColor(picture.width() / 2, picture.height() - int((48 - 6) * ratio));
    if (!dark)
        QVERIFY(qGray(under.rgb()) < qGray(Palette::bgApp.color().rgb()));
    // The row shows its mark: the microphone, crossed out without access.
    const QColor mark = name == QLatin1String("idle-no-access") ? Palette::textTertiary.color() : Palette::textBody.color();
    if (kindName == QLatin1String("idle"))
        QVERIFY(contains(pill, mark, pill.rect().adjusted(14, 14, -14, -14)));
    Theme::instance().setMode(Theme::Mode::Light);
}

void TestHUD::hoverLightsOnlyTheIdleCircle()
{
    HUDView* view = m_panel->view();
    QEnterEvent enter(QPointF(26, 26), QPointF(26, 26), QPointF(26, 26));
    QCoreApplication::sendEvent(view, &enter);
    QVERIFY(view->hovering());
    QVERIFY(near(pixelAt(capture(), 26, 8), Palette::surfaceHover.color()));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(view, &leave);
    QVERIFY(near(pixelAt(capture(), 26, 8), Palette::surfaceCard.color()));

    setKind(HUDView::Kind::done);
    QCoreApplication::sendEvent(view, &enter);
    QVERIFY(near(pixelAt(capture(), m_panel->view()->width() / 2.0, 8), Palette::surfaceCard.color()));
    // Back to the circle under a pointer that never left: lit again.
    setKind(HUDView::Kind::idle);
    QVERIFY(near(pixelAt(capture(), 26, 8), Palette::surfaceHover.color()));
}

void TestHUD::shadowLayerSurroundsThePill()
{
    setKind(HUDView::Kind::done);
    QWidget* shadow = m_panel->shadowWindow();
    // 32 to the left and right, 16 above, 48 below.
    QCOMPARE(shadow->geometry(), m_panel->geometry().adjusted(-32, -16, 32, 48));

    // Only the soft shadow of the capsule: no text, no icon.
    const QImage image = shadow->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QImage expected(image.size(), QImage::Format_ARGB32_Premultiplied);
    expected.setDevicePixelRatio(image.devicePixelRatio());
    expected.fill(Qt::transparent);
    {
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::Antialiasing);
        Shadow::paint(painter, m_panel->view()->capsuleRect().translated(32, 16), 26, Elevation::Lg);
    }
    QCOMPARE(image, expected.convertToFormat(QImage::Format_ARGB32));
    QVERIFY(pixelAt(image, shadow->width() / 2.0, 16 + 52 + 6).alpha() > 0);
    QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
}

void TestHUD::shadowResizesInStepWithThePill()
{
    Animation::setEnabled(true);
    const auto off = qScopeGuard([] { Animation::setEnabled(false); });
    HUDView* pill = m_panel->view();
    auto* shadow = m_panel->shadowWindow()->findChild<HUDView*>();
    QVERIFY(shadow);
    m_state->setDoneText(QStringLiteral("Notes \u00B7 12 words"));
    const qreal target = pill->rowWidth(HUDView::Kind::done);
    bool sawMiddle = false;
    QElapsedTimer waited;
    waited.start();
    while (pill->capsuleWidth() < target && waited.elapsed() < 5000) {
        QCOMPARE(shadow->capsuleWidth(), pill->capsuleWidth());
        sawMiddle = sawMiddle || pill->capsuleWidth() > 52;
        QTest::qWait(1);
    }
    QVERIFY(sawMiddle);
    QCOMPARE(shadow->capsuleWidth(), target);
}

// Turned on in the middle of a recording, the pill moves at once, not only
// at the next change of state; hidden, it stops.
void TestHUD::movesFromTheMomentItShows()
{
    Animation::setEnabled(true);
    const auto off = qScopeGuard([] { Animation::setEnabled(false); });
    HUDView pill(*m_state, HUDView::Layer::Content, *m_clock);
    pill.resize(400, 80);
    m_state->setRecordingStarted(m_clock->now());
    m_state->setPhase(AppState::Phase::recording);
    QVERIFY(!pill.isMoving());
    pill.show();
    QVERIFY(pill.isMoving());
    pill.hide();
    QVERIFY(!pill.isMoving());
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

void TestHUD::narrowerReportsRestartTheShrink()
{
    setKind(HUDView::Kind::listening);
    const int wide = m_panel->width();
    // Listening ends: the shrink to the idle circle waits...
    m_state->setPhase(Phase::idle);
    QCoreApplication::processEvents();
    m_clock->advance(200);
    QCOMPARE(m_panel->width(), wide);
    // ...and a narrower report within the wait starts it again, with the latest width.
    m_state->setDoneText(QStringLiteral("12 words"));
    QCoreApplication::processEvents();
    const int done = m_panel->view()->rowWidth(HUDView::Kind::done);
    QVERIFY(done < wide && done > 52);
    m_clock->advance(200);
    QCOMPARE(m_panel->width(), wide);
    m_clock->advance(60);
    QVERIFY(m_panel->width() - done <= 1 && m_panel->width() >= done);
    // A report as wide as the panel applies at once.
    m_state->setPhase(Phase::recording);
    QCoreApplication::processEvents();
    QCOMPARE(m_panel->width(), wide);
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

void TestHUD::dropSnapsBackOnScreen()
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    HUDView* view = m_panel->view();
    const QPoint centre = view->rect().center();
    QTest::mousePress(view, Qt::LeftButton, {}, centre);
    const QPointF far = view->mapToGlobal(QPointF(centre)) + QPointF(0, available.height());
    QMouseEvent move(QEvent::MouseMove, QPointF(centre), far, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &move);
    QVERIFY(m_panel->geometry().bottom() > available.bottom());
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(centre), far, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &release);
    QCOMPARE(m_toggles, 0);
    QCOMPARE(m_panel->geometry().bottom(), available.bottom());
    QCOMPARE(m_panel->geometry().center().x(), available.center().x());
}

void TestHUD::hidingTakesTheShadowAlong()
{
    QWidget* shadow = m_panel->shadowWindow();
    QVERIFY(shadow->isVisible());
    m_panel->orderOut();
    QVERIFY(!m_panel->isVisible());
    QVERIFY(!shadow->isVisible());
    m_panel->orderFront();
    QVERIFY(shadow->isVisible());
    QCOMPARE(shadow->geometry(), m_panel->geometry().adjusted(-32, -16, 32, 48));
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
    // Side by side, 12 apart, both centred on the pill's middle line.
    QCOMPARE(view->stopButton()->geometry().left() - view->cancelButton()->geometry().right() - 1, 12);
    QCOMPARE(view->cancelButton()->geometry().top(), (52 - 34) / 2);
    QCOMPARE(view->stopButton()->geometry().top(), (52 - 36) / 2);
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
    // The circle explains itself from the start, also to screen readers.
    const QString idle = HUDView::idleToolTip(m_state->config());
    QCOMPARE(m_panel->view()->toolTip(), idle);
    QCOMPARE(m_panel->view()->accessibleName(), idle);
    const auto shownToolTip = [this] {
        QTextDocument shown;
        shown.setHtml(m_panel->view()->toolTip());
        return shown.toPlainText();
    };
    setKind(HUDView::Kind::failed);
    QCOMPARE(shownToolTip(), QStringLiteral("Gemini could not be reached. Try again from History."));
    QCOMPARE(m_panel->view()->accessibleName(), QStringLiteral("Gemini could not be reached"));
    // A server's HTML page shows as its text, all of it, never rendered.
    const QString page = QStringLiteral("Gemini returned 502: <html><head><title>502 Bad Gateway</title></head><body>")
        + QStringLiteral("<p>Upstream timed out.</p>\n").repeated(40) + QStringLiteral("</body></html>");
    m_state->setMessage(page);
    QCOMPARE(shownToolTip(), page);
    m_state->setMessage(QString());
    QCOMPARE(m_panel->view()->toolTip(), QStringLiteral("Something went wrong"));
    m_state->setMessage(QStringLiteral("  \n "));
    QCOMPARE(m_panel->view()->toolTip(), QStringLiteral("Something went wrong"));
}

void TestHUD::toolTipFollowsThePill()
{
    setKind(HUDView::Kind::failed);
    m_state->setMessage(QStringLiteral("Gemini could not be reached: the connection was closed before an answer came. "
                                       "The recording is kept in History; try again from there when you are online."));
    HUDView* view = m_panel->view();
    const QPoint at = view->capsuleRect().center().toPoint();
    QHelpEvent help(QEvent::ToolTip, at, view->mapToGlobal(at));
    QApplication::sendEvent(view, &help);
    QTRY_VERIFY(view->shownToolTip());
    QWidget* tip = view->shownToolTip();
    // Clear of the capsule and its text, in lines of a readable width.
    const QRect capsule(view->mapToGlobal(view->capsuleRect().topLeft().toPoint()), view->capsuleRect().size().toSize());
    QVERIFY2(!tip->geometry().intersects(capsule),
             qPrintable(QStringLiteral("tip %1,%2 %3x%4 over the capsule at %5,%6 %7x%8")
                            .arg(tip->x()).arg(tip->y()).arg(tip->width()).arg(tip->height())
                            .arg(capsule.x()).arg(capsule.y()).arg(capsule.width()).arg(capsule.height())));
    QVERIFY2(tip->width() >= 300, qPrintable(QString::number(tip->width())));
    QVERIFY(tip->height() < tip->width());

    // The failure over, its text goes with it.
    setKind(HUDView::Kind::idle);
    QVERIFY(!QToolTip::isVisible() || QToolTip::text() == view->toolTip());
    QToolTip::hideText();
}

void TestHUD::stageSentencesOnWholeSeconds()
{
    // The stage began 300 ms before the pill learns of it; its sentences
    // change at 4 s and 8 s after that start, not a tick of the pill later.
    const QDateTime started = m_clock->now().addMSecs(-300);
    m_state->setPhase(Phase::working);
    m_state->setProcessingStage(DictationStage::transcribing, started);
    const HUDView* view = m_panel->view();
    QCOMPARE(view->accessibleName(), QStringLiteral("Turning speech into text\u2026"));
    m_clock->advance(3699);
    QCOMPARE(view->accessibleName(), QStringLiteral("Turning speech into text\u2026"));
    m_clock->advance(1);
    QCOMPARE(view->accessibleName(), QStringLiteral("Waiting for the transcript\u2026"));
    m_clock->advance(3999);
    QCOMPARE(view->accessibleName(), QStringLiteral("Waiting for the transcript\u2026"));
    m_clock->advance(1);
    QCOMPARE(view->accessibleName(), QStringLiteral("Still processing your audio\u2026"));
    // A new stage starts its own sequence.
    m_state->setProcessingStage(DictationStage::retrying, m_clock->now());
    QCOMPARE(view->accessibleName(), QStringLiteral("Trying again\u2026"));
}

void TestHUD::stillTranscribingNotice()
{
    m_state->setPhase(Phase::working);
    const HUDView* view = m_panel->view();
    const QString stage = view->accessibleName();
    const int width = view->rowWidth(HUDView::Kind::thinking);
    m_state->setStillTranscribingNotice(true);
    QCOMPARE(view->accessibleName(), QStringLiteral("The last dictation is still being transcribed"));
    QVERIFY(view->rowWidth(HUDView::Kind::thinking) > width);
    m_state->setStillTranscribingNotice(false);
    QCOMPARE(view->accessibleName(), stage);
    // A new phase ends it.
    m_state->setStillTranscribingNotice(true);
    m_state->setPhase(Phase::idle);
    QVERIFY(!m_state->stillTranscribingNotice());
}

QTEST_MAIN(TestHUD)
#include "TestHUD.moc"
