#pragma once

#include "engine/AudioTrimmer.h"

#include <QtGlobal>

#include <functional>
#include <vector>

// The silence trimmer for a recording that is still arriving: takes its
// 16 kHz mono samples in order and passes on the ones the trimmer keeps as
// soon as they are decided. It holds at most the silent run still undecided
// (and the end of a pause in progress), never the whole recording.
// Used by one thread at a time.
class LiveTrimmer final
{
public:
    static constexpr double sampleRate = 16000.0;

    using Sink = std::function<void(const qint16* samples, qsizetype count)>;

    LiveTrimmer(double keepSeconds, Sink sink);

    void push(const qint16* samples, qsizetype count);
    // The recording ended: passes on what its last silent run keeps.
    void finish();

    qint64 frames() const { return m_frames; }
    qint64 kept() const { return m_kept; }

private:
    void window(const qint16* samples, qsizetype count);
    void endRun();
    void pass(const qint16* samples, qsizetype count);
    void keepTail(const qint16* samples, qsizetype count);

    AudioTrimmer::Rule m_rule;
    Sink m_sink;
    std::vector<qint16> m_window; // the window being filled
    std::vector<float> m_levelScratch;

    // The silent run in progress.
    bool m_inRun = false;
    bool m_isPause = false;      // it reached the length of a pause
    qint64 m_runWindows = 0;
    qint64 m_runFrames = 0;
    std::vector<qint16> m_held;  // beyond its head, while it may still be short
    std::vector<qint16> m_tail;  // ring of its last frames, once it is a pause
    std::size_t m_tailStart = 0;

    qint64 m_frames = 0;
    qint64 m_kept = 0;
};
