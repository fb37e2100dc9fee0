#pragma once

#include <QScrollBar>

// A slim scroll bar: a rounded thumb on a clear track, no arrows, in the
// colours of the theme in force.
class SScrollBar final : public QScrollBar {
    Q_OBJECT

public:
    static constexpr int thickness = 10;

    explicit SScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

private:
    void restyle();
};
