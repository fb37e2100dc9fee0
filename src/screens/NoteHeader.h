#pragma once

#include "platform/Clock.h"
#include "screens/NotesModel.h"

#include <QDateTime>
#include <QWidget>

class SButton;
class SIconButton;

// The bar above the open note: its folder and last change on the left, the
// dictation button and the delete button on the right. The dictation button
// follows the dictation: "Write by voice", "Stop" while this note records,
// and while it is processed the stage's sentence, renewed every second from
// the moment processing started.
class NoteHeader final : public QWidget
{
    Q_OBJECT

public:
    NoteHeader(AppState& state, NotesModel& model, Clock& clock, QWidget* parent = nullptr);
    ~NoteHeader() override;

    void setNote(const Note& note);
    QUuid noteID() const { return m_note; }
    // The meta line as shown: folder name and the time of the last change.
    QString folderText() const { return m_folder; }
    QString timeText() const { return m_time; }
    SButton* dictationButton() const { return m_dictation; }
    SIconButton* deleteButton() const { return m_delete; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void refreshDictation();
    void tick();
    void stopTicking();

    AppState& m_state;
    NotesModel& m_model;
    Clock& m_clock;
    QUuid m_note;
    QString m_folder;
    QString m_time;
    SButton* m_dictation;
    SIconButton* m_delete;
    std::optional<Clock::TimerId> m_ticker;
    std::optional<QDateTime> m_tickingFrom;
};
