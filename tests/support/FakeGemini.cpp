#include "FakeGemini.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QMutexLocker>
#include <QTcpSocket>
#include <QTimer>

namespace {

const char* bufferProperty = "fakeGeminiBuffer";
const char* connectionProperty = "fakeGeminiConnection";

QByteArray reason(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 429:
        return "Too Many Requests";
    case 500:
        return "Internal Server Error";
    case 502:
        return "Bad Gateway";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}

QByteArray statusName(int status)
{
    switch (status) {
    case 400:
        return "INVALID_ARGUMENT";
    case 403:
        return "PERMISSION_DENIED";
    case 404:
        return "NOT_FOUND";
    case 429:
        return "RESOURCE_EXHAUSTED";
    case 503:
        return "UNAVAILABLE";
    default:
        return "INTERNAL";
    }
}

// The inline audio of a generateContent or interactions body.
void findAudio(FakeGemini::Request& request)
{
    for (const QJsonValue& content : request.body.value(QLatin1String("contents")).toArray()) {
        for (const QJsonValue& part : content.toObject().value(QLatin1String("parts")).toArray()) {
            const QJsonObject inline_ = part.toObject().value(QLatin1String("inline_data")).toObject();
            if (!inline_.isEmpty()) {
                request.audio = QByteArray::fromBase64(inline_.value(QLatin1String("data")).toString().toLatin1());
                request.audioMime = inline_.value(QLatin1String("mime_type")).toString();
            }
        }
    }
    for (const QJsonValue& input : request.body.value(QLatin1String("input")).toArray()) {
        const QJsonObject item = input.toObject();
        if (item.value(QLatin1String("type")).toString() == QLatin1String("audio")) {
            request.audio = QByteArray::fromBase64(item.value(QLatin1String("data")).toString().toLatin1());
            request.audioMime = item.value(QLatin1String("mime_type")).toString();
        }
    }
}

QByteArray render(const FakeGemini::Reply& reply, const FakeGemini::Request& request)
{
    switch (reply.shape) {
    case FakeGemini::Reply::Shape::raw:
        return reply.body;
    case FakeGemini::Reply::Shape::transcript: {
        QJsonObject body;
        if (request.path.endsWith(QLatin1String("/interactions"))) {
            const QJsonObject text{{QStringLiteral("type"), QStringLiteral("text")}, {QStringLiteral("text"), reply.transcript}};
            body.insert(QStringLiteral("steps"), QJsonArray{QJsonObject{{QStringLiteral("content"), QJsonArray{text}}}});
        } else {
            const QJsonObject content{
                {QStringLiteral("role"), QStringLiteral("model")},
                {QStringLiteral("parts"), QJsonArray{QJsonObject{{QStringLiteral("text"), reply.transcript}}}},
            };
            body.insert(QStringLiteral("candidates"),
                        QJsonArray{QJsonObject{{QStringLiteral("content"), content},
                                               {QStringLiteral("finishReason"), QStringLiteral("STOP")}}});
        }
        return QJsonDocument(body).toJson(QJsonDocument::Compact);
    }
    case FakeGemini::Reply::Shape::models: {
        QJsonArray models;
        for (const QString& name : reply.names)
            models.append(QJsonObject{{QStringLiteral("name"), QString(QStringLiteral("models/") + name)}});
        return QJsonDocument(QJsonObject{{QStringLiteral("models"), models}}).toJson(QJsonDocument::Compact);
    }
    }
    return {};
}

} // namespace

