#include "core/LoginItem.h"

#include "core/Log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// A desktop-entry Exec value: the path quoted, with the characters that are
// reserved inside quotes escaped.
QString execValue(const QString& program)
{
    QString escaped;
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            escaped += u'\\';
        escaped += c;
    }
    // A literal "%" would be read as a field code.
    escaped.replace(u'%', QStringLiteral("%%"));
    return u'"' + escaped + u'"';
}

QByteArray entry()
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Kesto Viruz\n"
                          "Comment=Speak, and the text is typed where the cursor is\n"
                          "Exec=%1\n"
                          "Icon=kesto-viruz\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(execValue(QCoreApplication::applicationFilePath()))
        .toUtf8();
}

QString registerEntry()
{
    const QString path = LoginItem::entryPath();
    const QString folder = QFileInfo(path).path();
    if (!QDir().mkpath(folder))
        return QStringLiteral("cannot create ") + folder;
    // Unbuffered, so that a full disk fails the write instead of the commit
    // quietly leaving an empty file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    const QByteArray bytes = entry();
    if (file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

QString unregisterEntry()
{
    QFile file(LoginItem::entryPath());
    if (!file.exists() || file.remove())
        return {};
    return file.errorString();
}

} // namespace

namespace LoginItem {

QString entryPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("autostart/kesto-viruz.desktop"));
}

bool isEnabled()
{
    QFile file(entryPath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString text = QString::fromUtf8(file.readAll());
    return !text.contains(QStringLiteral("Hidden=true")) && !text.contains(QStringLiteral("X-GNOME-Autostart-enabled=false"));
}

bool set(bool enabled)
{
    const QString error = enabled ? registerEntry() : unregisterEntry();
    if (!error.isEmpty()) {
        Log::write((enabled ? QStringLiteral("login item register failed: ") : QStringLiteral("login item unregister failed: "))
                   + error);
    }
    return isEnabled();
}

} // namespace LoginItem
