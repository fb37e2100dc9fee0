#include "design/SvgPath.h"

#include <QtTest>

// Paths are compared as text: one "M x y", "L x y", "C x1 y1 x2 y2 x y" per
// segment, numbers rounded to 3 decimals. Qt keeps quadratics as cubics, so a
// Q is written as its equivalent cubic.
static QString describe(const QPainterPath& path)
{
    auto num = [](qreal v) {
        const qreal r = std::round(v * 1000) / 1000;
        return QString::number(r == 0 ? 0 : r, 'g', 10);
    };
    QStringList out;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            out << QStringLiteral("M %1 %2").arg(num(e.x), num(e.y));
            break;
        case QPainterPath::LineToElement:
            out << QStringLiteral("L %1 %2").arg(num(e.x), num(e.y));
            break;
        case QPainterPath::CurveToElement: {
            const auto c2 = path.elementAt(i + 1);
            const auto end = path.elementAt(i + 2);
            out << QStringLiteral("C %1 %2 %3 %4 %5 %6").arg(num(e.x), num(e.y), num(c2.x), num(c2.y), num(end.x), num(end.y));
            i += 2;
            break;
        }
        default:
            break;
        }
    }
    return out.join(QStringLiteral(", "));
}

class TestSvgPath final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parses_data();
    void parses();
    void arcs_data();
    void arcs();
    void smoothCurvesReflect();
    void closeReturnsToSubpathStart();
    void ignoresLocale();
    void malformedNeverCrashes();
};

void TestSvgPath::parses_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << "" << "";
    QTest::newRow("only separators") << " ,\n\t\r\n,, \u2028\u0085" << "";
    QTest::newRow("check icon") << "M20 6 9 17l-5-5" << "M 20 6, L 9 17, L 4 12";
    QTest::newRow("pairs after M are lines") << "M1 2 3 4" << "M 1 2, L 3 4";
    QTest::newRow("pairs after m are relative lines") << "m1 2 3 4" << "M 1 2, L 4 6";
    QTest::newRow("leading m is relative to origin") << "m6 6 12 12" << "M 6 6, L 18 18";
    QTest::newRow("implicit L") << "M0 0L10 10 20 0" << "M 0 0, L 10 10, L 20 0";
    QTest::newRow("implicit H") << "M0 0H5 8" << "M 0 0, L 5 0, L 8 0";
    QTest::newRow("relative h and v") << "M1 1h4v3h-2" << "M 1 1, L 5 1, L 5 4, L 3 4";
    QTest::newRow("packed decimals") << "M0.5.5" << "M 0.5 0.5";
    QTest::newRow("exponent and sign") << "M1e2-3" << "M 100 -3";
    QTest::newRow("capital exponent with plus") << "M1E+1,2" << "M 10 2";
    QTest::newRow("minus separates numbers") << "M1-2L-3-4" << "M 1 -2, L -3 -4";
    QTest::newRow("plus sign") << "M+1 +2" << "M 1 2";
    QTest::newRow("unknown letter stops") << "M1 2 X 3 4" << "M 1 2";
    QTest::newRow("missing y stops") << "M1 2L3" << "M 1 2";
    QTest::newRow("incomplete cubic adds nothing") << "M0 0C1 1 2 2" << "M 0 0";
    QTest::newRow("number first") << "12 5" << "";
    QTest::newRow("pair after Z is ignored") << "M0 0 10 0Z 5 5" << "M 0 0, L 10 0, L 0 0";
    QTest::newRow("lone exponent is no number") << "M1e 2" << "";
    QTest::newRow("e at command position stops") << "M1 2 e3 4" << "M 1 2";
    QTest::newRow("lone sign") << "M- 2" << "";
    QTest::newRow("lone dot") << "M. 2" << "";
    QTest::newRow("non-ASCII letter stops") << "M1 2\u00e9 3 4" << "M 1 2";
    QTest::newRow("stray symbol stops") << "M1 2 # L 3 4" << "M 1 2";
    QTest::newRow("huge number stops") << "M1 2L1e999 3" << "M 1 2";
}

void TestSvgPath::parses()
{
    QFETCH(QString, data);
    QFETCH(QString, expected);
    QCOMPARE(describe(SvgPath::parse(data)), expected);
}

void TestSvgPath::arcs_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("expected");
    // A half circle of radius 5 from (0,0) to (10,0), sweeping through y < 0... as two quarter cubics.
    const QString half = QStringLiteral("M 0 0, C 0 -2.761 2.239 -5 5 -5, C 7.761 -5 10 -2.761 10 0");
    QTest::newRow("zero radius is a line") << "M10 10A0 5 0 0 1 20 20" << "M 10 10, L 20 20";
    QTest::newRow("same end point adds nothing") << "M10 10A5 5 0 0 1 10 10" << "M 10 10";
    QTest::newRow("packed flags") << "M0 0a5 5 0 0110 0" << half;
    QTest::newRow("radii scaled up") << "M0 0A1 1 0 0 1 10 0" << half;
    QTest::newRow("negative radii") << "M0 0A-5 -5 0 0 1 10 0" << half;
    QTest::newRow("bad flag stops") << "M0 0A5 5 0 2 1 10 0" << "M 0 0";
}

