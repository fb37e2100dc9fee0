#pragma once

#include "design/components/AbstractControl.h"
#include "design/components/SButton.h"

#include <optional>

enum class IconButtonVariant { Ghost, Outline, Primary };

// A round icon-only button of any diameter. It has no pressed fill: pressing
// only shrinks it.
class SIconButton final : public AbstractControl {
    Q_OBJECT

public:
    explicit SIconButton(const QString& icon, IconButtonVariant variant = IconButtonVariant::Ghost, int size = 32,
                         QWidget* parent = nullptr);

    static ButtonColors colorsOf(IconButtonVariant variant);
    // The icon side for a diameter: 48 % of it, rounded half away from zero.
    static int defaultIconSize(int size);

    QString icon() const { return m_icon; }
    void setIcon(const QString& name);
    IconButtonVariant variant() const { return m_variant; }
    void setVariant(IconButtonVariant variant);
    int diameter() const { return m_size; }
    void setDiameter(int size);
    // None: follows the diameter.
    void setIconSize(std::optional<int> size);
    int iconSize() const;
    // The hover tooltip; empty for none.
    QString help() const { return toolTip(); }
    void setHelp(const QString& help);

    const ButtonColors& colors() const { return m_colors; }

    // The circle and, for a variant with a shadow, the room around it.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    QPainterPath focusShape() const override;

private:
    QString m_icon;
    IconButtonVariant m_variant;
    int m_size;
    std::optional<int> m_iconSize;
    ButtonColors m_colors;
};
