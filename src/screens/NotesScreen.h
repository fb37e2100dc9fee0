#pragma once

#include "design/components/Alert.h"
#include "platform/Clock.h"
#include "screens/NotesModel.h"

#include <QPointer>
#include <QWidget>

class NoteDetail;
class NotesColumn;
class QScrollArea;

// The Notes screen of the main window: the folder and note column on the
// left, the open note on the right. Its rules live in NotesModel; this lays
// the two halves out, asks before a folder with notes is deleted, and tells
// the model when the screen appears and goes away.
class NotesScreen final : public QWidget
{
    Q_OBJECT

public:
    NotesScreen(AppState& state, const AppActions& actions, QWidget* parent = nullptr, Clock& clock = Clock::system());
    ~NotesScreen() override;

    // 26 % of the width, from 220 to 280.
    static int columnWidth(int screenWidth);

    NotesModel& model() { return m_model; }
    NotesColumn* column() const { return m_column; }
    NoteDetail* detail() const { return m_detail; }
    // The folder-delete question while it is open.
    Alert* deleteAlert() const { return m_alert; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void refresh();
    void syncAlert();

    NotesModel m_model;
    QScrollArea* m_scroll;
    NotesColumn* m_column;
    NoteDetail* m_detail;
    QPointer<Alert> m_alert;
};
