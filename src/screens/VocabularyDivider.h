#pragma once

#include <QMargins>
#include <QWidget>

// Holds one widget with padding around it and a hairline along its top edge,
// as wide as the list it sits in.
class VocabularyDivider final : public QWidget {
    Q_OBJECT

public:
    VocabularyDivider(QWidget* content, const QMargins& padding, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
