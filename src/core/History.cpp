#include "core/History.h"

#include "core/Config.h"
#include "core/IsoDate.h"
#include "core/Log.h"
#include "core/StoreFile.h"
#include "core/TextUtil.h"
#include "core/Vocabulary.h"
#include "platform/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>

namespace {

const QStringList statusNames = {QStringLiteral("done"), QStringLiteral("failed"), QStringLiteral("discarded")};

// Reads one optional key: absent or null leaves out untouched; the wrong type fails.
template <typename Check, typename Read, typename T>
bool readKey(const QJsonObject& o, const char* key, Check isType, Read get, T& out)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined() || v.isNull())
        return true;
    if (!isType(v))
        return false;
    out = get(v);
    return true;
}

bool isString(const QJsonValue& v)
{
    return v.isString();
}
bool isNumber(const QJsonValue& v)
{
    return v.isDouble();
}
QString toString(const QJsonValue& v)
{
    return v.toString();
}
double toNumber(const QJsonValue& v)
{
    return v.toDouble();
}

} // namespace

QString rawValue(HistoryEntry::Status status)
{
    return statusNames.value(int(status));
}

void HistoryEntry::sanitize()
{
    if (!std::isfinite(duration))
        duration = 0;
    if (latency && !std::isfinite(*latency))
        latency.reset();
}

QJsonObject HistoryEntry::toJson() const
{
    QJsonObject o;
    o.insert(QStringLiteral("id"), JsonUuid::text(id));
    o.insert(QStringLiteral("date"), IsoDate::format(date));
    o.insert(QStringLiteral("text"), text);
    o.insert(QStringLiteral("duration"), std::isfinite(duration) ? duration : 0.0);
    o.insert(QStringLiteral("model"), model);
    o.insert(QStringLiteral("source"), source);
    if (appName)
        o.insert(QStringLiteral("appName"), *appName);
    if (appBundleID)
        o.insert(QStringLiteral("appBundleID"), *appBundleID);
    o.insert(QStringLiteral("status"), rawValue(status));
    if (audioFile)
        o.insert(QStringLiteral("audioFile"), *audioFile);
    if (error)
        o.insert(QStringLiteral("error"), *error);
    o.insert(QStringLiteral("offline"), offline);
    if (latency && std::isfinite(*latency))
        o.insert(QStringLiteral("latency"), *latency);
    return o;
}

std::optional<HistoryEntry> HistoryEntry::fromJson(const QJsonValue& value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject o = value.toObject();
    HistoryEntry e;

    const QJsonValue id = o.value(QStringLiteral("id"));
    if (!id.isUndefined() && !id.isNull()) {
        const auto parsed = JsonUuid::parse(id);
        if (!parsed)
            return std::nullopt;
        e.id = *parsed;
    }
    const QJsonValue date = o.value(QStringLiteral("date"));
    if (!date.isUndefined() && !date.isNull()) {
        const auto parsed = date.isString() ? IsoDate::parse(date.toString()) : std::nullopt;
        if (!parsed)
            return std::nullopt;
        e.date = *parsed;
    }
    auto optionalText = [&o](const char* key, std::optional<QString>& out) {
        QString s;
        bool present = false;
        const bool ok = readKey(o, key, isString, [&present](const QJsonValue& v) {
            present = true;
            return v.toString();
        }, s);
        if (present)
            out = s;
        return ok;
    };
    double latency = 0;
    bool hasLatency = false;
    const bool ok = readKey(o, "text", isString, toString, e.text)
                    && readKey(o, "duration", isNumber, toNumber, e.duration)
                    && readKey(o, "model", isString, toString, e.model)
                    && readKey(o, "source", isString, toString, e.source) && optionalText("appName", e.appName)
                    && optionalText("appBundleID", e.appBundleID) && optionalText("audioFile", e.audioFile)
                    && optionalText("error", e.error)
                    && readKey(o, "offline", [](const QJsonValue& v) { return v.isBool(); },
                               [](const QJsonValue& v) { return v.toBool(); }, e.offline)
                    && readKey(o, "latency", isNumber, [&hasLatency](const QJsonValue& v) {
                           hasLatency = true;
                           return v.toDouble();
                       }, latency);
    if (!ok)
        return std::nullopt;
    if (hasLatency)
        e.latency = latency;
    // An unknown or unreadable status is not worth losing the History over.
    const qsizetype status = statusNames.indexOf(o.value(QStringLiteral("status")).toString());
    e.status = status < 0 ? Status::done : Status(status);
    return e;
}

QString History::filePath()
{
    return QDir(Config::directory()).filePath(QStringLiteral("history.json"));
}

std::optional<QString> History::keepAudio(const QString& recordingPath, const QUuid& id)
{
    const QString name = JsonUuid::text(id) + QLatin1Char('.') + QFileInfo(recordingPath).suffix();
    if (!DataFolder::ensure(Config::audioDirectory())) {
        Log::write(QStringLiteral("could not keep the audio: could not create the folder ") + Config::audioDirectory());
        return std::nullopt;
    }
    // The recording usually lies on another file system: it must arrive whole
    // before its only other copy goes.
    QString error;
    if (!StoreFile::move(recordingPath, QDir(Config::audioDirectory()).filePath(name), &error)) {
        Log::write(QStringLiteral("could not keep the audio: ") + error);
        return std::nullopt;
    }
    return name;
}

