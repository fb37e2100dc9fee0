#pragma once

#include <QColor>

// A colour of the design: a light and a dark sRGB value (0xRRGGBB) with
// their opacities, resolved against the theme each time it is painted.
struct ColorToken {
    quint32 light = 0;
    quint32 dark = 0;
    float lightAlpha = 1.0f;
    float darkAlpha = 1.0f;

    QColor resolve(bool dark) const;
    // The colour for the theme in force now; call it while painting, never cache it.
    QColor color() const;

    friend constexpr bool operator==(const ColorToken&, const ColorToken&) = default;
};

constexpr ColorToken pair(quint32 light, quint32 dark, float lightAlpha = 1.0f, float darkAlpha = 1.0f)
{
    return ColorToken{light, dark, lightAlpha, darkAlpha};
}

// The same value in both themes.
constexpr ColorToken fixed(quint32 rgb, float alpha = 1.0f)
{
    return ColorToken{rgb, rgb, alpha, alpha};
}
