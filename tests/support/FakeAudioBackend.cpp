#include "FakeAudioBackend.h"

#include <QTimer>

#include <cmath>

FakeInputStream::FakeInputStream(FakeAudioBackend* backend, QString deviceId, QAudioFormat format)
    : m_backend(backend)
    , m_deviceId(std::move(deviceId))
    , m_format(std::move(format))
{
    m_backend->m_streams.append(this);
}

FakeInputStream::~FakeInputStream()
{
    m_backend->m_streams.removeOne(this);
}

bool FakeInputStream::start(BufferHandler onBuffer, QString* error)
{
    if (m_backend->failStart && m_backend->failStart(m_format)) {
        if (error)
            *error = QStringLiteral("The device did not start.");
        return false;
    }
    m_onBuffer = std::move(onBuffer);
    m_running = true;
    return true;
}

void FakeInputStream::stop(std::function<void()> stopped)
{
    m_running = false;
    m_onBuffer = nullptr;
    if (!stopped)
        return;
    if (m_backend->holdStops)
        m_backend->m_heldStops.append(std::move(stopped));
    else
        QTimer::singleShot(0, m_backend, std::move(stopped));
}

void FakeInputStream::feed(const QAudioBuffer& buffer)
{
    if (m_running && m_onBuffer)
        m_onBuffer(buffer);
}

void FakeInputStream::interrupt()
{
    m_running = false;
    m_onBuffer = nullptr;
    if (onInterrupted)
        onInterrupted();
}

FakeAudioBackend::FakeAudioBackend(QObject* parent)
    : AudioBackend(parent)
    , m_preferred(FakeAudio::format(48000, 1, QAudioFormat::Float))
{
    m_inputs = {{QStringLiteral("mic-a"), QStringLiteral("Desk microphone")},
                {QStringLiteral("mic-b"), QStringLiteral("Headset")}};
    m_defaultId = m_inputs.first().id;
}

QAudioFormat FakeAudioBackend::preferredFormat(const QString& id) const
{
    for (const Input& input : m_inputs) {
        if (input.id == id)
            return m_preferred;
    }
    return {};
}

bool FakeAudioBackend::isFormatSupported(const QString& id, const QAudioFormat& format) const
{
    return preferredFormat(id).isValid() && format.isValid();
}

std::unique_ptr<AudioInputStream> FakeAudioBackend::openInput(const QString& id, const QAudioFormat& format,
                                                              QString* error)
{
    if (!preferredFormat(id).isValid()) {
        if (error)
            *error = QStringLiteral("no such device");
        return nullptr;
    }
    ++m_opened;
    return std::make_unique<FakeInputStream>(this, id, format);
}

void FakeAudioBackend::probeCapture(std::function<void(bool)> answer)
{
    const bool ok = !m_defaultId.isEmpty();
    QTimer::singleShot(0, this, [answer = std::move(answer), ok] { answer(ok); });
}

void FakeAudioBackend::setInputs(const QList<Input>& inputs)
{
    m_inputs = inputs;
    m_defaultId = inputs.isEmpty() ? QString() : inputs.first().id;
    Q_EMIT inputsChanged();
}

void FakeAudioBackend::releaseStop()
{
    if (!m_heldStops.isEmpty())
        QTimer::singleShot(0, this, m_heldStops.takeFirst());
}

namespace FakeAudio {

QAudioFormat format(int sampleRate, int channels, QAudioFormat::SampleFormat sampleFormat)
{
    QAudioFormat f;
    f.setSampleRate(sampleRate);
    f.setChannelCount(channels);
    f.setSampleFormat(sampleFormat);
    return f;
}

QAudioBuffer sine(const QAudioFormat& format, qint64 frames, double frequency, double amplitude)
{
    QByteArray bytes(qsizetype(format.bytesForFrames(qint32(frames))), '\0');
    const int channels = format.channelCount();
    for (qint64 i = 0; i < frames; ++i) {
        const double x = amplitude * std::sin(2.0 * M_PI * frequency * double(i) / format.sampleRate());
        for (int c = 0; c < channels; ++c) {
            const qint64 at = i * channels + c;
            switch (format.sampleFormat()) {
            case QAudioFormat::Int16:
                reinterpret_cast<qint16*>(bytes.data())[at] = qint16(std::lround(x * 32767.0));
                break;
            case QAudioFormat::Float:
                reinterpret_cast<float*>(bytes.data())[at] = float(x);
                break;
            case QAudioFormat::Int32:
                reinterpret_cast<qint32*>(bytes.data())[at] = qint32(std::lround(x * 2147483647.0));
                break;
            case QAudioFormat::UInt8:
                reinterpret_cast<quint8*>(bytes.data())[at] = quint8(std::lround(128.0 + x * 127.0));
                break;
            default:
                break;
            }
        }
    }
    return QAudioBuffer(bytes, format);
}

} // namespace FakeAudio
