#include "engine/LiveUpload.h"

#include "core/Log.h"
#include "engine/AACEncoder.h"
#include "engine/LiveTrimmer.h"

#include <QElapsedTimer>
#include <QFile>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace {

// The worker wakes for every 100 ms of audio, not for every captured block.
constexpr std::size_t wakeSamples = 1600;

} // namespace

// Between the audio thread and the worker.
struct LiveUpload::Queue
{
    std::mutex lock;
    std::condition_variable wake;     // samples, the end, or a stop
    std::condition_variable finished; // the worker completed the M4A
    std::vector<qint16> samples;
    bool ending = false;
    bool stopping = false;
    bool done = false;
    std::atomic<bool> closed = false; // the worker takes nothing more
};

// The worker's own state.
struct LiveUpload::Work
{
    QString m4a;
    std::unique_ptr<AACEncoder::Stream> stream;
    std::optional<LiveTrimmer> trimmer;
    QString error; // the first failure; afterwards nothing more is done
    qint64 frames = 0;
    std::optional<Upload> result;
    std::thread thread;

    void fail(const QString& why, Queue& queue)
    {
        if (error.isEmpty())
            error = why;
        stream.reset(); // and with it the partial file
        queue.closed = true;
    }

    void encode(const qint16* samples, qsizetype count, Queue& queue)
    {
        if (!stream)
            return;
        QString why;
        if (!stream->write(samples, count, &why))
            fail(why, queue);
    }
};

LiveUpload::LiveUpload(const QString& wav, const Settings& settings)
    : m_settings(settings)
    , m_queue(std::make_shared<Queue>())
    , m_work(std::make_unique<Work>())
{
    m_work->m4a = AACEncoder::m4aPath(wav);
    m_work->thread = std::thread([this] { run(); });
}

LiveUpload::~LiveUpload()
{
    {
        std::lock_guard guard(m_queue->lock);
        m_queue->stopping = true;
        m_queue->closed = true;
    }
    m_queue->wake.notify_all();
    if (m_work->thread.joinable())
        m_work->thread.join();
    m_work->stream.reset();
}

LiveUpload::Input LiveUpload::input() const
{
    return [queue = m_queue](const qint16* samples, qsizetype count) {
        if (queue->closed)
            return;
        bool wake = false;
        {
            std::lock_guard guard(queue->lock);
            queue->samples.insert(queue->samples.end(), samples, samples + count);
            wake = queue->samples.size() >= wakeSamples;
        }
        if (wake)
            queue->wake.notify_one();
    };
}

void LiveUpload::run()
{
    Work& work = *m_work;
    Queue& queue = *m_queue;
    // Opening the encoder and the file happens here, not in the caller's start.
    QString why;
    work.stream = AACEncoder::Stream::create(work.m4a, &why);
    if (!work.stream)
        work.fail(why, queue);
    if (m_settings.trimSilence) {
        work.trimmer.emplace(m_settings.keepSilenceSeconds, [&work, &queue](const qint16* samples, qsizetype count) {
            work.encode(samples, count, queue);
        });
    }

    std::vector<qint16> chunk;
    std::unique_lock lock(queue.lock);
    while (true) {
        queue.wake.wait(lock, [&] { return !queue.samples.empty() || queue.ending || queue.stopping; });
        if (queue.stopping)
            return;
        chunk.clear();
        chunk.swap(queue.samples);
        lock.unlock();
        if (!chunk.empty() && work.stream) {
            work.frames += qint64(chunk.size());
            if (work.trimmer)
                work.trimmer->push(chunk.data(), qsizetype(chunk.size()));
            else
                work.encode(chunk.data(), qsizetype(chunk.size()), queue);
        }
        lock.lock();
        if (queue.ending && queue.samples.empty())
            break;
    }
    lock.unlock();

    if (work.trimmer && work.stream) {
        work.trimmer->finish();
        // The file trimmer sends a recording it would cut to nothing untrimmed.
        if (work.trimmer->kept() == 0 && work.frames > 0)
            work.fail(QStringLiteral("trimming left nothing"), queue);
    }
    if (work.stream) {
        if (work.stream->finish(&why)) {
            qint64 bytes = 0;
            if (Upload::isM4A(work.m4a, &bytes))
                work.result = Upload{work.m4a, Upload::Format::m4a};
            else
                work.fail(QStringLiteral("the output is not an M4A (%1 bytes)").arg(bytes), queue);
        } else {
            work.fail(why, queue);
        }
    }
    if (!work.result)
        QFile::remove(work.m4a);

    lock.lock();
    queue.done = true;
    queue.finished.notify_all();
}

std::optional<Upload> LiveUpload::finish()
{
    QElapsedTimer started;
    started.start();
    {
        std::unique_lock lock(m_queue->lock);
        m_queue->ending = true;
        m_queue->wake.notify_all();
        m_queue->finished.wait(lock, [this] { return m_queue->done; });
    }
    if (m_work->thread.joinable())
        m_work->thread.join();
    Work& work = *m_work;
    std::optional<Upload> result = std::exchange(work.result, std::nullopt);
    if (!result) {
        Log::write(QStringLiteral("live AAC failed (") + work.error + QStringLiteral("); encoding after the recording"));
        return std::nullopt;
    }
    // The file is the caller's from here.
    work.stream.reset();
    const qint64 kept = work.trimmer ? work.trimmer->kept() : work.frames;
    const qint64 shorter = work.frames > 0 ? 100 - kept * 100 / work.frames : 0;
    Log::write(QStringLiteral("encoded while recording, finished in %1ms, %2% shorter").arg(started.elapsed()).arg(shorter));
    return result;
}
