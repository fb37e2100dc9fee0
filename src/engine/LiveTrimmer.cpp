#include "engine/LiveTrimmer.h"

#include <algorithm>

namespace {

// Longer than any recording: a larger amount of silence to keep cuts nothing.
constexpr double longestRecordingSeconds = 7 * 24 * 3600.0;

} // namespace

LiveTrimmer::LiveTrimmer(double keepSeconds, Sink sink)
    : m_rule(AudioTrimmer::rule(sampleRate, keepSeconds, longestRecordingSeconds))
    , m_sink(std::move(sink))
{
    m_window.reserve(std::size_t(m_rule.window));
    m_levelScratch.resize(std::size_t(m_rule.window));
}

void LiveTrimmer::push(const qint16* samples, qsizetype count)
{
    m_frames += count;
    const std::size_t size = std::size_t(m_rule.window);
    while (count > 0) {
        const qsizetype take = qsizetype(std::min<std::size_t>(size - m_window.size(), std::size_t(count)));
        m_window.insert(m_window.end(), samples, samples + take);
        samples += take;
        count -= take;
        if (m_window.size() == size) {
            window(m_window.data(), qsizetype(size));
            m_window.clear();
        }
    }
}

void LiveTrimmer::finish()
{
    // The last window may be shorter, as in the file.
    if (!m_window.empty())
        window(m_window.data(), qsizetype(m_window.size()));
    m_window.clear();
    endRun();
}

// One analysis window, decided by its level as the file trimmer decides it.
void LiveTrimmer::window(const qint16* samples, qsizetype count)
{
    for (qsizetype i = 0; i < count; ++i)
        m_levelScratch[std::size_t(i)] = float(samples[i]) / 32768.0f;
    const float level = AudioTrimmer::windowLevel(m_levelScratch.data(), count);
    if (level >= AudioTrimmer::silenceThreshold) {
        endRun();
        pass(samples, count);
        return;
    }
    if (!m_inRun) {
        m_inRun = true;
        m_isPause = false;
        m_runWindows = 0;
        m_runFrames = 0;
    }
    ++m_runWindows;
    // The head of every silent run is kept, a pause or not.
    const qsizetype head = qsizetype(std::clamp<qint64>(m_rule.head - m_runFrames, 0, count));
    pass(samples, head);
    m_runFrames += count;
    if (m_isPause) {
        keepTail(samples + head, count - head);
        return;
    }
    m_held.insert(m_held.end(), samples + head, samples + count);
    if (m_runWindows >= m_rule.minPause) {
        m_isPause = true;
        keepTail(m_held.data(), qsizetype(m_held.size()));
        m_held.clear();
    }
}

void LiveTrimmer::endRun()
{
    if (!m_inRun)
        return;
    m_inRun = false;
    if (!m_isPause) {
        // Too short to cut: kept whole.
        pass(m_held.data(), qsizetype(m_held.size()));
        m_held.clear();
        return;
    }
    // The last frames of a pause lead into what follows; the ring's oldest
    // sample is at m_tailStart.
    pass(m_tail.data() + m_tailStart, qsizetype(m_tail.size() - m_tailStart));
    pass(m_tail.data(), qsizetype(m_tailStart));
    m_tail.clear();
    m_tailStart = 0;
}

void LiveTrimmer::pass(const qint16* samples, qsizetype count)
{
    if (count <= 0)
        return;
    m_kept += count;
    m_sink(samples, count);
}

void LiveTrimmer::keepTail(const qint16* samples, qsizetype count)
{
    // Grows up to the tail's length as needed, then wraps around.
    const std::size_t capacity = std::size_t(m_rule.tail);
    if (capacity == 0 || count <= 0)
        return;
    if (std::size_t(count) >= capacity) {
        m_tail.assign(samples + (std::size_t(count) - capacity), samples + count);
        m_tailStart = 0;
        return;
    }
    for (qsizetype i = 0; i < count; ++i) {
        if (m_tail.size() < capacity) {
            m_tail.push_back(samples[i]);
        } else {
            m_tail[m_tailStart] = samples[i];
            m_tailStart = (m_tailStart + 1) % capacity;
        }
    }
}
