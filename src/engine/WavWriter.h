#pragma once

#include "engine/SampleRateConverter.h"

#include <QAudioBuffer>
#include <QAudioFormat>
#include <QIODevice>
#include <QString>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

// Appends captured buffers of any rate, channel count and sample format to a
// recording file (16 kHz mono 16-bit WAV), taking the first channel. Shared by
// the audio thread (append) and the main thread (finish); its own lock keeps
// them apart, so finish() counts every buffer appended before it.
class WavWriter final
{
public:
    // Creates the file; null with the reason in error when it cannot.
    static std::shared_ptr<WavWriter> create(const QString& path, QString* error);
    // Writes to an open, seekable device instead of a file of its own.
    explicit WavWriter(std::unique_ptr<QIODevice> device);
    ~WavWriter();

    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    // Also hands the samples of every block, once written to the file, to
    // sink (on the thread that wrote them). Any thread; finish() drops it.
    using Sink = std::function<void(const qint16* samples, qsizetype count)>;
    void setSink(Sink sink);

    // Audio thread. After the first conversion or write error nothing more is written.
    void append(const QAudioBuffer& buffer);
    // Drains the resampler, completes the header, closes the file and returns
    // the 16 kHz frames written. Later calls write nothing and return the same.
    qint64 finish();

private:
    void write(const std::vector<float>& samples);
    void fail(const QString& logLine);

    std::mutex m_lock;
    std::unique_ptr<QIODevice> m_file;
    std::optional<SampleRateConverter> m_converter;
    QAudioFormat m_inputFormat;
    std::vector<float> m_input;
    std::vector<float> m_resampled;
    std::vector<qint16> m_pcm;
    QByteArray m_output;
    Sink m_sink;
    qint64 m_frames = 0;
    bool m_failed = false;
};
