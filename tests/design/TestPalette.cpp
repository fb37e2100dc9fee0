#include "design/Animation.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/ToneColors.h"
#include "design/components/AbstractControl.h"

#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>

namespace {

// The smallest control: a fill of one token, repainted by the base.
class Swatch final : public AbstractControl {
public:
    ColorToken token = Palette::surfaceCard;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        ++paints;
        QPainter painter(this);
        painter.fillRect(rect(), token.color());
    }
};

} // namespace

class TestPalette final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { Theme::instance().setMode(Theme::Mode::Light); }
    void tokensResolve_data();
    void tokensResolve();
    void aliasesShareValues();
    void textOnTintsReads_data();
    void textOnTintsReads();
    void tones_data();
    void tones();
    void themeSwitchRepaints();
    void changedFiresOncePerChange();
    void controlState();
    void animationSwitch();
};

void TestPalette::tokensResolve_data()
{
    QTest::addColumn<ColorToken>("token");
    QTest::addColumn<QString>("light");
    QTest::addColumn<QString>("dark");
    QTest::addColumn<float>("lightAlpha");
    QTest::addColumn<float>("darkAlpha");
    QTest::newRow("bgApp") << Palette::bgApp << "#f5f7fa" << "#0d1118" << 1.0f << 1.0f;
    QTest::newRow("textPrimary") << Palette::textPrimary << "#111522" << "#f1f3f7" << 1.0f << 1.0f;
    QTest::newRow("green600") << Palette::green600 << "#079455" << "#2fc47e" << 1.0f << 1.0f;
    QTest::newRow("borderFocus same in both") << Palette::borderFocus << "#3b74f6" << "#3b74f6" << 1.0f << 1.0f;
    QTest::newRow("surfaceOverlay alphas differ") << Palette::surfaceOverlay << "#111522" << "#000000" << 0.4f << 0.55f;
    QTest::newRow("ring is fixed") << Palette::ring << "#3b74f6" << "#3b74f6" << 0.22f << 0.22f;
    QTest::newRow("errorRing is fixed") << Palette::errorRing << "#f04438" << "#f04438" << 0.18f << 0.18f;
    QTest::newRow("logoBlue") << Palette::logoBlue << "#2563eb" << "#2563eb" << 1.0f << 1.0f;
}

void TestPalette::tokensResolve()
{
    QFETCH(ColorToken, token);
    QFETCH(QString, light);
    QFETCH(QString, dark);
    QFETCH(float, lightAlpha);
    QFETCH(float, darkAlpha);
    QCOMPARE(token.resolve(false).name(), light);
    QCOMPARE(token.resolve(true).name(), dark);
    QCOMPARE(token.resolve(false).alpha(), qRound(lightAlpha * 255));
    QCOMPARE(token.resolve(true).alpha(), qRound(darkAlpha * 255));
    // color() follows the theme in force.
    Theme::instance().setMode(Theme::Mode::Dark);
    QCOMPARE(token.color(), token.resolve(true));
    Theme::instance().setMode(Theme::Mode::Light);
    QCOMPARE(token.color(), token.resolve(false));
}

void TestPalette::aliasesShareValues()
{
    QCOMPARE(Palette::brand, Palette::blue600);
    QCOMPARE(Palette::brandHover, Palette::blue700);
    QCOMPARE(Palette::brandPress, Palette::blue800);
}

// The contrast ratio of two colours as accessibility guidelines count it.
static double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void TestPalette::textOnTintsReads_data()
{
    QTest::addColumn<ColorToken>("text");
    QTest::addColumn<ColorToken>("tint");
    QTest::newRow("phone step numbers") << Palette::green700 << Palette::green50;
    QTest::newRow("connected status on a card") << Palette::green700 << Palette::surfaceCard;
}

void TestPalette::textOnTintsReads()
{
    QFETCH(ColorToken, text);
    QFETCH(ColorToken, tint);
    for (const bool dark : {false, true}) {
        const double ratio = contrast(text.resolve(dark), tint.resolve(dark));
        QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1 in %2").arg(ratio).arg(dark ? "dark" : "light")));
    }
    // The light theme keeps its colours.
    QCOMPARE(Palette::green700.resolve(false).name(), QStringLiteral("#067647"));
}

void TestPalette::tones_data()
{
    QTest::addColumn<Tone>("tone");
    QTest::addColumn<ColorToken>("foreground");
    QTest::addColumn<ColorToken>("background");
    QTest::newRow("blue") << Tone::blue << Palette::blue600 << Palette::blue50;
    QTest::newRow("green") << Tone::green << Palette::green600 << Palette::green50;
    QTest::newRow("red") << Tone::red << Palette::red600 << Palette::red50;
    QTest::newRow("amber") << Tone::amber << Palette::amber600 << Palette::amber50;
    QTest::newRow("purple") << Tone::purple << Palette::purple600 << Palette::purple50;
    QTest::newRow("teal") << Tone::teal << Palette::teal600 << Palette::teal50;
    QTest::newRow("pink") << Tone::pink << Palette::pink500 << Palette::pink50;
    QTest::newRow("neutral") << Tone::neutral << Palette::textBody << Palette::surfaceSunken;
    QTest::newRow("white: brand mark on a card") << Tone::white << Palette::brand << Palette::surfaceCard;
    QTest::newRow("brand: white mark on brand") << Tone::brand << Palette::white << Palette::brand;
}

