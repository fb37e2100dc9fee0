#include "design/Onest.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/components/PopupMenu.h"
#include "design/components/SSegmented.h"
#include "design/components/SSelect.h"
#include "design/components/SSwitch.h"
#include "design/components/SwitchRow.h"

#include "ControlPixels.h"

#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

using namespace ControlPixels;

Q_DECLARE_METATYPE(ControlSize)

namespace {

ChoiceOptions themes()
{
    return {{QStringLiteral("light"), QStringLiteral("Light")},
            {QStringLiteral("dark"), QStringLiteral("Dark")},
            {QStringLiteral("auto"), QStringLiteral("Auto")}};
}

QMenu* openMenu(SSelect& select)
{
    QTest::mouseClick(&select, Qt::LeftButton);
    QMenu* menu = select.menu();
    return menu && menu->objectName() == QStringLiteral("selectMenu") ? menu : nullptr;
}

QStringList checkedTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions()) {
        if (action->isChecked())
            texts << action->text();
    }
    return texts;
}

} // namespace

class TestChoiceControls final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Onest::registerFaces(); }

    void switchFlipsOncePerClick()
    {
        SSwitch control;
        QSignalSpy toggled(&control, &SSwitch::toggled);
        QCOMPARE(control.sizeHint(), QSize(40, 24));
        QCOMPARE_COLOR(grab(control).pixelColor(12, 12), over(Palette::white.color()));
        QCOMPARE_COLOR(grab(control).pixelColor(36, 12), over(Palette::neutral300.color()));

        QTest::mouseClick(&control, Qt::LeftButton);
        QVERIFY(control.isChecked());
        QCOMPARE(toggled.count(), 1);
        // Knob at the right end, 2 points from the edge; the track is brand.
        QCOMPARE(control.knobRect(), QRectF(18, 2, 20, 20));
        QCOMPARE_COLOR(grab(control).pixelColor(4, 12), over(Palette::brand.color()));

        QTest::mouseClick(&control, Qt::LeftButton);
        QVERIFY(!control.isChecked());
        QCOMPARE(control.knobRect(), QRectF(2, 2, 20, 20));
        QCOMPARE(toggled.count(), 2);
    }

    void switchSetElsewhereMovesAndSignalsOnlyChanges()
    {
        SSwitch control;
        QSignalSpy toggled(&control, &SSwitch::toggled);
        control.setChecked(false);
        QCOMPARE(toggled.count(), 0);
        control.setChecked(true);
        QCOMPARE(toggled.count(), 1);
        QCOMPARE(control.knobPosition(), 1.0);
    }

    void switchRowKeepsTheSwitchAtTheRightEnd_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<int>("height");
        QTest::newRow("title only: the switch sets the height") << QString() << 24;
        QTest::newRow("title and description") << QStringLiteral("Plays a sound when recording starts.") << 38;
    }

    void switchRowKeepsTheSwitchAtTheRightEnd()
    {
        QFETCH(QString, description);
        QFETCH(int, height);
        SwitchRow row(QStringLiteral("Sounds"), description);
        QSignalSpy toggled(&row, &SwitchRow::toggled);
        QCOMPARE(row.heightForWidth(500), height);
        row.resize(500, height);
        row.show();
        QCOMPARE(row.switchControl()->geometry(), QRect(460, (height - 24) / 2, 40, 24));
        // Clicking the text does nothing; the switch toggles.
        QTest::mouseClick(&row, Qt::LeftButton, {}, QPoint(20, height / 2));
        QCOMPARE(toggled.count(), 0);
        QTest::mouseClick(row.switchControl(), Qt::LeftButton);
        QCOMPARE(toggled.count(), 1);
        QVERIFY(row.isChecked());
    }

    void segmentedWritesTheClickedValue()
    {
        SSegmented control(themes(), QStringLiteral("light"));
        QSignalSpy changed(&control, &SSegmented::selectionChanged);
        QSignalSpy activated(&control, &SSegmented::activated);
        QTest::mouseClick(&control, Qt::LeftButton, {}, control.segmentRect(1).center().toPoint());
        QCOMPARE(control.selection(), QVariant(QStringLiteral("dark")));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(activated.count(), 1);
        // The chosen segment again: written again, but nothing changed.
        QTest::mouseClick(&control, Qt::LeftButton, {}, control.segmentRect(1).center().toPoint());
        QCOMPARE(activated.count(), 2);
        QCOMPARE(changed.count(), 1);
        // Between segments is no segment.
        const QRectF gap = control.segmentRect(1);
        QTest::mouseClick(&control, Qt::LeftButton, {}, QPoint(int(gap.right()) + 2, int(gap.center().y())));
        QCOMPARE(activated.count(), 2);
    }

    void segmentedRaisesOnlyChosenSegments_data()
    {
        QTest::addColumn<ChoiceOptions>("options");
        QTest::addColumn<QVariant>("selection");
        QTest::addColumn<QList<bool>>("raised");
        QTest::newRow("one chosen") << themes() << QVariant(QStringLiteral("auto")) << QList<bool>{false, false, true};
        QTest::newRow("none matches") << themes() << QVariant(QStringLiteral("sepia")) << QList<bool>{false, false, false};
        QTest::newRow("equal values both on")
            << ChoiceOptions{{1, QStringLiteral("One")}, {2, QStringLiteral("Two")}, {1, QStringLiteral("Uno")}}
            << QVariant(1) << QList<bool>{true, false, true};
    }

    void segmentedRaisesOnlyChosenSegments()
    {
        QFETCH(ChoiceOptions, options);
        QFETCH(QVariant, selection);
        QFETCH(QList<bool>, raised);
        SSegmented control(options, selection);
        const QImage image = grab(control);
        for (int i = 0; i < raised.size(); ++i) {
            // The segment's left padding shows the card or the sunken track.
            const QRectF segment = control.segmentRect(i);
            const QColor pixel = image.pixelColor(int(segment.left()) + 4, int(segment.center().y()));
            const QColor expected = raised.at(i) ? Palette::surfaceCard.color() : Palette::surfaceSunken.color();
            QVERIFY2(near(pixel, over(expected)), qPrintable(QStringLiteral("segment %1").arg(i)));
        }
    }

    void segmentedWithoutOptionsIsTheEmptyTrack()
    {
        SSegmented control;
        QCOMPARE(control.sizeHint(), QSize(10, 38));
    }

    void selectHeights_data()
    {
        QTest::addColumn<ControlSize>("size");
        QTest::addColumn<int>("height");
        QTest::newRow("sm") << ControlSize::Sm << 32;
        QTest::newRow("md") << ControlSize::Md << 40;
        QTest::newRow("lg") << ControlSize::Lg << 48;
    }

    void selectHeights()
    {
        QFETCH(ControlSize, size);
        QFETCH(int, height);
        SSelect select(themes(), QStringLiteral("dark"), size);
        // The box and 3 above and below for its shadow; the box reaches
        // the sides.
        QCOMPARE(select.sizeHint().height(), height + 6);
        // Hover changes only the border.
        const QImage before = grab(select);
        hover(select, true);
        const QImage after = grab(select);
        const int middle = 3 + height / 2;
        QCOMPARE_COLOR(before.pixelColor(0, middle), over(Palette::borderDefault.color()));
        QCOMPARE_COLOR(after.pixelColor(0, middle), over(Palette::borderStrong.color()));
        QCOMPARE(before.pixelColor(9, middle), after.pixelColor(9, middle));
    }

    void selectPicksFromItsMenu()
    {
        SSelect select(themes(), QStringLiteral("light"));
        select.resize(240, 40);
        select.show();
        QCOMPARE(select.label(), QStringLiteral("Light"));
        QSignalSpy changed(&select, &SSelect::selectionChanged);
        QSignalSpy activated(&select, &SSelect::activated);

        QMenu* menu = openMenu(select);
        QVERIFY(menu);
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->actions().size(), 3);
        QCOMPARE(checkedTexts(menu), QStringList{QStringLiteral("Light")});
        // The ticked item lies over the field, its bottom 4 points above the
        // field's bottom edge; the menu covers the field's whole width, edge
        // to edge.
        QAction* ticked = menu->actions().at(0);
        const QRect item = menu->actionGeometry(ticked).translated(menu->geometry().topLeft());
        const QRectF field = select.fieldRect();
        const QPoint corner = select.mapToGlobal(QPoint(int(field.left()), int(field.bottom()) - 4));
        QCOMPARE(item.bottom() + 1, corner.y());
        QCOMPARE(menu->x(), corner.x());
        QVERIFY(menu->width() >= field.width());
        QCOMPARE(menu->activeAction(), ticked);

        menu->actions().at(2)->trigger();
        QCOMPARE(select.selection(), QVariant(QStringLiteral("auto")));
        QCOMPARE(select.label(), QStringLiteral("Auto"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(activated.count(), 1);

        // Picking the chosen option writes it again without a change.
        menu = openMenu(select);
        QCOMPARE(checkedTexts(menu), QStringList{QStringLiteral("Auto")});
        menu->actions().at(2)->trigger();
        QCOMPARE(activated.count(), 2);
        QCOMPARE(changed.count(), 1);
    }

    void selectMenuIsDrawnInTheTheme_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }

    void selectMenuIsDrawnInTheTheme()
    {
        QFETCH(bool, dark);
        Theme::instance().setMode(dark ? Theme::Mode::Dark : Theme::Mode::Light);
        SSelect select({{1, QStringLiteral("One")}, {2, QStringLiteral("Two")}, {3, QStringLiteral("Three")}}, 2);
        select.resize(240, 40);
        select.show();
        QMenu* menu = openMenu(select);
        QVERIFY(menu);
        QCOMPARE(menu->font().family(), Onest::font(14, QFont::Normal).family());
        QCOMPARE(menu->font().pixelSize(), 14);
        // Nothing under the pointer: no item is drawn hovered.
        menu->setActiveAction(nullptr);
        const QImage image = menu->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const qreal ratio = image.devicePixelRatio();
        auto at = [&](qreal x, qreal y) { return image.pixelColor(int(x * ratio), int(y * ratio)); };
        QCOMPARE(at(menu->width() / 2.0, 2.5).name(), Palette::surfaceCard.color().name());
        QCOMPARE(at(0.5, menu->height() / 2.0).name(), Palette::borderDefault.color().name());

        // A tick in front of the chosen item alone; no box in front of the others.
        const PopupMenu::Metrics& m = PopupMenu::metrics;
        for (int i = 0; i < 3; ++i) {
            const QRect item = menu->actionGeometry(menu->actions().at(i));
            int ink = 0;
            for (qreal y = item.top(); y < item.bottom(); y += 0.5)
                for (qreal x = item.left(); x < item.left() + m.textX - 2; x += 0.5)
                    ink += at(x, y) != Palette::surfaceCard.color();
            QVERIFY2((ink > 0) == (i == 1), qPrintable(QStringLiteral("item %1: %2 marked pixels").arg(i).arg(ink)));
        }
        menu->close();
        Theme::instance().setMode(Theme::Mode::Light);
    }

    void selectMenuByKeyboard()
    {
        SSelect select(themes(), QStringLiteral("light"));
        select.resize(240, 40);
        select.show();
        QSignalSpy activated(&select, &SSelect::activated);

        // Escape closes the menu and changes nothing.
        QMenu* menu = openMenu(select);
        QVERIFY(menu);
        QTest::keyClick(menu, Qt::Key_Escape);
        QVERIFY(!menu->isVisible());
        QCOMPARE(select.selection(), QVariant(QStringLiteral("light")));
        QCOMPARE(activated.count(), 0);

        // The keys start from the chosen item.
        menu = openMenu(select);
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
        QCOMPARE(select.selection(), QVariant(QStringLiteral("dark")));
        QCOMPARE(activated.count(), 1);
    }

    void selectEdgeCases()
    {
        // No options: an empty field and an empty menu; nothing changes.
        SSelect empty({}, QStringLiteral("x"));
        empty.show();
        QVERIFY(empty.label().isEmpty());
        QMenu* menu = openMenu(empty);
        QVERIFY(menu);
        QVERIFY(menu->actions().isEmpty());

        // Equal values are both ticked; labels, "&" included, show as given.
        SSelect twins({{1, QStringLiteral("Tom & Jerry")}, {2, QStringLiteral("Two")}, {1, QStringLiteral("Again")}}, 1);
        twins.show();
        menu = openMenu(twins);
        QCOMPARE(checkedTexts(menu), (QStringList{QStringLiteral("Tom && Jerry"), QStringLiteral("Again")}));
        QCOMPARE(twins.label(), QStringLiteral("Tom & Jerry"));
        menu->close();

        // New options are used by the next opening, for items and picks.
        twins.setOptions(themes());
        QVERIFY(twins.label().isEmpty());
        menu = openMenu(twins);
        QVERIFY(checkedTexts(menu).isEmpty());
        menu->actions().at(1)->trigger();
        QCOMPARE(twins.selection(), QVariant(QStringLiteral("dark")));
    }
};

QTEST_MAIN(TestChoiceControls)
#include "TestChoiceControls.moc"
