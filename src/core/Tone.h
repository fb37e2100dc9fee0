#pragma once

// Colour tones of the design system. Core only names them (application glyphs,
// toasts); the design library turns each into its foreground and background.
enum class Tone {
    blue,
    green,
    red,
    amber,
    purple,
    teal,
    pink,
    neutral,
    white,
    brand,
};

// The tone of a toast; its colours and icon belong to the toast view.
enum class ToastTone {
    success,
    danger,
    warning,
    info,
};
