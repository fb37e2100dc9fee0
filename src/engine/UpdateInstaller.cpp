#include "engine/UpdateInstaller.h"

#include "core/L10n.h"
#include "core/Log.h"
#include "engine/UpdateRequest.h"
#include "engine/UpdateTree.h"
#include "platform/UpdateSignature.h"
#include "platform/ZipArchive.h"

#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QLockFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QTemporaryFile>
#include <QTimer>
#include <QUuid>
#include <QtConcurrent>

#include <sys/file.h>

namespace {

QString damaged()
{
    return L10n::tr("The downloaded update is damaged or was not signed by Kesto Viruz. It was deleted and nothing "
                    "was installed.");
}

const QString downloadPrefix = QStringLiteral("kesto-update-");

QString fullDisk()
{
    return L10n::tr("There is not enough free space on the disk for the update. Free some space and try again.");
}

// Whether writing `needed` more bytes into folder fails for want of space.
bool outOfSpace(const QString& folder, qint64 needed)
{
    const QStorageInfo storage(folder);
    return storage.isValid() && storage.bytesAvailable() < std::max<qint64>(needed, 1);
}

QString suffixOf(const QString& name)
{
    if (name.endsWith(QStringLiteral(".tar.gz")))
        return QStringLiteral(".tar.gz");
    const QString suffix = QFileInfo(name).suffix();
    return suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix;
}

// The download's own name when it is a plain one, in folder and not taken
// yet: "kesto-viruz-1.2.zip", then "kesto-viruz-1.2 (2).zip".
QString keptPath(const QString& folder, const QUrl& url)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9._+-]{0,99}$"));
    const QString name = plain.match(url.fileName()).hasMatch() ? url.fileName() : QStringLiteral("kesto-viruz-update");
    const QString suffix = suffixOf(name);
    const QString stem = name.chopped(suffix.size());
    QString path = QDir(folder).filePath(name);
    for (int copy = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++copy)
        path = QDir(folder).filePath(QStringLiteral("%1 (%2)%3").arg(stem).arg(copy).arg(suffix));
    return path;
}

// Roots the system's package manager installs into; /usr/local and /opt
// are left to the administrator.
bool underSystemPrefix(const QString& path)
{
    for (const QString& prefix : {QStringLiteral("/usr"), QStringLiteral("/bin"), QStringLiteral("/sbin"),
                                  QStringLiteral("/lib"), QStringLiteral("/snap"), QStringLiteral("/app")}) {
        if (path == prefix || path.startsWith(prefix + QLatin1Char('/')))
            return !(path == QStringLiteral("/usr/local") || path.startsWith(QStringLiteral("/usr/local/")));
    }
    return path == QStringLiteral("/");
}

} // namespace

struct UpdateInstaller::Verdict
{
    enum class Kind { ready, damaged, wrongVersion, unfit, tree };
    Kind kind = Kind::ready;
    QString reason;
    UpdateTree::Result tree;
    QList<ZipArchive::Entry> entries; // for tree, until they are in place
};

UpdateInstaller::UpdateInstaller(Target target, QObject* parent)
    : QObject(parent)
    , m_target(std::move(target))
    , m_network(new QNetworkAccessManager(this))
    , m_deadline(new QTimer(this))
{
    m_deadline->setSingleShot(true);
    connect(m_deadline, &QTimer::timeout, this, [this] {
        if (!m_reply)
            return;
        stopDownload();
        fail(L10n::tr("The download of the update failed. Try again later."),
             QStringLiteral("update download took longer than %1 s").arg(m_limits.downloadMs / 1000));
    });
}

UpdateInstaller::~UpdateInstaller()
{
    if (m_reply)
        m_reply->abort();
    removeDownload();
}

bool UpdateInstaller::isPackageManaged(const QString& root)
{
    const QString canonical = QFileInfo(root).canonicalFilePath();
    return underSystemPrefix(canonical.isEmpty() ? QDir::cleanPath(root) : canonical);
}

