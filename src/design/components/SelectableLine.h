#pragma once

#include "design/ColorToken.h"
#include "design/TypeModifier.h"

#include <QLineEdit>

// One line of plain text that the mouse can select and Ctrl+C copy (an
// address to copy by hand), drawn like any text of the style: no frame, no
// fill, the colour token resolved in the current theme. It cannot be edited.
class SelectableLine final : public QLineEdit {
    Q_OBJECT

public:
    explicit SelectableLine(const TypeModifier& type, const ColorToken& color, QWidget* parent = nullptr);

    TypeModifier type() const { return m_type; }
    void setType(const TypeModifier& type);
    // Shows text from its start, nothing selected.
    void setLine(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    void applyColors();

    TypeModifier m_type;
    ColorToken m_color;
};
