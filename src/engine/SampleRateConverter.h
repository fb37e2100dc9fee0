#pragma once

#include <cstddef>
#include <vector>

// Streaming band-limited resampler for one channel of float samples: a
// windowed-sinc polyphase filter for the exact ratio of the two rates. Output
// is aligned with the input (no delay) and the tail comes out in finish().
class SampleRateConverter final
{
public:
    SampleRateConverter(int inputRate, int outputRate);

    int inputRate() const { return m_inputRate; }
    int outputRate() const { return m_outputRate; }

    // Appends the output that the input so far allows to out.
    void process(const float* input, std::size_t count, std::vector<float>& out);
    // Appends the rest, as if the input ended with silence; afterwards the
    // converter starts from scratch.
    void finish(std::vector<float>& out);

private:
    void produce(std::vector<float>& out, bool draining);
    void reset();

    int m_inputRate;
    int m_outputRate;
    long long m_up = 1;    // output step: rate ratio reduced, out = in * up / down
    long long m_down = 1;
    int m_half = 0;        // filter half-width in input samples
    std::vector<float> m_phases; // m_up phases of 2 * m_half taps
    std::vector<float> m_history;
    long long m_historyStart = 0; // absolute input index of m_history[0]
    long long m_consumed = 0;     // input samples seen
    long long m_produced = 0;     // output samples made
};
