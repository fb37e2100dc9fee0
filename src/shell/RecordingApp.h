#pragma once

#include <QString>

#include <optional>

// The application in front when a recording started.
struct RecordingApp
{
    std::optional<QString> name;
    std::optional<QString> bundleID;
    bool operator==(const RecordingApp&) const = default;
};
