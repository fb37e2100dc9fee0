#pragma once

#include <QString>
#include <QWidget>

class IconTile;
class ProgressBar;
class QScrollArea;
class SButton;
class TextLabel;

// What the update window shows.
struct UpdateWindowState
{
    enum class Stage { checking, upToDate, checkFailed, available, downloading, verifying, installing, kept, failed };
    Stage stage = Stage::checking;
    QString runningVersion; // display versions
    QString newVersion;
    QString notes;          // plain text
    qint64 received = 0;
    qint64 total = 0;
    QString error;          // a translated sentence; for kept, why this copy was not replaced
    QString keptFile;       // where an update this copy cannot install was kept
    bool packageManaged = false; // why: the package manager's install, else read-only

    bool operator==(const UpdateWindowState&) const = default;
};

// The update window's content: where a check or an install stands, and
// the user's choices. It only reports them; the updater acts.
class UpdateWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit UpdateWindow(QWidget* parent = nullptr);

    const UpdateWindowState& shown() const { return m_state; }
    void display(const UpdateWindowState& state);

    static constexpr int designWidth = 480;

Q_SIGNALS:
    void install();
    void remindLater();
    void skip();
    void cancelDownload();
    void showKeptFile();
    void closeRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    UpdateWindowState m_state;
    IconTile* m_icon;
    TextLabel* m_title;
    TextLabel* m_subtitle;
    TextLabel* m_notesHeading;
    QScrollArea* m_notesArea;
    TextLabel* m_notes;
    ProgressBar* m_progress;
    SButton* m_skip;
    SButton* m_later;
    SButton* m_install;
    SButton* m_cancel;
    SButton* m_showFile;
    SButton* m_close;
};
