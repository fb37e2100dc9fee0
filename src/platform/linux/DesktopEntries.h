#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

// The installed .desktop files, for naming a window's application: looked up
// by desktop-file id, or by the StartupWMClass that a window's WM_CLASS
// matches. Re-read when an applications folder changed.
class DesktopEntries final
{
public:
    struct Entry
    {
        QString id;
        QString name;
    };

    // Folders searched, most important first ($XDG_DATA_HOME, $XDG_DATA_DIRS).
    static QStringList folders();

    // The entry whose id is id; a null-id entry when there is none.
    Entry byId(const QString& id);
    // The entry whose StartupWMClass equals wmClass (case-insensitive).
    Entry byWindowClass(const QString& wmClass);

private:
    void refresh();
    void scan(const QString& folder, const QString& prefix);

    QHash<QString, Entry> m_byId;
    QHash<QString, Entry> m_byClass;
    QHash<QString, QDateTime> m_stamps;
};
