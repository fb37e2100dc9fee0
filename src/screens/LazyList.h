#pragma once

#include <QHash>
#include <QList>
#include <QMargins>
#include <QScrollArea>

#include <functional>

// A vertical list whose rows are widgets built only as the view nears them,
// so a list of a thousand rows costs little more than the rows on screen.
// Rows are known by a key: a new list of rows keeps the built widget of every
// key that stays (with its caret, selection, hover and focus) and asks for it
// to be brought up to date. Rows not yet built take an estimated height until
// they are.
class LazyList final : public QScrollArea {
    Q_OBJECT

public:
    struct Row {
        QString key;
        int gapAbove = 0;
        // How far the widget reaches past the row on each side (a shadow).
        QMargins outset;
        bool operator==(const Row&) const = default;
    };

    struct Source {
        // Builds the widget of a row.
        std::function<QWidget*(int row, QWidget* parent)> create;
        // Brings a kept widget up to date with its row.
        std::function<void(int row, QWidget* widget)> update;
        // A cheap guess of a row's height at a width, before it is built.
        std::function<int(int row, int width)> estimate;
    };

    explicit LazyList(Source source, QWidget* parent = nullptr);

    void setRows(const QList<Row>& rows);
    const QList<Row>& rows() const { return m_rows; }
    // Space around the rows inside the scrolled area.
    void setPadding(const QMargins& padding);

    // The built widget of a key, or null.
    QWidget* rowWidget(const QString& key) const { return m_built.value(key); }
    int builtCount() const { return int(m_built.size()); }
    // The row's rectangle in the scrolled content.
    QRect rowRect(int row) const;
    // Scrolls so that the row is in view, building it.
    void reveal(int row);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int contentWidth() const;
    int heightOf(int row) const;
    void relayout();
    void fill();
    // Builds the rows from above to below the top of the view, in pixels.
    void buildWithin(int above, int below);
    QWidget* build(int row);

    Source m_source;
    QList<Row> m_rows;
    QMargins m_padding;
    QWidget* m_content;
    QHash<QString, QWidget*> m_built;
    // Heights measured at m_measuredWidth, kept after a widget is let go.
    QHash<QString, int> m_measured;
    int m_measuredWidth = -1;
    QList<int> m_tops;
    QList<int> m_heights;
    bool m_filling = false;
    bool m_prefetchQueued = false;
};
