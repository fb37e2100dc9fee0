#include "onboarding/OnboardingArtwork.h"

#include <QDir>

// Outside any namespace, as the resource's initialiser is.
static void initArtwork()
{
    Q_INIT_RESOURCE(onboarding);
}

namespace OnboardingArtwork {

QString name(OnboardingStep step)
{
    switch (step) {
    case OnboardingStep::languages:
        return QStringLiteral("languages");
    case OnboardingStep::microphone:
        return QStringLiteral("microphone");
    case OnboardingStep::accessibility:
        return QStringLiteral("accessibility");
    case OnboardingStep::gemini:
        return QStringLiteral("gemini");
    case OnboardingStep::tryIt:
        return QStringLiteral("try-it");
    }
    return {};
}

QImage image(OnboardingStep step)
{
    // The pictures live in a static library: register them before the first look.
    static const bool registered = (initArtwork(), true);
    Q_UNUSED(registered);
    return QImage(QStringLiteral(":/onboarding/%1.png").arg(name(step)));
}

} // namespace OnboardingArtwork
