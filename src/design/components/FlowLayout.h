#pragma once

#include <QLayout>
#include <QList>
#include <QSize>

// Places its items left to right at their size hints and wraps them into
// further rows when the width runs out, like words in a paragraph.
class FlowLayout final : public QLayout
{
    Q_OBJECT

public:
    // Where an item shorter than its row sits: Qt::AlignTop, Qt::AlignBottom,
    // anything else centres it.
    explicit FlowLayout(int spacing = 8, int lineSpacing = 8, Qt::Alignment alignment = Qt::AlignVCenter,
                        QWidget* parent = nullptr);
    ~FlowLayout() override;

    struct Row
    {
        QList<int> indices;
        int width = 0;
        int height = 0;
        bool operator==(const Row&) const = default;
    };

    // Greedy row breaking of items of the given sizes into maxWidth; an item
    // wider than maxWidth on its own takes a row by itself.
    static QList<Row> rows(int maxWidth, const QList<QSize>& sizes, int spacing);

    int itemSpacing() const { return m_spacing; }
    int lineSpacing() const { return m_lineSpacing; }

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    QList<QSize> itemSizes() const;
    int contentHeight(const QList<Row>& rows) const;

    QList<QLayoutItem*> m_items;
    int m_spacing;
    int m_lineSpacing;
    Qt::Alignment m_alignment;
};
