#pragma once

#include <QHash>
#include <QList>
#include <QMargins>
#include <QPointer>
#include <QUuid>
#include <QWidget>

#include <functional>

class QAbstractScrollArea;

// A column of rows whose widgets are built only as the enclosing scroll
// area's view nears them, so a list of thousands of rows costs little more
// than the rows on screen. Rows are known by a key: a new list of rows keeps
// the built widget of every key that stays (with its caret, selection, hover
// and focus) and asks for it to be brought up to date, so a change costs what
// changed, not the length of the list. Rows not yet built take an estimated
// height until they are. It works as a scroll area's own content or as one
// item of a scrolled page.
class LazyRows final : public QWidget {
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

    explicit LazyRows(Source source, QWidget* parent = nullptr);

    // One row per item, known by the item's id.
    template <class T>
    static QList<Row> byId(const QList<T>& items)
    {
        QList<Row> rows;
        rows.reserve(items.size());
        for (const T& item : items)
            rows.append({item.id.toString(QUuid::WithoutBraces), 0, {}});
        return rows;
    }

    void setRows(const QList<Row>& rows);
    const QList<Row>& rows() const { return m_rows; }
    // Space around the rows.
    void setPadding(const QMargins& padding);

    // The built widget of a key, or null.
    QWidget* rowWidget(const QString& key) const { return m_built.value(key); }
    int builtCount() const { return int(m_built.size()); }
    // The row's rectangle in this widget.
    QRect rowRect(int row) const;
    // Scrolls so that the row is in view, building it.
    void reveal(int row);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int contentWidth() const;
    // The height a built row's widget takes at the current width.
    int heightOf(int row, QWidget* widget) const;
    int heightOf(int row, QWidget* widget, int contentWidth) const;
    // The part of this widget the scroll area shows, top and bottom.
    std::pair<int, int> span() const;
    void findScrollArea();
    void relayout();
    void fill();
    // Builds the rows from above to below the top of the view, in pixels.
    void buildWithin(int above, int below);
    QWidget* build(int row);
    void letGo(const QList<QWidget*>& widgets);
    // The first row in view and how far the view's top is into it.
    std::pair<QString, int> anchor() const;
    void keepAnchor(const std::pair<QString, int>& anchor);

    Source m_source;
    QList<Row> m_rows;
    // The rows of the built widgets (and of the row kept in view), by key.
    QHash<QString, int> m_index;
    QMargins m_padding;
    QPointer<QAbstractScrollArea> m_area;
    QHash<QString, QWidget*> m_built;
    // Heights measured at m_measuredWidth, kept after a widget is let go;
    // every built row has one.
    QHash<QString, int> m_measured;
    int m_measuredWidth = -1;
    QList<int> m_tops;
    QList<int> m_heights;
    int m_total = 0;
    bool m_filling = false;
    bool m_prefetchQueued = false;
};