bool UpdateInstaller::isSelfContained(const QString& root)
{
    if (root.isEmpty() || !QFileInfo(root).isDir() || isPackageManaged(root))
        return false;
    // Writable in fact, not only by its mode bits.
    QTemporaryFile probe(QDir(root).filePath(QStringLiteral(".kesto-write-XXXXXX")));
    return probe.open();
}

QStringList UpdateInstaller::removeAbandonedDownloads(const QString& folder)
{
    QStringList removed;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({downloadPrefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden)) {
        // A download being written is locked by the updater writing it.
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly) || ::flock(file.handle(), LOCK_EX | LOCK_NB) != 0)
            continue;
        if (file.remove())
            removed.append(name);
    }
    return removed;
}

void UpdateInstaller::install(const UpdateItem& item)
{
    if (m_busy)
        return;
    m_busy = true;
    ++m_generation;
    m_item = item;
    m_received = 0;
    if (item.length > m_limits.downloadBytes) {
        fail(damaged(), QStringLiteral("update refused: it announces %1 bytes, more than a release can be").arg(item.length));
        return;
    }
    if (outOfSpace(QDir::tempPath(), item.length)) {
        fail(fullDisk(), QStringLiteral("update not downloaded: no room for %1 bytes in %2").arg(item.length).arg(QDir::tempPath()));
        return;
    }
    const QString path = QDir(QDir::tempPath())
                             .filePath(downloadPrefix + QStringLiteral("%1%2")
                                           .arg(QUuid::createUuid().toString(QUuid::WithoutBraces),
                                                suffixOf(item.url.fileName())));
    m_file = std::make_unique<QFile>(path);
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        saveFailed(QStringLiteral("update download cannot be written: ") + m_file->errorString());
        return;
    }
    // Held while the file is written, so that a start-up clean-up of another
    // instance leaves it alone.
    ::flock(m_file->handle(), LOCK_EX | LOCK_NB);
    Log::write(QStringLiteral("downloading update ") + item.displayVersion);
    m_reply = UpdateRequest::get(*m_network, item.url, 60 * 1000, QString());
    // Read as it comes, never more than this ahead of the file.
    m_reply->setReadBufferSize(1024 * 1024);
    m_deadline->start(m_limits.downloadMs);
    connect(m_reply, &QNetworkReply::readyRead, this, &UpdateInstaller::readSome);
    connect(m_reply, &QNetworkReply::finished, this, &UpdateInstaller::downloaded);
    Q_EMIT progress(0, item.length);
}

void UpdateInstaller::cancel()
{
    // Once downloaded, the check and the unpacking run to their end: they
    // leave either the old install or the new one, never a mix.
    if (!m_busy || !m_reply)
        return;
    ++m_generation;
    stopDownload();
    Log::write(QStringLiteral("update cancelled"));
    removeDownload();
    done({Outcome::Kind::cancelled, {}, {}, false});
}

void UpdateInstaller::readSome()
{
    const QByteArray bytes = m_reply->readAll();
    m_received += bytes.size();
    // More than the feed announced is not the file that was signed.
    if (m_received > m_item.length) {
        stopDownload();
        fail(damaged(), QStringLiteral("update download is longer than announced"));
        return;
    }
    if (m_file->write(bytes) != bytes.size()) {
        stopDownload();
        saveFailed(QStringLiteral("update download cannot be written: ") + m_file->errorString());
        return;
    }
    Q_EMIT progress(m_received, m_item.length);
}

