#include "TestMicrophone.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

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
    // The sound server reads the pipe only while something records. A real
    // microphone's samples are gone when nobody listens, so what cannot be
    // written now is dropped, and the pipe holds little: a recording starts
    // with what is said now, not with a backlog of earlier audio.
    const int pipe = ::open(QFile::encodeName(m_fifo).constData(), O_WRONLY | O_NONBLOCK);
    if (pipe < 0)
        return;
    ::fcntl(pipe, F_SETPIPE_SZ, 4096);
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
        if (::write(pipe, block.constData(), size_t(block.size())) < 0 && errno != EAGAIN)
            break;
        written += chunk;
        const qint64 ahead = written * 1000 / bytesPerSecond - clock.elapsed();
        if (ahead > 0)
            msleep(ulong(ahead));
    }
    ::close(pipe);
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
