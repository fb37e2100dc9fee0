#pragma once

#include "platform/KeySource.h"

// The X keycodes of the talk keys (evdev numbering, which every current X
// server and XWayland use), and the modifier each one stands for.
namespace X11Keycodes {

constexpr int Escape = 9;
constexpr int ControlLeft = 37;
constexpr int ShiftLeft = 50;
constexpr int ShiftRight = 62;
constexpr int AltLeft = 64;
constexpr int CapsLock = 66;
constexpr int ControlRight = 105;
constexpr int RightAlt = 108;
constexpr int SuperLeft = 133;
constexpr int SuperRight = 134;

// Caps Lock is a modifier key that stands for no flag: it changes nothing
// for the talk key, as on other systems.
inline bool isModifier(int code)
{
    switch (code) {
    case ControlLeft: case ControlRight: case ShiftLeft: case ShiftRight: case AltLeft:
    case RightAlt: case SuperLeft: case SuperRight: case CapsLock:
        return true;
    default:
        return false;
    }
}

inline KeySource::Modifiers modifierOf(int code)
{
    switch (code) {
    case ShiftLeft: case ShiftRight: return KeySource::Shift;
    case ControlLeft: case ControlRight: return KeySource::Control;
    case AltLeft: return KeySource::Option;
    case RightAlt: return KeySource::Command;
    case SuperLeft: case SuperRight: return KeySource::Function;
    default: return {};
    }
}

} // namespace X11Keycodes
