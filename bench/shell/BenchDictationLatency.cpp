// How long the user waits: from releasing the talk key to the request
// reaching the (fake) service, for 10 s and 60 s recordings, and from the
// service's reply (the moment its last byte was handed over) to the text in
// the focused window; each the median of the runs. A run in which the
// request or the text never arrived fails.
#include "BenchReport.h"
#include "FakeGemini.h"
#include "TestMicrophone.h"
#include "TextWindowClient.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <memory>

namespace {

const QString transcript = QStringLiteral("Hello from the test microphone");

// The fake service on a thread of its own, so the bench's own waiting never
// delays its answers; the moment each request arrives is taken there.
struct Service
{
    QThread thread;
    QObject* context = new QObject; // lives in thread: what runs there is queued to it
    FakeGemini* gemini = nullptr;
    QElapsedTimer clock;
    std::atomic<qint64> lastRequestNs = 0;
    std::atomic<qint64> lastReplyNs = 0;
    std::atomic<int> requests = 0;
    std::atomic<int> replies = 0;
    QString url;

    Service()
    {
        clock.start();
        context->moveToThread(&thread);
        thread.start();
        QMetaObject::invokeMethod(
            context,
            [this] {
                gemini = new FakeGemini;
                gemini->listen();
                gemini->setFallback(FakeGemini::Reply::text(transcript));
                QObject::connect(gemini, &FakeGemini::requestReceived, gemini, [this](int index) {
                    if (gemini->requests().at(index).method == "POST") {
                        lastRequestNs = clock.nsecsElapsed();
                        ++requests;
                    }
                }, Qt::DirectConnection);
                QObject::connect(gemini, &FakeGemini::replied, gemini, [this](int index) {
                    if (gemini->requests().at(index).method == "POST") {
                        lastReplyNs = clock.nsecsElapsed();
                        ++replies;
                    }
                }, Qt::DirectConnection);
                url = gemini->url();
            },
            Qt::BlockingQueuedConnection);
    }

    ~Service()
    {
        QMetaObject::invokeMethod(context, [this] { delete gemini; }, Qt::BlockingQueuedConnection);
        thread.quit();
        thread.wait();
        delete context;
    }
};

struct Rig
{
    QTemporaryDir data;
    Service service;
    TextWindowClient window;
    TestMicrophone microphone;
    QProcess app;
    bool ok = false;

    Rig()
    {
        microphone.start();
        QFile config(QDir(data.path()).filePath(QStringLiteral("config.json")));
        config.open(QIODevice::WriteOnly);
        config.write(QJsonDocument(QJsonObject{{QStringLiteral("onboardingDone"), true},
                                               {QStringLiteral("apiKey"), QStringLiteral("bench-key")}})
                         .toJson());
        config.close();
        if (!window.start(QString::fromLocal8Bit(KESTO_TEXT_WINDOW), QStringLiteral("kesto-bench-window")))
            return;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("KESTO_DATA_DIR"), data.path());
        env.insert(QStringLiteral("KESTO_GEMINI_URL"), service.url);
        app.setProcessEnvironment(env);
        app.start(QString::fromLocal8Bit(KESTO_APP), {});
        QElapsedTimer waited;
        waited.start();
        while (!log().contains(QStringLiteral(" ready\n")) && waited.elapsed() < 20000)
            QThread::msleep(20);
        ok = log().contains(QStringLiteral(" ready\n"));
    }

    ~Rig()
    {
        app.terminate();
        if (!app.waitForFinished(10000))
            app.kill();
        microphone.stop();
    }