QByteArray FakeGemini::Request::header(const char* name) const
{
    for (const auto& [key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

FakeGemini::Reply FakeGemini::Reply::text(const QString& transcript)
{
    Reply reply;
    reply.shape = Shape::transcript;
    reply.transcript = transcript;
    return reply;
}

FakeGemini::Reply FakeGemini::Reply::models(const QStringList& names)
{
    Reply reply;
    reply.shape = Shape::models;
    reply.names = names;
    return reply;
}

FakeGemini::Reply FakeGemini::Reply::error(int status, const QString& message)
{
    const QJsonObject error{
        {QStringLiteral("code"), status},
        {QStringLiteral("message"), message},
        {QStringLiteral("status"), QString::fromLatin1(statusName(status))},
    };
    return json(status, QJsonObject{{QStringLiteral("error"), error}});
}

FakeGemini::Reply FakeGemini::Reply::raw(int status, const QByteArray& body, const QByteArray& contentType)
{
    Reply reply;
    reply.status = status;
    reply.body = body;
    reply.contentType = contentType;
    return reply;
}

FakeGemini::Reply FakeGemini::Reply::json(int status, const QJsonObject& body)
{
    return raw(status, QJsonDocument(body).toJson(QJsonDocument::Compact));
}

FakeGemini::Reply FakeGemini::Reply::dropped()
{
    Reply reply;
    reply.drop = true;
    return reply;
}

FakeGemini::Reply FakeGemini::Reply::on(const QString& method) const
{
    Reply reply = *this;
    reply.method = method;
    return reply;
}

FakeGemini::Reply FakeGemini::Reply::delayed(int ms) const
{
    Reply reply = *this;
    reply.delayMs = ms;
    return reply;
}

FakeGemini::Reply FakeGemini::Reply::silence()
{
    Reply reply;
    reply.silent = true;
    return reply;
}

FakeGemini::Reply FakeGemini::Reply::trickled(int everyMs) const
{
    Reply reply = *this;
    reply.trickleMs = everyMs;
    return reply;
}

FakeGemini::Reply FakeGemini::Reply::cutOff(int bodyBytes) const
{
    Reply reply = *this;
    reply.cutAfter = bodyBytes;
    return reply;
}

FakeGemini::FakeGemini(QObject* parent)
    : QObject(parent),
      m_fallback(Reply::error(404, QStringLiteral("no scripted reply")))
{
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            socket->setProperty(connectionProperty, ++m_connections);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

FakeGemini::~FakeGemini() = default;

bool FakeGemini::listen()
{
    return m_server.listen(QHostAddress::LocalHost);
}

QString FakeGemini::url() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort());
}

void FakeGemini::setFallback(Reply reply)
{
    QMutexLocker lock(&m_mutex);
    m_fallback = std::move(reply);
}

void FakeGemini::enqueue(Reply reply)
{
    QMutexLocker lock(&m_mutex);
    m_script.append(std::move(reply));
}

void FakeGemini::clearRequests()
{
    QMutexLocker lock(&m_mutex);
    m_requests.clear();
}

void FakeGemini::clearScript()
{
    QMutexLocker lock(&m_mutex);
    m_script.clear();
}

QList<FakeGemini::Request> FakeGemini::requests(const QString& method) const
{
    QMutexLocker lock(&m_mutex);
    if (method.isEmpty())
        return m_requests;
    QList<Request> matching;
    for (const Request& request : m_requests) {
        if (QString::fromLatin1(request.method) == method)
            matching.append(request);
    }
    return matching;
}

void FakeGemini::readFrom(QTcpSocket* socket)
{
    QByteArray buffer = socket->property(bufferProperty).toByteArray() + socket->readAll();
    for (;;) {
        const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
        if (headEnd < 0)
            break;
        const QList<QByteArray> lines = buffer.left(headEnd).split('\n');
        const QList<QByteArray> start = lines.first().trimmed().split(' ');
        if (start.size() < 2) {
            socket->abort();
            return;
        }
        Request request;
        request.method = start.at(0);
        request.connection = socket->property(connectionProperty).toInt();
        const QByteArray target = start.at(1);
        const qsizetype question = target.indexOf('?');
        request.path = QString::fromLatin1(question < 0 ? target : target.left(question));
        request.query = question < 0 ? QString() : QString::fromLatin1(target.mid(question + 1));
        qsizetype length = 0;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QByteArray line = lines.at(i).trimmed();
            const qsizetype colon = line.indexOf(':');
            if (colon <= 0)
                continue;
            const QByteArray name = line.left(colon).trimmed();
            const QByteArray value = line.mid(colon + 1).trimmed();
            request.headers.append({name, value});
            if (name.compare("content-length", Qt::CaseInsensitive) == 0)
                length = value.toLongLong();
        }
        if (buffer.size() < headEnd + 4 + length)
            break;
        request.rawBody = buffer.mid(headEnd + 4, length);
        buffer.remove(0, headEnd + 4 + length);
        request.body = QJsonDocument::fromJson(request.rawBody).object();
        findAudio(request);
        answer(socket, request);
    }
    socket->setProperty(bufferProperty, buffer);
}

FakeGemini::Reply FakeGemini::replyFor(const Request& request)
{
    const auto matches = [&](const Reply& reply) {
        return reply.method.isEmpty() || reply.method == QString::fromLatin1(request.method);
    };
    for (qsizetype i = 0; i < m_script.size(); ++i) {
        if (matches(m_script.at(i)))
            return m_script.takeAt(i);
    }
    if (matches(m_fallback))
        return m_fallback;
    return Reply::error(404, QStringLiteral("no scripted reply"));
}

void FakeGemini::answer(QTcpSocket* socket, const Request& request)
{
    int index = 0;
    Reply reply;
    {
        QMutexLocker lock(&m_mutex);
        index = int(m_requests.size());
        m_requests.append(request);
        reply = replyFor(request);
    }
    Q_EMIT requestReceived(index);
    const auto send = [this, index, socket, reply, body = render(reply, request)] {
        if (reply.drop) {
            socket->disconnectFromHost();
            return;
        }
        if (reply.silent)
            return;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reason(reply.status) + "\r\n";
        head += "Content-Type: " + reply.contentType + "\r\n";
        head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
        head += "Connection: keep-alive\r\n\r\n";
        socket->write(head);
        if (reply.cutAfter >= 0) {
            socket->write(body.left(reply.cutAfter));
            socket->disconnectFromHost();
            return;
        }
        if (reply.trickleMs > 0) {
            auto* timer = new QTimer(socket);
            auto sent = std::make_shared<qsizetype>(0);
            connect(timer, &QTimer::timeout, socket, [this, index, socket, timer, body, sent] {
                socket->write(body.mid(*sent, 1));
                socket->flush();
                if (++*sent >= body.size()) {
                    timer->stop();
                    Q_EMIT replied(index);
                }
            });
            timer->start(reply.trickleMs);
            return;
        }
        socket->write(body);
        socket->flush();
        Q_EMIT replied(index);
    };
    if (reply.delayMs > 0) {
        auto* wait = new QTimer(socket);
        wait->setSingleShot(true);
        connect(wait, &QTimer::timeout, socket, send);
        connect(socket, &QTcpSocket::disconnected, this, [this, index, wait] {
            if (wait->isActive())
                Q_EMIT abandoned(index);
        });
        wait->start(reply.delayMs);
    } else {
        send();
    }
}
