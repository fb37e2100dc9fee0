#include "core/DictationStage.h"

#include "core/L10n.h"

#include <cmath>

namespace DictationStages {

const QList<DictationStage>& all()
{
    static const QList<DictationStage> stages = {DictationStage::preparing,    DictationStage::trimming,
                                                 DictationStage::transcribing, DictationStage::retrying,
                                                 DictationStage::organizing,   DictationStage::finishing};
    return stages;
}

QString message(DictationStage stage, double elapsedSeconds)
{
    const double e = std::isfinite(elapsedSeconds) && elapsedSeconds > 0 ? elapsedSeconds : 0;
    switch (stage) {
    case DictationStage::preparing:
        return L10n::tr("Preparing audio…");
    case DictationStage::trimming:
        return L10n::tr("Shortening silence…");
    case DictationStage::transcribing:
        if (e < 4)
            return L10n::tr("Turning speech into text…");
        // From 8 s on the two sentences take turns every 4 s; counted in
        // floating point so no elapsed time can overflow an integer.
        if (e < 8 || std::fmod(std::floor(e * 0.25), 2.0) != 0)
            return L10n::tr("Waiting for the transcript…");
        return L10n::tr("Still processing your audio…");
    case DictationStage::retrying:
        return L10n::tr("Trying again…");
    case DictationStage::organizing:
        return L10n::tr("Organizing your note…");
    case DictationStage::finishing:
        return L10n::tr("Preparing the result…");
    }
    return {};
}

} // namespace DictationStages
