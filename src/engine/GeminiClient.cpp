#include "engine/GeminiClient.h"

#include "core/Config.h"
#include "core/Log.h"
#include "core/LoggedError.h"
#include "engine/GeminiPrompt.h"
#include "platform/Clock.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrl>
#include <QtConcurrent>

#include <algorithm>

namespace {

constexpr int postTimeoutMs = 120000;
constexpr int listTimeoutMs = 60000;
constexpr int warmUpTimeoutMs = 10000;
constexpr int attempts = 4;
constexpr qint64 retryWaitsMs[] = {400, 1200, 3000};
// The transfer time-out above only notices silence: a service that trickles
// a byte now and then would hold an attempt open for ever. Each attempt also
// ends at a fixed time after it was sent, and no attempt or wait runs past a
// fixed time after the first was sent.
constexpr qint64 attemptLimitMs = 120000;
constexpr qint64 operationLimitMs = 180000;

QNetworkRequest request(const GeminiTransport& transport, const QString& path, const QString& apiKey, int timeoutMs)
{
    QNetworkRequest request(QUrl(transport.apiRoot() + path));
    request.setRawHeader("x-goog-api-key", apiKey.toUtf8());
    request.setTransferTimeout(timeoutMs);
    return request;
}

// A transfer that broke (no connection, time-out, connection lost before
// the whole reply arrived), as opposed to the errors Qt derives from an HTTP
// status, which are answers like any other.
bool transferBroke(QNetworkReply::NetworkError error)
{
    return (error > QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied)
           || error == QNetworkReply::ProtocolUnknownError || error == QNetworkReply::ProtocolFailure;
}

// The network itself failed, directly or on the way to the proxy.
bool unreachable(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::BackgroundRequestNotAllowedError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
        return true;
    default:
        return false;
    }
}

GeminiError::Cause causeOf(QNetworkReply::NetworkError error)
{
    using Cause = GeminiError::Cause;
    switch (error) {
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::ProxyNotFoundError:
        return Cause::noConnection;
    // The transfer time-out aborts the reply, which Qt reports as cancelled.
    case QNetworkReply::OperationCanceledError:
    case QNetworkReply::TimeoutError:
    case QNetworkReply::ProxyTimeoutError:
        return Cause::timedOut;
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::ProxyConnectionRefusedError:
        return Cause::refused;
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::ProxyConnectionClosedError:
        return Cause::connectionLost;
    default:
        return Cause::other;
    }
}

// The user reads a sentence in their language; the log names Qt's error.
GeminiError transferError(const QNetworkReply* reply)
{
    Log::write(QStringLiteral("gemini request failed: ") + LoggedError::of(reply->error()));
    return GeminiError::network(causeOf(reply->error()), reply->errorString(), unreachable(reply->error()));
}

// The HTTP status of a finished reply, or nothing when the transfer broke.
std::optional<int> statusOf(const QNetworkReply* reply)
{
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid() || transferBroke(reply->error()))
        return std::nullopt;
    return status.toInt();
}

// One POST sent up to four times; lives until it finishes.
class Attempts final : public QObject
{
public:
    Attempts(GeminiCall call, const GeminiTransport& transport, QNetworkRequest request, QByteArray body,
             GeminiOnProgress onProgress, GeminiDone<QByteArray> done)
        : m_call(std::move(call)),
          m_transport(transport),
          m_request(std::move(request)),
          m_body(std::move(body)),
          m_onProgress(std::move(onProgress)),
          m_done(std::move(done))
    {
        m_call.state()->abort = [this] { finish(GeminiResult<QByteArray>::failure(GeminiError::cancelled())); };
        m_startedMs = m_transport.timer().monotonicMs();
    }

    void send()
    {
        if (m_onProgress)
            m_onProgress(GeminiProgress::sending);
        if (m_call.state()->finished)
            return;
        m_reply = m_transport.manager().post(m_request, m_body);
        connect(m_reply, &QNetworkReply::finished, this, [this] { received(); });
        // The last attempt gets only what is left of the whole operation's time.
        const qint64 limit = std::min(attemptLimitMs, operationLimitMs - elapsedMs());
        m_attemptLimit = m_transport.timer().schedule(limit, this, [this, limit] {
            m_attemptLimit.reset();
            dropReply();
            Log::write(QStringLiteral("gemini request timed out after %1 s").arg(limit / 1000));
            retryAfter(timedOut());
        });
    }

private:
    static GeminiError timedOut()
    {
        return GeminiError::network(GeminiError::Cause::timedOut, QStringLiteral("no whole reply in time"), true);
    }

