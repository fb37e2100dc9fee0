#pragma once

// Interaction states and motion shared by every control; colours live in
// Palette, shadows in Elevation.
namespace Tokens {

inline constexpr double disabledOpacity = 0.45;     // whole control when disabled
inline constexpr double pressedScaleText = 0.98;    // text buttons while pressed
inline constexpr double pressedScaleIcon = 0.94;    // icon buttons while pressed
inline constexpr double pressedScaleChip = 0.97;    // chips while pressed
inline constexpr int hoverDurationMs = 120;         // hover colour change, ease-out

} // namespace Tokens
