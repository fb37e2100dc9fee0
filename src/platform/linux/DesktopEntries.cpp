#include "platform/linux/DesktopEntries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

struct Parsed
{
    QString name;
    QString wmClass;
    bool hidden = false;
};

// Reads the keys of the [Desktop Entry] group that name an application.
Parsed parse(const QString& path)
{
    Parsed parsed;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return parsed;
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inEntry)
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == QLatin1String("Name"))
            parsed.name = value;
        else if (key == QLatin1String("StartupWMClass"))
            parsed.wmClass = value;
        else if (key == QLatin1String("Hidden"))
            parsed.hidden = parsed.hidden || value == QLatin1String("true");
    }
    return parsed;
}

} // namespace

QStringList DesktopEntries::folders()
{
    QStringList roots;
    const QString home = qEnvironmentVariable("XDG_DATA_HOME");
    roots << (home.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share") : home);
    QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dirs.isEmpty())
        dirs = QStringLiteral("/usr/local/share:/usr/share");
    roots << dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    QStringList result;
    for (const QString& root : roots)
        result << root + QStringLiteral("/applications");
    result.removeDuplicates();
    return result;
}

DesktopEntries::Entry DesktopEntries::byId(const QString& id)
{
    refresh();
    return m_byId.value(id);
}

DesktopEntries::Entry DesktopEntries::byWindowClass(const QString& wmClass)
{
    refresh();
    return m_byClass.value(wmClass.toLower());
}

void DesktopEntries::refresh()
{
    const QStringList roots = folders();
    bool changed = m_stamps.size() != roots.size();
    for (const QString& root : roots) {
        if (!changed)
            changed = m_stamps.value(root) != QFileInfo(root).lastModified();
    }
    if (!changed)
        return;
    m_byId.clear();
    m_byClass.clear();
    m_stamps.clear();
    for (const QString& root : roots) {
        m_stamps.insert(root, QFileInfo(root).lastModified());
        scan(root, QString());
    }
}

// Files in subfolders get ids with the folder names joined by "-".
void DesktopEntries::scan(const QString& folder, const QString& prefix)
{
    const QDir dir(folder);
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (info.isDir()) {
            scan(info.filePath(), prefix + info.fileName() + QLatin1Char('-'));
            continue;
        }
        if (info.suffix() != QLatin1String("desktop"))
            continue;
        const QString id = prefix + info.completeBaseName();
        // An earlier folder wins, as in the desktop's own lookup.
        if (m_byId.contains(id))
            continue;
        const Parsed parsed = parse(info.filePath());
        const Entry entry{id, parsed.name};
        m_byId.insert(id, entry);
        if (!parsed.wmClass.isEmpty() && !parsed.hidden && !m_byClass.contains(parsed.wmClass.toLower()))
            m_byClass.insert(parsed.wmClass.toLower(), entry);
    }
}
