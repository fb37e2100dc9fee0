#pragma once

#include "core/AppActions.h"
#include "core/AppStateTypes.h"
#include "core/Config.h"
#include "core/DictationStage.h"
#include "core/History.h"
#include "core/NotesStore.h"
#include "core/StoreFile.h"

#include <QDateTime>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <functional>
#include <optional>

class Clock;

// The one observable state of the running application, on the main thread.
// Views read it and change it through the mutators below; each mutator emits
// its group's signal once, and only when something changed. The state saves
// nothing itself: the controller saves the settings after configChanged, and
// the stores save themselves when changed.
class AppState final : public QObject
{
    Q_OBJECT

public:
    using Phase = ::Phase;
    using Screen = ::Screen;
    using SettingsTab = ::SettingsTab;
    using Target = ::Target;
    using KeyStatus = ::KeyStatus;
    using Toast = ::Toast;

    // Loads the settings, History and notes files of the data folder.
    explicit AppState(Clock& clock, QObject* parent = nullptr);
    explicit AppState(QObject* parent = nullptr);
    ~AppState() override;

    // Dictation phase and processing stage.
    Phase phase() const { return m_phase; }
    // Moving to another phase resets the stage to preparing; its clock runs
    // only while working.
    void setPhase(Phase phase);
    DictationStage processingStage() const { return m_processingStage; }
    std::optional<QDateTime> processingStarted() const { return m_processingStarted; }
    // Ignored unless working; a repeated stage keeps its start time.
    void setProcessingStage(DictationStage stage, const QDateTime& at);
    QString processingMessage(const QDateTime& at) const;

    double level() const { return m_level; }
    void setLevel(double level);
    QString message() const { return m_message; }
    void setMessage(const QString& message);
    bool accessibilityGranted() const { return m_accessibilityGranted; }
    void setAccessibilityGranted(bool granted);

    // The loaded user data.
    const Config& config() const { return m_config; }
    void updateConfig(const std::function<void(Config&)>& change);
    const History& history() const { return m_history; }
    // The History's own operations save it; the change is announced once.
    void updateHistory(const std::function<void(History&)>& change);
    const NotesStore& notes() const { return m_notes; }
    void updateNotes(const std::function<void(NotesStore&)>& change);

    // The dictation being recorded.
    QString source() const { return m_source; }
    void setSource(const QString& source);
    Target target() const { return m_target; }
    void setTarget(const Target& target);
    std::optional<QDateTime> recordingStarted() const { return m_recordingStarted; }
    void setRecordingStarted(const std::optional<QDateTime>& started);
    std::optional<QString> doneText() const { return m_doneText; }
    void setDoneText(const std::optional<QString>& text);
    QSet<QUuid> retrying() const { return m_retrying; }
    void setRetrying(const QUuid& id, bool busy);
    // A new dictation was asked for while the last one is still being
    // transcribed: the pill says so while this holds. A new phase ends it.
    bool stillTranscribingNotice() const { return m_stillTranscribingNotice; }
    void setStillTranscribingNotice(bool shown);

    // Navigation.
    Screen screen() const { return m_screen; }
    void setScreen(Screen screen);
    std::optional<QUuid> openNoteID() const { return m_openNoteID; }
    void setOpenNoteID(const std::optional<QUuid>& id); // silent
    QString search() const { return m_search; }
    void setSearch(const QString& search);
    // Asks the sidebar's search field to take the keyboard focus.
    void requestSearchFocus();
    bool settingsOpen() const { return m_settingsOpen; }
    void setSettingsOpen(bool open);
    SettingsTab settingsTab() const { return m_settingsTab; }
    void setSettingsTab(SettingsTab tab);

    // The toast on screen; each showing replaces the last and hides itself after toastMs.
    std::optional<Toast> toast() const { return m_toast; }
    // Shown long enough to read: longer for more text (a file's path).
    void showToast(const QString& title, const QString& detail, ToastTone tone);
    static qint64 toastMs(const QString& title, const QString& detail);

