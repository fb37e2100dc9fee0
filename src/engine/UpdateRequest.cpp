#include "engine/UpdateRequest.h"

#include "engine/UpdateFeed.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace {

constexpr auto refusedRedirect = "kestoRefusedRedirect";
constexpr auto timeout = "kestoTimeoutMs";

} // namespace

namespace UpdateRequest {

QNetworkReply* get(QNetworkAccessManager& network, const QUrl& url, int timeoutMs, const QString& userAgent)
{
    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    if (!userAgent.isEmpty())
        request.setHeader(QNetworkRequest::UserAgentHeader, userAgent);
    QNetworkReply* reply = network.get(request);
    reply->setProperty(timeout, timeoutMs);
    QObject::connect(reply, &QNetworkReply::redirected, reply, [reply](const QUrl& target) {
        const QUrl resolved = reply->url().resolved(target);
        if (UpdateFeed::isAllowedUrl(resolved)) {
            Q_EMIT reply->redirectAllowed();
            return;
        }
        reply->setProperty(refusedRedirect, resolved);
        reply->abort();
    });
    return reply;
}

bool timedOut(const QNetworkReply& reply)
{
    // Qt ends a request that outlived its transfer time-out as cancelled; the
    // updater's own cancels disconnect first and never get here.
    return reply.error() == QNetworkReply::OperationCanceledError && !reply.property(refusedRedirect).isValid();
}

QString failure(const QNetworkReply& reply)
{
    if (const QVariant target = reply.property(refusedRedirect); target.isValid())
        return QStringLiteral("redirected to an address that is not https: ") + target.toUrl().toString();
    if (timedOut(reply))
        return QStringLiteral("timed out: no data for %1 s").arg(reply.property(timeout).toInt() / 1000.0);
    return reply.errorString();
}

} // namespace UpdateRequest