    void dropReply()
    {
        if (!m_reply)
            return;
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
        m_reply = nullptr;
    }

    qint64 elapsedMs() const { return m_transport.timer().monotonicMs() - m_startedMs; }

    void cancelTimer(std::optional<Clock::TimerId>& timer)
    {
        if (timer)
            m_transport.timer().cancel(*timer);
        timer.reset();
    }

    void received()
    {
        cancelTimer(m_attemptLimit);
        QNetworkReply* reply = m_reply;
        m_reply = nullptr;
        reply->deleteLater();
        const std::optional<int> status = statusOf(reply);
        if (!status) {
            retryAfter(transferError(reply));
            return;
        }
        const QByteArray body = reply->readAll();
        if (*status == 200) {
            finish(GeminiResult<QByteArray>::success(body));
            return;
        }
        const GeminiError error = GeminiError::http(*status, GeminiClient::errorMessage(body));
        if (*status == 429 || *status >= 500)
            retryAfter(error);
        else
            finish(GeminiResult<QByteArray>::failure(error));
    }

    void retryAfter(const GeminiError& failure)
    {
        if (m_attempt + 1 >= attempts) {
            finish(GeminiResult<QByteArray>::failure(failure));
            return;
        }
        // No time left for a wait and another attempt: the last failure stands.
        if (elapsedMs() + retryWaitsMs[m_attempt] >= operationLimitMs) {
            Log::write(QStringLiteral("gemini request gave up after %1 s").arg(elapsedMs() / 1000));
            finish(GeminiResult<QByteArray>::failure(failure));
            return;
        }
        if (m_onProgress)
            m_onProgress(GeminiProgress::retrying);
        if (m_call.state()->finished)
            return;
        m_wait = m_transport.timer().schedule(retryWaitsMs[m_attempt], this, [this] {
            m_wait.reset();
            ++m_attempt;
            send();
        });
    }

    void finish(const GeminiResult<QByteArray>& result)
    {
        dropReply();
        cancelTimer(m_wait);
        cancelTimer(m_attemptLimit);
        deleteLater();
        m_call.finish(m_done, result);
    }

    GeminiCall m_call;
    GeminiTransport m_transport;
    QNetworkRequest m_request;
    QByteArray m_body;
    GeminiOnProgress m_onProgress;
    GeminiDone<QByteArray> m_done;
    int m_attempt = 0;
    QPointer<QNetworkReply> m_reply;
    std::optional<Clock::TimerId> m_wait;
    std::optional<Clock::TimerId> m_attemptLimit;
    qint64 m_startedMs = 0;
};

GeminiCall postBytes(const GeminiTransport& transport, const QString& path, const QString& apiKey,
                     const QByteArray& body, const GeminiOnProgress& onProgress, const GeminiDone<QByteArray>& done)
{
    QNetworkRequest post = request(transport, path, apiKey, postTimeoutMs);
    post.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    const GeminiCall call = GeminiCall::create();
    auto* attempts = new Attempts(call, transport, post, body, onProgress, done);
    attempts->send();
    return call;
}

// A request body with the audio inline, built off the main thread because
// a long recording makes megabytes of Base64.
struct PreparedBody
{
    QByteArray json;
    std::optional<GeminiError> error;
};

using BodyBuilder = std::function<QJsonObject(const QString& base64, const QString& mime)>;

// The prompt and the audio inline, as one user turn.
BodyBuilder generateContentBody(const QString& text, const QJsonObject& config)
{
    return [text, config](const QString& base64, const QString& mime) {
        return QJsonObject{
            {QStringLiteral("contents"),
             QJsonArray{QJsonObject{
                 {QStringLiteral("role"), QStringLiteral("user")},
                 {QStringLiteral("parts"),
                  QJsonArray{QJsonObject{{QStringLiteral("text"), text}},
                             QJsonObject{{QStringLiteral("inline_data"),
                                          QJsonObject{{QStringLiteral("mime_type"), mime},
                                                      {QStringLiteral("data"), base64}}}}}},
             }}},
            {QStringLiteral("generationConfig"), config},
        };
    };
}

PreparedBody prepareBody(const QString& audioPath, const BodyBuilder& build)
{
    QFile file(audioPath);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, GeminiError::fileUnreadable(file.errorString())};
    const QByteArray audio = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, GeminiError::fileUnreadable(file.errorString())};
    const QString base64 = QString::fromLatin1(audio.toBase64());
    return {QJsonDocument(build(base64, GeminiClient::mimeType(audioPath))).toJson(QJsonDocument::Compact), {}};
}

