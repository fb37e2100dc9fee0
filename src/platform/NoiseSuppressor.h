#pragma once

#include <QString>

#include <cstdint>
#include <memory>

// Noise suppression for speech on 10 ms frames of mono 16-bit audio, the part
// of a voice-processing unit this application uses. Not thread-safe: one
// stream feeds one suppressor.
class NoiseSuppressor
{
public:
    virtual ~NoiseSuppressor() = default;

    int sampleRate() const { return m_sampleRate; }
    int frameSamples() const { return m_sampleRate / 100; }
    // Processes one frame of frameSamples() samples in place.
    virtual bool process(int16_t* frame) = 0;

    // Rates 16000, 32000 and 48000 work; null with a description otherwise.
    static std::unique_ptr<NoiseSuppressor> create(int sampleRate, QString* error);
    static bool supportsRate(int sampleRate);

protected:
    explicit NoiseSuppressor(int sampleRate)
        : m_sampleRate(sampleRate)
    {
    }

private:
    int m_sampleRate;
};
