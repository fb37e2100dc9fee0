#include "engine/UpdateFeed.h"

#include <QHostAddress>
#include <QXmlStreamReader>

namespace {

const QString ns = QString::fromLatin1(UpdateFeed::xmlNamespace);

struct Draft
{
    UpdateItem item;
    bool hasEnclosure = false;
};

// Every field must be there and sound; an item that is not is dropped, so
// nothing half-described is ever offered. "" when complete, else why not.
QString missing(const Draft& draft)
{
    const UpdateItem& item = draft.item;
    if (!UpdateFeed::isValidVersion(item.version))
        return QStringLiteral("its version \"%1\" is not numbers and dots").arg(item.version);
    if (item.displayVersion.isEmpty())
        return QStringLiteral("it has no displayVersion");
    if (!draft.hasEnclosure)
        return QStringLiteral("it has no enclosure");
    if (!UpdateFeed::isAllowedUrl(item.url))
        return QStringLiteral("its download is not an https address: ") + item.url.toString();
    if (item.length <= 0)
        return QStringLiteral("its enclosure has no length");
    if (item.signature.size() != 64)
        return QStringLiteral("its enclosure has no ed25519 signature");
    return QString();
}

void readEnclosure(QXmlStreamReader& xml, Draft& draft)
{
    const QXmlStreamAttributes attributes = xml.attributes();
    draft.hasEnclosure = true;
    draft.item.url = QUrl(attributes.value(QStringLiteral("url")).toString(), QUrl::StrictMode);
    bool ok = false;
    const qint64 length = attributes.value(QStringLiteral("length")).toLongLong(&ok);
    draft.item.length = ok ? length : 0;
    draft.item.type = attributes.value(QStringLiteral("type")).toString();
    const auto decoded = QByteArray::fromBase64Encoding(attributes.value(ns, QStringLiteral("signature")).toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    draft.item.signature = decoded ? *decoded : QByteArray();
    xml.skipCurrentElement();
}

// position counts the feed's items from 1, to name one that has no version.
void readItem(QXmlStreamReader& xml, UpdateFeed::Parsed& parsed, int position)
{
    Draft draft;
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        const bool ours = xml.namespaceUri() == ns;
        if (ours && name == QStringLiteral("version"))
            draft.item.version = xml.readElementText().trimmed();
        else if (ours && name == QStringLiteral("displayVersion"))
            draft.item.displayVersion = xml.readElementText().trimmed();
        else if (xml.namespaceUri().isEmpty() && name == QStringLiteral("pubDate"))
            draft.item.published = QDateTime::fromString(xml.readElementText().trimmed(), Qt::RFC2822Date);
        else if (xml.namespaceUri().isEmpty() && name == QStringLiteral("description"))
            draft.item.notes = xml.readElementText().trimmed();
        else if (xml.namespaceUri().isEmpty() && name == QStringLiteral("enclosure"))
            readEnclosure(xml, draft);
        else
            xml.skipCurrentElement();
    }
    const QString why = missing(draft);
    if (why.isEmpty()) {
        parsed.items.append(draft.item);
        return;
    }
    const QString name = !draft.item.displayVersion.isEmpty() ? draft.item.displayVersion
                         : !draft.item.version.isEmpty()      ? draft.item.version
                                                              : QStringLiteral("item %1").arg(position);
    parsed.dropped.append(name + QStringLiteral(": ") + why);
}

QList<qint64> segments(const QString& version)
{
    QList<qint64> numbers;
    for (const QString& part : version.split(QLatin1Char('.'))) {
        bool ok = false;
        const qint64 number = part.toLongLong(&ok);
        // Digits only: no signs, spaces or exponents sneak through.
        if (!ok || part.isEmpty() || number < 0 || part.front() == QLatin1Char('+'))
            return {};
        numbers.append(number);
    }
    return numbers;
}

} // namespace

namespace UpdateFeed {

Parsed parse(const QByteArray& document)
{
    Parsed parsed;
    QXmlStreamReader xml(document);
    if (!xml.readNextStartElement() || xml.name() != QStringLiteral("rss")) {
        parsed.error = xml.hasError() ? xml.errorString() : QStringLiteral("not an rss document");
        return parsed;
    }
    bool sawChannel = false;
    int position = 0;
    while (xml.readNextStartElement()) {
        if (xml.name() != QStringLiteral("channel")) {
            xml.skipCurrentElement();
            continue;
        }
        sawChannel = true;
        while (xml.readNextStartElement()) {
            if (xml.name() == QStringLiteral("item"))
                readItem(xml, parsed, ++position);
            else
                xml.skipCurrentElement();
        }
    }
    // Items from a document that breaks off are not trusted either.
    if (xml.hasError()) {
        parsed.items.clear();
        parsed.dropped.clear();
        parsed.error = xml.errorString();
    } else if (!sawChannel) {
        parsed.error = QStringLiteral("the feed has no channel");
    }
    return parsed;
}

bool isValidVersion(const QString& version)
{
    return !segments(version).isEmpty();
}

int compareVersions(const QString& a, const QString& b)
{
    const QList<qint64> left = segments(a);
    const QList<qint64> right = segments(b);
    if (left.isEmpty() || right.isEmpty())
        return int(!left.isEmpty()) - int(!right.isEmpty());
    for (qsizetype i = 0; i < std::max(left.size(), right.size()); ++i) {
        const qint64 l = i < left.size() ? left.at(i) : 0;
        const qint64 r = i < right.size() ? right.at(i) : 0;
        if (l != r)
            return l < r ? -1 : 1;
    }
    return 0;
}

std::optional<UpdateItem> newestUpdate(const QList<UpdateItem>& items, const QString& running, const QString& skipped,
                                       QStringList* passedOver)
{
    std::optional<UpdateItem> newest;
    for (const UpdateItem& item : items) {
        if (compareVersions(item.version, running) <= 0) {
            if (passedOver)
                passedOver->append(QStringLiteral("%1: its version %2 is not newer than this build's %3")
                                       .arg(item.displayVersion, item.version, running));
        } else if (!newest || compareVersions(item.version, newest->version) > 0) {
            newest = item;
        }
    }
    if (newest && !skipped.isEmpty() && compareVersions(newest->version, skipped) <= 0) {
        if (passedOver)
            passedOver->append(newest->displayVersion + QStringLiteral(": skipped by the user"));
        return std::nullopt;
    }
    return newest;
}

bool isAllowedUrl(const QUrl& url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    if (url.scheme() == QStringLiteral("https"))
        return true;
    return url.scheme() == QStringLiteral("http") && QHostAddress(url.host()).isLoopback();
}

} // namespace UpdateFeed