void UpdateInstaller::downloaded()
{
    if (m_reply->bytesAvailable() > 0)
        readSome();
    // readSome() may have given up on the download.
    if (!m_reply)
        return;
    m_deadline->stop();
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 400 || reply->error() != QNetworkReply::NoError) {
        fail(status >= 400 ? L10n::tr("The update server answered with an error (HTTP %1).").arg(status)
                           : L10n::tr("The download of the update failed. Try again later."),
             QStringLiteral("update download failed: ") + UpdateRequest::failure(*reply));
        return;
    }
    if (!m_file->flush()) {
        saveFailed(QStringLiteral("update download cannot be written: ") + m_file->errorString());
        return;
    }
    if (m_received != m_item.length) {
        fail(damaged(), QStringLiteral("update download is %1 bytes, not %2").arg(m_received).arg(m_item.length));
        return;
    }
    m_file->close();
    Q_EMIT verifying();
    const QString path = m_file->fileName();
    const UpdateItem item = m_item;
    const Target target = m_target;
    const bool inPlace = isSelfContained(m_target.installRoot);
    const quint64 generation = m_generation;
    const ZipArchive::Limits limits{m_limits.entries, m_limits.unpackedBytes};
    // Reading, checking and unpacking a whole release takes a moment.
    auto* watcher = new QFutureWatcher<Verdict>(this);
    connect(watcher, &QFutureWatcher<Verdict>::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        if (generation == m_generation)
            verified(watcher->result());
    });
    watcher->setFuture(QtConcurrent::run([path, item, target, inPlace, limits]() -> Verdict {
        QString reason;
        if (!UpdateSignature::verifyFile(path, item.signature, target.publicKey, &reason))
            return {Verdict::Kind::damaged, QStringLiteral("signature: ") + reason, {}, {}};
        // The signature covers the archive, and so the version inside it:
        // a feed cannot pass an older release off as a newer one.
        std::optional<QList<ZipArchive::Entry>> entries = ZipArchive::read(path, &reason, limits);
        if (!entries)
            return {Verdict::Kind::damaged, QStringLiteral("unreadable archive: ") + reason, {}, {}};
        bool wrongVersion = false;
        reason = UpdateTree::check(*entries, target.program, item.version, target.runningVersion, &wrongVersion);
        if (!reason.isEmpty())
            return {wrongVersion ? Verdict::Kind::wrongVersion : Verdict::Kind::unfit, reason, {}, {}};
        if (!inPlace)
            return {};
        return {Verdict::Kind::tree, {}, {}, std::move(*entries)};
    }));
}

void UpdateInstaller::verified(Verdict verdict)
{
    const QString notInstalled = L10n::tr("The update could not be installed: the program's folder was left as it was.");
    switch (verdict.kind) {
    case Verdict::Kind::ready:
        keepForUser();
        return;
    case Verdict::Kind::damaged:
        fail(damaged(), QStringLiteral("update rejected: ") + verdict.reason);
        return;
    case Verdict::Kind::wrongVersion:
        fail(L10n::tr("The downloaded update is not the version that was offered, or is not newer than this one. It "
                      "was deleted and nothing was installed."),
             QStringLiteral("update rejected: ") + verdict.reason);
        return;
    case Verdict::Kind::unfit:
        fail(notInstalled, QStringLiteral("update not installed: ") + verdict.reason);
        return;
    case Verdict::Kind::tree:
        break;
    }
    // One install per folder: another instance of this copy may be at it.
    bool busy = false;
    m_lock = UpdateTree::lock(m_target.installRoot, &busy);
    if (!m_lock && busy) {
        fail(L10n::tr("Another copy of Kesto Viruz is installing an update. Nothing was changed."),
             QStringLiteral("update not installed: the install folder is locked by another process"));
        return;
    }
    if (!m_lock) {
        Log::write(QStringLiteral("update not installed: no lock can be made in ") + m_target.installRoot);
        if (outOfSpace(m_target.installRoot, m_item.length))
            fail(fullDisk(), QStringLiteral("no room to unpack the update in ") + m_target.installRoot);
        else
            keepForUser(notInstalled);
        return;
    }
    Q_EMIT installing();
    const QString root = m_target.installRoot;
    const QString program = m_target.program;
    const QString version = m_item.version;
    const quint64 generation = m_generation;
    auto* watcher = new QFutureWatcher<Verdict>(this);
    connect(watcher, &QFutureWatcher<Verdict>::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        if (generation == m_generation)
            placed(watcher->result());
    });
    // The job holds the lock too: the swap keeps it should this object go first.
    watcher->setFuture(QtConcurrent::run([entries = std::move(verdict.entries), root, program, version,
                                          lock = m_lock]() -> Verdict {
        const UpdateTree::Result tree = UpdateTree::place(entries, root, program, version);
        return {Verdict::Kind::tree, tree.reason, tree, {}};
    }));
}

