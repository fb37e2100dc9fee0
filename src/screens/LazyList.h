#pragma once

#include "screens/LazyRows.h"

#include <QPointer>
#include <QScrollArea>

class FocusRing;

// A scroll area whose whole content is a LazyRows list: only the rows near
// the view are built. Reached by Tab, it shows its ring just inside its edge.
class LazyList final : public QScrollArea {
    Q_OBJECT

public:
    using Row = LazyRows::Row;
    using Source = LazyRows::Source;

    explicit LazyList(Source source, QWidget* parent = nullptr);

    void setRows(const QList<Row>& rows) { m_rows->setRows(rows); }
    const QList<Row>& rows() const { return m_rows->rows(); }
    // Space around the rows inside the scrolled area.
    void setPadding(const QMargins& padding) { m_rows->setPadding(padding); }

    // The built widget of a key, or null.
    QWidget* rowWidget(const QString& key) const { return m_rows->rowWidget(key); }
    int builtCount() const { return m_rows->builtCount(); }
    // The row's rectangle in the scrolled content.
    QRect rowRect(int row) const { return m_rows->rowRect(row); }
    // Scrolls so that the row is in view, building it.
    void reveal(int row) { m_rows->reveal(row); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    LazyRows* m_rows;
    QPointer<FocusRing> m_ring;
};