void TestPalette::tones()
{
    QFETCH(Tone, tone);
    QFETCH(ColorToken, foreground);
    QFETCH(ColorToken, background);
    QCOMPARE(ToneColors::foreground(tone), foreground);
    QCOMPARE(ToneColors::background(tone), background);
}

void TestPalette::themeSwitchRepaints()
{
    Swatch swatch;
    swatch.resize(20, 20);
    swatch.show();
    QVERIFY(QTest::qWaitForWindowExposed(&swatch));
    QCOMPARE(swatch.grab().toImage().pixelColor(10, 10).name(), QStringLiteral("#ffffff"));

    const int before = swatch.paints;
    Theme::instance().setMode(Theme::Mode::Dark);
    QTRY_VERIFY(swatch.paints > before);
    QCOMPARE(swatch.grab().toImage().pixelColor(10, 10).name(), QStringLiteral("#151a24"));

    Theme::instance().setMode(Theme::Mode::Light);
    QCOMPARE(swatch.grab().toImage().pixelColor(10, 10).name(), QStringLiteral("#ffffff"));
}

void TestPalette::changedFiresOncePerChange()
{
    QSignalSpy spy(&Theme::instance(), &Theme::changed);
    Theme::instance().setMode(Theme::Mode::Light);
    QCOMPARE(spy.count(), 0);
    Theme::instance().setMode(Theme::Mode::Dark);
    QCOMPARE(spy.count(), 1);
    QVERIFY(Theme::instance().isDark());
    Theme::instance().setMode(Theme::Mode::Dark);
    QCOMPARE(spy.count(), 1);

    // The desktop's preference counts only under "auto".
    Theme::instance().setDesktopPrefersDark(true);
    QCOMPARE(spy.count(), 1);
    Theme::instance().setMode(Theme::Mode::Auto);
    QVERIFY(Theme::instance().isDark());
    QCOMPARE(spy.count(), 2);
    Theme::instance().setDesktopPrefersDark(false);
    QVERIFY(!Theme::instance().isDark());
    QCOMPARE(spy.count(), 3);
    Theme::instance().setMode(Theme::Mode::Light);
    Theme::instance().setDesktopPrefersDark(true);
    QVERIFY(!Theme::instance().isDark());
    QCOMPARE(spy.count(), 4);
    Theme::instance().setDesktopPrefersDark(false);
}

void TestPalette::controlState()
{
    Swatch swatch;
    swatch.resize(40, 20);
    swatch.show();
    QVERIFY(QTest::qWaitForWindowExposed(&swatch));
    QSignalSpy clicked(&swatch, &AbstractControl::clicked);

    QTest::mousePress(&swatch, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(swatch.isPressed());
    QTest::mouseRelease(&swatch, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!swatch.isPressed());
    QCOMPARE(clicked.count(), 1);

    // Released outside: no click.
    QTest::mousePress(&swatch, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&swatch, Qt::LeftButton, {}, QPoint(100, 5));
    QCOMPARE(clicked.count(), 1);

    // Keyboard: Space with focus clicks and shows a focus ring only for Tab focus.
    swatch.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&swatch));
    swatch.clearFocus();
    swatch.setFocus(Qt::TabFocusReason);
    QVERIFY(swatch.hasFocusRing());
    QTest::keyClick(&swatch, Qt::Key_Space);
    QCOMPARE(clicked.count(), 2);

    // Disabled: no clicks, no hover.
    QTest::mouseMove(&swatch, QPoint(10, 10));
    QTRY_VERIFY(swatch.isHovered());
    QCOMPARE(swatch.hoverProgress(), 1.0); // animations are off in tests: instant
    swatch.setEnabled(false);
    QVERIFY(!swatch.showsHover());
    QCOMPARE(swatch.hoverProgress(), 0.0);
    QTest::mouseClick(&swatch, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(clicked.count(), 2);
}

void TestPalette::animationSwitch()
{
    QVERIFY(!Animation::enabled()); // KESTO_ANIMATIONS=off
    QWidget owner;
    owner.show();
    AnimatedValue value(&owner);
    value.animateTo(1.0, 500);
    QCOMPARE(value.value(), 1.0);
    QVERIFY(!value.isRunning());

    Animation::setEnabled(true);
    value.animateTo(0.0, 10000);
    QVERIFY(value.isRunning());
    QCOMPARE(value.target(), 0.0);
    value.setValue(0.5); // an instant setter always wins
    QVERIFY(!value.isRunning());
    QCOMPARE(value.value(), 0.5);
    Animation::setEnabled(false);
}

QTEST_MAIN(TestPalette)
#include "TestPalette.moc"
