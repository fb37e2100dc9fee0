#include "core/AppState.h"

#include "core/L10n.h"
#include "core/LoginItem.h"
#include "platform/Clock.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <pwd.h>
#include <unistd.h>

namespace {

const QStringList screenNames = {QStringLiteral("history"), QStringLiteral("notes"), QStringLiteral("vocabulary"),
                                 QStringLiteral("phone")};
const QStringList tabNames = {QStringLiteral("general"), QStringLiteral("shortcuts"), QStringLiteral("ai"),
                              QStringLiteral("microphone"), QStringLiteral("advanced")};

QString fullUserName()
{
    if (const passwd* pw = ::getpwuid(::getuid())) {
        const QString gecos = QString::fromLocal8Bit(pw->pw_gecos).section(QLatin1Char(','), 0, 0).trimmed();
        if (!gecos.isEmpty())
            return gecos;
        return QString::fromLocal8Bit(pw->pw_name);
    }
    return qEnvironmentVariable("USER");
}

template <typename T>
bool assign(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

QString rawValue(Screen screen)
{
    return screenNames.value(int(screen));
}

QString rawValue(SettingsTab tab)
{
    return tabNames.value(int(tab));
}

std::optional<Screen> screenFromRaw(const QString& raw)
{
    const qsizetype i = screenNames.indexOf(raw);
    return i < 0 ? std::nullopt : std::optional<Screen>(Screen(i));
}

std::optional<SettingsTab> settingsTabFromRaw(const QString& raw)
{
    const qsizetype i = tabNames.indexOf(raw);
    return i < 0 ? std::nullopt : std::optional<SettingsTab>(SettingsTab(i));
}

AppState::AppState(QObject* parent)
    : AppState(Clock::system(), parent)
{
}

AppState::AppState(Clock& clock, QObject* parent)
    : QObject(parent)
    , m_clock(clock)
    , m_config(Config::load())
    , m_history(History::load())
    , m_notes(NotesStore::load())
    , m_launchAtLogin(LoginItem::isEnabled())
    , m_userName(fullUserName())
{
    // Once per run of failures of a file: the next change tries it again.
    m_previousFailureHandler = StoreFile::setFailureHandler([this](const QString& path, const QString& error) {
        QMetaObject::invokeMethod(this, [this, path, error] {
            const QString title = L10n::tr("Changes are not being saved");
            const QString detail = L10n::tr("%1 could not be written: %2").arg(QFileInfo(path).fileName(), error);
            showToast(title, detail, ToastTone::danger);
            Q_EMIT saveFailed(title, detail);
        });
    });
}

AppState::~AppState()
{
    StoreFile::setFailureHandler(std::move(m_previousFailureHandler));
    m_clock.cancel(m_toastTimer);
}

void AppState::setPhase(Phase phase)
{
    if (phase == m_phase)
        return;
    m_phase = phase;
    m_processingStage = DictationStage::preparing;
    m_processingStarted = phase == Phase::working ? std::optional<QDateTime>(m_clock.now()) : std::nullopt;
    Q_EMIT phaseChanged();
    setStillTranscribingNotice(false);
}

void AppState::setProcessingStage(DictationStage stage, const QDateTime& at)
{
    if (m_phase != Phase::working || m_processingStage == stage)
        return;
    m_processingStarted = at;
    m_processingStage = stage;
    Q_EMIT phaseChanged();
}

QString AppState::processingMessage(const QDateTime& at) const
{
    const QDateTime start = m_processingStarted.value_or(at);
    const double elapsed = double(start.msecsTo(at)) / 1000.0;
    return DictationStages::message(m_processingStage, elapsed > 0 ? elapsed : 0);
}

void AppState::setLevel(double level)
{
    if (assign(m_level, std::isfinite(level) ? level : 0.0))
        Q_EMIT levelChanged();
}

void AppState::setMessage(const QString& message)
{
    if (assign(m_message, message))
        Q_EMIT messageChanged();
}

void AppState::setAccessibilityGranted(bool granted)
{
    if (assign(m_accessibilityGranted, granted))
        Q_EMIT accessibilityChanged();
}

void AppState::updateConfig(const std::function<void(Config&)>& change)
{
    Config next = m_config;
    change(next);
    next.sanitize();
    if (assign(m_config, next))
        Q_EMIT configChanged();
}

void AppState::updateHistory(const std::function<void(History&)>& change)
{
    change(m_history);
    Q_EMIT historyChanged();
}

void AppState::updateNotes(const std::function<void(NotesStore&)>& change)
{
    change(m_notes);
    Q_EMIT notesChanged();
}

void AppState::setSource(const QString& source)
{
    if (assign(m_source, source))
        Q_EMIT dictationChanged();
}

void AppState::setTarget(const Target& target)
{
    if (!(m_target == target)) {
        m_target = target;
        Q_EMIT dictationChanged();
    }
}

void AppState::setRecordingStarted(const std::optional<QDateTime>& started)
{
    if (assign(m_recordingStarted, started))
        Q_EMIT dictationChanged();
}

void AppState::setDoneText(const std::optional<QString>& text)
{
    if (assign(m_doneText, text))
        Q_EMIT dictationChanged();
}

void AppState::setStillTranscribingNotice(bool shown)
{
    if (assign(m_stillTranscribingNotice, shown))
        Q_EMIT dictationChanged();
}

void AppState::setRetrying(const QUuid& id, bool busy)
{
    if (busy == m_retrying.contains(id))
        return;
    if (busy)
        m_retrying.insert(id);
    else
        m_retrying.remove(id);
    Q_EMIT dictationChanged();
}

void AppState::setScreen(Screen screen)
{
    if (assign(m_screen, screen))
        Q_EMIT navigationChanged();
}

void AppState::setOpenNoteID(const std::optional<QUuid>& id)
{
    m_openNoteID = id;
}

void AppState::setSearch(const QString& search)
{
    if (assign(m_search, search))
        Q_EMIT navigationChanged();
}

void AppState::requestSearchFocus()
{
    Q_EMIT searchFocusRequested();
}

void AppState::setSettingsOpen(bool open)
{
    if (assign(m_settingsOpen, open))
        Q_EMIT navigationChanged();
}

void AppState::setSettingsTab(SettingsTab tab)
{
    if (assign(m_settingsTab, tab))
        Q_EMIT navigationChanged();
}

void AppState::showToast(const QString& title, const QString& detail, ToastTone tone)
{
    // The previous toast's hide must never clear this one.
    m_clock.cancel(m_toastTimer);
    m_toast = Toast{QUuid::createUuid(), title, detail, tone};
    m_toastTimer = m_clock.schedule(toastMs(title, detail), this, [this] {
        m_toastTimer = 0;
        m_toast.reset();
        Q_EMIT toastChanged();
    });
    Q_EMIT toastChanged();
}

qint64 AppState::toastMs(const QString& title, const QString& detail)
{
    // A short toast is read at a glance; beyond that, about 14 characters a
    // second, as a path or a sentence is read and not just seen.
    constexpr qint64 glanceMs = 2600;
    constexpr qint64 glanceCharacters = 40;
    constexpr qint64 msPerCharacter = 70;
    const qint64 characters = title.size() + detail.size();
    return glanceMs + std::max<qint64>(0, characters - glanceCharacters) * msPerCharacter;
}

void AppState::setKeyStatus(const KeyStatus& status)
{
    if (!(m_keyStatus == status)) {
        m_keyStatus = status;
        Q_EMIT keyStatusChanged();
    }
}

void AppState::setModels(const QStringList& models)
{
    if (assign(m_models, models))
        Q_EMIT keyStatusChanged();
}

void AppState::setMicTestLevel(const std::optional<double>& level)
{
    const std::optional<double> clean = level && !std::isfinite(*level) ? std::optional<double>(0.0) : level;
    if (assign(m_micTestLevel, clean))
        Q_EMIT micTestLevelChanged();
}

void AppState::setLaunchAtLogin(bool enabled)
{
    if (assign(m_launchAtLogin, enabled))
        Q_EMIT launchAtLoginChanged();
}

void AppState::setPhoneRunning(bool running)
{
    if (assign(m_phoneRunning, running))
        Q_EMIT phoneChanged();
}

void AppState::setPhoneLinks(const QStringList& phoneURLs, const QStringList& shortcutURLs)
{
    if (m_phoneURLs == phoneURLs && m_shortcutURLs == shortcutURLs)
        return;
    m_phoneURLs = phoneURLs;
    m_shortcutURLs = shortcutURLs;
    Q_EMIT phoneChanged();
}

void AppState::setPhoneError(const QString& error)
{
    if (assign(m_phoneError, error))
        Q_EMIT phoneChanged();
}

void AppState::setPhoneLastSeen(const std::optional<QDateTime>& seen)
{
    if (assign(m_phoneLastSeen, seen))
        Q_EMIT phoneChanged();
}

bool AppState::phoneConnected() const
{
    if (!m_phoneLastSeen)
        return false;
    return m_phoneLastSeen->msecsTo(m_clock.now()) < 45000;
}

QString AppState::lastTranscript() const
{
    for (const HistoryEntry& entry : m_history.entries) {
        if (entry.status == HistoryEntry::Status::done)
            return entry.text;
    }
    return {};
}

void AppState::setActions(AppActions actions)
{
    m_actions = std::move(actions);
}

void AppState::announceQuit()
{
    Q_EMIT quitting();
}