// Reads and encodes the audio, then posts it; parse turns the reply body
// into the operation's value.
template <typename T>
GeminiCall postAudio(const GeminiTransport& transport, const QString& path, const QString& apiKey,
                     const QString& audioPath, BodyBuilder build, const GeminiOnProgress& onProgress,
                     std::function<GeminiResult<T>(const QByteArray&)> parse, const GeminiDone<T>& done)
{
    const GeminiCall call = GeminiCall::create();
    call.state()->abort = [call, done] { call.finish(done, GeminiResult<T>::failure(GeminiError::cancelled())); };
    QtConcurrent::run(prepareBody, audioPath, std::move(build))
        .then(QCoreApplication::instance(), [=](const PreparedBody& prepared) {
            if (call.state()->finished)
                return;
            if (prepared.error) {
                call.finish(done, GeminiResult<T>::failure(*prepared.error));
                return;
            }
            const GeminiCall inner = postBytes(transport, path, apiKey, prepared.json, onProgress,
                                               [call, done, parse](const GeminiResult<QByteArray>& reply) {
                                                   call.finish(done, reply ? parse(*reply.value)
                                                                           : GeminiResult<T>::failure(reply.error));
                                               });
            call.state()->abort = [inner] { inner.cancel(); };
        });
    return call;
}

std::optional<QJsonArray> arrayOfObjects(const QJsonValue& value)
{
    if (!value.isArray())
        return std::nullopt;
    const QJsonArray array = value.toArray();
    for (const QJsonValue& item : array) {
        if (!item.isObject())
            return std::nullopt;
    }
    return array;
}

// The top-level object of a reply, or the failure to report.
GeminiResult<QJsonObject> replyObject(const QByteArray& body)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return GeminiResult<QJsonObject>::failure(GeminiError::invalidJson(parseError.errorString()));
    if (!document.isObject())
        return GeminiResult<QJsonObject>::failure(GeminiError::badResponse(QStringLiteral("not an object")));
    return GeminiResult<QJsonObject>::success(document.object());
}

QString joinedText(const QJsonArray& parts)
{
    QString text;
    for (const QJsonValue& part : parts) {
        const QJsonValue value = part.toObject().value(QLatin1String("text"));
        if (value.isString())
            text += value.toString();
    }
    return text.trimmed();
}

} // namespace

GeminiClient::GeminiClient(const Config& config)
    : apiKey(config.resolvedApiKey()),
      model(config.model),
      prompt(config.prompt),
      thinkingLevel(config.thinkingLevel),
      transcriptionMode(config.removeFillers || config.resolveCorrections ? QStringLiteral("smart")
                                                                          : QStringLiteral("verbatim")),
      removeFillers(config.removeFillers),
      punctuation(config.punctuation),
      resolveCorrections(config.resolveCorrections),
      languageCodes(config.languageCodes)
{
    for (const VocabularyWord& word : config.vocabulary) {
        if (word.language.isEmpty() || languageCodes.isEmpty() || languageCodes.contains(word.language))
            customVocabulary << word.word;
    }
}

GeminiCall GeminiClient::transcribe(const QString& audioPath, const GeminiOnProgress& onProgress,
                                    const GeminiDone<QString>& done) const
{
    if (apiKey.isEmpty())
        return GeminiCall::failed(done, GeminiError::noApiKey());
    if (model.contains(QLatin1String("transcribe"))) {
        QJsonObject settings{{QStringLiteral("mode"),
                              transcriptionMode.isEmpty() ? QStringLiteral("verbatim") : transcriptionMode}};
        if (!languageCodes.isEmpty())
            settings.insert(QStringLiteral("language_codes"), QJsonArray::fromStringList(languageCodes));
        if (!customVocabulary.isEmpty())
            settings.insert(QStringLiteral("custom_vocabulary"), QJsonArray::fromStringList(customVocabulary));
        BodyBuilder build = [model = model, settings](const QString& base64, const QString& mime) {
            return QJsonObject{
                {QStringLiteral("model"), model},
                {QStringLiteral("input"), QJsonArray{QJsonObject{{QStringLiteral("type"), QStringLiteral("audio")},
                                                                 {QStringLiteral("data"), base64},
                                                                 {QStringLiteral("mime_type"), mime}}}},
                {QStringLiteral("generation_config"), QJsonObject{{QStringLiteral("transcription_config"), settings}}},
            };
        };
        return postAudio<QString>(transport, QStringLiteral("/v1beta/interactions"), apiKey, audioPath,
                                  std::move(build), onProgress, &GeminiClient::interactionText, done);
    }
    const QString text = instructions(GeminiPrompt::plainClosing());
    return postAudio<QString>(transport, generateContentPath(model), apiKey, audioPath,
                              generateContentBody(text, generationConfig()), onProgress, &GeminiClient::generatedText,
                              done);
}

