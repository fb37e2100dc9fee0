#include "core/Log.h"

#include "platform/DataFolder.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFile>

#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <thread>
#include <variant>

namespace {

// Each job carries the log's path as it was when posted, so a line never
// lands in a folder chosen after it was written.
struct Line
{
    QString message;
    QString path;
};
struct Reset
{
    QString path;
};
struct Erase
{
    QString path;
};
struct Flush
{
    std::promise<void>* done;
};

using Job = std::variant<Line, Reset, Erase, Flush>;

QString previousPath(const QString& path)
{
    return QFileInfo(path).path() + QStringLiteral("/kesto.previous.log");
}

class Writer
{
public:
    Writer()
        : m_thread([this] { run(); })
    {
    }

    ~Writer()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_wake.notify_one();
        m_thread.join();
    }

    void post(Job job)
    {
        {
            std::lock_guard lock(m_mutex);
            m_jobs.push_back(std::move(job));
        }
        m_wake.notify_one();
    }

private:
    void run()
    {
        for (;;) {
            Job job;
            {
                std::unique_lock lock(m_mutex);
                m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
                if (m_jobs.empty())
                    return;
                job = std::move(m_jobs.front());
                m_jobs.pop_front();
            }
            std::visit([](auto& j) { handle(j); }, job);
        }
    }

    static void handle(const Line& line)
    {
        // The time is taken when the line is written, as the file's order is.
        const QByteArray bytes = (QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss.zzz"))
                                  + QLatin1Char(' ') + line.message + QLatin1Char('\n'))
                                     .toUtf8();
        DataFolder::ensure(QFileInfo(line.path).path());
        QFile file(line.path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Append))
            file.write(bytes);
    }

    // The run before stays beside the new log: an update's lines survive
    // the restart into the new version.
    static void handle(const Reset& reset)
    {
        const QString previous = previousPath(reset.path);
        if (!QFile::exists(reset.path))
            return;
        QFile::remove(previous);
        if (!QFile::rename(reset.path, previous))
            QFile::remove(reset.path);
    }

    static void handle(const Erase& erase)
    {
        QFile::remove(erase.path);
        QFile::remove(previousPath(erase.path));
    }

    static void handle(const Flush& flush) { flush.done->set_value(); }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Job> m_jobs;
    bool m_stopping = false;
    std::thread m_thread;
};

Writer& writer()
{
    static Writer instance;
    return instance;
}

} // namespace

namespace Log {

void write(const QString& message)
{
    writer().post(Line{message, filePath()});
}

void reset()
{
    writer().post(Reset{filePath()});
}

void erase()
{
    writer().post(Erase{filePath()});
}

QString filePath()
{
    return DataFolder::path() + QStringLiteral("/kesto.log");
}

void flush()
{
    std::promise<void> done;
    auto future = done.get_future();
    writer().post(Flush{&done});
    future.wait();
}

QString loggable(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const auto category = c.category();
        const bool invisible = category == QChar::Other_Control || category == QChar::Other_Format
                               || category == QChar::Separator_Line || category == QChar::Separator_Paragraph;
        if (invisible)
            out += QStringLiteral("\\u{%1}").arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

} // namespace Log
