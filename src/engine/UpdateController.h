#pragma once

#include "engine/UpdateFeed.h"
#include "platform/Clock.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>
#include <optional>

class QNetworkAccessManager;
class QTimer;
#include <QNetworkReply>

// Where updates come from and what is running: baked into the build, never
// taken from the user's settings.
struct UpdateSource
{
    QUrl feed;
    QByteArray publicKey;           // Ed25519, 32 raw bytes
    QString runningVersion;         // compared with the feed's versions
    QString runningDisplayVersion;  // shown to the user

    // A feed off this computer must come over HTTPS: anyone on the way
    // could otherwise offer any release.
    bool isValid() const { return UpdateFeed::isAllowedUrl(feed) && publicKey.size() == 32; }
};

// Finds out whether a newer release exists: shortly after launch and then
// once per interval (unless automatic checks are off), and whenever the user
// asks. Keeps its own settings in a group of the application's settings
// file. Main thread only.
class UpdateController final : public QObject
{
    Q_OBJECT

public:
    struct Settings
    {
        bool automaticChecks = true;
        qint64 intervalSeconds = 24 * 60 * 60;
        QDateTime lastCheck;    // of the last check that asked the feed, whatever came of it
        QString skippedVersion; // the user chose "Skip this version"

        bool operator==(const Settings&) const = default;
    };

    struct Result
    {
        enum class Kind { upToDate, update, error };
        Kind kind = Kind::upToDate;
        std::optional<UpdateItem> update;
        QString error; // a translated sentence
        bool userInitiated = false;
    };

    static constexpr qint64 launchDelayMs = 30 * 1000;
    static constexpr int requestTimeoutMs = 30 * 1000;

    // A feed of releases is kilobytes; a check is over within a minute,
    // however slowly the server answers.
    struct Limits
    {
        qint64 feedBytes = 1024 * 1024;
        int checkMs = 60 * 1000;
    };
    void setLimits(const Limits& limits) { m_limits = limits; }

    // online tells whether the network can be reached; a check never runs
    // while it says no.
    UpdateController(UpdateSource source, Clock& clock, QString settingsPath, std::function<bool()> online,
                     QObject* parent = nullptr);
    ~UpdateController() override;

    const UpdateSource& source() const { return m_source; }
    const Settings& settings() const { return m_settings; }

    // Schedules the first automatic check.
    void start();
    // A check; a user's check joins one already running and makes it the user's.
    void check(bool userInitiated);
    bool isChecking() const { return m_reply != nullptr; }
    // Drops a check the user asked for and no longer waits for; a scheduled
    // one goes on.
    void abandonUserCheck();

    // An update a scheduled check found that waits for the user, until it is
    // installed, skipped or put off.
    const std::optional<UpdateItem>& pending() const { return m_pending; }
    // Puts the offer off until the next scheduled check.
    void remindLater();
    // Never offers this version again; a newer one is offered.
    void skip(const UpdateItem& item);
    // The update is being installed: the reminder has done its work.
    void clearPending();

    static Settings loadSettings(const QString& path);
    static void saveSettings(const QString& path, const Settings& settings);

Q_SIGNALS:
    void checkStarted();
    void checkFinished(const UpdateController::Result& result);
    void pendingChanged();

private:
    void scheduleIn(qint64 delayMs);
    void scheduledCheck();
    void readSome();
    void finished();
    // Ends the request under way and counts it as a check.
    void dropReply();
    void giveUp(const QString& logLine);
    void finish(Result result);
    void setPending(std::optional<UpdateItem> item);

    UpdateSource m_source;
    Clock& m_clock;
    QString m_settingsPath;
    std::function<bool()> m_online;
    Settings m_settings;
    QNetworkAccessManager* m_network;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_document;
    QTimer* m_deadline;
    Limits m_limits;
    bool m_userInitiated = false;
    std::optional<Clock::TimerId> m_timer;
    std::optional<UpdateItem> m_pending;
};
