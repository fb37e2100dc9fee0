#include "platform/linux/QtAudioBackend.h"

#include <QAudioSource>
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include <atomic>
#include <utility>

namespace {

bool isMonitor(const QAudioDevice& device)
{
    // Qt leaves PulseAudio's monitors out already; PipeWire names them alike.
    return device.id().endsWith(".monitor");
}

QList<QAudioDevice> microphones()
{
    QList<QAudioDevice> result;
    for (const QAudioDevice& device : QMediaDevices::audioInputs()) {
        if (!isMonitor(device))
            result.append(device);
    }
    return result;
}

// Lives on the audio thread and owns the QAudioSource there.
class CaptureWorker final : public QObject
{
public:
    CaptureWorker(QAudioDevice device, QAudioFormat format)
        : m_device(std::move(device))
        , m_format(std::move(format))
    {
    }

    bool start(AudioInputStream::BufferHandler onBuffer, std::function<void()> onFailed, QString* error)
    {
        m_onBuffer = std::move(onBuffer);
        m_onFailed = std::move(onFailed);
        m_source = new QAudioSource(m_device, m_format);
        // Room for a fifth of a second, so a busy moment of the audio thread loses nothing.
        m_source->setBufferSize(m_format.bytesForDuration(200000));
        m_io = m_source->start();
        if (!m_io || m_source->error() != QAudio::NoError) {
            *error = describe(m_source->error());
            std::exchange(m_source, nullptr)->deleteLater();
            m_io = nullptr;
            return false;
        }
        connect(m_io, &QIODevice::readyRead, this, &CaptureWorker::drain);
        connect(m_source, &QAudioSource::stateChanged, this, [this](QAudio::State state) {
            if (state == QAudio::StoppedState && m_source && m_source->error() != QAudio::NoError) {
                m_running = false;
                if (m_onFailed)
                    m_onFailed();
            }
        });
        m_running = true;
        return true;
    }

    ~CaptureWorker() override { stop(); }

    void stop()
    {
        m_running = false;
        if (m_source) {
            drain();
            QAudioSource* source = std::exchange(m_source, nullptr);
            m_io = nullptr;
            source->disconnect(this);
            source->stop();
            // The PulseAudio source's destructor spins an event loop; deleting
            // it here would run queued jobs of this worker (another stop, the
            // worker's own deletion) in the middle of this one.
            source->deleteLater();
        }
        m_onBuffer = nullptr;
    }

    std::atomic<bool> m_running{false};

private:
    void drain()
    {
        if (!m_io || !m_onBuffer)
            return;
        const QByteArray bytes = m_io->readAll();
        const int frameBytes = m_format.bytesPerFrame();
        if (bytes.isEmpty() || frameBytes <= 0)
            return;
        m_onBuffer(QAudioBuffer(bytes.left(bytes.size() - bytes.size() % frameBytes), m_format));
    }

    static QString describe(QAudio::Error error)
    {
        switch (error) {
        case QAudio::OpenError:
            return QStringLiteral("The device could not be opened.");
        case QAudio::IOError:
            return QStringLiteral("The device stopped delivering audio.");
        case QAudio::UnderrunError:
            return QStringLiteral("The device ran dry.");
        case QAudio::FatalError:
            return QStringLiteral("The sound server failed.");
        case QAudio::NoError:
            break;
        }
        return QStringLiteral("The device did not start.");
    }

    QAudioDevice m_device;
    QAudioFormat m_format;
    QAudioSource* m_source = nullptr;
    QIODevice* m_io = nullptr;
    AudioInputStream::BufferHandler m_onBuffer;
    std::function<void()> m_onFailed;
};

class QtInputStream final : public AudioInputStream
{
public:
    QtInputStream(QThread* thread, QAudioDevice device, QAudioFormat format)
        : m_format(format)
        , m_worker(new CaptureWorker(std::move(device), format))
        , m_context(new QObject)
    {
        m_worker->moveToThread(thread);
    }

