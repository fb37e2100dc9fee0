#include "design/Onest.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/components/SButton.h"
#include "design/components/SIconButton.h"
#include "design/components/SInput.h"
#include "design/components/SSelect.h"

#include "ControlPixels.h"

#include <QFontMetricsF>
#include <QApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QStyleHints>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace ControlPixels;

Q_DECLARE_METATYPE(ButtonVariant)
Q_DECLARE_METATYPE(ControlSize)
Q_DECLARE_METATYPE(IconButtonVariant)

class TestButtons final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Onest::registerFaces(); }
    void cleanup() { Theme::instance().setMode(Theme::Mode::Light); }

    void widthHugsTheLabel_data()
    {
        QTest::addColumn<ControlSize>("size");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QString>("iconRight");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("padding");
        QTest::addColumn<int>("caption");
        QTest::addColumn<int>("icons");
        QTest::newRow("sm") << ControlSize::Sm << "" << "" << 32 << 13 << 13 << 0;
        QTest::newRow("md, leading icon") << ControlSize::Md << "plus" << "" << 40 << 17 << 14 << 18 + 8;
        QTest::newRow("lg, both icons") << ControlSize::Lg << "plus" << "arrow-right" << 48 << 21 << 16 << 2 * (20 + 8);
    }

    void widthHugsTheLabel()
    {
        QFETCH(ControlSize, size);
        QFETCH(QString, icon);
        QFETCH(QString, iconRight);
        QFETCH(int, height);
        QFETCH(int, padding);
        QFETCH(int, caption);
        QFETCH(int, icons);

        SButton button(QStringLiteral("Save changes"), ButtonVariant::Secondary, size);
        button.setIcon(icon);
        button.setIconRight(iconRight);
        const qreal label = std::ceil(QFontMetricsF(Onest::font(caption, QFont::DemiBold)).horizontalAdvance(button.text()));
        // Above and below the box, 3 for the xs shadow; the box reaches
        // the sides.
        QCOMPARE(button.sizeHint(), QSize(int(label) + icons + 2 * padding, height + 6));
    }

    void blockFillsTheWidthAndKeepsItsHeight()
    {
        QWidget row;
        auto* layout = new QHBoxLayout(&row);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        auto* block = new SButton(QStringLiteral("Continue"));
        block->setBlock(true);
        auto* hug = new SButton(QStringLiteral("Back"), ButtonVariant::Ghost);
        layout->addWidget(block);
        layout->addWidget(hug);
        row.resize(600, 100);
        row.show();
        layout->activate();
        QCOMPARE(block->height(), 40);
        QCOMPARE(block->width(), 600 - hug->sizeHint().width());
        // A non-block button beside it keeps its own width.
        QCOMPARE(hug->size(), hug->sizeHint());
    }

    void fills_data()
    {
        QTest::addColumn<ButtonVariant>("variant");
        QTest::addColumn<bool>("dark");
        QTest::addColumn<ColorToken>("normal");
        QTest::addColumn<ColorToken>("hot");
        QTest::addColumn<ColorToken>("pressed");
        using namespace Palette;
        for (bool dark : {false, true}) {
            const char* theme = dark ? " dark" : " light";
            QTest::addRow("primary%s", theme) << ButtonVariant::Primary << dark << brand << brandHover << brandPress;
            QTest::addRow("secondary%s", theme) << ButtonVariant::Secondary << dark << surfaceCard << surfaceHover << surfaceHover;
            QTest::addRow("soft%s", theme) << ButtonVariant::Soft << dark << surfaceBrandSoft << blue100 << blue100;
            QTest::addRow("ghost%s", theme) << ButtonVariant::Ghost << dark << ControlPaint::clear << surfaceSunken << surfaceSunken;
            QTest::addRow("danger%s", theme) << ButtonVariant::Danger << dark << red600 << red700 << red700;
        }
    }

    // The fill in the padding, left of the caption: normal, hot, pressed while
    // hot, and disabled (45 % over the background, never hot).
    void fills()
    {
        QFETCH(ButtonVariant, variant);
        QFETCH(bool, dark);
        QFETCH(ColorToken, normal);
        QFETCH(ColorToken, hot);
        QFETCH(ColorToken, pressed);
        Theme::instance().setMode(dark ? Theme::Mode::Dark : Theme::Mode::Light);

        SButton button(QStringLiteral("Delete"), variant, ControlSize::Md);
        const QPoint probe(8, 20);
        QCOMPARE_COLOR(grab(button).pixelColor(probe), over(normal.color()));
        hover(button, true);
        QCOMPARE_COLOR(grab(button).pixelColor(probe), over(hot.color()));
        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE_COLOR(grab(button).pixelColor(probe), over(pressed.color()));
        QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(20, 20));
        button.setEnabled(false);
        QCOMPARE_COLOR(grab(button).pixelColor(probe), over(normal.color(), 0.45));
    }

    void shadowHasRoomInsideTheControl_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("secondary button") << "button";
        QTest::newRow("outline icon button") << "icon";
        QTest::newRow("select") << "select";
    }

    void shadowHasRoomInsideTheControl()
    {
        QFETCH(QString, control);
        std::unique_ptr<QWidget> widget;
        if (control == QLatin1String("button"))
            widget = std::make_unique<SButton>(QStringLiteral("Edit"), ButtonVariant::Secondary);
        else if (control == QLatin1String("icon"))
            widget = std::make_unique<SIconButton>(QStringLiteral("x"), IconButtonVariant::Outline, 32);
        else
            widget = std::make_unique<SSelect>(ChoiceOptions{{1, QStringLiteral("One")}}, 1);
        // Just below the box, in the middle, the shadow shows on the host.
        const QImage image = grab(*widget);
        const QColor below = image.pixelColor(image.width() / 2, image.height() - 2);
        QVERIFY2(below.red() < background.red(), qPrintable(below.name()));
        // A control and an input of one size stand the same height.
        if (control != QLatin1String("icon"))
            QCOMPARE(widget->sizeHint().height(), SInput().sizeHint().height());
    }

    void onlyOutlinedVariantsHaveABorder()
    {
        SButton secondary(QStringLiteral("Edit"), ButtonVariant::Secondary);
        SButton primary(QStringLiteral("Edit"), ButtonVariant::Primary);
        // The middle of the left edge is the border's column: every variant
        // reaches the control's side.
        QCOMPARE_COLOR(grab(secondary).pixelColor(0, 20), over(Palette::borderDefault.color()));
        QCOMPARE_COLOR(grab(primary).pixelColor(0, 20), over(Palette::brand.color()));
        hover(secondary, true);
        QCOMPARE_COLOR(grab(secondary).pixelColor(0, 20), over(Palette::borderStrong.color()));
    }

    void clickEmitsOnceAndDisabledDoesNot()
    {
        SButton button(QStringLiteral("Go"));
        QSignalSpy clicked(&button, &SButton::clicked);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        button.setEnabled(false);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
    }

    void secondClickCountsOnlyWhereTheFirstWent()
    {
        // Two rows' Delete buttons: the first is clicked, then its row goes
        // and the second slides under the pointer in time for the double
        // click's second press.
        SIconButton first(QStringLiteral("trash-2"));
        SIconButton second(QStringLiteral("trash-2"));
        for (SIconButton* button : {&first, &second})
            button->resize(button->sizeHint());
        QSignalSpy firstClicked(&first, &SIconButton::clicked);
        QSignalSpy secondClicked(&second, &SIconButton::clicked);
        const auto send = [](QWidget* to, QEvent::Type type, ulong at) {
            const QPointF at5(5, 5);
            QMouseEvent event(type, at5, to->mapToGlobal(at5), Qt::LeftButton,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, {});
            event.setTimestamp(at);
            QApplication::sendEvent(to, &event);
        };
        const ulong interval = ulong(QGuiApplication::styleHints()->mouseDoubleClickInterval());
        send(&first, QEvent::MouseButtonPress, 1000);
        send(&first, QEvent::MouseButtonRelease, 1050);
        send(&second, QEvent::MouseButtonDblClick, 1150);
        send(&second, QEvent::MouseButtonRelease, 1200);
        QCOMPARE(firstClicked.count(), 1);
        QCOMPARE(secondClicked.count(), 0);

        // Where the first press went, a double click is two clicks.
        send(&first, QEvent::MouseButtonPress, 5000);
        send(&first, QEvent::MouseButtonRelease, 5050);
        send(&first, QEvent::MouseButtonDblClick, 5150);
        send(&first, QEvent::MouseButtonRelease, 5200);
        QCOMPARE(firstClicked.count(), 3);
        // A press of its own long before does not make a later one its second.
        send(&second, QEvent::MouseButtonPress, 9000);
        send(&second, QEvent::MouseButtonRelease, 9050);
        send(&second, QEvent::MouseButtonDblClick, 9100 + interval);
        send(&second, QEvent::MouseButtonRelease, 9150 + interval);
        QCOMPARE(secondClicked.count(), 1);
    }

    void keyboardFocusShowsARingOutside()
    {
        // On a host, so that the ring, drawn beside the button, can show.
        QWidget host;
        host.setAutoFillBackground(true);
        QPalette palette = host.palette();
        palette.setColor(QPalette::Window, background);
        host.setPalette(palette);
        host.resize(200, 80);
        auto* button = new SButton(QStringLiteral("Save"), ButtonVariant::Primary, ControlSize::Md, &host);
        auto* round = new SIconButton(QStringLiteral("x"), IconButtonVariant::Ghost, 32, &host);
        button->move(20, 20);
        round->move(140, 24);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        const QPoint beside(20 - 2, 40); // 2 left of the button's middle
        const QColor ring = over(Palette::ring.color());

        QFocusEvent tab(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(button, &tab);
        QCOMPARE_COLOR(host.grab().toImage().pixelColor(beside), ring);
        // Round controls get a round ring: nothing at the square's corner.
        QApplication::sendEvent(round, &tab);
        QCOMPARE_COLOR(host.grab().toImage().pixelColor(140 - 2, 24 + 16), ring);
        QCOMPARE_COLOR(host.grab().toImage().pixelColor(140 - 2, 24 - 2), background);

        // A click gives no ring; leaving takes it away.
        QTest::mousePress(button, Qt::LeftButton);
        QCOMPARE_COLOR(host.grab().toImage().pixelColor(beside), background);
        QTest::mouseRelease(button, Qt::LeftButton);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(round, &out);
        QCOMPARE_COLOR(host.grab().toImage().pixelColor(140 - 2, 24 + 16), background);
    }

    // Focus moves by Tab only, and never to a neighbour when the focused
    // button goes: to the list around it, as a click on its empty space would.
    void focusGoesToANeutralPlace()
    {
        QWidget window;
        window.resize(400, 200);
        auto* list = new QWidget(&window);
        list->setObjectName(QStringLiteral("list"));
        list->setFocusPolicy(Qt::ClickFocus);
        list->setGeometry(0, 0, 400, 200);
        auto* row = new QHBoxLayout(list);
        QList<SButton*> buttons;
        for (const char* name : {"retry", "delete", "edit"}) {
            buttons << new SButton(QString::fromLatin1(name), ButtonVariant::Secondary, ControlSize::Sm);
            buttons.last()->setObjectName(QString::fromLatin1(name));
            row->addWidget(buttons.last());
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto tab = [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); };

        // A click acts and leaves the focus where it was.
        list->setFocus();
        QTest::mouseClick(buttons[0], Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), list);

        // Tab reaches every button in order, with a ring.
        for (SButton* button : buttons) {
            tab();
            QCOMPARE(QApplication::focusWidget(), button);
            QVERIFY(button->hasFocusRing());
        }

        // Disabled or hidden while focused: the list takes the focus, and
        // Space there presses nothing.
        int deletes = 0;
        connect(buttons[1], &SButton::clicked, [&deletes] { ++deletes; });
        buttons[0]->setFocus(Qt::TabFocusReason);
        buttons[0]->setEnabled(false);
        QCOMPARE(QApplication::focusWidget(), list);
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(deletes, 0);
        buttons[0]->setEnabled(true);
        buttons[2]->setFocus(Qt::TabFocusReason);
        buttons[2]->hide();
        QCOMPARE(QApplication::focusWidget(), list);
        QVERIFY(!buttons[1]->hasFocusRing());

        // From there Tab goes on as before.
        tab();
        QCOMPARE(QApplication::focusWidget(), buttons[0]);
    }

    void iconButtonMetrics_data()
    {
        QTest::addColumn<int>("diameter");
        QTest::addColumn<int>("iconSize");
        QTest::addColumn<int>("expected");
        QTest::newRow("28 draws 13") << 28 << 0 << 13;
        QTest::newRow("32 draws 15") << 32 << 0 << 15;
        QTest::newRow("24 draws 12") << 24 << 0 << 12;
        QTest::newRow("explicit 16 whatever the diameter") << 40 << 16 << 16;
    }

    void iconButtonMetrics()
    {
        QFETCH(int, diameter);
        QFETCH(int, iconSize);
        QFETCH(int, expected);
        SIconButton button(QStringLiteral("x"), IconButtonVariant::Ghost, diameter);
        if (iconSize)
            button.setIconSize(iconSize);
        QCOMPARE(button.iconSize(), expected);
        QCOMPARE(button.sizeHint(), QSize(diameter, diameter));
        QVERIFY(button.help().isEmpty());
    }

    void iconButtonFills_data()
    {
        QTest::addColumn<IconButtonVariant>("variant");
        QTest::addColumn<ColorToken>("normal");
        QTest::addColumn<ColorToken>("hot");
        QTest::newRow("ghost") << IconButtonVariant::Ghost << ControlPaint::clear << Palette::surfaceSunken;
        QTest::newRow("outline") << IconButtonVariant::Outline << Palette::surfaceCard << Palette::surfaceHover;
        QTest::newRow("primary, no pressed fill") << IconButtonVariant::Primary << Palette::brand << Palette::brandHover;
    }

    void iconButtonFills()
    {
        QFETCH(IconButtonVariant, variant);
        QFETCH(ColorToken, normal);
        QFETCH(ColorToken, hot);
        SIconButton button(QStringLiteral("x"), variant, 40);
        const QPoint probe(8, 20);
        QCOMPARE_COLOR(grab(button).pixelColor(probe), over(normal.color()));
        hover(button, true);
        QCOMPARE_COLOR(grab(button).pixelColor(probe), over(hot.color()));
        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(20, 20));
        // Shrunk to 94 %, the probe is still inside and keeps the hot fill.
        QCOMPARE_COLOR(grab(button).pixelColor(QPoint(12, 20)), over(hot.color()));
        // Outside the circle nothing is painted.
        QCOMPARE_COLOR(grab(button).pixelColor(QPoint(1, 1)), background);
    }
};

QTEST_MAIN(TestButtons)
#include "TestButtons.moc"
