#pragma once

#include <QMetaType>
#include <QString>

// A failure of the model service, or of getting a request to it. The
// description is the one sentence the user sees; callers also log it.
struct GeminiError
{
    enum class Kind {
        http,           // a reply with a status other than 200
        badResponse,    // a reply we could not make sense of
        noApiKey,
        emptyResponse,  // a readable reply without any text
        invalidJson,    // a reply body that is not JSON at all
        network,        // no reply: time-out, no connection, connection lost
        fileUnreadable, // the audio file could not be read
        cancelled,      // the caller cancelled the operation
    };

    // network only: what the user is told went wrong; the network layer's
    // own text stays in message, for the log.
    enum class Cause {
        other,
        noConnection, // no network, no route, the host name not found
        timedOut,
        refused,
        connectionLost,
    };

    Kind kind = Kind::emptyResponse;
    int status = 0;  // http only
    QString message; // http: the server's message; badResponse: the detail;
                     // others: the underlying error's own text
    // network only: the network itself failed (no connection, no route, the
    // host not found, a time-out, the connection lost), as opposed to a
    // transfer that reached a server and broke there, such as a refused TLS
    // handshake.
    bool unreachable = false;
    Cause cause = Cause::other;

    static GeminiError http(int status, const QString& message);
    static GeminiError badResponse(const QString& detail);
    static GeminiError noApiKey();
    static GeminiError emptyResponse();
    static GeminiError invalidJson(const QString& detail);
    static GeminiError network(Cause cause, const QString& detail, bool unreachable);
    static GeminiError fileUnreadable(const QString& detail);
    static GeminiError cancelled();

    // The user-facing sentence, translated.
    QString description() const;

    bool operator==(const GeminiError&) const = default;
};

Q_DECLARE_METATYPE(GeminiError)
