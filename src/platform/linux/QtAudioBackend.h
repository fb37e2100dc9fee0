#pragma once

#include "platform/AudioBackend.h"

#include <QMediaDevices>
#include <QThread>

// The sound server through Qt Multimedia (PulseAudio or PipeWire). Every
// stream runs its QAudioSource on one shared audio thread.
class QtAudioBackend final : public AudioBackend
{
    Q_OBJECT

public:
    explicit QtAudioBackend(QObject* parent = nullptr);
    ~QtAudioBackend() override;

    QList<Input> inputs() const override;
    QString defaultInputId() const override;
    QAudioFormat preferredFormat(const QString& id) const override;
    bool isFormatSupported(const QString& id, const QAudioFormat& format) const override;
    std::unique_ptr<AudioInputStream> openInput(const QString& id, const QAudioFormat& format,
                                                QString* error) override;
    void probeCapture(std::function<void(bool)> answer) override;

private:
    QAudioDevice device(const QString& id) const;

    QMediaDevices* m_devices;
    QThread m_thread;
};
