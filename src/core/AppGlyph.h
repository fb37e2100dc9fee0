#pragma once

#include "core/Tone.h"

#include <QString>

#include <optional>

struct HistoryEntry;

// How the windows show where a dictation went: a display name, and an icon
// name of the line-icon set with a tone, recognised by the application id.
namespace AppGlyph {

struct Glyph
{
    QString icon;
    Tone tone;
    bool operator==(const Glyph&) const = default;
};

// "From phone" for phone audio, else the application's name, else the product name.
QString name(const HistoryEntry& entry);
// Matches the lower-cased id against known prefixes; phone audio always gets
// "smartphone", anything unknown "app-window".
Glyph icon(const std::optional<QString>& bundleID, const QString& source);

} // namespace AppGlyph
