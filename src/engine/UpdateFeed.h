#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

// One release of the update feed.
struct UpdateItem
{
    QString version;        // orders releases: numbers separated by dots
    QString displayVersion; // what the user reads, e.g. "1.4"
    QDateTime published;
    QString notes;          // plain text
    QUrl url;               // the file to download
    qint64 length = 0;      // its size in bytes
    QString type;           // its media type
    QByteArray signature;   // Ed25519 signature of the file, raw bytes

    bool operator==(const UpdateItem&) const = default;
};

// The update feed: an RSS document whose items carry, in the feed's own
// namespace, a version, a display version and, on the enclosure, a
// signature.
namespace UpdateFeed {

inline constexpr auto xmlNamespace = "https://kesto-viruz.app/update-feed";

struct Parsed
{
    QList<UpdateItem> items; // the complete, well-formed items, in feed order
    QStringList dropped;     // one lower-case line per item left out, saying why
    QString error;           // lower-case; set when the document is not a feed
};

Parsed parse(const QByteArray& document);
// <0, 0, >0 as a is older than, the same as or newer than b; segments are
// compared as numbers ("1.10" is newer than "1.9"). A version that is not
// made of numbers sorts before every valid one.
int compareVersions(const QString& a, const QString& b);
bool isValidVersion(const QString& version);
// The newest item newer than running, unless it is the skipped version.
// A skipped version stays skipped; a version newer than it is offered.
// passedOver gets a line for each item not offered and why.
std::optional<UpdateItem> newestUpdate(const QList<UpdateItem>& items, const QString& running,
                                       const QString& skipped = QString(), QStringList* passedOver = nullptr);
// Downloads go over HTTPS; plain HTTP only to this computer.
bool isAllowedUrl(const QUrl& url);

} // namespace UpdateFeed
