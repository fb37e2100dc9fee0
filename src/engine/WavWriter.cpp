#include "engine/WavWriter.h"

#include "core/Log.h"
#include "engine/WavFile.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace {

constexpr int recordingRate = 16000;

// Channel 0 of interleaved samples as floats at full scale 1.0.
void firstChannel(const QAudioBuffer& buffer, std::vector<float>& out)
{
    const QAudioFormat format = buffer.format();
    const qsizetype frames = buffer.frameCount();
    const int stride = format.channelCount();
    out.resize(std::size_t(frames));
    const char* data = buffer.constData<char>();
    for (qsizetype i = 0; i < frames; ++i) {
        const qsizetype at = i * stride;
        switch (format.sampleFormat()) {
        case QAudioFormat::UInt8:
            out[std::size_t(i)] = (float(reinterpret_cast<const quint8*>(data)[at]) - 128.0f) / 128.0f;
            break;
        case QAudioFormat::Int16:
            out[std::size_t(i)] = float(reinterpret_cast<const qint16*>(data)[at]) / 32768.0f;
            break;
        case QAudioFormat::Int32:
            out[std::size_t(i)] = float(double(reinterpret_cast<const qint32*>(data)[at]) / 2147483648.0);
            break;
        case QAudioFormat::Float:
            out[std::size_t(i)] = reinterpret_cast<const float*>(data)[at];
            break;
        default:
            break;
        }
    }
}

} // namespace

std::shared_ptr<WavWriter> WavWriter::create(const QString& path, QString* error)
{
    auto file = std::make_unique<QFile>(path);
    // Unbuffered, so a full disk shows at the append that hit it.
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        if (error)
            *error = file->errorString();
        return nullptr;
    }
    const QByteArray header = WavFile::header(WavFile::recording, 0);
    if (file->write(header) != header.size()) {
        if (error)
            *error = file->errorString();
        file->close();
        QFile::remove(path);
        return nullptr;
    }
    return std::make_shared<WavWriter>(std::move(file));
}

WavWriter::WavWriter(std::unique_ptr<QIODevice> device)
    : m_file(std::move(device))
{
    if (m_file && m_file->pos() == 0)
        m_file->write(WavFile::header(WavFile::recording, 0));
}

WavWriter::~WavWriter()
{
    finish();
}

void WavWriter::append(const QAudioBuffer& buffer)
{
    std::lock_guard lock(m_lock);
    // A buffer with frames always has a valid format.
    if (!m_file || m_failed || buffer.frameCount() <= 0)
        return;
    const QAudioFormat format = buffer.format();
    if (!m_converter || m_inputFormat != format) {
        if (m_converter) { // a new format: the old tail belongs before it
            m_resampled.clear();
            m_converter->finish(m_resampled);
            write(m_resampled);
        }
        m_converter.emplace(format.sampleRate(), recordingRate);
        m_inputFormat = format;
    }
    firstChannel(buffer, m_input);
    m_resampled.clear();
    m_converter->process(m_input.data(), m_input.size(), m_resampled);
    write(m_resampled);
}

void WavWriter::setSink(Sink sink)
{
    std::lock_guard lock(m_lock);
    m_sink = std::move(sink);
}

qint64 WavWriter::finish()
{
    std::lock_guard lock(m_lock);
    if (!m_file)
        return m_frames;
    if (m_converter && !m_failed) {
        m_resampled.clear();
        m_converter->finish(m_resampled);
        write(m_resampled);
    }
    const quint32 dataBytes = quint32(std::min<qint64>(m_frames * 2, 0xFFFFFFFFll - WavFile::headerBytes));
    const QByteArray header = WavFile::header(WavFile::recording, dataBytes);
    if (m_file->seek(0))
        m_file->write(header);
    m_file->close();
    m_file.reset();
    m_converter.reset();
    m_sink = nullptr;
    return m_frames;
}

void WavWriter::write(const std::vector<float>& samples)
{
    if (m_failed || samples.empty())
        return;
    m_pcm.resize(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i)
        m_pcm[i] = qint16(std::clamp(std::nearbyint(samples[i] * 32768.0f), -32768.0f, 32767.0f));
    m_output.resize(qsizetype(m_pcm.size() * 2));
    qToLittleEndian<qint16>(m_pcm.data(), qsizetype(m_pcm.size()), m_output.data());
    if (m_file->write(m_output) != m_output.size()) {
        fail(QStringLiteral("could not write the recording: ") + m_file->errorString());
        return;
    }
    m_frames += qint64(samples.size());
    // Only what reached the file: the sink sees exactly the WAV's samples.
    if (m_sink)
        m_sink(m_pcm.data(), qsizetype(m_pcm.size()));
}

void WavWriter::fail(const QString& logLine)
{
    Log::write(logLine);
    m_failed = true;
}
