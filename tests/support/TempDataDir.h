#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh, empty data folder for one test: points KESTO_DATA_DIR at it for the
// object's life and restores the previous value afterwards.
class TempDataDir final
{
public:
    TempDataDir();
    // A folder inside base instead of the temporary folder.
    explicit TempDataDir(const QString& base);
    ~TempDataDir();

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    // Writes raw bytes into a file of the folder (fixtures).
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    bool m_hadPrevious = false;
};
