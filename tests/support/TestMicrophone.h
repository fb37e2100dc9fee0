#pragma once

#include <QByteArray>
#include <QString>
#include <QThread>

#include <atomic>
#include <mutex>

// Feeds the test environment's microphone (the pipe named by
// KESTO_TEST_MIC_FIFO) in real time, 20 ms at a time: queued speech first,
// silence otherwise, so the microphone always delivers audio.
class TestMicrophone final : public QThread
{
public:
    explicit TestMicrophone(const QString& fifo = qEnvironmentVariable("KESTO_TEST_MIC_FIFO"));
    ~TestMicrophone() override;

    // Queues raw s16le 16 kHz mono samples.
    void say(const QByteArray& pcm);
    void stop();

    // "Hello from the test microphone" spoken by espeak-ng, repeated to fill
    // at least the given seconds; empty when espeak-ng or sox is missing.
    static QByteArray speech(double seconds = 0);

protected:
    void run() override;

private:
    QString m_fifo;
    std::mutex m_mutex;
    QByteArray m_queue;
    std::atomic<bool> m_stop = false;
};
