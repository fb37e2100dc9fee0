#include "shell/DictationDelivery.h"

#include "core/L10n.h"
#include "platform/FrontApplication.h"
#include "shell/DictationDesktop.h"
#include "shell/DictationStatus.h"

DictationDelivery::DictationDelivery(AppState& state, FrontApplication& frontApp, DictationDesktop& desktop,
                                     Clock& clock, DictationStatus& status, QObject* parent)
    : QObject(parent)
    , m_state(state)
    , m_frontApp(frontApp)
    , m_desktop(desktop)
    , m_clock(clock)
    , m_status(status)
{
}

bool DictationDelivery::deliver(const QString& text, const Target& target, const RecordingApp& app,
                                const std::optional<Filing>& filing)
{
    const int words = History::wordCount(text);
    switch (target.kind) {
    case Target::Kind::frontApp:
        insert(text);
        m_status.showDone(app.name.value_or(QStringLiteral("Kesto Viruz")), words, false);
        return true;
    case Target::Kind::note: {
        bool appended = false;
        m_state.updateNotes([&](NotesStore& notes) { appended = notes.append(text, target.noteID); });
        if (!appended) {
            m_status.showDone(L10n::tr("History"), words, false);
            m_state.showToast(L10n::tr("The note was deleted"), L10n::tr("The text is saved in History"),
                              ToastTone::info);
            return false;
        }
        m_status.showDone(L10n::tr("Added to the note"), words, true);
        if (filing)
            file(target.noteID, filing->result, filing->job);
        return true;
    }
    case Target::Kind::historyOnly:
        m_status.showDone(L10n::tr("History"), words, false);
        return false;
    }
    return false;
}

void DictationDelivery::file(const QUuid& noteID, const NoteFiler::Result& result, const NoteJob& job)
{
    const QString kind = NoteFiler::rawValue(result.kind);
    std::optional<qint64> number;
    if (result.kind == NoteFiler::Kind::meeting)
        number = m_state.notes().nextNumber(kind);
    std::optional<QString> title;
    if (job.title)
        title = NoteFiler::title(result, number, m_clock.now());
    const std::optional<QString> folderName = job.folder ? std::optional<QString>(result.folder) : std::nullopt;
    std::optional<NoteFolder> folder;
    m_state.updateNotes([&](NotesStore& notes) { folder = notes.file(noteID, title, kind, number, folderName); });
    if (job.folder && folder)
        m_state.showToast(L10n::tr("Saved to folder"), folder->name, ToastTone::success);
}

void DictationDelivery::insert(const QString& text)
{
    const Config& config = m_state.config();
    m_desktop.insert(text, config.insertMethod, config.newlineMode, m_frontApp.current().id);
}
