#include "engine/SampleRateConverter.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

constexpr double pi = 3.14159265358979323846;
// Zero crossings of the sinc on each side: enough stop-band for speech.
constexpr int zeroCrossings = 12;

double sinc(double x)
{
    return x == 0.0 ? 1.0 : std::sin(pi * x) / (pi * x);
}

double blackman(double x) // x in [-1, 1]
{
    const double t = (x + 1.0) / 2.0;
    return 0.42 - 0.5 * std::cos(2.0 * pi * t) + 0.08 * std::cos(4.0 * pi * t);
}

} // namespace

SampleRateConverter::SampleRateConverter(int inputRate, int outputRate)
    : m_inputRate(std::max(1, inputRate))
    , m_outputRate(std::max(1, outputRate))
{
    const long long g = std::gcd(m_inputRate, m_outputRate);
    m_up = m_outputRate / g;
    m_down = m_inputRate / g;
    if (m_up == m_down)
        return;
    // Cut-off just below the lower Nyquist frequency, relative to the input rate.
    const double cutoff = 0.5 * std::min(1.0, double(m_up) / double(m_down)) * 0.92;
    m_half = int(std::ceil(zeroCrossings / (2.0 * cutoff)));
    const int taps = 2 * m_half;
    m_phases.resize(std::size_t(m_up) * std::size_t(taps));
    for (long long p = 0; p < m_up; ++p) {
        float* h = &m_phases[std::size_t(p) * std::size_t(taps)];
        const double frac = double(p) / double(m_up);
        double sum = 0.0;
        for (int j = 0; j < taps; ++j) {
            const double d = double(j - m_half + 1) - frac;
            const double w = std::abs(d) >= m_half ? 0.0 : blackman(d / m_half);
            const double v = 2.0 * cutoff * sinc(2.0 * cutoff * d) * w;
            h[j] = float(v);
            sum += v;
        }
        // Unity gain at DC for every phase.
        for (int j = 0; j < taps; ++j)
            h[j] = float(h[j] / sum);
    }
    reset();
}

void SampleRateConverter::reset()
{
    m_history.assign(std::size_t(m_half), 0.0f);
    m_historyStart = -m_half;
    m_consumed = 0;
    m_produced = 0;
}

void SampleRateConverter::process(const float* input, std::size_t count, std::vector<float>& out)
{
    if (m_up == m_down) {
        out.insert(out.end(), input, input + count);
        return;
    }
    m_history.insert(m_history.end(), input, input + count);
    m_consumed += (long long)count;
    produce(out, false);
}

void SampleRateConverter::finish(std::vector<float>& out)
{
    if (m_up == m_down)
        return;
    m_history.insert(m_history.end(), std::size_t(m_half), 0.0f);
    produce(out, true);
    reset();
}

void SampleRateConverter::produce(std::vector<float>& out, bool draining)
{
    const int taps = 2 * m_half;
    const long long available = m_historyStart + (long long)m_history.size();
    while (true) {
        const long long position = m_produced * m_down; // in units of 1/m_up input samples
        const long long centre = position / m_up;
        const long long phase = position % m_up;
        if (draining ? m_produced * m_down >= m_consumed * m_up : centre + m_half >= available)
            break;
        const float* x = &m_history[std::size_t(centre - m_half + 1 - m_historyStart)];
        const float* h = &m_phases[std::size_t(phase) * std::size_t(taps)];
        float acc = 0.0f;
        for (int j = 0; j < taps; ++j)
            acc += x[j] * h[j];
        out.push_back(acc);
        ++m_produced;
    }
    // Keep only what the next output still needs.
    const long long nextCentre = (m_produced * m_down) / m_up;
    const long long keepFrom = std::min(nextCentre - m_half + 1, available);
    if (keepFrom > m_historyStart) {
        m_history.erase(m_history.begin(), m_history.begin() + std::ptrdiff_t(keepFrom - m_historyStart));
        m_historyStart = keepFrom;
    }
}
