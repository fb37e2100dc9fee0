#pragma once

#include <QString>

class TextLabel;

// The small red text under an input that says what went wrong.
namespace ErrorHint {

// Wrapping, cut after maxLines lines (0: no limit).
TextLabel* make(const QString& text = {}, int maxLines = 0);

} // namespace ErrorHint
