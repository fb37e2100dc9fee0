#pragma once

#include "design/TypeModifier.h"

#include <QEasingCurve>

// Text styles and motion shared by the main window's screens.
namespace ScreenStyle {

// A screen's title ("History", "Vocabulary", ...) and the line under it.
inline const TypeModifier title{22, QFont::DemiBold, 28, -0.02};
inline const TypeModifier subtitle{13, QFont::Normal, 20};
// Padding around a screen's header row.
inline constexpr int headerTop = 22;
inline constexpr int headerSide = 32;
inline constexpr int headerBottom = 18;

// The curve of the settings overlay, the blur and the toasts.
QEasingCurve overlayCurve();
inline constexpr int overlayDurationMs = 180;
inline constexpr int toastDurationMs = 280;

} // namespace ScreenStyle