GeminiCall GeminiClient::transcribeNote(const QString& audioPath, const NoteFiler::Context& context,
                                        const GeminiOnProgress& onProgress,
                                        const GeminiDone<NoteFiler::Transcript>& done) const
{
    if (apiKey.isEmpty())
        return GeminiCall::failed(done, GeminiError::noApiKey());
    const QString text = instructions(GeminiPrompt::noteClosing() + NoteFiler::rules(context));
    QJsonObject config = generationConfig();
    config.insert(QStringLiteral("responseMimeType"), QStringLiteral("application/json"));
    config.insert(QStringLiteral("responseSchema"), NoteFiler::schema(true));
    auto parse = [](const QByteArray& body) {
        const GeminiResult<QString> text = generatedText(body);
        if (!text)
            return GeminiResult<NoteFiler::Transcript>::failure(text.error);
        GeminiResult<NoteFiler::Transcript> note = NoteFiler::reply(*text.value);
        if (note && note.value->text.isEmpty())
            return GeminiResult<NoteFiler::Transcript>::failure(GeminiError::emptyResponse());
        return note;
    };
    return postAudio<NoteFiler::Transcript>(transport, generateContentPath(model), apiKey, audioPath,
                                            generateContentBody(text, config), onProgress, parse, done);
}

GeminiCall GeminiClient::listModels(const GeminiDone<QStringList>& done) const
{
    if (apiKey.isEmpty())
        return GeminiCall::failed(done, GeminiError::noApiKey());
    const GeminiCall call = GeminiCall::create();
    QNetworkReply* reply = transport.manager().get(
        request(transport, QStringLiteral("/v1beta/models?pageSize=200"), apiKey, listTimeoutMs));
    call.state()->abort = [call, done, reply = QPointer<QNetworkReply>(reply)] {
        if (reply) {
            reply->disconnect();
            reply->abort();
            reply->deleteLater();
        }
        call.finish(done, GeminiResult<QStringList>::failure(GeminiError::cancelled()));
    };
    QObject::connect(reply, &QNetworkReply::finished, reply, [call, done, reply] {
        reply->deleteLater();
        const std::optional<int> status = statusOf(reply);
        if (!status) {
            call.finish(done, GeminiResult<QStringList>::failure(transferError(reply)));
            return;
        }
        const QByteArray body = reply->readAll();
        if (*status != 200) {
            call.finish(done, GeminiResult<QStringList>::failure(GeminiError::http(*status, errorMessage(body))));
            return;
        }
        call.finish(done, modelNames(body));
    });
    return call;
}

void GeminiClient::warmUp() const
{
    if (apiKey.isEmpty())
        return;
    const QString path = QStringLiteral("/v1beta/models/") + QString::fromLatin1(QUrl::toPercentEncoding(model));
    QNetworkReply* reply = transport.manager().get(request(transport, path, apiKey, warmUpTimeoutMs));
    QObject::connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
}

QJsonObject GeminiClient::generationConfig() const
{
    QJsonObject config{{QStringLiteral("temperature"), 0}};
    if (acceptsThinking(model, thinkingLevel))
        config.insert(QStringLiteral("thinkingConfig"), QJsonObject{{QStringLiteral("thinkingLevel"), thinkingLevel}});
    return config;
}

QString GeminiClient::instructions(const QString& closing) const
{
    return GeminiPrompt::instructions(*this, closing);
}

GeminiCall GeminiClient::post(const GeminiTransport& transport, const QString& path, const QString& apiKey,
                              const QJsonObject& body, const GeminiOnProgress& onProgress,
                              const GeminiDone<QByteArray>& done)
{
    return postBytes(transport, path, apiKey, QJsonDocument(body).toJson(QJsonDocument::Compact), onProgress, done);
}

QString GeminiClient::errorMessage(const QByteArray& body)
{
    const QJsonDocument document = QJsonDocument::fromJson(body);
    const QJsonValue message = document.object().value(QLatin1String("error")).toObject().value(QLatin1String("message"));
    if (message.isString())
        return message.toString();
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decode(body);
    if (decode.hasError())
        return QStringLiteral("unknown error");
    return text;
}

