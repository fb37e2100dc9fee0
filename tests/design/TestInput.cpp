#include "design/Onest.h"
#include "design/Palette.h"
#include "design/components/SInput.h"

#include "ControlPixels.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QtTest>

using namespace ControlPixels;

Q_DECLARE_METATYPE(ControlSize)
Q_DECLARE_METATYPE(Elevation)

namespace {

// A shown window holding the field and a second one to take focus away.
struct Form {
    QWidget window;
    SInput* field = new SInput(QStringLiteral("Search"), ControlSize::Md, &window);
    QLineEdit* other = new QLineEdit(&window);

    Form()
    {
        // Room on the left for the ring, which lies beside the field.
        field->setGeometry(10, 0, 240, field->sizeHint().height());
        other->setGeometry(0, 60, 100, 30);
        window.resize(270, 100);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // The window focuses its first field; start from the other one.
        other->setFocus();
    }
};

} // namespace

class TestInput final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Onest::registerFaces(); }

    void heightsFollowTheSizeOnly_data()
    {
        QTest::addColumn<ControlSize>("size");
        QTest::addColumn<int>("box");
        QTest::newRow("sm") << ControlSize::Sm << 32;
        QTest::newRow("md") << ControlSize::Md << 40;
        QTest::newRow("lg") << ControlSize::Lg << 48;
    }

    void heightsFollowTheSizeOnly()
    {
        QFETCH(ControlSize, size);
        QFETCH(int, box);
        SInput field(QStringLiteral("Name"), size);
        // The box, plus 3 points above and below for the focus ring; the
        // box itself reaches both sides.
        QCOMPARE(field.sizeHint().height(), box + 6);
        field.resize(200, box + 6);
        QCOMPARE(field.boxRect(), QRectF(0, 3, 200, box));
    }

    void placeholderFollowsTheText()
    {
        Form form;
        QVERIFY(form.field->showsPlaceholder());
        form.field->requestFocus();
        QVERIFY(form.field->showsPlaceholder());
        QTest::keyClicks(form.field->lineEdit(), QStringLiteral("a"));
        QVERIFY(!form.field->showsPlaceholder());
        QTest::keyClick(form.field->lineEdit(), Qt::Key_Backspace);
        QVERIFY(form.field->showsPlaceholder());
        form.other->setFocus();
        QVERIFY(form.field->showsPlaceholder());
    }

    void borderRingAndShadow_data()
    {
        QTest::addColumn<bool>("focused");
        QTest::addColumn<bool>("error");
        QTest::addColumn<bool>("hovered");
        QTest::addColumn<bool>("sunken");
        QTest::addColumn<ColorToken>("border");
        QTest::addColumn<ColorToken>("ring");
        QTest::addColumn<Elevation>("shadow");
        using namespace Palette;
        const ColorToken none = ControlPaint::clear;
        QTest::newRow("rest") << false << false << false << false << borderDefault << none << Elevation::Xs;
        QTest::newRow("hovered") << false << false << true << false << borderStrong << none << Elevation::Xs;
        QTest::newRow("error wins over hover") << false << true << true << false << red500 << none << Elevation::Xs;
        QTest::newRow("focused") << true << false << false << false << borderFocus << ring << Elevation::None;
        QTest::newRow("focus wins over error") << true << true << false << false << borderFocus << errorRing << Elevation::None;
        QTest::newRow("sunken never casts") << false << false << false << true << borderDefault << none << Elevation::None;
    }

    void borderRingAndShadow()
    {
        QFETCH(bool, focused);
        QFETCH(bool, error);
        QFETCH(bool, hovered);
        QFETCH(bool, sunken);
        QFETCH(ColorToken, border);
        QFETCH(ColorToken, ring);
        QFETCH(Elevation, shadow);

        Form form;
        form.field->setError(error);
        form.field->setSunken(sunken);
        hover(*form.field, hovered);
        if (focused)
            QTest::mouseClick(form.field, Qt::LeftButton, {}, QPoint(8, 23));
        QCOMPARE(form.field->isFocused(), focused);
        QCOMPARE(form.field->borderColor(), border.color());
        QCOMPARE(form.field->ringColor().alpha(), ring.color().alpha());
        QCOMPARE(form.field->shadow(), shadow);

        // Read back: the box's left edge, its fill and, when focused, the ring
        // beside it (without focus the shadow of the box lies there).
        const QImage image = form.window.grab().toImage();
        const QColor fill = (sunken ? Palette::surfaceSubtle : Palette::surfaceCard).color();
        const QColor window = form.window.palette().color(QPalette::Window);
        QCOMPARE_COLOR(image.pixelColor(10, 23), over(border.color(), 1.0, window));
        QCOMPARE_COLOR(image.pixelColor(17, 23), over(fill, 1.0, window));
        if (focused)
            QCOMPARE_COLOR(image.pixelColor(8, 23), over(ring.color(), 1.0, window));
    }

    void disabledIsDimmedWhole()
    {
        SInput field(QStringLiteral("Search"));
        field.setText(QStringLiteral("Tashkent"));
        field.resize(240, field.sizeHint().height());
        auto darkestText = [](const QImage& image) {
            int darkest = 255;
            for (int x = 16; x < 120; ++x)
                for (int y = 10; y < 36; ++y)
                    darkest = std::min(darkest, qGray(image.pixel(x, y)));
            return darkest;
        };
        const int enabled = darkestText(grab(field));
        field.setEnabled(false);
        const QImage disabled = grab(field);
        // The fill at 45 %, and the typed text, which the line edit paints, faded too.
        QCOMPARE_COLOR(disabled.pixelColor(200, 23), over(Palette::surfaceCard.color(), 0.45));
        QVERIFY2(darkestText(disabled) > enabled + 40, qPrintable(QString::number(darkestText(disabled))));
    }

    void secureTextShowsTextSizedBullets()
    {
        SInput field(QStringLiteral("API key"));
        field.setSecure(true);
        field.setText(QStringLiteral("AIzaSyD"));
        QLineEdit* edit = field.lineEdit();
        QCOMPARE(edit->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, edit), 0x2022);
        QCOMPARE(edit->displayText(), QString(7, QChar(0x2022)));
    }

    void focusRequestsAndAppearance()
    {
        Form form;
        QSignalSpy focus(form.field, &SInput::focusChanged);
        form.field->requestFocus();
        QVERIFY(form.field->isFocused());
        // Asking again while focused keeps it focused and changes nothing.
        form.field->requestFocus();
        QCOMPARE(focus.count(), 1);
        form.other->setFocus();
        QVERIFY(!form.field->isFocused());

        QWidget later;
        auto* field = new SInput(QString(), ControlSize::Md, &later);
        field->setFocusOnAppear(true);
        later.show();
        later.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&later));
        QTRY_VERIFY(field->isFocused());
    }

    void returnSubmitsPlainAndSecure_data()
    {
        QTest::addColumn<bool>("secure");
        QTest::newRow("plain") << false;
        QTest::newRow("secure") << true;
    }

    void returnSubmitsPlainAndSecure()
    {
        QFETCH(bool, secure);
        Form form;
        form.field->setSecure(secure);
        QSignalSpy submitted(form.field, &SInput::submitted);
        QSignalSpy changed(form.field, &SInput::textChanged);
        form.field->requestFocus();
        QTest::keyClicks(form.field->lineEdit(), QStringLiteral("key"));
        QTest::keyClick(form.field->lineEdit(), Qt::Key_Return);
        QCOMPARE(submitted.count(), 1);
        QCOMPARE(form.field->text(), QStringLiteral("key"));
        QCOMPARE(changed.count(), 3);
        QCOMPARE(form.field->lineEdit()->displayText() == QStringLiteral("key"), !secure);
        form.field->setText(QStringLiteral("key"));
        QCOMPARE(changed.count(), 3);
    }
};

QTEST_MAIN(TestInput)
#include "TestInput.moc"
