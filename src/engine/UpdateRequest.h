#pragma once

#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// Requests of the updater: the feed and the download. A redirect is
// followed only to an address a feed may name itself (HTTPS, or plain HTTP
// on this computer), so no hop of the way can be rewritten on the network.
namespace UpdateRequest {

// A GET of url that gives up after timeoutMs without data.
QNetworkReply* get(QNetworkAccessManager& network, const QUrl& url, int timeoutMs, const QString& userAgent);
// Why a finished reply failed, lower-case, for the log.
QString failure(const QNetworkReply& reply);
// Whether it failed for lack of data within the time-out.
bool timedOut(const QNetworkReply& reply);

} // namespace UpdateRequest
