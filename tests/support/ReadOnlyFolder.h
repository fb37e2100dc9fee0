#pragma once

#include <QFile>
#include <QString>

// Makes a folder read-only for the object's life, for root too: root ignores
// mode bits, so there the folder is made immutable (chattr +i) instead.
class ReadOnlyFolder final
{
public:
    explicit ReadOnlyFolder(QString path);
    ~ReadOnlyFolder();

    // Whether creating a file in it now fails.
    bool isReadOnly() const;

private:
    QString m_path;
    bool m_immutable = false;
    QFile::Permissions m_permissions;
};