    QString log() const
    {
        QFile file(QDir(data.path()).filePath(QStringLiteral("kesto.log")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
};

Rig* rig = nullptr;

// A measurement that did not happen fails the run instead of passing its wait
// limit off as a figure.
void fail(benchmark::State& state, const char* why)
{
    state.SkipWithError(why);
}

bool xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

// The last timing line's "<name>=<seconds>s" figure.
double timing(const QString& log, const QString& name)
{
    const QRegularExpression pattern(name + QStringLiteral("=([0-9.]+)s"));
    auto it = pattern.globalMatch(log);
    double value = 0;
    while (it.hasNext())
        value = it.next().captured(1).toDouble();
    return value;
}

void Dictation(benchmark::State& state)
{
    if (!rig || !rig->ok) {
        fail(state, "the application did not start");
        return;
    }
    const double seconds = double(state.range(0));
    const QByteArray speech = TestMicrophone::speech(seconds);
    std::vector<double> releaseToRequest;
    std::vector<double> replyToText;
    std::vector<double> replyToInsertedByLog;
    for (auto _ : state) {
        QThread::msleep(2000); // the last result's done state ends
        rig->window.clear();
        if (!rig->window.focus()) {
            fail(state, "the test window did not take the keyboard focus");
            return;
        }
        const int before = rig->service.requests;
        const int repliesBefore = rig->service.replies;
        const qsizetype timingsBefore = rig->log().count(QStringLiteral("timing format="));
        xdotool({QStringLiteral("keydown"), QStringLiteral("ctrl"), QStringLiteral("super")});
        QThread::msleep(400);
        rig->microphone.say(speech.left(qint64(seconds * 32000)));
        QThread::msleep(ulong(seconds * 1000));
        xdotool({QStringLiteral("keyup"), QStringLiteral("super"), QStringLiteral("ctrl")});
        const qint64 released = rig->service.clock.nsecsElapsed();
        QElapsedTimer waited;
        waited.start();
        while (rig->service.requests == before && waited.elapsed() < 60000)
            QThread::usleep(200);
        if (rig->service.requests == before) {
            fail(state, "the request never reached the service");
            return;
        }
        const qint64 requested = rig->service.lastRequestNs;
        while (rig->service.replies == repliesBefore && waited.elapsed() < 60000)
            QThread::usleep(200);
        if (rig->service.replies == repliesBefore) {
            fail(state, "the service never replied");
            return;
        }
        const qint64 replied = rig->service.lastReplyNs;
        while (rig->window.text() != transcript && waited.elapsed() < 60000)
            QThread::usleep(200);
        if (rig->window.text() != transcript) {
            fail(state, "the text never reached the test window");
            return;
        }
        const qint64 shown = rig->service.clock.nsecsElapsed();
        const double toRequest = double(requested - released) / 1e6;
        state.SetIterationTime(toRequest / 1000.0);
        releaseToRequest.push_back(toRequest);
        replyToText.push_back(double(shown - replied) / 1e6);
        QString log = rig->log();
        while (log.count(QStringLiteral("timing format=")) <= timingsBefore && waited.elapsed() < 65000) {
            QThread::msleep(20);
            log = rig->log();
        }
        if (log.count(QStringLiteral("timing format=")) <= timingsBefore) {
            fail(state, "the application logged no timing for this dictation");
            return;
        }
        replyToInsertedByLog.push_back((timing(log, QStringLiteral("inserted")) - timing(log, QStringLiteral("response"))) * 1000);
    }
    state.counters["release_to_request_ms"] = BenchReport::median(releaseToRequest);
    state.counters["reply_to_text_ms"] = BenchReport::median(replyToText);
    state.counters["reply_to_inserted_log_ms"] = BenchReport::median(replyToInsertedByLog);
}

} // namespace

BENCHMARK(Dictation)->Arg(10)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(Dictation)->Arg(60)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Rig theRig;
    rig = &theRig;
    BenchReport::run(argc, argv);
    rig = nullptr;
    for (const int seconds : {10, 60}) {
        const std::string run = "Dictation/" + std::to_string(seconds);
        // Encoded while the key was held, the upload leaves at once...
        BenchReport::headline(QStringLiteral("talk key up to the request, %1 s dictation").arg(seconds), run,
                              "release_to_request_ms", QStringLiteral("ms"), BenchReport::atMost(300));
        // ...and the answer is in the window before the user looks for it.
        BenchReport::headline(QStringLiteral("reply to the text in the window, %1 s dictation").arg(seconds), run,
                              "reply_to_text_ms", QStringLiteral("ms"), BenchReport::atMost(250));
    }
    return BenchReport::finish();
}
