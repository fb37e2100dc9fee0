#pragma once

#include <QObject>
#include <QString>

class AppState;
struct ModelList;

// The wizard's check of the Gemini key: its own model list request for the
// key in the field, apart from the application's key status, turned into
// "working" (with the model picked from the list), an error text, or nothing
// at all when the field changed meanwhile. An answer counts only for the key
// it was asked for: a key edited during a check is never marked as working,
// and an old failure never shows under a new key.
class KeyCheck final : public QObject
{
    Q_OBJECT

public:
    explicit KeyCheck(AppState& state, QObject* parent = nullptr);

    bool isBusy() const { return m_busy; }
    QString error() const { return m_error; }
    // The step counts as done: the key in the field was found working (or a
    // key was there when the wizard opened).
    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);
    // Something to check, and no check running.
    bool canCheck() const;

    // Trims the key in the settings and asks the service about it.
    void start();
    // A fresh view of the step: not busy, no error. A check still running
    // still marks its key as working when it answers.
    void resetView();

Q_SIGNALS:
    void changed();

private:
    void answered(const QString& key, int request, const ModelList& answer);
    void keyEdited();

    AppState& m_state;
    bool m_busy = false;
    bool m_checked = false;
    QString m_error;
    // The latest request: only its answer ends the wait.
    int m_request = 0;
    QString m_lastKey;
};
