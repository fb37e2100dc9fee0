#include "design/LevelWave.h"
#include "shell/StatusIcon.h"

#include <QPainter>
#include <QtTest>

class TestLevelDisplay final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void levelTarget_data();
    void levelTarget();
    void smootherRisesFastFallsSlowly();
    void smootherIgnoresGapsAndBackwardSteps();
    void barsBreatheAroundAQuarter();
    void stillBarsAndEmptyRow();
    void pulseRing();
    void elapsedCountsWholeSeconds();
    void mascotHasHolesAndStaysSharp();
};

void TestLevelDisplay::levelTarget_data()
{
    QTest::addColumn<double>("level");
    QTest::addColumn<double>("target");
    QTest::newRow("silence") << 0.0 << 0.0;
    QTest::newRow("threshold") << 0.2 << 0.0;
    QTest::newRow("middle") << 0.475 << 0.5;
    QTest::newRow("full from 0.75") << 0.75 << 1.0;
    QTest::newRow("above one") << 1.4 << 1.0;
    QTest::newRow("not a number") << std::nan("") << 0.0;
}

void TestLevelDisplay::levelTarget()
{
    QFETCH(double, level);
    QFETCH(double, target);
    QVERIFY(qAbs(LevelWave::target(level) - target) < 1e-9);
}

void TestLevelDisplay::smootherRisesFastFallsSlowly()
{
    LevelSmoother smoother;
    const QDateTime t0 = QDateTime::fromMSecsSinceEpoch(1'700'000'000'000);
    QCOMPARE(smoother.step(1.0, t0), 0.0); // the first step only starts the clock
    const double risen = smoother.step(1.0, t0.addMSecs(60));
    QVERIFY2(qAbs(risen - (1 - std::exp(-1.0))) < 1e-6, "about 63 % after one rising time constant");

    LevelSmoother falling;
    falling.step(1.0, t0);
    for (int i = 1; i <= 20; ++i)
        falling.step(1.0, t0.addMSecs(i * 100));
    const double top = falling.value();
    const double fell = falling.step(0.0, t0.addMSecs(2000 + 90));
    QVERIFY(qAbs(fell - top * std::exp(-0.09 / 0.18)) < 1e-6);
}

void TestLevelDisplay::smootherIgnoresGapsAndBackwardSteps()
{
    const QDateTime t0 = QDateTime::fromMSecsSinceEpoch(1'700'000'000'000);
    LevelSmoother gap;
    gap.step(1.0, t0);
    QVERIFY(qAbs(gap.step(1.0, t0.addSecs(5)) - (1 - std::exp(-0.1 / 0.06))) < 1e-6);

    LevelSmoother backwards;
    backwards.step(1.0, t0);
    QCOMPARE(backwards.step(1.0, t0.addMSecs(-500)), 0.0);
}

void TestLevelDisplay::barsBreatheAroundAQuarter()
{
    for (int i = 0; i < 14; ++i) {
        QCOMPARE(LevelWave::animatedFraction(i, 1234.567, 0.0), 0.25);
        for (double t = 0; t < 2; t += 0.137) {
            const double f = LevelWave::animatedFraction(i, t, 1.0);
            QVERIFY(f >= 0.25 - 1e-9 && f <= 1.0 + 1e-9);
        }
    }
    // Bar 0 at its period's middle is fully open; periods repeat every four bars.
    QVERIFY(qAbs(LevelWave::animatedFraction(0, 0.3, 1.0) - 1.0) < 1e-6);
    QVERIFY(qAbs(LevelWave::animatedFraction(1, 0.0, 1.0) - LevelWave::animatedFraction(5, -0.36, 1.0)) < 1e-6);
}

void TestLevelDisplay::stillBarsAndEmptyRow()
{
    QCOMPARE(LevelWave::stillFraction(0.1), 0.25);
    QCOMPARE(LevelWave::stillFraction(0.9), 1.0);
    const LevelWave hud(14, 3, 20, 3);
    QCOMPARE(hud.size(), QSizeF(14 * 3 + 13 * 3, 22));
    const LevelWave none(0, 3, 20, 3);
    QCOMPARE(none.size(), QSizeF(0, 22));

    QImage image(int(hud.size().width()), 22, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    hud.paintStill(painter, {0, 0}, Qt::blue, 0.0);
    painter.end();
    // A quiet bar is a quarter of 20 high, centred in the 22-high row.
    QCOMPARE(image.pixelColor(1, 11), QColor(Qt::blue));
    QCOMPARE(image.pixelColor(1, 4).alpha(), 0);
}

void TestLevelDisplay::pulseRing()
{
    const auto [startScale, startOpacity] = PulseDot::ring(0.0);
    QCOMPARE(startScale, 1.0);
    QCOMPARE(startOpacity, 0.55);
    const auto [endScale, endOpacity] = PulseDot::ring(1.3999);
    QVERIFY(endScale > 2.19 && endOpacity < 0.01);
    QCOMPARE(PulseDot::ring(1.4).first, 1.0);
}

void TestLevelDisplay::elapsedCountsWholeSeconds()
{
    const QDateTime start = QDateTime::fromMSecsSinceEpoch(1'700'000'000'000);
    QCOMPARE(Elapsed::seconds(start, start), 0);
    QCOMPARE(Elapsed::seconds(start, start.addMSecs(999)), 0);
    QCOMPARE(Elapsed::seconds(start, start.addMSecs(1000)), 1);
    QCOMPARE(Elapsed::seconds(start, start.addSecs(125)), 125);
    QCOMPARE(Elapsed::seconds(std::nullopt, start), 0);
}

void TestLevelDisplay::mascotHasHolesAndStaysSharp()
{
    const QImage small = StatusIcon::render(18, Qt::black);
    const QImage large = StatusIcon::render(36, Qt::black);
    auto opaque = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y).alpha() > 128;
        return n;
    };
    QVERIFY(opaque(small) > 40);
    // Drawn, not scaled: four times the pixels at twice the size, roughly.
    QVERIFY(qAbs(opaque(large) - 4 * opaque(small)) < opaque(small));
    // The middle bar is a hole through the body (the figure turned 22 degrees
    // clockwise about the centre). Find the body's centre row and check that
    // the bar's centre is see-through while the body beside it is painted.
    const QImage big = StatusIcon::render(180, Qt::black);
    const QTransform figure = QTransform()
                                  .translate(0, 180)
                                  .scale(10, -10)
                                  .translate(9, 9)
                                  .rotate(-22)
                                  .scale(0.92, 0.92)
                                  .translate(-9, -9);
    const QPoint barCentre = figure.map(QPointF(9.0, 5.3)).toPoint();
    const QPoint bodyBeside = figure.map(QPointF(6.6, 5.3)).toPoint();
    QCOMPARE(big.pixelColor(barCentre).alpha(), 0);
    QCOMPARE(big.pixelColor(bodyBeside).alpha(), 255);
    QVERIFY(StatusIcon::mascot(Qt::black).cacheKey() == StatusIcon::mascot(Qt::black).cacheKey());
}

QTEST_MAIN(TestLevelDisplay)
#include "TestLevelDisplay.moc"
