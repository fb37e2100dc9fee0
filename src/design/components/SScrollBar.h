#pragma once

#include <QScrollBar>

// A slim scroll bar in the design's colours: a rounded thumb on a clear
// track, darker under the pointer or while dragged, no arrows. Put it on a
// scroll area with setVerticalScrollBar().
class SScrollBar final : public QScrollBar {
    Q_OBJECT

public:
    static constexpr int thickness = 10;

    explicit SScrollBar(Qt::Orientation orientation = Qt::Vertical, QWidget* parent = nullptr);

private:
    void restyle();
};
