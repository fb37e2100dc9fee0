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

    // Room kept clear at the start and the end of the track (a rounded
    // corner of the surface the bar lies on): the thumb never enters it.
    void setInsets(int start, int end);

private:
    void restyle();

    int m_start = 0;
    int m_end = 0;
};