GeminiResult<QString> GeminiClient::generatedText(const QByteArray& body)
{
    const GeminiResult<QJsonObject> top = replyObject(body);
    if (!top)
        return GeminiResult<QString>::failure(top.error);
    const std::optional<QJsonArray> candidates = arrayOfObjects(top.value->value(QLatin1String("candidates")));
    if (candidates && !candidates->isEmpty()) {
        const QJsonObject candidate = candidates->first().toObject();
        QJsonArray spoken;
        const QJsonValue content = candidate.value(QLatin1String("content"));
        for (const QJsonValue& part :
             arrayOfObjects(content.toObject().value(QLatin1String("parts"))).value_or(QJsonArray())) {
            if (part.toObject().value(QLatin1String("thought")) != QJsonValue(true))
                spoken.append(part);
        }
        const QString text = joinedText(spoken);
        if (!text.isEmpty())
            return GeminiResult<QString>::success(text);
        const QJsonValue reason = candidate.value(QLatin1String("finishReason"));
        if (reason.isString() && reason.toString() != QLatin1String("STOP"))
            return GeminiResult<QString>::failure(GeminiError::badResponse(QStringLiteral("finishReason ") + reason.toString()));
        return GeminiResult<QString>::failure(GeminiError::emptyResponse());
    }
    const QJsonValue blockReason =
        top.value->value(QLatin1String("promptFeedback")).toObject().value(QLatin1String("blockReason"));
    if (blockReason.isString())
        return GeminiResult<QString>::failure(GeminiError::badResponse(QStringLiteral("blocked (") + blockReason.toString() + QLatin1Char(')')));
    return GeminiResult<QString>::failure(GeminiError::emptyResponse());
}

GeminiResult<QString> GeminiClient::interactionText(const QByteArray& body)
{
    const GeminiResult<QJsonObject> top = replyObject(body);
    if (!top)
        return GeminiResult<QString>::failure(top.error);
    QJsonArray content;
    for (const QJsonValue& step : arrayOfObjects(top.value->value(QLatin1String("steps"))).value_or(QJsonArray())) {
        for (const QJsonValue& item :
             arrayOfObjects(step.toObject().value(QLatin1String("content"))).value_or(QJsonArray()))
            content.append(item);
    }
    const QString text = joinedText(content);
    if (text.isEmpty())
        return GeminiResult<QString>::failure(GeminiError::emptyResponse());
    return GeminiResult<QString>::success(text);
}

GeminiResult<QStringList> GeminiClient::modelNames(const QByteArray& body)
{
    const GeminiResult<QJsonObject> top = replyObject(body);
    if (!top && top.error.kind == GeminiError::Kind::invalidJson)
        return GeminiResult<QStringList>::failure(top.error);
    const std::optional<QJsonArray> models =
        top ? arrayOfObjects(top.value->value(QLatin1String("models"))) : std::nullopt;
    if (!models)
        return GeminiResult<QStringList>::failure(GeminiError::badResponse(QStringLiteral("no models field")));
    QStringList names;
    for (const QJsonValue& model : *models) {
        const QJsonValue name = model.toObject().value(QLatin1String("name"));
        if (name.isString())
            names << name.toString().remove(QStringLiteral("models/"));
    }
    std::sort(names.begin(), names.end());
    return GeminiResult<QStringList>::success(names);
}

std::optional<QString> GeminiClient::pickModel(const QStringList& names, const QString& current)
{
    if (names.contains(current))
        return current;
    static const QStringList special{QStringLiteral("lite"), QStringLiteral("image"), QStringLiteral("tts"),
                                     QStringLiteral("live"), QStringLiteral("embedding"), QStringLiteral("audio")};
    for (const QString& name : names) {
        if (name.contains(QLatin1String("flash"))
            && std::none_of(special.begin(), special.end(), [&](const QString& word) { return name.contains(word); }))
            return name;
    }
    for (const QString& name : names) {
        if (name.contains(QLatin1String("gemini")))
            return name;
    }
    return std::nullopt;
}

QString GeminiClient::mimeType(const QString& audioPath)
{
    return QFileInfo(audioPath).suffix().toLower() == QLatin1String("m4a") ? QStringLiteral("audio/mp4")
                                                                            : QStringLiteral("audio/wav");
}

QString GeminiClient::generateContentPath(const QString& model)
{
    return QStringLiteral("/v1beta/models/") + QString::fromLatin1(QUrl::toPercentEncoding(model))
           + QStringLiteral(":generateContent");
}

bool GeminiClient::acceptsThinking(const QString& model, const QString& thinkingLevel)
{
    static const QRegularExpression oldGenerations(QStringLiteral("^gemini-[12]\\."));
    return !thinkingLevel.isEmpty() && !oldGenerations.match(model).hasMatch();
}
