#include "design/Onest.h"
#include "design/Palette.h"
#include "design/TypeModifier.h"
#include "design/components/TextLabel.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QtTest>

class TestTypography final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(Onest::registerFaces()); }
    void facesResolve_data();
    void facesResolve();
    void tabularDigitsHaveOneWidth();
    void lineHeights();
    void trackingScalesWithSize();
    void drawsWithinItsLines();
    void labelWrapsInWholeLines();
    void labelShowsMarkupAsText();
};

void TestTypography::facesResolve_data()
{
    QTest::addColumn<int>("weight");
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("style");
    QTest::newRow("regular") << int(QFont::Normal) << "Onest-Regular" << "Regular";
    QTest::newRow("medium") << int(QFont::Medium) << "Onest-Medium" << "Medium";
    QTest::newRow("semibold") << int(QFont::DemiBold) << "Onest-SemiBold" << "SemiBold";
    QTest::newRow("bold") << int(QFont::Bold) << "Onest-Bold" << "Bold";
    QTest::newRow("light uses regular") << int(QFont::Light) << "Onest-Regular" << "Regular";
    QTest::newRow("black uses regular") << int(QFont::Black) << "Onest-Regular" << "Regular";
}

void TestTypography::facesResolve()
{
    QFETCH(int, weight);
    QFETCH(QString, face);
    QFETCH(QString, style);
    QCOMPARE(Onest::name(QFont::Weight(weight)), face);
    for (bool tabular : {false, true}) {
        const QFont font = Onest::font(13, QFont::Weight(weight), tabular);
        const QFontInfo info(font);
        QCOMPARE(info.family(), tabular ? QStringLiteral("Onest Tabular") : QStringLiteral("Onest"));
        QCOMPARE(info.styleName(), style);
        QCOMPARE(info.pixelSize(), 13);
    }
}

void TestTypography::tabularDigitsHaveOneWidth()
{
    const QFontMetricsF proportional(Onest::font(14, QFont::Normal));
    const QFontMetricsF tabular(Onest::font(14, QFont::Normal, true));
    QVERIFY(proportional.horizontalAdvance(u'1') < proportional.horizontalAdvance(u'0'));
    for (char16_t digit = u'1'; digit <= u'9'; ++digit)
        QCOMPARE(tabular.horizontalAdvance(QChar(digit)), tabular.horizontalAdvance(u'0'));
}

void TestTypography::lineHeights()
{
    const qreal natural = Onest::naturalLineHeight(13, QFont::Normal);
    QVERIFY(natural > 13 && natural < 24);
    QCOMPARE(Onest::naturalLineHeight(13.0, QFont::Normal), natural);
    const QString paragraph = QStringLiteral("one two three four five six seven eight nine ten");

    // Below the face's own height: exactly one line of that height, never wrapped.
    const TypeModifier tight{13, QFont::Normal, natural - 4};
    QVERIFY(tight.singleLine());
    QCOMPARE(tight.measure(paragraph, 60).height(), natural - 4);

    // Above it: every line gets the full line height (spacing plus half above and below).
    const TypeModifier loose{13, QFont::Normal, 22};
    QVERIFY(!loose.singleLine());
    const QSizeF wrapped = loose.measure(paragraph, 60);
    QVERIFY(wrapped.width() <= 60);
    QVERIFY(wrapped.height() >= 3 * 22);
    QCOMPARE(std::fmod(wrapped.height(), 22.0), 0.0);
    QCOMPARE(loose.measure(QStringLiteral("a\nb")).height(), 44.0);

    // No line height: the face's own.
    const TypeModifier plain{13, QFont::Normal, std::nullopt};
    QCOMPARE(plain.lineHeight(), natural);
}

void TestTypography::trackingScalesWithSize()
{
    const TypeModifier overline{11, QFont::DemiBold, std::nullopt, 0.06};
    QCOMPARE(overline.letterSpacing(), 0.66);
    QVERIFY(qAbs(overline.font().letterSpacing() - 0.66) < 1.0 / 64); // Qt keeps 1/64 pixel steps
    QCOMPARE(overline.font().letterSpacingType(), QFont::AbsoluteSpacing);
    const QString caps = QStringLiteral("OVERLINE");
    QVERIFY(QFontMetricsF(overline.font()).horizontalAdvance(caps)
            > QFontMetricsF(Onest::font(11, QFont::DemiBold)).horizontalAdvance(caps) + 4);
}

void TestTypography::drawsWithinItsLines()
{
    QImage image(200, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    const TypeModifier type{14, QFont::Medium, 20};
    type.draw(painter, QRectF(0, 10, 200, 20), QStringLiteral("Hello"), Palette::textPrimary);
    painter.end();
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == Qt::white)
                continue;
            ++inked;
            QVERIFY2(y >= 10 && y < 30, "ink outside the line box");
        }
    }
    QVERIFY(inked > 20);
}

void TestTypography::labelWrapsInWholeLines()
{
    TextLabel label(QStringLiteral("one two three four five six seven eight nine ten"), {14, QFont::Normal, 20.0});
    QVERIFY(!label.hasHeightForWidth());
    QCOMPARE(label.sizeHint().height(), 20);
    label.setWordWrap(true);
    QVERIFY(label.hasHeightForWidth());
    QCOMPARE(label.heightForWidth(2000), 20);
    const int narrow = label.heightForWidth(80);
    QVERIFY(narrow >= 60);
    QCOMPARE(narrow % 20, 0);

    // Wrapped, it inks several lines; on one line only the first line box.
    label.resize(80, narrow);
    auto inkedRows = [&] {
        const QImage image = label.grab().toImage();
        int rows = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128) {
                    rows = y;
                    break;
                }
        return rows;
    };
    QVERIFY(inkedRows() > 40);
    label.setWordWrap(false);
    label.resize(80, 20);
    QVERIFY(inkedRows() < 20);
}

void TestTypography::labelShowsMarkupAsText()
{
    const TypeModifier type{14, QFont::Normal, 20.0};
    TextLabel markup(QStringLiteral("<b>x</b>"), type);
    TextLabel plain(QStringLiteral("x"), type);
    QVERIFY(markup.sizeHint().width() > plain.sizeHint().width() + 20);
}

QTEST_MAIN(TestTypography)
#include "TestTypography.moc"
