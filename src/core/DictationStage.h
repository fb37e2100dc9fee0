#pragma once

#include <QList>
#include <QString>

// The steps of processing a finished recording, each with a sentence that
// changes as time passes so that a slow transcription does not look stuck.
enum class DictationStage {
    preparing,
    trimming,
    transcribing,
    retrying,
    organizing,
    finishing,
};

namespace DictationStages {

const QList<DictationStage>& all();
// The translated sentence for a stage that began elapsedSeconds ago.
QString message(DictationStage stage, double elapsedSeconds);

} // namespace DictationStages