void UpdateInstaller::placed(const Verdict& verdict)
{
    using TreeKind = UpdateTree::Result::Kind;
    const QString notInstalled = L10n::tr("The update could not be installed: the program's folder was left as it was.");
    const QString putBack = L10n::tr("The previous version was put back as it was.");
    const QString logLine = QStringLiteral("update not installed: ") + verdict.reason;
    if (verdict.tree.kind != TreeKind::installed)
        m_lock.reset();
    switch (verdict.tree.kind) {
    case TreeKind::installed:
        break;
    case TreeKind::notStaged:
        Log::write(logLine);
        if (outOfSpace(m_target.installRoot, m_item.length)) {
            fail(fullDisk(), QStringLiteral("no room to unpack the update in ") + m_target.installRoot);
            return;
        }
        // A folder this process cannot write all of: the checked download
        // is the user's to install.
        keepForUser(notInstalled);
        return;
    case TreeKind::notReplaced:
        Log::write(logLine);
        keepForUser(L10n::tr("The update could not replace %1.").arg(verdict.tree.file) + QLatin1Char(' ') + putBack);
        return;
    case TreeKind::didNotStart:
        fail(L10n::tr("The new version did not start.") + QLatin1Char(' ') + putBack, logLine);
        return;
    case TreeKind::mixed:
        fail(L10n::tr("The update could not be installed, and the previous version could not be put back whole. "
                      "Install Kesto Viruz again."),
             logLine);
        return;
    }
    removeDownload();
    Log::write(QStringLiteral("update installed and answers as build %1; relaunching").arg(m_item.version));
    UpdateTrial::Plan plan{m_target.installRoot, QDir(m_target.installRoot).filePath(m_target.program), m_lock};
    m_lock.reset();
    if (m_target.relaunch && m_target.relaunch(plan)) {
        done({Outcome::Kind::relaunching, {}, {}, false});
        return;
    }
    // It answered as the new build: it stays for the next start.
    QString reason;
    if (!UpdateTree::commit(plan.root, &reason))
        Log::write(QStringLiteral("the old files of the update stay until the next start: ") + reason);
    plan.lock.reset();
    fail(L10n::tr("The update is installed. Quit and start Kesto Viruz again to use it."),
         QStringLiteral("relaunch after the update failed"));
}

void UpdateInstaller::saveFailed(const QString& logLine)
{
    const QString reason = m_file ? m_file->errorString() : QString();
    fail(outOfSpace(QDir::tempPath(), m_item.length - m_received) ? fullDisk()
                                                                  : L10n::tr("The update could not be saved: %1").arg(reason),
         logLine);
}

void UpdateInstaller::keepForUser(const QString& why)
{
    // No software installer takes the archive, and the package manager's
    // files are its own: the verified download goes where the user finds it.
    const bool packaged = isPackageManaged(m_target.installRoot);
    QDir().mkpath(m_target.downloads);
    const QString path = keptPath(m_target.downloads, m_item.url);
    m_file->close();
    if (!m_file->rename(path)) {
        const QString reason = m_file->errorString();
        fail(outOfSpace(m_target.downloads, m_item.length) ? fullDisk()
                                                           : L10n::tr("The update could not be saved: %1").arg(reason),
             QStringLiteral("update cannot be kept in %1: %2").arg(path, reason));
        return;
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    m_file.reset();
    Log::write(QStringLiteral("update kept for the user in %1: this copy %2").arg(
        path, packaged          ? QStringLiteral("belongs to the package manager")
              : why.isEmpty() ? QStringLiteral("cannot be written")
                              : QStringLiteral("could not be replaced")));
    done({Outcome::Kind::kept, why, path, packaged});
}

void UpdateInstaller::stopDownload()
{
    m_deadline->stop();
    if (!m_reply)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void UpdateInstaller::fail(const QString& text, const QString& logLine)
{
    Log::write(logLine);
    removeDownload();
    done({Outcome::Kind::failed, text, {}, false});
}

void UpdateInstaller::done(Outcome outcome)
{
    m_busy = false;
    Q_EMIT finished(outcome);
}

void UpdateInstaller::removeDownload()
{
    if (!m_file)
        return;
    m_file->close();
    m_file->remove();
    m_file.reset();
}
