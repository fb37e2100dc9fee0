#pragma once

#include <QMargins>
#include <QScrollArea>

class QVBoxLayout;

// A screen that scrolls as a whole: one column of at most maxWidth, at the
// leading edge of the width there is, padded, its items stacked leading-aligned.
// The column hosts cards, so their shadows show.
class ScrollPage final : public QScrollArea {
    Q_OBJECT

public:
    ScrollPage(int maxWidth, const QMargins& padding, int spacing, QWidget* parent = nullptr);

    QVBoxLayout* column() const { return m_column; }
    QWidget* content() const { return m_content; }

private:
    QWidget* m_content;
    QVBoxLayout* m_column;
};
