#include "ControlPixels.h"

#include "design/Onest.h"
#include "design/Palette.h"
#include "design/components/ChoiceOption.h"
#include "design/components/AbstractControl.h"
#include "design/components/SSegmented.h"

#include <QPainter>
#include <QtTest>

#include <functional>
#include <memory>

// The keyboard-focus ring shows whole around the focused control: no edge
// of the control's container cuts it, and no neighbour paints over it.
class TestFocusRing final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void ringIsWholeAroundTheControl_data();
    void ringIsWholeAroundTheControl();
};

namespace {

const QColor paper(255, 255, 255);

// A plain opaque widget in the paper colour.
class Neighbour final : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), paper); }
};

QWidget* filled(QWidget* parent)
{
    auto* w = new QWidget(parent);
    w->setAutoFillBackground(true);
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, paper);
    w->setPalette(palette);
    return w;
}

// A control whose outline is its whole rectangle.
class Square final : public AbstractControl
{
public:
    using AbstractControl::AbstractControl;
    QSize sizeHint() const override { return {90, 34}; }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(0x20, 0x20, 0x20)); }
};

using MakeControl = std::function<QWidget*()>;

} // namespace

Q_DECLARE_METATYPE(MakeControl)

void TestFocusRing::initTestCase()
{
    Onest::registerFaces();
}

void TestFocusRing::ringIsWholeAroundTheControl_data()
{
    QTest::addColumn<MakeControl>("make");
    QTest::addColumn<QString>("place");
    const MakeControl button = [] { return new Square; };
    const MakeControl segmented = [] {
        return new SSegmented({{QStringLiteral("light"), QStringLiteral("Light")}, {QStringLiteral("dark"), QStringLiteral("Dark")}},
                              QStringLiteral("light"));
    };
    for (const auto& [name, make] : {std::pair{"control", button}, std::pair{"segmented", segmented}}) {
        QTest::addRow("%s at the container's corner", name) << make << QStringLiteral("corner");
        QTest::addRow("%s between neighbours", name) << make << QStringLiteral("neighbours");
    }
}

void TestFocusRing::ringIsWholeAroundTheControl()
{
    QFETCH(MakeControl, make);
    QFETCH(QString, place);

    std::unique_ptr<QWidget> window(filled(nullptr));
    window->resize(400, 200);
    QWidget* container = filled(window.get());
    container->setGeometry(40, 40, 320, 100);
    QWidget* control = make();
    control->setParent(container);
    control->resize(control->sizeHint());
    if (place == QLatin1String("corner")) {
        // Tight in the container's top-left corner.
        control->move(0, 0);
    } else {
        // Room around it in its container, but the strips of another part
        // of the window lie over that room, touching it on every side.
        control->move(60, 30);
        const QRect box(control->mapTo(window.get(), QPoint(0, 0)), control->size());
        for (const QRect& strip : {QRect(box.left() - 20, box.top() - 20, box.width() + 40, 20),
                                   QRect(box.left() - 20, box.bottom() + 1, box.width() + 40, 20),
                                   QRect(box.left() - 20, box.top(), 20, box.height()),
                                   QRect(box.right() + 1, box.top(), 20, box.height())})
            (new Neighbour(window.get()))->setGeometry(strip);
    }
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QApplication::setActiveWindow(window.get());
    control->setFocus(Qt::TabFocusReason);
    QVERIFY(control->hasFocus());
    QCoreApplication::processEvents();

    const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QRect box(control->mapTo(window.get(), QPoint(0, 0)), control->size());
    const QColor ring = ControlPixels::over(Palette::ring.color(), 1.0, paper);
    // The middle of the band, 2 pixels out, along every side; the rounded
    // corners are left out.
    const int corner = 14;
    QStringList missing;
    auto check = [&](int x, int y) {
        const QColor found = shown.pixelColor(x, y);
        if (!ControlPixels::near(found, ring, 4))
            missing << QStringLiteral("%1,%2 %3").arg(x).arg(y).arg(found.name());
    };
    for (int x = box.left() + corner; x <= box.right() - corner; ++x) {
        check(x, box.top() - 2);
        check(x, box.bottom() + 2);
    }
    for (int y = box.top() + corner; y <= box.bottom() - corner; ++y) {
        check(box.left() - 2, y);
        check(box.right() + 2, y);
    }
    if (!missing.isEmpty())
        QFAIL(qPrintable(QStringLiteral("%1 pixels without the ring, e.g. %2 (ring %3)")
                             .arg(missing.size())
                             .arg(missing.first(), ring.name())));
}

QTEST_MAIN(TestFocusRing)
#include "TestFocusRing.moc"
