#include "design/ColorToken.h"

#include "design/Theme.h"

QColor ColorToken::resolve(bool dark) const
{
    const quint32 rgb = dark ? this->dark : light;
    QColor color = QColor::fromRgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    color.setAlphaF(dark ? darkAlpha : lightAlpha);
    return color;
}

QColor ColorToken::color() const
{
    return resolve(Theme::instance().isDark());
}
