#include "design/ToneColors.h"

#include "design/Palette.h"

namespace ToneColors {

ColorToken foreground(Tone tone)
{
    switch (tone) {
    case Tone::blue:
        return Palette::blue600;
    case Tone::green:
        return Palette::green600;
    case Tone::red:
        return Palette::red600;
    case Tone::amber:
        return Palette::amber600;
    case Tone::purple:
        return Palette::purple600;
    case Tone::teal:
        return Palette::teal600;
    case Tone::pink:
        return Palette::pink500;
    case Tone::neutral:
        return Palette::textBody;
    case Tone::white:
        // A card-coloured tile with a brand mark.
        return Palette::brand;
    case Tone::brand:
        // A brand tile with a white mark.
        return Palette::white;
    }
    return Palette::textBody;
}

ColorToken background(Tone tone)
{
    switch (tone) {
    case Tone::blue:
        return Palette::blue50;
    case Tone::green:
        return Palette::green50;
    case Tone::red:
        return Palette::red50;
    case Tone::amber:
        return Palette::amber50;
    case Tone::purple:
        return Palette::purple50;
    case Tone::teal:
        return Palette::teal50;
    case Tone::pink:
        return Palette::pink50;
    case Tone::neutral:
        return Palette::surfaceSunken;
    case Tone::white:
        return Palette::surfaceCard;
    case Tone::brand:
        return Palette::brand;
    }
    return Palette::surfaceSunken;
}

} // namespace ToneColors
