#pragma once

#include "engine/UpdateFeed.h"

#include <QByteArray>
#include <QList>
#include <QTimeZone>
#include <QXmlStreamWriter>

// Writes an update feed the way a release would publish it.
namespace FeedDocument {

inline QByteArray of(const QList<UpdateItem>& items)
{
    QByteArray document;
    QXmlStreamWriter xml(&document);
    const QString ns = QString::fromLatin1(UpdateFeed::xmlNamespace);
    xml.writeStartDocument();
    xml.writeNamespace(ns, QStringLiteral("kv"));
    xml.writeStartElement(QStringLiteral("rss"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));
    xml.writeStartElement(QStringLiteral("channel"));
    xml.writeTextElement(QStringLiteral("title"), QStringLiteral("Kesto Viruz"));
    for (const UpdateItem& item : items) {
        xml.writeStartElement(QStringLiteral("item"));
        xml.writeTextElement(QStringLiteral("title"), QStringLiteral("Version ") + item.displayVersion);
        xml.writeTextElement(ns, QStringLiteral("version"), item.version);
        xml.writeTextElement(ns, QStringLiteral("displayVersion"), item.displayVersion);
        if (item.published.isValid())
            xml.writeTextElement(QStringLiteral("pubDate"), item.published.toString(Qt::RFC2822Date));
        xml.writeTextElement(QStringLiteral("description"), item.notes);
        xml.writeStartElement(QStringLiteral("enclosure"));
        xml.writeAttribute(QStringLiteral("url"), item.url.toString());
        xml.writeAttribute(QStringLiteral("length"), QString::number(item.length));
        xml.writeAttribute(QStringLiteral("type"), item.type);
        xml.writeAttribute(ns, QStringLiteral("signature"), QString::fromLatin1(item.signature.toBase64()));
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return document;
}

// A complete item for version (its display version "1.<version>").
inline UpdateItem item(const QString& version, const QString& url = QStringLiteral("https://example.org/kv.zip"))
{
    UpdateItem item;
    item.version = version;
    item.displayVersion = QStringLiteral("1.") + version;
    item.published = QDateTime(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);
    item.notes = QStringLiteral("Faster transcripts.\n<b>Not bold</b>");
    item.url = QUrl(url);
    item.length = 1234;
    item.type = QStringLiteral("application/zip");
    item.signature = QByteArray(64, '\x07');
    return item;
}

} // namespace FeedDocument
