#include "design/components/FlowLayout.h"

#include <QWidget>
#include <QtTest>

#include <limits>

using Rows = QList<FlowLayout::Row>;
Q_DECLARE_METATYPE(Rows)

namespace {

QList<QSize> sizes(std::initializer_list<int> widths, int height = 20)
{
    QList<QSize> list;
    for (int w : widths)
        list.append(QSize(w, height));
    return list;
}

FlowLayout::Row row(QList<int> indices, int width, int height = 20)
{
    return FlowLayout::Row{indices, width, height};
}

class Fixed final : public QWidget
{
public:
    Fixed(int w, int h, QWidget* parent) : QWidget(parent), m_size(w, h) {}
    QSize sizeHint() const override { return m_size; }

private:
    QSize m_size;
};

} // namespace

class TestFlowLayout final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wrapping_data()
    {
        QTest::addColumn<QList<QSize>>("items");
        QTest::addColumn<int>("width");
        QTest::addColumn<Rows>("expected");

        QTest::newRow("no items") << QList<QSize>() << 100 << Rows();
        QTest::newRow("exact fit stays on one row") << sizes({40, 40, 40}) << 140 << Rows{row({0, 1, 2}, 140)};
        QTest::newRow("one point short wraps the third")
            << sizes({40, 40, 40}) << 139 << Rows{row({0, 1}, 90), row({2}, 40)};
        QTest::newRow("too wide alone keeps its own row") << sizes({300}) << 200 << Rows{row({0}, 300)};
        QTest::newRow("too wide in the middle")
            << sizes({50, 300, 50}) << 200 << Rows{row({0}, 50), row({1}, 300), row({2}, 50)};
        QTest::newRow("zero width: one item per row")
            << sizes({10, 20}) << 0 << Rows{row({0}, 10), row({1}, 20)};
        QTest::newRow("unbounded: all on one row")
            << sizes({100, 200, 300}) << std::numeric_limits<int>::max() << Rows{row({0, 1, 2}, 620)};
        QTest::newRow("row height is the tallest")
            << QList<QSize>{QSize(30, 10), QSize(30, 30), QSize(30, 20)} << 75
            << Rows{row({0, 1}, 70, 30), row({2}, 30, 20)};
    }

    void wrapping()
    {
        QFETCH(QList<QSize>, items);
        QFETCH(int, width);
        QFETCH(Rows, expected);
        QCOMPARE(FlowLayout::rows(width, items, 10), expected);
    }

    void placesRowsWithLineSpacingAndAlignment_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("shortY");
        QTest::newRow("top") << int(Qt::AlignTop) << 0;
        QTest::newRow("centre") << int(Qt::AlignVCenter) << 10;
        QTest::newRow("bottom") << int(Qt::AlignBottom) << 20;
    }

    void placesRowsWithLineSpacingAndAlignment()
    {
        QFETCH(int, alignment);
        QFETCH(int, shortY);

        QWidget host;
        auto* layout = new FlowLayout(10, 8, Qt::Alignment(alignment), &host);
        auto* tall = new Fixed(60, 30, &host);
        auto* small = new Fixed(40, 10, &host);
        auto* second = new Fixed(90, 20, &host);
        layout->addWidget(tall);
        layout->addWidget(small);
        layout->addWidget(second);

        QCOMPARE(layout->heightForWidth(110), 30 + 8 + 20);
        layout->setGeometry(QRect(0, 0, 110, 58));
        QCOMPARE(tall->geometry(), QRect(0, 0, 60, 30));
        QCOMPARE(small->geometry(), QRect(70, shortY, 40, 10));
        QCOMPARE(second->geometry(), QRect(0, 38, 90, 20));
        // Unconstrained, everything is one row.
        QCOMPARE(layout->sizeHint(), QSize(60 + 10 + 40 + 10 + 90, 30));
    }

    void emptyLayoutHasNoHeight()
    {
        QWidget host;
        auto* layout = new FlowLayout(10, 8, Qt::AlignVCenter, &host);
        QCOMPARE(layout->heightForWidth(200), 0);
        QCOMPARE(layout->sizeHint(), QSize(0, 0));
    }
};

QTEST_MAIN(TestFlowLayout)
#include "TestFlowLayout.moc"