    ~QtInputStream() override
    {
        CaptureWorker* worker = m_worker;
        if (worker->thread()->isRunning()) {
            QMetaObject::invokeMethod(
                worker, [worker] { worker->stop(); delete worker; }, Qt::BlockingQueuedConnection);
        } else {
            delete worker;
        }
        delete m_context;
    }

    QAudioFormat format() const override { return m_format; }

    bool start(BufferHandler onBuffer, QString* error) override
    {
        bool started = false;
        QString why;
        QPointer<QObject> context = m_context;
        auto failed = [context, this] {
            QMetaObject::invokeMethod(qApp, [context, this] {
                if (context && onInterrupted)
                    onInterrupted();
            }, Qt::QueuedConnection);
        };
        QMetaObject::invokeMethod(
            m_worker,
            [&] { started = m_worker->start(std::move(onBuffer), failed, &why); },
            Qt::BlockingQueuedConnection);
        if (!started && error)
            *error = why;
        return started;
    }

    void stop(std::function<void()> stopped) override
    {
        CaptureWorker* worker = m_worker;
        // Runs before any later start or the destructor's clean-up: the
        // worker thread takes its jobs in order.
        QMetaObject::invokeMethod(
            worker,
            [worker, stopped = std::move(stopped)] {
                worker->stop();
                if (stopped)
                    QMetaObject::invokeMethod(qApp, stopped, Qt::QueuedConnection);
            },
            Qt::QueuedConnection);
    }

    bool isRunning() const override { return m_worker->m_running; }

private:
    QAudioFormat m_format;
    CaptureWorker* m_worker;
    QObject* m_context;
};

} // namespace

QtAudioBackend::QtAudioBackend(QObject* parent)
    : AudioBackend(parent)
    , m_devices(new QMediaDevices(this))
{
    m_thread.setObjectName(QStringLiteral("kesto.audio"));
    m_thread.start();
    connect(m_devices, &QMediaDevices::audioInputsChanged, this, &AudioBackend::inputsChanged);
}

QtAudioBackend::~QtAudioBackend()
{
    m_thread.quit();
    m_thread.wait();
}

QList<AudioBackend::Input> QtAudioBackend::inputs() const
{
    QList<Input> result;
    for (const QAudioDevice& device : microphones())
        result.append({QString::fromUtf8(device.id()), device.description()});
    return result;
}

QString QtAudioBackend::defaultInputId() const
{
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (device.isNull() || isMonitor(device))
        return {};
    return QString::fromUtf8(device.id());
}

QAudioDevice QtAudioBackend::device(const QString& id) const
{
    for (const QAudioDevice& device : microphones()) {
        if (QString::fromUtf8(device.id()) == id)
            return device;
    }
    return {};
}

QAudioFormat QtAudioBackend::preferredFormat(const QString& id) const
{
    const QAudioDevice found = device(id);
    return found.isNull() ? QAudioFormat() : found.preferredFormat();
}

bool QtAudioBackend::isFormatSupported(const QString& id, const QAudioFormat& format) const
{
    const QAudioDevice found = device(id);
    return !found.isNull() && found.isFormatSupported(format);
}

std::unique_ptr<AudioInputStream> QtAudioBackend::openInput(const QString& id, const QAudioFormat& format,
                                                            QString* error)
{
    const QAudioDevice found = device(id);
    if (found.isNull()) {
        if (error)
            *error = QStringLiteral("There is no microphone with the id \"%1\".").arg(id);
        return nullptr;
    }
    return std::make_unique<QtInputStream>(&m_thread, found, format);
}

void QtAudioBackend::probeCapture(std::function<void(bool)> answer)
{
    bool ok = false;
    const QString id = defaultInputId();
    if (!id.isEmpty()) {
        if (auto stream = openInput(id, preferredFormat(id), nullptr)) {
            ok = stream->start([](const QAudioBuffer&) {}, nullptr);
            stream->stop(nullptr);
        }
    }
    QTimer::singleShot(0, this, [answer = std::move(answer), ok] { answer(ok); });
}

AudioBackend& AudioBackend::system()
{
    static QPointer<QtAudioBackend> backend;
    if (!backend)
        backend = new QtAudioBackend(QCoreApplication::instance());
    return *backend;
}
