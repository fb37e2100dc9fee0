#include "engine/CaptureEngine.h"

#include <algorithm>
#include <mutex>
#include <vector>

struct CaptureEngine::Shared
{
    std::mutex lock;
    Tap tap;
    quint32 tapFrames = 1;
    QAudioFormat output;
    std::unique_ptr<NoiseSuppressor> suppressor;
    std::vector<qint16> frame;   // samples waiting for a full 10 ms suppression frame
    std::vector<float> pending;  // interleaved output samples waiting for a full tap block

    void consume(const QAudioBuffer& buffer)
    {
        std::lock_guard guard(lock);
        const QAudioFormat format = buffer.format();
        const qsizetype samples = buffer.sampleCount();
        if (suppressor && format.sampleFormat() == QAudioFormat::Int16 && format.channelCount() == 1) {
            const qint16* in = buffer.constData<qint16>();
            const std::size_t n = std::size_t(suppressor->frameSamples());
            for (qsizetype i = 0; i < samples; ++i) {
                frame.push_back(in[i]);
                if (frame.size() == n) {
                    suppressor->process(frame.data());
                    for (qint16 s : frame)
                        pending.push_back(float(s) / 32768.0f);
                    frame.clear();
                }
            }
        } else {
            const char* data = buffer.constData<char>();
            for (qsizetype i = 0; i < samples; ++i) {
                switch (format.sampleFormat()) {
                case QAudioFormat::UInt8:
                    pending.push_back((float(quint8(data[i])) - 128.0f) / 128.0f);
                    break;
                case QAudioFormat::Int16:
                    pending.push_back(float(reinterpret_cast<const qint16*>(data)[i]) / 32768.0f);
                    break;
                case QAudioFormat::Int32:
                    pending.push_back(float(double(reinterpret_cast<const qint32*>(data)[i]) / 2147483648.0));
                    break;
                case QAudioFormat::Float:
                    pending.push_back(reinterpret_cast<const float*>(data)[i]);
                    break;
                default:
                    break;
                }
            }
        }
        const std::size_t block = std::size_t(tapFrames) * std::size_t(output.channelCount());
        std::size_t at = 0;
        while (pending.size() - at >= block) {
            deliver(at, block);
            at += block;
        }
        pending.erase(pending.begin(), pending.begin() + std::ptrdiff_t(at));
    }

    void flush()
    {
        std::lock_guard guard(lock);
        // The last few milliseconds are speech too: a short frame is padded
        // with silence for the suppressor and only its own samples kept.
        if (suppressor && !frame.empty()) {
            const std::size_t kept = frame.size();
            frame.resize(std::size_t(suppressor->frameSamples()), 0);
            suppressor->process(frame.data());
            for (std::size_t i = 0; i < kept; ++i)
                pending.push_back(float(frame[i]) / 32768.0f);
        }
        if (!pending.empty())
            deliver(0, pending.size());
        pending.clear();
        frame.clear();
    }

    // Lock held.
    void deliver(std::size_t at, std::size_t count)
    {
        if (!tap)
            return;
        const QByteArray bytes(reinterpret_cast<const char*>(pending.data() + at), qsizetype(count * sizeof(float)));
        tap(QAudioBuffer(bytes, output));
    }
};

CaptureEngine::CaptureEngine(QString deviceId, std::unique_ptr<AudioInputStream> stream,
                             std::unique_ptr<NoiseSuppressor> suppressor)
    : m_deviceId(std::move(deviceId))
    , m_stream(std::move(stream))
    , m_shared(std::make_shared<Shared>())
{
    const QAudioFormat in = m_stream->format();
    m_shared->output.setSampleRate(in.sampleRate());
    m_shared->output.setChannelCount(suppressor ? 1 : in.channelCount());
    m_shared->output.setSampleFormat(QAudioFormat::Float);
    m_shared->suppressor = std::move(suppressor);
    m_stream->onInterrupted = [this] {
        if (onInterrupted)
            onInterrupted();
    };
}

CaptureEngine::~CaptureEngine()
{
    m_stream.reset(); // stops delivery before the shared state may go
}

bool CaptureEngine::voiceProcessing() const
{
    return m_shared->suppressor != nullptr;
}

QAudioFormat CaptureEngine::outputFormat() const
{
    return m_shared->output;
}

void CaptureEngine::installTap(quint32 frames, Tap tap)
{
    std::lock_guard guard(m_shared->lock);
    m_shared->tapFrames = std::max<quint32>(1, frames);
    m_shared->tap = std::move(tap);
    m_shared->pending.clear();
    m_shared->frame.clear();
}

void CaptureEngine::removeTap()
{
    std::lock_guard guard(m_shared->lock);
    m_shared->tap = nullptr;
}

bool CaptureEngine::start(QString* error)
{
    std::weak_ptr<Shared> shared = m_shared;
    m_started = m_stream->start(
        [shared](const QAudioBuffer& buffer) {
            if (auto s = shared.lock())
                s->consume(buffer);
        },
        error);
    return m_started;
}

void CaptureEngine::stop(std::function<void()> stopped)
{
    m_started = false;
    std::shared_ptr<Shared> shared = m_shared;
    m_stream->stop([shared, stopped = std::move(stopped)] {
        shared->flush();
        if (stopped)
            stopped();
    });
}

bool CaptureEngine::isRunning() const
{
    return m_started && m_stream->isRunning();
}
