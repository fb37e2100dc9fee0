#pragma once

#include "onboarding/OnboardingStep.h"

#include <QImage>
#include <QString>

// The picture at the top of each wizard step, from the application's resources.
namespace OnboardingArtwork {

// "languages", "microphone", "accessibility", "gemini", "try-it".
QString name(OnboardingStep step);
// A null image when the picture is missing or unreadable.
QImage image(OnboardingStep step);

} // namespace OnboardingArtwork
