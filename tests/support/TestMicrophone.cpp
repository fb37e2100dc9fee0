#include "TestMicrophone.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

TestMicrophone::TestMicrophone(const QString& fifo)
    : m_fifo(fifo)
{
}

TestMicrophone::~TestMicrophone()
{
    stop();
}

void TestMicrophone::say(const QByteArray& pcm)
{
    std::lock_guard lock(m_mutex);
    m_queue += pcm;
}

void TestMicrophone::stop()
{
    m_stop = true;
    if (isRunning())
        wait();
}

void TestMicrophone::run()
{
    QFile pipe(m_fifo);
    if (!pipe.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const qint64 bytesPerSecond = 16000 * 2;
    const qint64 chunk = bytesPerSecond / 50;
    QElapsedTimer clock;
    clock.start();
    qint64 written = 0;
    while (!m_stop) {
        QByteArray block;
        {
            std::lock_guard lock(m_mutex);
            block = m_queue.left(chunk);
            m_queue.remove(0, block.size());
        }
        block.append(QByteArray(chunk - block.size(), '\0'));
        if (pipe.write(block) != block.size())
            return;
        written += chunk;
        const qint64 ahead = written * 1000 / bytesPerSecond - clock.elapsed();
        if (ahead > 0)
            msleep(ulong(ahead));
    }
}

QByteArray TestMicrophone::speech(double seconds)
{
    QTemporaryDir dir;
    const QString wav = dir.filePath(QStringLiteral("speech.wav"));
    const QString raw = dir.filePath(QStringLiteral("speech.raw"));
    if (QProcess::execute(QStringLiteral("espeak-ng"),
                          {QStringLiteral("-w"), wav, QStringLiteral("Hello from the test microphone")})
        != 0)
        return {};
    if (QProcess::execute(QStringLiteral("sox"),
                          {wav, QStringLiteral("-r"), QStringLiteral("16000"), QStringLiteral("-c"), QStringLiteral("1"),
                           QStringLiteral("-b"), QStringLiteral("16"), QStringLiteral("-e"),
                           QStringLiteral("signed-integer"), QStringLiteral("-t"), QStringLiteral("raw"), raw})
        != 0)
        return {};
    QFile file(raw);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray once = file.readAll();
    QByteArray out = once;
    // Speech with short pauses, as people talk.
    const QByteArray pause(16000 * 2 * 3 / 10, '\0');
    while (!once.isEmpty() && out.size() < qint64(seconds * 16000 * 2))
        out += pause + once;
    return out;
}
