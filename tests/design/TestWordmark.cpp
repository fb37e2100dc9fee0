#include "design/Onest.h"
#include "design/components/TrafficLights.h"
#include "design/components/Wordmark.h"

#include <QFontMetricsF>
#include <QSignalSpy>
#include <QtTest>

class TestWordmark final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void measuresFollowTheSize();
    void tileIsBlueWithWhiteText();
    void trafficLights();
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

QTEST_MAIN(TestWordmark)
#include "TestWordmark.moc"
