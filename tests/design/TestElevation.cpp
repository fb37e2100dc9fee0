#include "design/Elevation.h"
#include "design/Palette.h"
#include "design/Surface.h"
#include "design/Theme.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {

// A card of 100 x 60 at the shadow's margins, on a white page.
QImage surface(Elevation level, qreal radius, bool dark)
{
    Theme::instance().setMode(dark ? Theme::Mode::Dark : Theme::Mode::Light);
    const QMargins m = Shadow::margins(level);
    QImage image(100 + m.left() + m.right() + 20, 60 + m.top() + m.bottom() + 20, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    Surface::paint(painter, QRectF(10 + m.left(), 10 + m.top(), 100, 60), radius, Palette::surfaceCard, level);
    painter.end();
    Theme::instance().setMode(Theme::Mode::Light);
    return image;
}

int darkness(const QImage& image, int x, int y)
{
    return 255 - qGray(image.pixel(x, y));
}

} // namespace

class TestElevation final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void layers();
    void margins_data();
    void margins();
    void noShadowIsAPlainFill();
    void shadowFallsDownwardsWithinItsMargins();
    void fractionalEdgesLeaveNoSeam_data();
    void fractionalEdgesLeaveNoSeam();
    void opaqueSurfaceHidesTheLeftOutMiddle_data();
    void opaqueSurfaceHidesTheLeftOutMiddle();
    void cardHasAnInnerBorder();
};

void TestElevation::layers()
{
    QVERIFY(Shadow::layers(Elevation::None, false).isEmpty());
    QVERIFY(Shadow::layers(Elevation::Xs, true).isEmpty());
    QCOMPARE(Shadow::layers(Elevation::Sm, false).size(), 2);
    QCOMPARE(Shadow::layers(Elevation::Sm, true).size(), 1);
    QCOMPARE(Shadow::layers(Elevation::Md, true).constFirst().color.rgba(), qRgba(0, 0, 0, 128));
    QCOMPARE(Shadow::layers(Elevation::Lg, true), Shadow::layers(Elevation::Lg, false));
    const ShadowLayer md = Shadow::layers(Elevation::Md, false).constFirst();
    QCOMPARE(md.y, 4.0);
    QCOMPARE(md.blur, 12.0);
    QCOMPARE(md.spread, -2.0);
    QCOMPARE(md.color.name(), QStringLiteral("#101828"));
    QVERIFY(qAbs(md.color.alphaF() - 0.08) < 1e-4);
}

void TestElevation::margins_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QMargins>("expected");
    // Each side: 1.5 x blur + spread, less the offset above and plus it below.
    QTest::newRow("none") << int(Elevation::None) << QMargins(0, 0, 0, 0);
    QTest::newRow("xs") << int(Elevation::Xs) << QMargins(3, 2, 3, 4);
    QTest::newRow("sm") << int(Elevation::Sm) << QMargins(5, 4, 5, 6);
    QTest::newRow("md: the dark layer reaches further") << int(Elevation::Md) << QMargins(20, 14, 20, 26);
    QTest::newRow("lg") << int(Elevation::Lg) << QMargins(40, 24, 40, 56);
}

void TestElevation::margins()
{
    QFETCH(int, level);
    QFETCH(QMargins, expected);
    QCOMPARE(Shadow::margins(Elevation(level)), expected);
}

void TestElevation::noShadowIsAPlainFill()
{
    for (const auto& [level, dark] : {std::pair{Elevation::None, false}, {Elevation::Xs, true}}) {
        const QImage image = surface(level, 8, dark);
        const QMargins m = Shadow::margins(level);
        // Just outside the card the page is untouched.
        QCOMPARE(image.pixel(10 + m.left() + 50, 10 + m.top() + 60 + 1), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(10 + m.left() - 2, 10 + m.top() + 30), qRgb(255, 255, 255));
    }
}

void TestElevation::shadowFallsDownwardsWithinItsMargins()
{
    const QImage image = surface(Elevation::Lg, 12, false);
    const QMargins m = Shadow::margins(Elevation::Lg);
    const int left = 10 + m.left();
    const int top = 10 + m.top();
    const int midX = left + 50;
    // Darker below the card than above it, and nothing beyond the margins.
    QVERIFY(darkness(image, midX, top + 60 + 6) > darkness(image, midX, top - 6) + 2);
    QVERIFY(darkness(image, midX, top + 60 + 6) > 4);
    for (int x = 0; x < image.width(); ++x) {
        QCOMPARE(darkness(image, x, 5), 0);
        QCOMPARE(darkness(image, x, image.height() - 6), 0);
    }
    for (int y = 0; y < image.height(); ++y) {
        QCOMPARE(darkness(image, 5, y), 0);
        QCOMPARE(darkness(image, image.width() - 6, y), 0);
    }
    // The card itself is its fill, and a larger card draws the same edge.
    QCOMPARE(image.pixel(midX, top + 30), qRgb(255, 255, 255));
    const int edge = darkness(image, midX, top + 60 + 10);
    Theme::instance().setMode(Theme::Mode::Light);
    QImage wide(400, 200, QImage::Format_ARGB32_Premultiplied);
    wide.fill(Qt::white);
    QPainter painter(&wide);
    Surface::paint(painter, QRectF(50, 30, 300, 60), 12, Palette::surfaceCard, Elevation::Lg);
    painter.end();
    QVERIFY(qAbs(darkness(wide, 200, 30 + 60 + 10) - edge) <= 1);
}

