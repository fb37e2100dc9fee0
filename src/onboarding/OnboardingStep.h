#pragma once

#include <optional>

// The five wizard steps in their order; the value is the step's index.
enum class OnboardingStep {
    languages,
    microphone,
    accessibility,
    gemini,
    tryIt,
};

namespace OnboardingSteps {

inline constexpr int count = 5;

// The step of an index; none outside 0..4.
inline std::optional<OnboardingStep> fromIndex(int index)
{
    if (index < 0 || index >= count)
        return std::nullopt;
    return OnboardingStep(index);
}

} // namespace OnboardingSteps
