#include "platform/NoiseSuppressor.h"

#include <webrtc/modules/audio_processing/include/audio_processing.h>
#include <webrtc/modules/interface/module_common_types.h>

#include <algorithm>

namespace {

class WebRtcNoiseSuppressor final : public NoiseSuppressor
{
public:
    WebRtcNoiseSuppressor(int sampleRate, webrtc::AudioProcessing* processing)
        : NoiseSuppressor(sampleRate)
        , m_processing(processing)
    {
        m_frame.sample_rate_hz_ = sampleRate;
        m_frame.num_channels_ = 1;
        m_frame.samples_per_channel_ = size_t(frameSamples());
    }

    bool process(int16_t* frame) override
    {
        const size_t n = size_t(frameSamples());
        std::copy(frame, frame + n, m_frame.data_);
        // The unit may change these while processing.
        m_frame.sample_rate_hz_ = sampleRate();
        m_frame.num_channels_ = 1;
        m_frame.samples_per_channel_ = n;
        if (m_processing->ProcessStream(&m_frame) != webrtc::AudioProcessing::kNoError)
            return false;
        std::copy(m_frame.data_, m_frame.data_ + n, frame);
        return true;
    }

private:
    std::unique_ptr<webrtc::AudioProcessing> m_processing;
    webrtc::AudioFrame m_frame;
};

} // namespace

bool NoiseSuppressor::supportsRate(int sampleRate)
{
    return sampleRate == 16000 || sampleRate == 32000 || sampleRate == 48000;
}

std::unique_ptr<NoiseSuppressor> NoiseSuppressor::create(int sampleRate, QString* error)
{
    if (!supportsRate(sampleRate)) {
        if (error)
            *error = QStringLiteral("noise suppression does not run at %1 Hz").arg(sampleRate);
        return nullptr;
    }
    std::unique_ptr<webrtc::AudioProcessing> processing(webrtc::AudioProcessing::Create());
    if (!processing) {
        if (error)
            *error = QStringLiteral("the voice-processing unit could not be created");
        return nullptr;
    }
    if (processing->noise_suppression()->set_level(webrtc::NoiseSuppression::kModerate) != 0
        || processing->noise_suppression()->Enable(true) != 0) {
        if (error)
            *error = QStringLiteral("noise suppression could not be switched on");
        return nullptr;
    }
    return std::make_unique<WebRtcNoiseSuppressor>(sampleRate, processing.release());
}
