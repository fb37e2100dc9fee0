#pragma once

#include <QObject>

#include <memory>

// The desktop's light or dark preference, read when made and followed
// afterwards. Where the desktop states none the preference is "not dark".
class DesktopColorScheme : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    virtual bool prefersDark() const = 0;

    // The desktop's own: the settings portal on the session bus
    // (org.freedesktop.appearance color-scheme, 1 meaning dark). When it
    // states no preference, error (if given) gets a lower-case sentence.
    static std::unique_ptr<DesktopColorScheme> create(QString* error = nullptr);

Q_SIGNALS:
    void changed(bool prefersDark);
};
