#pragma once

#include "FakeClock.h"
#include "FakeGemini.h"
#include "engine/GeminiCall.h"

#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

// Collects the one completion of an operation.
template <typename T>
struct Outcome
{
    std::optional<GeminiResult<T>> result;
    int calls = 0;

    GeminiDone<T> done()
    {
        return [this](const GeminiResult<T>& r) {
            result = r;
            ++calls;
        };
    }
    bool finished() const { return result.has_value(); }
    const T& value() const { return *result->value; }
    const GeminiError& error() const { return result->error; }
};

// The fake service and a fake clock for the retry waits, with audio files
// to send.
struct GeminiRig
{
    FakeGemini service;
    FakeClock clock;
    QTemporaryDir folder;
    GeminiTransport transport;

    bool start()
    {
        if (!service.listen() || !folder.isValid())
            return false;
        transport.clock = &clock;
        transport.root = service.url();
        return true;
    }

    // Lets each retry wait on the fake clock pass as soon as it is
    // scheduled (never a request's far time limit), until the operation
    // finishes; false after 10 s without.
    template <typename T>
    bool finishPassingWaits(const Outcome<T>& outcome)
    {
        QDeadlineTimer deadline(10000);
        while (!outcome.finished() && !deadline.hasExpired()) {
            if (const std::optional<qint64> due = clock.nextDueIn(); due && *due <= 3000)
                clock.advance(*due);
            QTest::qWait(5);
        }
        return outcome.finished();
    }

    QString audio(const QString& name, const QByteArray& bytes) const
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return path;
    }
};
