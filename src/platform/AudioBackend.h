#pragma once

#include <QAudioBuffer>
#include <QAudioFormat>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

// One open capture stream of a microphone. Buffers arrive on the audio thread;
// everything else is called, and calls back, on the main thread.
class AudioInputStream
{
public:
    using BufferHandler = std::function<void(const QAudioBuffer&)>;

    virtual ~AudioInputStream() = default;

    // The format the buffers come in.
    virtual QAudioFormat format() const = 0;
    // Starts delivering buffers to onBuffer (audio thread). False with a
    // description in error when the stream could not start.
    virtual bool start(BufferHandler onBuffer, QString* error) = 0;
    // Stops delivering; stopped() runs on the main thread once no buffer can
    // arrive any more, even when the stream object is gone by then. Safe to
    // call on a stream that never started.
    virtual void stop(std::function<void()> stopped) = 0;
    // False once the stream stopped, by stop() or because the device failed.
    virtual bool isRunning() const = 0;
    // Told (main thread) when the device stops delivering on its own.
    std::function<void()> onInterrupted;
};

// The capture devices of the sound server. A small seam so that the recorder
// and the level meter run against a fake in unit tests.
class AudioBackend : public QObject
{
    Q_OBJECT

public:
    struct Input
    {
        QString id;   // stable across runs; what the settings store
        QString name; // for people
        bool operator==(const Input&) const = default;
    };

    using QObject::QObject;

    // The microphones, never the monitors of outputs, in the server's order.
    virtual QList<Input> inputs() const = 0;
    // The id of the server's default microphone; empty when there is none.
    virtual QString defaultInputId() const = 0;
    // The format a device runs in natively; invalid when the id is unknown.
    virtual QAudioFormat preferredFormat(const QString& id) const = 0;
    virtual bool isFormatSupported(const QString& id, const QAudioFormat& format) const = 0;
    // A stream on the device in the given format, not yet started; null with a
    // description in error when the device is unknown.
    virtual std::unique_ptr<AudioInputStream> openInput(const QString& id, const QAudioFormat& format,
                                                        QString* error) = 0;
    // Whether a capture device can actually be opened; answered on the main thread.
    virtual void probeCapture(std::function<void(bool)> answer) = 0;

    // The sound server of this machine (Qt Multimedia), created on first use.
    static AudioBackend& system();

Q_SIGNALS:
    void inputsChanged();
};
