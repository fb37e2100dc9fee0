#pragma once

#include <QWidget>

// A plain container that paints, behind its children, the shadows of every
// visible CardFrame inside it, so cards keep their edges where the layout
// puts them. Leave room for the shadows in the host's own margins.
class CardHost final : public QWidget {
    Q_OBJECT

public:
    explicit CardHost(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