std::optional<QString> History::keepOrLink(const QString& recordingPath, const QUuid& id)
{
    if (const std::optional<QString> kept = keepAudio(recordingPath, id))
        return kept;
    const QFileInfo recording(recordingPath);
    if (!recording.exists() || recording.absolutePath() != QFileInfo(Config::recordingsDirectory()).absoluteFilePath())
        return std::nullopt;
    Log::write(QStringLiteral("the recording stays at ") + recordingPath);
    return recording.fileName();
}

QString History::audioPath(const QString& name)
{
    const QString kept = QDir(Config::audioDirectory()).filePath(name);
    if (QFileInfo::exists(kept))
        return kept;
    const QString waiting = QDir(Config::recordingsDirectory()).filePath(name);
    return QFileInfo::exists(waiting) ? waiting : kept;
}

void History::deleteAudio(const HistoryEntry& entry)
{
    if (entry.audioFile && !entry.audioFile->isEmpty())
        QFile::remove(audioPath(*entry.audioFile));
}

QList<History::DayGroup> History::groups(const QList<HistoryEntry>& entries)
{
    QList<DayGroup> out;
    for (const HistoryEntry& entry : entries) {
        const QDate day = entry.date.toLocalTime().date();
        if (out.isEmpty() || out.last().day != day)
            out.append(DayGroup{day, {}});
        out.last().entries.append(entry);
    }
    return out;
}

int History::wordCount(const QString& text)
{
    int words = 0;
    bool inWord = false;
    for (const QChar c : text) {
        // Most text is ASCII: its blanks are known without a table look-up.
        const char16_t u = c.unicode();
        const bool blank = u < 0x80 ? (u == u' ' || (u >= 0x09 && u <= 0x0D)) : TextUtil::isBlank(c);
        if (!blank && !inWord)
            ++words;
        inWord = !blank;
    }
    return words;
}

void History::add(HistoryEntry entry)
{
    entry.sanitize();
    entries.prepend(std::move(entry));
    while (entries.size() > capacity) {
        deleteAudio(entries.last());
        entries.removeLast();
    }
    save();
}

void History::prune(qint64 days, const QDateTime& now)
{
    if (days <= 0)
        return;
    const QDateTime cutoff = now.toLocalTime().addDays(-days);
    if (!cutoff.isValid())
        return;
    QList<HistoryEntry> kept;
    bool dropped = false;
    for (const HistoryEntry& entry : std::as_const(entries)) {
        if (entry.date < cutoff) {
            deleteAudio(entry);
            dropped = true;
        } else {
            kept.append(entry);
        }
    }
    if (!dropped)
        return;
    entries = std::move(kept);
    save();
}

void History::clear()
{
    for (const HistoryEntry& entry : std::as_const(entries))
        deleteAudio(entry);
    entries.clear();
    save();
}

void History::update(HistoryEntry entry)
{
    for (HistoryEntry& existing : entries) {
        if (existing.id == entry.id) {
            entry.sanitize();
            existing = std::move(entry);
            save();
            return;
        }
    }
}

void History::remove(const HistoryEntry& entry)
{
    deleteAudio(entry);
    entries.removeIf([&entry](const HistoryEntry& e) { return e.id == entry.id; });
    save();
}

bool History::save(QString* error) const
{
    return StoreFile::write(filePath(), encode(), StoreFile::Access::shared, error);
}

History::Stats History::stats(const QDateTime& now, Qt::DayOfWeek firstDayOfWeek) const
{
    const QDateTime local = now.toLocalTime();
    const QDate today = local.date();
    const QDate weekStart = today.addDays(-((today.dayOfWeek() - int(firstDayOfWeek) + 7) % 7));
    const QDateTime from(weekStart, QTime(0, 0));
    const QDateTime to(weekStart.addDays(7), QTime(0, 0));
    Stats stats;
    for (const HistoryEntry& entry : entries) {
        if (entry.status != HistoryEntry::Status::done)
            continue;
        const bool isToday = entry.date.toLocalTime().date() == today;
        const bool inWeek = entry.date >= from && entry.date <= to;
        // Counting is the costly part: only for entries that add to a total.
        if (!isToday && !inWeek)
            continue;
        const int words = wordCount(entry.text);
        if (isToday)
            stats.today += words;
        if (inWeek)
            stats.week += words;
    }
    return stats;
}

QByteArray History::encode() const
{
    QJsonArray array;
    for (const HistoryEntry& entry : entries)
        array.append(entry.toJson());
    return QJsonDocument(QJsonObject{{QStringLiteral("entries"), array}}).toJson(QJsonDocument::Indented);
}

std::optional<History> History::decode(const QByteArray& bytes)
{
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    const QJsonValue list = document.object().value(QStringLiteral("entries"));
    if (!document.isObject() || !list.isArray())
        return std::nullopt;
    History history;
    const QJsonArray array = list.toArray();
    history.entries.reserve(array.size());
    for (const QJsonValue& value : array) {
        auto entry = HistoryEntry::fromJson(value);
        if (!entry)
            return std::nullopt;
        history.entries.append(std::move(*entry));
    }
    return history;
}

History History::load()
{
    QByteArray bytes;
    if (!StoreFile::read(filePath(), &bytes)) {
        // Present but unreadable: keep it out of the way of the next save.
        if (QFileInfo::exists(filePath()))
            Config::setAside(filePath());
        return {};
    }
    if (auto decoded = decode(bytes))
        return std::move(*decoded);
    Config::setAside(filePath());
    return {};
}
