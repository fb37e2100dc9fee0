#pragma once

#include "design/ColorToken.h"
#include "design/components/AbstractControl.h"

class AnimatedValue;

struct ChipStyle {
    int height = 36;
    int padding = 15;
    int spacing = 6;
    int iconSize = 16;
    int captionSize = 14;
    // Not selected, then hovered; selected looks the same hovered or not.
    ColorToken text{};
    ColorToken textHot{};
    ColorToken fill{};
    ColorToken border{};
    ColorToken borderHot{};
    ColorToken selectedText{};
    ColorToken selectedFill{};
    ColorToken selectedBorder{};

    static ChipStyle standard();
    friend bool operator==(const ChipStyle&, const ChipStyle&) = default;
};

// A selectable pill. Clicking only emits clicked(); the owner decides what
// selecting means and sets selected.
class Chip final : public AbstractControl {
    Q_OBJECT

public:
    explicit Chip(const QString& text = {}, bool selected = false, const QString& icon = {}, QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);
    QString icon() const { return m_icon; }
    void setIcon(const QString& name);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    QPainterPath focusShape() const override;

private:
    QFont captionFont() const;

    QString m_text;
    bool m_selected;
    QString m_icon;
    ChipStyle m_style = ChipStyle::standard();
    AnimatedValue* m_selection;
};
