#pragma once

#include "design/Elevation.h"
#include "design/components/AbstractControl.h"
#include "design/components/ControlStyle.h"

#include <optional>

enum class ButtonVariant { Primary, Secondary, Soft, Ghost, Danger };

// Metrics of a text button by size.
struct ButtonMetrics {
    int height = 40;
    int padding = 17;
    int radius = 10;
    int captionSize = 14;
    int iconSize = 18;
    int spacing = 8;

    static ButtonMetrics of(ControlSize size);
    friend bool operator==(const ButtonMetrics&, const ButtonMetrics&) = default;
};

// Colours of a push control. "Hot" is hovered while enabled; fillPressed,
// when set, wins over hot while the control is held down.
struct ButtonColors {
    ColorToken text{};
    ColorToken textHot{};
    ColorToken fill{};
    ColorToken fillHot{};
    std::optional<ColorToken> fillPressed{};
    ColorToken border = ControlPaint::clear;
    ColorToken borderHot = ControlPaint::clear;
    Elevation shadow = Elevation::None;

    static ButtonColors of(ButtonVariant variant);
    friend bool operator==(const ButtonColors&, const ButtonColors&) = default;
};

struct ButtonStyle {
    ButtonMetrics metrics;
    ButtonColors colors;

    static ButtonStyle of(ButtonVariant variant, ControlSize size);
    friend bool operator==(const ButtonStyle&, const ButtonStyle&) = default;
};

// A text button with optional leading and trailing icons. Not block: exactly
// as wide as its content plus twice the padding; block: as wide as offered.
class SButton final : public AbstractControl {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit SButton(const QString& text = {}, ButtonVariant variant = ButtonVariant::Primary,
                     ControlSize size = ControlSize::Md, QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    ButtonVariant variant() const { return m_variant; }
    void setVariant(ButtonVariant variant);
    ControlSize controlSize() const { return m_size; }
    void setControlSize(ControlSize size);
    // Line-icon names before and after the caption; empty for none.
    QString icon() const { return m_icon; }
    void setIcon(const QString& name);
    QString iconRight() const { return m_iconRight; }
    void setIconRight(const QString& name);
    bool isBlock() const { return m_block; }
    void setBlock(bool block);

    const ButtonStyle& buttonStyle() const { return m_style; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The button itself, inside the room for its shadow above and below.
    QRectF boxRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    QPainterPath focusShape() const override;

private:
    void restyle();
    QFont captionFont() const;
    qreal contentWidth() const;

    QString m_text;
    ButtonVariant m_variant;
    ControlSize m_size;
    QString m_icon;
    QString m_iconRight;
    bool m_block = false;
    ButtonStyle m_style;
};