void TestElevation::fractionalEdgesLeaveNoSeam_data()
{
    QTest::addColumn<qreal>("dpr");
    QTest::newRow("1x") << 1.0;
    QTest::newRow("2x") << 2.0;
}

void TestElevation::fractionalEdgesLeaveNoSeam()
{
    // A pill at a half-pixel place, as a centred capsule of odd width lands:
    // along a row through the shadow below it the shade changes smoothly,
    // without a light line where the shadow's pieces meet.
    QFETCH(qreal, dpr);
    QImage image(QSize(320, 140) * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Shadow::paint(painter, QRectF(32.5, 20, 247, 52), 26, Elevation::Lg);
    painter.end();
    const int y = int((20 + 52 + 6) * dpr);
    for (int x = int(60 * dpr); x < int(200 * dpr); ++x)
        QVERIFY2(qAbs(darkness(image, x, y) - darkness(image, x - 1, y)) <= 1, qPrintable(QString::number(x)));
}

void TestElevation::opaqueSurfaceHidesTheLeftOutMiddle_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<qreal>("radius");
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<qreal>("dpr");
    QTest::newRow("xs card") << int(Elevation::Xs) << 16.0 << QRectF(20, 20, 300, 120) << false << 1.0;
    QTest::newRow("sm dark, 2x") << int(Elevation::Sm) << 10.0 << QRectF(20, 20, 200, 80) << true << 2.0;
    QTest::newRow("md, half pixels") << int(Elevation::Md) << 12.0 << QRectF(30.5, 25.5, 201, 91) << false << 2.0;
    QTest::newRow("lg capsule") << int(Elevation::Lg) << 30.0 << QRectF(50, 40, 240, 60) << false << 1.0;
    QTest::newRow("lg square corners") << int(Elevation::Lg) << 0.0 << QRectF(50, 40, 240, 90) << true << 2.0;
    QTest::newRow("small and round") << int(Elevation::Md) << 40.0 << QRectF(40, 40, 36, 36) << false << 1.0;
}

void TestElevation::opaqueSurfaceHidesTheLeftOutMiddle()
{
    // The whole shadow and then the surface, against the surface painted
    // alone (which leaves the middle out): not one pixel may differ.
    QFETCH(int, level);
    QFETCH(qreal, radius);
    QFETCH(QRectF, rect);
    QFETCH(bool, dark);
    QFETCH(qreal, dpr);
    Theme::instance().setMode(dark ? Theme::Mode::Dark : Theme::Mode::Light);
    auto page = [dpr] {
        QImage image(QSize(400, 240) * dpr, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(dpr);
        image.fill(QColor(0x33, 0x66, 0x99));
        return image;
    };
    QImage whole = page();
    {
        QPainter painter(&whole);
        Shadow::paint(painter, rect, radius, Elevation(level));
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Palette::surfaceCard.color());
        painter.drawRoundedRect(rect, radius, radius);
    }
    QImage surface = page();
    {
        QPainter painter(&surface);
        Surface::paint(painter, rect, radius, Palette::surfaceCard, Elevation(level));
    }
    Theme::instance().setMode(Theme::Mode::Light);
    QCOMPARE(surface, whole);
}

void TestElevation::cardHasAnInnerBorder()
{
    QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter painter(&image);
    Surface::card(painter, QRectF(10, 10, 20, 20), 0, Elevation::None, Palette::borderDefault);
    painter.end();
    QCOMPARE(QColor(image.pixel(10, 20)).name(), QStringLiteral("#e4e8ee"));
    QCOMPARE(QColor(image.pixel(29, 20)).name(), QStringLiteral("#e4e8ee"));
    QCOMPARE(QColor(image.pixel(15, 20)).name(), QStringLiteral("#ffffff"));
    QCOMPARE(QColor(image.pixel(9, 20)).name(), QStringLiteral("#000000"));
}

QTEST_MAIN(TestElevation)
#include "TestElevation.moc"
