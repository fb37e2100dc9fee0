#include "shell/DictationController.h"

DictationController::DictationController(const Parts& parts, QObject* parent)
    : QObject(parent)
    , m_status(parts.state, parts.sounds, parts.clock)
    , m_delivery(parts.state, parts.frontApp, parts.desktop, parts.clock, m_status)
    , m_pipeline(parts.state, parts.desktop, parts.clock, m_status, m_delivery)
    , m_recording(parts, m_status, m_pipeline)
    , m_actions(parts.state, parts.micMeter, m_pipeline)
{
    connect(&m_status, &DictationStatus::statusChanged, this, &DictationController::statusChanged);
    connect(&m_pipeline, &TranscriptionPipeline::statusChanged, this, &DictationController::statusChanged);
}

void DictationController::shutDown()
{
    m_recording.shutDown();
    m_pipeline.shutDown();
}