    // API key check.
    KeyStatus keyStatus() const { return m_keyStatus; }
    void setKeyStatus(const KeyStatus& status);
    QStringList models() const { return m_models; }
    void setModels(const QStringList& models);

    std::optional<double> micTestLevel() const { return m_micTestLevel; }
    void setMicTestLevel(const std::optional<double>& level);
    bool launchAtLogin() const { return m_launchAtLogin; }
    void setLaunchAtLogin(bool enabled);

    // Phone link.
    bool phoneRunning() const { return m_phoneRunning; }
    void setPhoneRunning(bool running);
    QStringList phoneURLs() const { return m_phoneURLs; }
    QStringList shortcutURLs() const { return m_shortcutURLs; }
    void setPhoneLinks(const QStringList& phoneURLs, const QStringList& shortcutURLs);
    QString phoneError() const { return m_phoneError; }
    void setPhoneError(const QString& error);
    std::optional<QDateTime> phoneLastSeen() const { return m_phoneLastSeen; }
    void setPhoneLastSeen(const std::optional<QDateTime>& seen);
    // A phone reached the server less than 45 s ago.
    bool phoneConnected() const;

    // The text of the newest done dictation, or "".
    QString lastTranscript() const;

    const AppActions& actions() const { return m_actions; }
    // The same table, for the views that are handed it; setActions() fills it in place.
    AppActions& actions() { return m_actions; }
    void setActions(AppActions actions);

    // The application is about to quit: views store what they still hold.
    void announceQuit();
    QString userName() const { return m_userName; }
    // The clock the state runs on; views time their own rules with it.
    Clock& clock() const { return m_clock; }

Q_SIGNALS:
    void phaseChanged();      // phase, processing stage and its start
    void levelChanged();
    void messageChanged();
    void accessibilityChanged();
    void configChanged();
    void historyChanged();
    void notesChanged();
    void dictationChanged();  // source, target, recording start, done text, retrying, notice
    void navigationChanged(); // screen, search, settings panel and tab
    void searchFocusRequested();
    void toastChanged();
    // A store file could not be written (once per run of failures of a
    // file); the toast says it too, but only in the main window.
    void saveFailed(const QString& title, const QString& detail);
    void keyStatusChanged();  // key status and models
    void micTestLevelChanged();
    void launchAtLoginChanged();
    void phoneChanged();      // running, links, error, last seen
    void quitting();

private:
    Clock& m_clock;
    Phase m_phase = Phase::idle;
    DictationStage m_processingStage = DictationStage::preparing;
    std::optional<QDateTime> m_processingStarted;
    double m_level = 0;
    QString m_message;
    bool m_accessibilityGranted = false;
    Config m_config;
    History m_history;
    NotesStore m_notes;
    QString m_source = QStringLiteral("mac");
    Target m_target;
    std::optional<QDateTime> m_recordingStarted;
    std::optional<QString> m_doneText;
    bool m_stillTranscribingNotice = false;
    QSet<QUuid> m_retrying;
    Screen m_screen = Screen::history;
    std::optional<QUuid> m_openNoteID;
    QString m_search;
    bool m_settingsOpen = false;
    SettingsTab m_settingsTab = SettingsTab::general;
    std::optional<Toast> m_toast;
    quint64 m_toastTimer = 0;
    KeyStatus m_keyStatus;
    QStringList m_models;
    std::optional<double> m_micTestLevel;
    bool m_launchAtLogin = false;
    bool m_phoneRunning = false;
    QStringList m_phoneURLs;
    QStringList m_shortcutURLs;
    QString m_phoneError;
    std::optional<QDateTime> m_phoneLastSeen;
    AppActions m_actions;
    QString m_userName;
    StoreFile::FailureHandler m_previousFailureHandler;
};
