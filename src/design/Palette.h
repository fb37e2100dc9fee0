#pragma once

#include "design/ColorToken.h"

// Every colour the windows paint, light and dark. Read a token's colour()
// while painting; a theme switch then repaints with the other half.
namespace Palette {

// Primitives: the tone families and their steps.
inline constexpr ColorToken blue50 = pair(0xEEF4FF, 0x16223F);     // blue tone tiles
inline constexpr ColorToken blue100 = pair(0xDCE7FE, 0x1B2B52);    // soft brand fills
inline constexpr ColorToken blue200 = pair(0xBFD3FE, 0x26407A);    // soft brand borders
inline constexpr ColorToken blue300 = pair(0x93B4FD, 0x93B4FD);    // brand accents on dark fills
inline constexpr ColorToken blue600 = pair(0x2563EB, 0x2563EB);    // brand, blue tone marks
inline constexpr ColorToken blue700 = pair(0x1D4FD8, 0x1D4FD8);    // brand hover
inline constexpr ColorToken blue800 = pair(0x1E40AF, 0x1E40AF);    // brand pressed
inline constexpr ColorToken neutral300 = pair(0xD0D6DF, 0x3A4355); // switch tracks off, scrollbars
inline constexpr ColorToken neutral400 = pair(0x9AA3B2, 0x6B7485); // placeholder marks, muted icons
inline constexpr ColorToken green50 = pair(0xECFDF3, 0x10261C);    // green tone tiles
inline constexpr ColorToken green500 = pair(0x17B26A, 0x17B26A);   // live dots
inline constexpr ColorToken green600 = pair(0x079455, 0x2FC47E);   // green tone marks
inline constexpr ColorToken green700 = pair(0x067647, 0x47CD89);   // success text on tints, step numbers
inline constexpr ColorToken red50 = pair(0xFEF3F2, 0x2A1616);      // red tone tiles
inline constexpr ColorToken red500 = pair(0xF04438, 0xF04438);     // recording dot
inline constexpr ColorToken red600 = pair(0xD92D20, 0xF2645A);     // red tone marks
inline constexpr ColorToken red700 = pair(0xB42318, 0xB42318);     // danger pressed
inline constexpr ColorToken amber50 = pair(0xFFFAEB, 0x2A2112);    // amber tone tiles
inline constexpr ColorToken amber500 = pair(0xF59E0B, 0xF59E0B);   // warning dots
inline constexpr ColorToken amber600 = pair(0xDC8A05, 0xDC8A05);   // amber tone marks
inline constexpr ColorToken amber700 = pair(0xB54708, 0xF5B544);   // warning text on tints
inline constexpr ColorToken purple50 = pair(0xF7F3FF, 0x1F1833);   // purple tone tiles
inline constexpr ColorToken purple600 = pair(0x7A45E8, 0xA583F5);  // purple tone marks
inline constexpr ColorToken teal50 = pair(0xEDFCFA, 0x0F2626);     // teal tone tiles
inline constexpr ColorToken teal600 = pair(0x0E9384, 0x2DC7B4);    // teal tone marks
inline constexpr ColorToken pink50 = pair(0xFDF2F8, 0x2A1422);     // pink tone tiles
inline constexpr ColorToken pink500 = pair(0xEC4899, 0xEC4899);    // pink tone marks

// Surfaces.
inline constexpr ColorToken bgApp = pair(0xF5F7FA, 0x0D1118);            // window background
inline constexpr ColorToken surfaceCard = pair(0xFFFFFF, 0x151A24);      // cards, pop-ups, inputs
inline constexpr ColorToken surfaceSubtle = pair(0xFAFBFD, 0x181E29);    // sidebar, secondary panes
inline constexpr ColorToken surfaceSunken = pair(0xEEF1F5, 0x1F2633);    // segmented tracks, keycaps
inline constexpr ColorToken surfaceHover = pair(0xF5F7FA, 0x1B212D);     // hovered rows and ghost buttons
inline constexpr ColorToken surfaceBrandSoft = pair(0xEEF4FF, 0x16223F); // selected rows, soft brand fills
inline constexpr ColorToken surfaceOverlay = pair(0x111522, 0x000000, 0.4f, 0.55f); // dimming behind sheets

// Borders.
inline constexpr ColorToken borderDefault = pair(0xE4E8EE, 0x2A3241); // cards, inputs
inline constexpr ColorToken borderSubtle = pair(0xEEF1F5, 0x1F2633);  // dividers
inline constexpr ColorToken borderStrong = pair(0xD0D6DF, 0x3A4355);  // hovered inputs, outlines
inline constexpr ColorToken borderFocus = pair(0x3B74F6, 0x3B74F6);   // focused inputs

// Text.
inline constexpr ColorToken textPrimary = pair(0x111522, 0xF1F3F7);   // titles, values
inline constexpr ColorToken textSecondary = pair(0x6B7485, 0x98A1B1); // descriptions, captions
inline constexpr ColorToken textTertiary = pair(0x9AA3B2, 0x6B7485);  // hints, placeholders, times
inline constexpr ColorToken textBody = pair(0x343B49, 0xCBD1DB);      // running text, neutral tone
inline constexpr ColorToken textLink = pair(0x2563EB, 0x6090FA);      // links

// Brand, with its interaction states.
inline constexpr ColorToken brand = blue600;      // primary buttons, selection
inline constexpr ColorToken brandHover = blue700; // primary buttons hovered
inline constexpr ColorToken brandPress = blue800; // primary buttons pressed
inline constexpr ColorToken logoBlue = fixed(0x2563EB); // wordmark tile

// Status.
inline constexpr ColorToken positive = pair(0x079455, 0x2FC47E);       // success text and icons
inline constexpr ColorToken positiveBg = pair(0xECFDF3, 0x10261C);     // success toasts and badges
inline constexpr ColorToken positiveBorder = pair(0xA6EFC0, 0x1E5237); // success outlines
inline constexpr ColorToken negative = pair(0xD92D20, 0xF2645A);       // errors, danger buttons
inline constexpr ColorToken negativeBg = pair(0xFEF3F2, 0x2A1616);     // error toasts and badges
inline constexpr ColorToken negativeBorder = pair(0xFECDCA, 0x5C2522); // error outlines, input errors
inline constexpr ColorToken warning = pair(0xB54708, 0xF5B544);        // warning text and icons
inline constexpr ColorToken warningBg = pair(0xFFFAEB, 0x2A2112);      // warning toasts and badges
inline constexpr ColorToken warningBorder = pair(0xFEDF89, 0x5A4418);  // warning outlines
inline constexpr ColorToken info = pair(0x2563EB, 0x6090FA);           // info text and icons
inline constexpr ColorToken infoBg = pair(0xEEF4FF, 0x16223F);         // info toasts, info notes
inline constexpr ColorToken infoBorder = pair(0xBFD3FE, 0x26407A);     // info outlines
inline constexpr ColorToken tintGreenBg = pair(0xF2FBF5, 0x10221A);     // green tinted cards
inline constexpr ColorToken tintGreenBorder = pair(0xBDEBCB, 0x1E4A33); // green tinted card borders
inline constexpr ColorToken tintAmberBg = pair(0xFFFAEF, 0x231C10);     // amber tinted cards
inline constexpr ColorToken tintAmberBorder = pair(0xF5DDA6, 0x4A3A17); // amber tinted card borders

// Focus rings, the same in both themes.
inline constexpr ColorToken ring = fixed(0x3B74F6, 0.22f);      // focus ring around inputs
inline constexpr ColorToken errorRing = fixed(0xF04438, 0.18f); // focus ring of an input in error

// Plain white and black, for marks on brand fills and for shadows.
inline constexpr ColorToken white = fixed(0xFFFFFF);
inline constexpr ColorToken black = fixed(0x000000);

} // namespace Palette
