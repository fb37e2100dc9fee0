#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTcpServer>

class QTcpSocket;

// A loopback HTTP/1.1 server standing in for the Gemini API: it records every
// request (path, headers, JSON body, decoded inline audio) and answers from a
// script of replies, each optionally delayed, cut off or dropped.
class FakeGemini : public QObject
{
    Q_OBJECT

public:
    struct Request
    {
        QByteArray method; // "GET", "POST"
        QString path;      // without the query, still percent-encoded
        QString query;
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray rawBody;
        QJsonObject body;  // empty when the body is not a JSON object
        QByteArray audio;  // the inline audio, decoded
        QString audioMime; // its declared MIME type
        int connection = 0; // which connection it came on, counted from 1

        // Case-insensitive; empty when absent.
        QByteArray header(const char* name) const;
    };

    struct Reply
    {
        enum class Shape { raw, transcript, models };

        Shape shape = Shape::raw;
        int status = 200;
        QByteArray body;
        QByteArray contentType = "application/json";
        QString transcript;  // shaped for the endpoint asked
        QStringList names;   // models
        QString method;      // answers only requests of this method; "" for any
        int delayMs = 0;     // waits before answering
        bool drop = false;   // closes the connection without answering
        int cutAfter = -1;   // sends the full length but only this many body bytes, then closes
        bool silent = false; // keeps the connection open and never answers
        int trickleMs = 0;   // sends the body one byte at a time, one every this many ms

        // A transcript as generateContent or interactions returns it.
        static Reply text(const QString& transcript);
        // A model list: "models/<name>" for each name.
        static Reply models(const QStringList& names);
        // An error status with {"error": {"code", "message", "status"}}.
        static Reply error(int status, const QString& message);
        // Exactly these bytes.
        static Reply raw(int status, const QByteArray& body, const QByteArray& contentType = "application/json");
        static Reply json(int status, const QJsonObject& body);
        static Reply dropped();
        // Takes the request and never answers, keeping the connection open.
        static Reply silence();

        Reply on(const QString& method) const;
        Reply delayed(int ms) const;
        Reply cutOff(int bodyBytes) const;
        Reply trickled(int everyMs) const;
    };

    explicit FakeGemini(QObject* parent = nullptr);
    ~FakeGemini() override;

    bool listen();
    QString url() const; // "http://127.0.0.1:<port>"

    // Answers a request that no queued reply matches; by default a 404.
    void setFallback(Reply reply);
    // Replies are used once each, in order, by the first request they match.
    void enqueue(Reply reply);
    void clearRequests();
    void clearScript();
    // All requests so far, or those of one method, in arrival order.
    QList<Request> requests(const QString& method = {}) const;

Q_SIGNALS:
    void requestReceived(int index);
    // The whole reply to request index was handed to the socket.
    void replied(int index);
    // The client closed the connection of request index while its delayed
    // reply was still waiting to go.
    void abandoned(int index);

private:
    void readFrom(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const Request& request);
    Reply replyFor(const Request& request);

    QTcpServer m_server;
    mutable QMutex m_mutex;
    QList<Request> m_requests;
    QList<Reply> m_script;
    Reply m_fallback;
    int m_connections = 0;
};

Q_DECLARE_METATYPE(FakeGemini::Reply)
