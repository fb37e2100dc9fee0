#include "design/Icon.h"
#include "design/LucideIcons.h"
#include "design/Palette.h"
#include "design/Theme.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {

// Total coverage, in pixels: the sum of alpha.
double ink(const QImage& image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qAlpha(image.pixel(x, y)) / 255.0;
    return sum;
}

int inkedPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0;
    return count;
}

} // namespace

class TestIcon final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void designExamples();
    void everyIconFitsTheGrid();
    void scalesFromTheTopLeft_data();
    void scalesFromTheTopLeft();
    void unknownNameDrawsNothing();
    void strokeScalesWithSize();
    void followsTheTheme();
};

void TestIcon::designExamples()
{
    auto paths = [](const char* name) {
        QStringList result;
        for (const LucideIcons::Entry& entry : LucideIcons::table())
            if (QLatin1String(entry.name) == QLatin1String(name))
                for (const char* data : entry.paths)
                    result << QString::fromLatin1(data);
        return result;
    };
    QCOMPARE(paths("check"), QStringList{QStringLiteral("M20 6 9 17l-5-5")});
    QCOMPARE(paths("x"), (QStringList{QStringLiteral("M18 6 6 18"), QStringLiteral("m6 6 12 12")}));
    // Circles become two half-turn arcs, lines a move and a line.
    QCOMPARE(paths("circle-alert").value(0), QStringLiteral("M2 12A10 10 0 1 0 22 12A10 10 0 1 0 2 12Z"));
    QCOMPARE(paths("circle-alert").value(1), QStringLiteral("M12 8L12 12"));

    const QPainterPath check = Icon::base(QStringLiteral("check"));
    QCOMPARE(check.elementCount(), 3);
    QCOMPARE(QPointF(check.elementAt(2)), QPointF(4, 12));
}

void TestIcon::everyIconFitsTheGrid()
{
    const QStringList names = Icon::names();
    QCOMPARE(names.size(), 90);
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 90);
    for (const QString& name : names) {
        const QPainterPath path = Icon::base(name);
        QVERIFY2(!path.isEmpty(), qPrintable(name));
        const QRectF bounds = path.controlPointRect();
        QVERIFY2(QRectF(-0.5, -0.5, 25, 25).contains(bounds), qPrintable(name));
    }
}

void TestIcon::scalesFromTheTopLeft_data()
{
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<QPointF>("design");
    QTest::addColumn<QPointF>("expected");
    QTest::newRow("12x12 at (10,20)") << QRectF(10, 20, 12, 12) << QPointF(12, 12) << QPointF(16, 26);
    QTest::newRow("48x24 scales by 1 at the left") << QRectF(0, 0, 48, 24) << QPointF(20, 6) << QPointF(20, 6);
    QTest::newRow("24x48 scales by 1 at the top") << QRectF(0, 0, 24, 48) << QPointF(20, 6) << QPointF(20, 6);
    QTest::newRow("48x48 doubles") << QRectF(1, 1, 48, 48) << QPointF(20, 6) << QPointF(41, 13);
}

void TestIcon::scalesFromTheTopLeft()
{
    QFETCH(QRectF, rect);
    QFETCH(QPointF, design);
    QFETCH(QPointF, expected);
    // "check" starts at the design point (20, 6); circle-alert's circle passes through (12, 12)'s centre.
    const QPainterPath check = Icon::path(QStringLiteral("check"), rect);
    const qreal scale = std::min(rect.width(), rect.height()) / 24;
    QCOMPARE(QPointF(check.elementAt(0)), rect.topLeft() + QPointF(20, 6) * scale);
    const QPainterPath base = Icon::base(QStringLiteral("circle-alert"));
    const QPainterPath scaled = Icon::path(QStringLiteral("circle-alert"), rect);
    QCOMPARE(scaled.boundingRect().center(), rect.topLeft() + base.boundingRect().center() * scale);
    QCOMPARE(rect.topLeft() + design * scale, expected);
}

void TestIcon::unknownNameDrawsNothing()
{
    QVERIFY(Icon::base(QStringLiteral("no-such-icon")).isEmpty());
    QVERIFY(Icon::path(QString(), QRectF(0, 0, 24, 24)).isEmpty());
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    Icon::paint(painter, QStringLiteral("no-such-icon"), QPointF(0, 0), 24, Palette::textPrimary);
    Icon::paint(painter, QStringLiteral("check"), QPointF(0, 0), 0, Palette::textPrimary);
    painter.end();
    QCOMPARE(inkedPixels(image), 0);
    QVERIFY(Icon::pixmap(QStringLiteral("no-such-icon"), 16, Qt::black).toImage().pixel(8, 8) == 0);
}

void TestIcon::strokeScalesWithSize()
{
    // The stroke scales with the icon (2 design units are 2 px at 24, 4 px at
    // 48), so the ink grows with the square of the size; two lines of 16.97
    // design units at width 2 cover about 2 x 17 x 2 = 68 px at size 24.
    const double at24 = ink(Icon::pixmap(QStringLiteral("x"), 24, Qt::black).toImage());
    const double at48 = ink(Icon::pixmap(QStringLiteral("x"), 48, Qt::black).toImage());
    QVERIFY2(at24 > 60 && at24 < 80, qPrintable(QString::number(at24)));
    QVERIFY2(at48 > 3.7 * at24 && at48 < 4.3 * at24, qPrintable(QStringLiteral("%1 %2").arg(at24).arg(at48)));
    const double thin = ink(Icon::pixmap(QStringLiteral("x"), 24, Qt::black, 1.0).toImage());
    QVERIFY(thin < at24 * 0.6);
    // High-density screens get a pixmap of their own pixel size.
    const QPixmap sharp = Icon::pixmap(QStringLiteral("x"), 24, Qt::black, 2.0, 2.0);
    QCOMPARE(sharp.size(), QSize(48, 48));
    QCOMPARE(sharp.deviceIndependentSize(), QSizeF(24, 24));
}

void TestIcon::followsTheTheme()
{
    QImage image(24, 24, QImage::Format_ARGB32_Premultiplied);
    auto centre = [&] {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        Icon::paint(painter, QStringLiteral("x"), QPointF(0, 0), 24, Palette::textPrimary);
        painter.end();
        return image.pixelColor(12, 12);
    };
    Theme::instance().setMode(Theme::Mode::Light);
    QCOMPARE(centre().name(), QStringLiteral("#111522"));
    Theme::instance().setMode(Theme::Mode::Dark);
    QCOMPARE(centre().name(), QStringLiteral("#f1f3f7"));
    Theme::instance().setMode(Theme::Mode::Light);
}

QTEST_MAIN(TestIcon)
#include "TestIcon.moc"
