#pragma once

#include "engine/GeminiError.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class Clock;
class QNetworkAccessManager;

// What a request to the model service reports while it runs: an attempt is
// about to be sent, or an attempt failed and the next one waits.
enum class GeminiProgress {
    sending,
    retrying,
};

// The outcome of an operation: a value, or the failure the user is shown.
template <typename T>
struct GeminiResult
{
    std::optional<T> value;
    GeminiError error;

    static GeminiResult success(T v) { return {std::move(v), {}}; }
    static GeminiResult failure(GeminiError e) { return {std::nullopt, std::move(e)}; }
    explicit operator bool() const { return value.has_value(); }
};

// Where requests go and how retry waits are timed. The defaults are the
// process's shared network manager (so a warm-up's connection is reused),
// the system clock and the API root; tests point these at fakes.
struct GeminiTransport
{
    QNetworkAccessManager* network = nullptr; // nullptr: the shared manager
    Clock* clock = nullptr;                   // nullptr: the system clock
    QString root;                             // "": KESTO_GEMINI_URL, else the Gemini API

    QNetworkAccessManager& manager() const;
    Clock& timer() const;
    QString apiRoot() const;

    // The manager every request of the process shares; main thread only.
    static QNetworkAccessManager& shared();
};

// A running operation of the model service. Every operation finishes exactly
// once, on the main thread and never inside the call that started it: with
// its value, its failure, or GeminiError::cancelled() after cancel().
// Copies share the operation; an empty handle does nothing.
class GeminiCall
{
public:
    GeminiCall() = default;

    // Stops the request or the wait in progress; the completion runs at once
    // with the cancellation. Does nothing once the operation has finished.
    void cancel() const;
    bool isRunning() const;

    // Bookkeeping shared by the operations: how to stop the current step,
    // and whether the completion has run.
    struct State
    {
        std::function<void()> abort;
        bool finished = false;
    };
    static GeminiCall create();
    const std::shared_ptr<State>& state() const { return m_state; }

    // An operation that fails with error once the caller has its handle.
    template <typename T>
    static GeminiCall failed(const std::function<void(const GeminiResult<T>&)>& done, const GeminiError& error)
    {
        const GeminiCall call = create();
        call.m_state->abort = [call, done] { call.finish(done, GeminiResult<T>::failure(GeminiError::cancelled())); };
        later([call, done, error] { call.finish(done, GeminiResult<T>::failure(error)); });
        return call;
    }

    // Runs the completion unless the operation has already finished.
    template <typename T>
    void finish(const std::function<void(const GeminiResult<T>&)>& done, const GeminiResult<T>& result) const
    {
        if (!m_state || m_state->finished)
            return;
        m_state->finished = true;
        m_state->abort = nullptr;
        if (done)
            done(result);
    }

private:
    // Runs fn on the main thread's next event loop turn.
    static void later(std::function<void()> fn);

    std::shared_ptr<State> m_state;
};

template <typename T>
using GeminiDone = std::function<void(const GeminiResult<T>&)>;
using GeminiOnProgress = std::function<void(GeminiProgress)>;
