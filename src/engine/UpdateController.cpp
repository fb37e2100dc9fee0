#include "engine/UpdateController.h"

#include "core/L10n.h"
#include "core/Log.h"
#include "engine/UpdateRequest.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSettings>
#include <QTimer>

namespace {

const QString group = QStringLiteral("Updates");

QString httpError(int status)
{
    return L10n::tr("The update server answered with an error (HTTP %1).").arg(status);
}

} // namespace

UpdateController::UpdateController(UpdateSource source, Clock& clock, QString settingsPath, std::function<bool()> online,
                                   QObject* parent)
    : QObject(parent)
    , m_source(std::move(source))
    , m_clock(clock)
    , m_settingsPath(std::move(settingsPath))
    , m_online(std::move(online))
    , m_settings(loadSettings(m_settingsPath))
    , m_network(new QNetworkAccessManager(this))
    , m_deadline(new QTimer(this))
{
    m_deadline->setSingleShot(true);
    connect(m_deadline, &QTimer::timeout, this, [this] {
        giveUp(QStringLiteral("update check failed: no whole answer in %1 s").arg(m_limits.checkMs / 1000.0));
    });
}

UpdateController::~UpdateController()
{
    if (m_timer)
        m_clock.cancel(*m_timer);
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

UpdateController::Settings UpdateController::loadSettings(const QString& path)
{
    QSettings file(path, QSettings::IniFormat);
    file.beginGroup(group);
    Settings settings;
    settings.automaticChecks = file.value(QStringLiteral("automaticChecks"), settings.automaticChecks).toBool();
    bool ok = false;
    const qint64 interval = file.value(QStringLiteral("checkInterval")).toLongLong(&ok);
    // Less than an hour would only load the feed's server.
    if (ok && interval >= 3600)
        settings.intervalSeconds = interval;
    settings.lastCheck = QDateTime::fromString(file.value(QStringLiteral("lastCheck")).toString(), Qt::ISODate);
    settings.skippedVersion = file.value(QStringLiteral("skippedVersion")).toString();
    return settings;
}

void UpdateController::saveSettings(const QString& path, const Settings& settings)
{
    QSettings file(path, QSettings::IniFormat);
    file.beginGroup(group);
    file.setValue(QStringLiteral("automaticChecks"), settings.automaticChecks);
    file.setValue(QStringLiteral("checkInterval"), settings.intervalSeconds);
    file.setValue(QStringLiteral("lastCheck"),
                  settings.lastCheck.isValid() ? settings.lastCheck.toString(Qt::ISODateWithMs) : QString());
    file.setValue(QStringLiteral("skippedVersion"), settings.skippedVersion);
}

void UpdateController::start()
{
    if (!m_settings.automaticChecks) {
        Log::write(QStringLiteral("automatic update checks are off"));
        return;
    }
    qint64 delay = launchDelayMs;
    if (m_settings.lastCheck.isValid())
        delay = std::max(delay, m_clock.now().msecsTo(m_settings.lastCheck.addSecs(m_settings.intervalSeconds)));
    scheduleIn(delay);
}

void UpdateController::scheduleIn(qint64 delayMs)
{
    if (m_timer)
        m_clock.cancel(*m_timer);
    m_timer = m_clock.schedule(delayMs, this, [this] {
        m_timer.reset();
        scheduledCheck();
    });
}

void UpdateController::scheduledCheck()
{
    if (!m_settings.automaticChecks)
        return;
    if (!m_online()) {
        Log::write(QStringLiteral("update check skipped: offline"));
        scheduleIn(m_settings.intervalSeconds * 1000);
        return;
    }
    check(false);
}

void UpdateController::check(bool userInitiated)
{
    if (m_reply) {
        m_userInitiated = m_userInitiated || userInitiated;
        return;
    }
    m_userInitiated = userInitiated;
    Q_EMIT checkStarted();
    if (!m_online()) {
        finish({Result::Kind::error, std::nullopt,
                L10n::tr("The computer is offline. Connect to the internet and try again."), userInitiated});
        return;
    }
    if (!UpdateFeed::isAllowedUrl(m_source.feed)) {
        Log::write(QStringLiteral("update feed refused: not an https address: ") + m_source.feed.toString());
        finish({Result::Kind::error, std::nullopt, L10n::tr("The update information could not be read."),
                userInitiated});
        return;
    }
    m_document.clear();
    m_reply = UpdateRequest::get(*m_network, m_source.feed, requestTimeoutMs,
                                 QStringLiteral("Kesto Viruz/%1").arg(m_source.runningDisplayVersion));
    m_reply->setReadBufferSize(64 * 1024);
    connect(m_reply, &QNetworkReply::readyRead, this, &UpdateController::readSome);
    connect(m_reply, &QNetworkReply::finished, this, &UpdateController::finished);
    m_deadline->start(m_limits.checkMs);
}

void UpdateController::abandonUserCheck()
{
    if (m_reply && m_userInitiated) {
        Log::write(QStringLiteral("update check abandoned"));
        dropReply();
        if (m_settings.automaticChecks)
            scheduleIn(m_settings.intervalSeconds * 1000);
    }
}

void UpdateController::readSome()
{
    m_document += m_reply->readAll();
    if (m_document.size() > m_limits.feedBytes)
        giveUp(QStringLiteral("update check failed: the feed is larger than %1 bytes").arg(m_limits.feedBytes));
}

void UpdateController::dropReply()
{
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    m_deadline->stop();
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
    m_document.clear();
    m_document.squeeze();
    // A check cut short was asked of the server all the same.
    m_settings.lastCheck = m_clock.now();
    saveSettings(m_settingsPath, m_settings);
}

void UpdateController::giveUp(const QString& logLine)
{
    if (!m_reply)
        return;
    Log::write(logLine);
    dropReply();
    finish({Result::Kind::error, std::nullopt, L10n::tr("The update information could not be read."), m_userInitiated});
}

void UpdateController::finished()
{
    if (m_reply->bytesAvailable() > 0)
        readSome();
    // readSome() may have given up on it.
    if (!m_reply)
        return;
    m_deadline->stop();
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();
    const QByteArray document = std::exchange(m_document, QByteArray());
    // A failed check counts as a check: a broken server is not asked again
    // at every launch.
    m_settings.lastCheck = m_clock.now();
    saveSettings(m_settingsPath, m_settings);
    const bool user = m_userInitiated;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 400) {
        Log::write(QStringLiteral("update check failed: http %1").arg(status));
        finish({Result::Kind::error, std::nullopt, httpError(status), user});
        return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        Log::write(QStringLiteral("update check failed: ") + UpdateRequest::failure(*reply));
        finish({Result::Kind::error, std::nullopt,
                m_online() ? L10n::tr("Could not reach the update server. Try again later.")
                           : L10n::tr("The computer is offline. Connect to the internet and try again."),
                user});
        return;
    }
    const UpdateFeed::Parsed feed = UpdateFeed::parse(document);
    if (!feed.error.isEmpty()) {
        Log::write(QStringLiteral("update feed unreadable: ") + feed.error);
        finish({Result::Kind::error, std::nullopt, L10n::tr("The update information could not be read."), user});
        return;
    }
    for (const QString& line : feed.dropped)
        Log::write(QStringLiteral("update feed item dropped: ") + Log::loggable(line));
    // A check the user asks for shows a skipped version too: it is there.
    QStringList passedOver;
    const std::optional<UpdateItem> update = UpdateFeed::newestUpdate(
        feed.items, m_source.runningVersion, user ? QString() : m_settings.skippedVersion, &passedOver);
    for (const QString& line : passedOver)
        Log::write(QStringLiteral("update feed item not offered: ") + Log::loggable(line));
    if (update) {
        Log::write(QStringLiteral("update available: ") + update->displayVersion);
        finish({Result::Kind::update, update, QString(), user});
    } else {
        Log::write(QStringLiteral("no update available"));
        finish({Result::Kind::upToDate, std::nullopt, QString(), user});
    }
}

void UpdateController::finish(Result result)
{
    // A scheduled check never leaves a user waiting on the schedule: the
    // next one is an interval after whatever check ran last.
    if (m_settings.automaticChecks)
        scheduleIn(m_settings.intervalSeconds * 1000);
    if (!result.userInitiated) {
        if (result.kind == Result::Kind::update)
            setPending(result.update);
        else if (result.kind == Result::Kind::upToDate)
            setPending(std::nullopt);
    }
    Q_EMIT checkFinished(result);
}

void UpdateController::remindLater()
{
    setPending(std::nullopt);
}

void UpdateController::skip(const UpdateItem& item)
{
    Log::write(QStringLiteral("update skipped: ") + item.displayVersion);
    m_settings.skippedVersion = item.version;
    saveSettings(m_settingsPath, m_settings);
    setPending(std::nullopt);
}

void UpdateController::clearPending()
{
    setPending(std::nullopt);
}

void UpdateController::setPending(std::optional<UpdateItem> item)
{
    if (m_pending == item)
        return;
    m_pending = std::move(item);
    Q_EMIT pendingChanged();
}
