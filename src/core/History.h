#pragma once

#include <QDate>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QLocale>
#include <QString>
#include <QUuid>

#include <optional>

// One dictation result, kept in History.
struct HistoryEntry
{
    enum class Status {
        done,
        failed,
        discarded,
    };

    QUuid id = QUuid::createUuid(); // also names the kept audio file
    QDateTime date = QDateTime::currentDateTimeUtc();
    QString text;         // empty for failed and discarded entries
    double duration = 0;  // seconds of recording
    QString model;
    QString source = QStringLiteral("mac"); // "mac" or "phone"; stored as is
    std::optional<QString> appName;
    std::optional<QString> appBundleID;     // the application id the text went to
    Status status = Status::done;
    std::optional<QString> audioFile;       // file name inside the "audio" folder
    std::optional<QString> error;
    bool offline = false;
    std::optional<double> latency;          // seconds from end of recording to result

    bool operator==(const HistoryEntry&) const = default;

    // Numbers JSON cannot hold are dropped to their defaults.
    void sanitize();

    QJsonObject toJson() const;
    // Missing or null keys take their defaults; a wrong type fails, except a
    // status, which then reads as done.
    static std::optional<HistoryEntry> fromJson(const QJsonValue& value);
};

QString rawValue(HistoryEntry::Status status);

// The newest-first list of dictations, at most 1000, saved as "history.json".
// Every change writes the whole file at once.
struct History
{
    static constexpr int capacity = 1000;

    QList<HistoryEntry> entries; // index 0 is the newest

    bool operator==(const History&) const = default;

    struct DayGroup
    {
        QDate day;
        QList<HistoryEntry> entries;
        bool operator==(const DayGroup&) const = default;
    };

    struct Stats
    {
        int today = 0;
        int week = 0;
        bool operator==(const Stats&) const = default;
    };

    static QString filePath();

    // Moves a recording into the "audio" folder as "<ID>.<extension>" and
    // returns that name; logs and returns none on failure.
    static std::optional<QString> keepAudio(const QString& recordingPath, const QUuid& id);
    // keepAudio, and when the move fails, a recording waiting in the
    // recordings folder stays there and its own name is returned: the entry
    // links it until a later start can move it.
    static std::optional<QString> keepOrLink(const QString& recordingPath, const QUuid& id);
    // Where an entry's audio file is: in the "audio" folder, or, for one
    // that could not be moved there, in the recordings folder.
    static QString audioPath(const QString& name);
    static void deleteAudio(const HistoryEntry& entry);
    // Consecutive entries of one local calendar day form a group; order is kept.
    static QList<DayGroup> groups(const QList<HistoryEntry>& entries);
    static int wordCount(const QString& text);

    // Inserts at the front and drops (with their audio) entries past capacity.
    void add(HistoryEntry entry);
    // Drops entries older than that many days before now; 0 or less keeps all.
    void prune(qint64 days, const QDateTime& now);
    void clear();
    // Replaces the entry with the same id; writes nothing when there is none.
    void update(HistoryEntry entry);
    // Deletes the entry's audio and every entry with its id.
    void remove(const HistoryEntry& entry);
    // False with the reason in error when the file could not be written.
    bool save(QString* error = nullptr) const;

    // Words of done entries today and in the week that holds now.
    Stats stats(const QDateTime& now, Qt::DayOfWeek firstDayOfWeek = QLocale::system().firstDayOfWeek()) const;

    QByteArray encode() const;
    static std::optional<History> decode(const QByteArray& bytes);

    // Reads the file: missing gives an empty History; undecodable is set aside.
    static History load();
};
