#include "design/Icon.h"
#include "design/Onest.h"
#include "design/Palette.h"
#include "design/ToneColors.h"
#include "design/components/Avatar.h"
#include "design/components/Badge.h"
#include "design/components/Chip.h"
#include "design/components/EmptyStateView.h"
#include "design/components/IconTile.h"
#include "design/components/InfoNote.h"
#include "design/components/Keycap.h"
#include "design/components/Overline.h"
#include "design/components/ToastView.h"

#include "ControlPixels.h"

#include <QFontMetricsF>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>

using namespace ControlPixels;

Q_DECLARE_METATYPE(BadgeTone)
Q_DECLARE_METATYPE(ToastTone)
Q_DECLARE_METATYPE(Tone)

namespace {

const QString longText = QStringLiteral(
    "The recording was kept in History so that you can transcribe it again once the connection is back.");

} // namespace

class TestDisplayControls final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Onest::registerFaces(); }

    void avatarInitials_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("initials");
        QTest::newRow("two words") << "alpha beta" << "AB";
        QTest::newRow("one word") << "alpha" << "A";
        QTest::newRow("three words") << "alpha beta gamma" << "AB";
        QTest::newRow("runs of spaces") << "  alpha   beta  " << "AB";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("only spaces") << "   " << "";
        QTest::newRow("tabs do not separate") << "alpha\tbeta" << "A";
        QTest::newRow("digits and signs unchanged") << "3d +plus" << "3+";
        QTest::newRow("combining mark stays whole") << QStringLiteral("e\u0301mile zola") << QStringLiteral("E\u0301Z");
    }

    void avatarInitials()
    {
        QFETCH(QString, name);
        QFETCH(QString, initials);
        QCOMPARE(Avatar::initials(name), initials);
    }

    void badgeMetricsAndColours_data()
    {
        QTest::addColumn<BadgeTone>("tone");
        QTest::addColumn<bool>("small");
        QTest::addColumn<int>("height");
        QTest::addColumn<ColorToken>("ink");
        QTest::addColumn<ColorToken>("fill");
        QTest::addColumn<ColorToken>("border");
        using namespace Palette;
        QTest::newRow("success") << BadgeTone::Success << false << 24 << positive << positiveBg << positiveBorder;
        QTest::newRow("danger small") << BadgeTone::Danger << true << 20 << negative << negativeBg << negativeBorder;
        QTest::newRow("warning") << BadgeTone::Warning << false << 24 << warning << warningBg << warningBorder;
        QTest::newRow("info") << BadgeTone::Info << false << 24 << info << infoBg << infoBorder;
        QTest::newRow("neutral small") << BadgeTone::Neutral << true << 20 << textBody << surfaceSunken << borderDefault;
    }

    void badgeMetricsAndColours()
    {
        QFETCH(BadgeTone, tone);
        QFETCH(bool, small);
        QFETCH(int, height);
        QFETCH(ColorToken, ink);
        QFETCH(ColorToken, fill);
        QFETCH(ColorToken, border);
        Badge badge(QStringLiteral("Connected"), tone, small, true);
        const int padding = small ? 8 : 10;
        const qreal caption = std::ceil(
            QFontMetricsF(Onest::font(small ? 11 : 12, QFont::Medium)).horizontalAdvance(badge.text()));
        QCOMPARE(badge.sizeHint(), QSize(int(caption) + 6 + 6 + 2 * padding, height));
        const QImage image = grab(badge);
        QCOMPARE_COLOR(image.pixelColor(0, height / 2), over(border.color()));
        QCOMPARE_COLOR(image.pixelColor(3, height / 2), over(fill.color()));
        // The dot takes the caption colour.
        QCOMPARE_COLOR(image.pixelColor(padding + 3, height / 2), over(ink.color()));
    }

    void longBadgeKeepsItsHeight()
    {
        Badge badge(longText);
        badge.resize(120, 24);
        QCOMPARE(badge.sizeHint().height(), 24);
        QCOMPARE(badge.minimumSizeHint().height(), 24);
    }

    void iconTileFollowsItsSize_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<qreal>("icon");
        QTest::addColumn<qreal>("radius");
        QTest::newRow("28") << 28 << 14.0 << 8.0;
        QTest::newRow("32") << 32 << 16.0 << 10.0;
        QTest::newRow("36") << 36 << 18.0 << 11.0;
        QTest::newRow("40") << 40 << 20.0 << 12.0;
    }

    void iconTileFollowsItsSize()
    {
        QFETCH(int, size);
        QFETCH(qreal, icon);
        QFETCH(qreal, radius);
        IconTile tile(QStringLiteral("mic"), Tone::green, size);
        QCOMPARE(tile.sizeHint(), QSize(size, size));
        QCOMPARE(tile.tileStyle().iconSize, icon);
        QCOMPARE(tile.tileStyle().radius, radius);

        // An explicit icon size stays put when the tile grows.
        tile.setIconSize(15.0);
        tile.setTileSize(size + 20);
        QCOMPARE(tile.tileStyle().iconSize, 15.0);
        QCOMPARE(tile.tileStyle().radius, std::round((size + 20) * 0.3));
    }

    void iconTilePaintsToneColours_data()
    {
        QTest::addColumn<Tone>("tone");
        QTest::newRow("blue") << Tone::blue;
        QTest::newRow("neutral") << Tone::neutral;
        QTest::newRow("white: brand mark on card") << Tone::white;
        QTest::newRow("brand: white mark on brand") << Tone::brand;
    }

    void iconTilePaintsToneColours()
    {
        QFETCH(Tone, tone);
        // The check mark lies in the middle of the tile, away from its edges.
        IconTile tile(QStringLiteral("check"), tone, 40);
        const QImage image = grab(tile);
        QCOMPARE_COLOR(image.pixelColor(0, 0), background); // rounded corner
        QCOMPARE_COLOR(image.pixelColor(20, 5), over(ToneColors::background(tone).color()));
        bool inked = false;
        for (int x = 10; x < 30 && !inked; ++x)
            for (int y = 10; y < 30 && !inked; ++y)
                inked = near(image.pixelColor(x, y), over(ToneColors::foreground(tone).color()), 24);
        QVERIFY(inked);

        // Radius 0 is a sharp square; an unknown icon leaves the plain tile.
        tile.setRadius(0.0);
        tile.setIcon(QStringLiteral("no-such-icon"));
        const QImage sharp = grab(tile);
        for (const QPoint p : {QPoint(0, 0), QPoint(39, 39), QPoint(20, 20)})
            QCOMPARE_COLOR(sharp.pixelColor(p), over(ToneColors::background(tone).color()));
    }

    void chipLooks()
    {
        Chip chip(QStringLiteral("English"));
        const qreal caption = std::ceil(QFontMetricsF(Onest::font(14, QFont::Medium)).horizontalAdvance(chip.text()));
        QCOMPARE(chip.sizeHint(), QSize(int(caption) + 30, 36));
        chip.setIcon(QStringLiteral("globe"));
        QCOMPARE(chip.sizeHint(), QSize(int(caption) + 30 + 16 + 6, 36));

        QCOMPARE_COLOR(grab(chip).pixelColor(0, 18), over(Palette::borderDefault.color()));
        hover(chip, true);
        QCOMPARE_COLOR(grab(chip).pixelColor(0, 18), over(Palette::borderStrong.color()));
        // Selected looks the same hovered or not.
        chip.setSelected(true);
        const QImage hot = grab(chip);
        hover(chip, false);
        const QImage cold = grab(chip);
        QCOMPARE_COLOR(hot.pixelColor(0, 18), over(Palette::brand.color()));
        QCOMPARE_COLOR(hot.pixelColor(8, 18), over(Palette::brand.color()));
        QCOMPARE(hot, cold);
    }

    void chipClickLeavesSelectionToTheOwner()
    {
        Chip chip(QStringLiteral("Deutsch"));
        QSignalSpy clicked(&chip, &Chip::clicked);
        QTest::mouseClick(&chip, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QVERIFY(!chip.isSelected());
    }

    void keycaps_data()
    {
        QTest::addColumn<bool>("large");
        QTest::addColumn<bool>("active");
        QTest::addColumn<QSize>("face");
        QTest::addColumn<ColorToken>("fill");
        QTest::addColumn<ColorToken>("outline");
        QTest::newRow("large active") << true << true << QSize(44, 34) << Palette::surfaceBrandSoft << Palette::blue300;
        QTest::newRow("normal inactive") << false << false << QSize(32, 30) << Palette::surfaceCard << Palette::borderDefault;
    }

    void keycaps()
    {
        QFETCH(bool, large);
        QFETCH(bool, active);
        QFETCH(QSize, face);
        QFETCH(ColorToken, fill);
        QFETCH(ColorToken, outline);
        Keycap key(QStringLiteral("V"), large, active);
        QCOMPARE(key.sizeHint(), face + QSize(0, 2));
        const QImage image = grab(key);
        QCOMPARE_COLOR(image.pixelColor(0, face.height() / 2), over(outline.color()));
        QCOMPARE_COLOR(image.pixelColor(4, face.height() / 2), over(fill.color()));
        // The 2-point lower edge below the face.
        QCOMPARE_COLOR(image.pixelColor(face.width() / 2, face.height() + 1), over(Palette::borderDefault.color()));

        // A long label widens the key; the height stays.
        key.setLabel(QStringLiteral("Right Alt"));
        QVERIFY(key.sizeHint().width() > face.width());
        QCOMPARE(key.sizeHint().height(), face.height() + 2);
    }

    void toastTones_data()
    {
        QTest::addColumn<ToastTone>("tone");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<ColorToken>("colour");
        QTest::newRow("success") << ToastTone::success << "circle-check" << Palette::positive;
        QTest::newRow("danger") << ToastTone::danger << "circle-alert" << Palette::negative;
        QTest::newRow("warning") << ToastTone::warning << "triangle-alert" << Palette::warning;
        QTest::newRow("info") << ToastTone::info << "info" << Palette::info;
    }

    void toastTones()
    {
        QFETCH(ToastTone, tone);
        QFETCH(QString, icon);
        QFETCH(ColorToken, colour);
        const ToastStyle style = ToastStyle::of(tone);
        QCOMPARE(style.icon, icon);
        QVERIFY(Icon::names().contains(icon));
        QCOMPARE(style.iconColor, colour);
        QCOMPARE(style.titleColor, Palette::textPrimary);
        QCOMPARE(style.detailColor, Palette::textSecondary);
    }

    void toastWrapsInsteadOfWidening()
    {
        ToastView titleOnly(QStringLiteral("Copied"), QString(), ToastTone::success);
        ToastView withDetail(QStringLiteral("Copied"), QStringLiteral("The text is on the clipboard."), ToastTone::success);
        const QMargins shadow = Shadow::margins(Elevation::Lg);
        const int room = shadow.top() + shadow.bottom();
        // Title only: padding, one 20-point line, padding; no gap below.
        QCOMPARE(titleOnly.heightForWidth(400), 15 + 20 + 15 + room);
        QCOMPARE(withDetail.heightForWidth(400), 15 + 20 + 2 + 18 + 15 + room);

        ToastView wordy(longText, QString(), ToastTone::info);
        QVERIFY(wordy.heightForWidth(300) >= 15 + 3 * 20 + 15 + room);
        QCOMPARE(wordy.heightForWidth(2000), 15 + 20 + 15 + room);
    }

    void emptyStateKeepsItsDetailNarrow()
    {
        EmptyStateView bare(QStringLiteral("history"), QStringLiteral("No dictations yet"));
        EmptyStateView full(QStringLiteral("history"), QStringLiteral("No dictations yet"), longText);
        // Padding 40, tile 48, 8 below it, spacing 6, title 24, padding 40.
        QCOMPARE(bare.heightForWidth(800), 40 + 48 + 8 + 6 + 24 + 40);
        full.resize(800, full.heightForWidth(800));
        const QRectF detail = full.detailRect();
        QCOMPARE(detail.width(), 320.0);
        QCOMPARE(detail.center().x(), 400.0);
        QVERIFY(detail.height() >= 2 * 20);
        QCOMPARE(full.tileRect(), QRectF(376, 40, 48, 48));
    }

    void emptyStateWithUnknownIconStillDrawsItsTile()
    {
        EmptyStateView view(QStringLiteral("no-such-icon"), QStringLiteral("Nothing"));
        view.resize(view.sizeHint());
        const QRectF tile = view.tileRect();
        const QImage image = grab(view);
        QCOMPARE_COLOR(image.pixelColor(tile.center().toPoint()), over(Palette::surfaceBrandSoft.color()));
    }

    void infoNoteGrowsInHeight()
    {
        InfoNote note(QStringLiteral("info"), longText, 16, false);
        InfoNote compact(QStringLiteral("info"), QStringLiteral("Short."), 16, true);
        QCOMPARE(compact.heightForWidth(600), 12 + 19 + 12);
        QVERIFY(note.heightForWidth(260) > note.heightForWidth(2000));
        QCOMPARE(note.heightForWidth(2000), 14 + 19 + 14);
    }

    void overlineIsUpperCase()
    {
        Overline overline(QStringLiteral("Interface language"));
        QCOMPARE(overline.shownText(), QStringLiteral("INTERFACE LANGUAGE"));
        QCOMPARE(overline.sizeHint().height(), 16);
        QCOMPARE(Overline::type().letterSpacing(), 0.66);
    }
};

QTEST_MAIN(TestDisplayControls)
#include "TestDisplayControls.moc"