void TestSvgPath::arcs()
{
    QFETCH(QString, data);
    QFETCH(QString, expected);
    QCOMPARE(describe(SvgPath::parse(data)), expected);
}

void TestSvgPath::smoothCurvesReflect()
{
    // After a line, S takes the current point as its first control.
    QCOMPARE(describe(SvgPath::parse(u"M0 0L5 5S10 0 15 5")), QStringLiteral("M 0 0, L 5 5, C 5 5 10 0 15 5"));
    // After a C, it mirrors the last control: (5,5) about (5,0) gives (5,-5).
    QCOMPARE(describe(SvgPath::parse(u"M0 0C0 5 5 5 5 0S10 -5 10 0")),
             QStringLiteral("M 0 0, C 0 5 5 5 5 0, C 5 -5 10 -5 10 0"));
    // T controls (15,-5) then (25,5), seen through the cubic equivalents.
    const QPainterPath t = SvgPath::parse(u"M0 0Q5 5 10 0T20 0T30 0");
    QCOMPARE(t.elementCount(), 1 + 3 * 3);
    // Cubic controls of a quad from P with control Q: P + 2/3 (Q - P).
    QCOMPARE(QPointF(t.elementAt(4)), QPointF(10 + 2.0 / 3 * 5, -2.0 / 3 * 5));
    QCOMPARE(QPointF(t.elementAt(7)), QPointF(20 + 2.0 / 3 * 5, 2.0 / 3 * 5));
}

void TestSvgPath::closeReturnsToSubpathStart()
{
    // The circle of the icon table: two half turns of two segments each; the
    // close adds no line, the arc already ends at the start.
    const QPainterPath circle = SvgPath::parse(u"M2 12A10 10 0 1 0 22 12A10 10 0 1 0 2 12Z");
    QCOMPARE(circle.elementCount(), 1 + 4 * 3);
    QCOMPARE(QPointF(circle.elementAt(12)), QPointF(2, 12));
    const QRectF bounds = circle.boundingRect();
    QVERIFY(qAbs(bounds.left() - 2) < 1e-9 && qAbs(bounds.right() - 22) < 1e-9);
    QVERIFY(qAbs(bounds.top() - 2) < 0.01 && qAbs(bounds.bottom() - 22) < 0.01);
    // A relative command after Z starts from the subpath's start.
    QCOMPARE(describe(SvgPath::parse(u"M5 5L9 5Zl1 1")), QStringLiteral("M 5 5, L 9 5, L 5 5, M 5 5, L 6 6"));
}

void TestSvgPath::ignoresLocale()
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German));
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    QCOMPARE(describe(SvgPath::parse(u"M0.5 1.25")), QStringLiteral("M 0.5 1.25"));
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(previous);
}

void TestSvgPath::malformedNeverCrashes()
{
    // Every prefix of a rich path, and some noise, parses to something.
    const QString rich = QStringLiteral("M2 12A10 10 0 1 0 22 12c1-2.5e-1 3 4 5 6s1 2 3 4q1 1 2 2t3 3h1v-1.5.5Z");
    for (int i = 0; i <= rich.size(); ++i)
        SvgPath::parse(QStringView(rich).left(i));
    for (const char* noise : {"A", "Z", "zzz", "M", "M,,,", "M1e+", "M1e-", "M--1", "M1..2", "a1 1 0 1 1", "M0 0T", "M0 0S"})
        SvgPath::parse(QString::fromLatin1(noise));

    // Numbers beyond the double range stop the parse; finite radii whose
    // products overflow inside an arc give the straight line to its end.
    QCOMPARE(SvgPath::parse(QStringLiteral("M0 0L1e999 0L5 5")).elementCount(), 1);
    for (const char* overflow : {"M0 0A1e-300 1e-300 0 0 1 1e100 1e-300", "M0 0A1e-200 1e100 0 1 1 1e100 5"}) {
        const QPainterPath path = SvgPath::parse(QString::fromLatin1(overflow));
        QCOMPARE(path.elementCount(), 2);
        QVERIFY(path.elementAt(1).isLineTo());
        QCOMPARE(path.elementAt(1).x, 1e100);
    }
}

QTEST_GUILESS_MAIN(TestSvgPath)
#include "TestSvgPath.moc"
