#include "core/L10n.h"
#include "design/Onest.h"
#include "design/components/TrafficLights.h"
#include "design/components/Wordmark.h"

#include <QFontMetricsF>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTextDocument>
#include <QToolTip>
#include <QtTest>

class TestWordmark final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void measuresFollowTheSize();
    void tileIsBlueWithWhiteText();
    void trafficLights();
    void trafficLightGlyphs_data();
    void trafficLightGlyphs();
};

void TestWordmark::measuresFollowTheSize()
{
    Wordmark mark(QStringLiteral("davud"), 20);
    mark.resize(mark.sizeHint());
    QCOMPARE(mark.accessibleName(), QStringLiteral("kesto davud"));
    QFont bold = Onest::font(20, QFont::Bold);
    bold.setLetterSpacing(QFont::AbsoluteSpacing, -0.4);
    const QFontMetricsF metrics(bold);
    const QRectF tile = mark.tileRect();
    // Gap 0.14 x 20 after the first word; padding 0.32 x 20 on each side.
    QVERIFY(qAbs(tile.left() - (metrics.horizontalAdvance(QStringLiteral("kesto")) + 2.8)) < 1e-6);
    QVERIFY(qAbs(tile.width() - (metrics.horizontalAdvance(QStringLiteral("davud")) + 12.8)) < 1e-6);
    QVERIFY(qAbs(tile.height() - 21.2) < 1e-6);

    Wordmark longer(QStringLiteral("davud davud"), 20);
    QVERIFY(longer.tileRect().width() > tile.width() + 30);
    QCOMPARE(longer.tileRect().left(), tile.left());
    Wordmark big(QStringLiteral("davud"), 40);
    QVERIFY(big.sizeHint().width() > 2 * mark.sizeHint().width() - 4);
}

void TestWordmark::tileIsBlueWithWhiteText()
{
    Wordmark mark(QStringLiteral("davud"), 20);
    mark.resize(mark.sizeHint());
    const QImage image = mark.grab().toImage();
    const QRectF tile = mark.tileRect();
    // Just inside the tile's left padding: logo blue; the text in it is white.
    QCOMPARE(image.pixelColor(int(tile.left()) + 3, int(tile.center().y())).name(), QStringLiteral("#2563eb"));
    bool white = false;
    for (int x = int(tile.left() + 6.4); x < int(tile.right() - 6.4) && !white; ++x)
        white = image.pixelColor(x, int(tile.center().y())) == Qt::white;
    QVERIFY(white);
}

void TestWordmark::trafficLights()
{
    TrafficLights lights;
    lights.resize(lights.sizeHint());
    QCOMPARE(lights.sizeHint(), QSize(52, 12));
    const QImage image = lights.grab().toImage();
    QCOMPARE(image.pixelColor(6, 6).name(), QStringLiteral("#ff5f57"));
    QCOMPARE(image.pixelColor(26, 6).name(), QStringLiteral("#febc2e"));
    QCOMPARE(image.pixelColor(46, 6).name(), QStringLiteral("#28c840"));

    QSignalSpy close(&lights, &TrafficLights::closeClicked);
    QSignalSpy minimize(&lights, &TrafficLights::minimizeClicked);
    QSignalSpy zoom(&lights, &TrafficLights::zoomClicked);
    QTest::mouseClick(&lights, Qt::LeftButton, {}, QPoint(6, 6));
    QTest::mouseClick(&lights, Qt::LeftButton, {}, QPoint(26, 6));
    QTest::mouseClick(&lights, Qt::LeftButton, {}, QPoint(46, 6));
    QCOMPARE(close.count(), 1);
    QCOMPARE(minimize.count(), 1);
    QCOMPARE(zoom.count(), 1);
}

void TestWordmark::trafficLightGlyphs_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("en") << QStringLiteral("en") << QStringList{"Close", "Minimize", "Maximize"};
    QTest::newRow("ru") << QStringLiteral("ru") << QStringList{"Закрыть", "Свернуть", "Развернуть"};
    QTest::newRow("uz") << QStringLiteral("uz") << QStringList{"Yopish", "Yig\u02BBish", "Yoyish"};
}

void TestWordmark::trafficLightGlyphs()
{
    QFETCH(QString, language);
    QFETCH(QStringList, names);
    L10n::install(language);
    const auto english = qScopeGuard([] { L10n::install(QStringLiteral("en")); });
    TrafficLights lights;
    lights.resize(lights.sizeHint());
    lights.show();
    lights.activateWindow();
    // Qt shows tooltips in the active window.
    QVERIFY(QTest::qWaitForWindowActive(&lights));

    // Plain dots until the pointer is over the group; then every dot shows
    // its glyph at its centre, not only the one under the pointer.
    QHoverEvent leave(QEvent::HoverLeave, QPointF(-1, -1), QPointF(-1, -1), QPointF(6, 6));
    QApplication::sendEvent(&lights, &leave);
    QVERIFY(!lights.glyphsShown());
    const QImage plain = lights.grab().toImage();
    QHoverEvent enter(QEvent::HoverEnter, QPointF(6, 6), lights.mapToGlobal(QPointF(6, 6)), QPointF(-1, -1));
    QApplication::sendEvent(&lights, &enter);
    QVERIFY(lights.glyphsShown());
    const QImage hovered = lights.grab().toImage();
    for (int i = 0; i < 3; ++i) {
        const QPoint centre = lights.dotRect(i).center().toPoint();
        QVERIFY2(hovered.pixelColor(centre) != plain.pixelColor(centre), qPrintable(QString::number(i)));
        QCOMPARE(hovered.pixelColor(centre.x() - 5, centre.y()).name(), plain.pixelColor(centre.x() - 5, centre.y()).name());
    }
    QApplication::sendEvent(&lights, &leave);
    QCOMPARE(lights.grab().toImage(), plain);

    // Each dot names its command.
    for (int i = 0; i < 3; ++i) {
        const QPoint centre = lights.dotRect(i).center().toPoint();
        QHelpEvent help(QEvent::ToolTip, centre, lights.mapToGlobal(centre));
        QApplication::sendEvent(&lights, &help);
        QTRY_VERIFY(QToolTip::isVisible());
        QTextDocument shown;
        shown.setHtml(QToolTip::text());
        QCOMPARE(shown.toPlainText(), names.at(i));
    }
    QToolTip::hideText();
}

QTEST_MAIN(TestWordmark)
#include "TestWordmark.moc"
