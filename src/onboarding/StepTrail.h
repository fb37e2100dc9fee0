#pragma once

#include <QList>
#include <QString>
#include <QUrl>
#include <QWidget>

// Short numbered instructions in a row, chevrons between them, wrapping like
// words (a line never starts with a chevron). An entry with a link opens it in the browser when clicked.
class StepTrail final : public QWidget
{
    Q_OBJECT

public:
    struct Item
    {
        QString text;
        QUrl link;

        bool operator==(const Item&) const = default;
    };

    explicit StepTrail(const QList<Item>& items = {}, QWidget* parent = nullptr);

    QList<Item> items() const { return m_items; }
    void setItems(const QList<Item>& items);
    // The entry widgets, in order (for tests and pictures).
    QList<QWidget*> entries() const;
    // Whether the entry shows the chevron before it: not when it starts a line.
    bool showsChevron(int index) const;

private:
    QList<Item> m_items;
};
