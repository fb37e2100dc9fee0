#include "engine/UpdateInstaller.h"

#include "core/L10n.h"
#include "core/Log.h"
#include "platform/UpdateSignature.h"
#include "platform/ZipArchive.h"

#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTemporaryFile>
#include <QUuid>
#include <QtConcurrent>

#include <filesystem>
#include <system_error>

namespace {

QString damaged()
{
    return L10n::tr("The downloaded update is damaged or was not signed by Kesto Viruz. It was deleted and nothing "
                    "was installed.");
}

// A name inside the archive that stays inside the folder it is unpacked into.
bool safeName(const QString& name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return false;
    const QStringList parts = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return !parts.isEmpty() && !parts.contains(QStringLiteral("..")) && !parts.contains(QStringLiteral("."));
}

QString suffixOf(const QUrl& url)
{
    const QString name = url.fileName();
    if (name.endsWith(QStringLiteral(".tar.gz")))
        return QStringLiteral(".tar.gz");
    const QString suffix = QFileInfo(name).suffix();
    return suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix;
}

} // namespace

UpdateInstaller::UpdateInstaller(Target target, QObject* parent)
    : QObject(parent)
    , m_target(std::move(target))
    , m_network(new QNetworkAccessManager(this))
{
}

UpdateInstaller::~UpdateInstaller()
{
    if (m_reply)
        m_reply->abort();
    removeDownload();
}

bool UpdateInstaller::isSelfContained(const QString& root)
{
    if (root.isEmpty() || !QFileInfo(root).isDir())
        return false;
    // Writable in fact, not only by its mode bits.
    QTemporaryFile probe(QDir(root).filePath(QStringLiteral(".kesto-write-XXXXXX")));
    return probe.open();
}

void UpdateInstaller::install(const UpdateItem& item)
{
    if (m_busy)
        return;
    m_busy = true;
    ++m_generation;
    m_item = item;
    m_received = 0;
    const QString path = QDir(QDir::tempPath())
                             .filePath(QStringLiteral("kesto-update-%1%2")
                                           .arg(QUuid::createUuid().toString(QUuid::WithoutBraces), suffixOf(item.url)));
    m_file = std::make_unique<QFile>(path);
    if (!m_file->open(QIODevice::WriteOnly)) {
        fail(L10n::tr("The update could not be saved: %1").arg(m_file->errorString()),
             QStringLiteral("update download cannot be written: ") + m_file->errorString());
        return;
    }
    Log::write(QStringLiteral("downloading update ") + item.displayVersion);
    QNetworkRequest request(item.url);
    request.setTransferTimeout(60 * 1000);
    m_reply = m_network->get(request);
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
    done({Outcome::Kind::cancelled, QString()});
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
        fail(L10n::tr("The update could not be saved: %1").arg(m_file->errorString()),
             QStringLiteral("update download cannot be written: ") + m_file->errorString());
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
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 400 || reply->error() != QNetworkReply::NoError) {
        fail(status >= 400 ? L10n::tr("The update server answered with an error (HTTP %1).").arg(status)
                           : L10n::tr("The download of the update failed. Try again later."),
             QStringLiteral("update download failed: ") + reply->errorString());
        return;
    }
    if (!m_file->flush() || m_received != m_item.length) {
        fail(damaged(), QStringLiteral("update download is %1 bytes, not %2").arg(m_received).arg(m_item.length));
        return;
    }
    m_file->close();
    Q_EMIT verifying();
    const QString path = m_file->fileName();
    const QByteArray signature = m_item.signature;
    const QByteArray key = m_target.publicKey;
    const bool unpack = m_unpack = isSelfContained(m_target.installRoot);
    const QString root = m_target.installRoot;
    const QString program = m_target.program;
    const quint64 generation = m_generation;
    // Reading, checking and unpacking a whole release takes a moment.
    auto* watcher = new QFutureWatcher<QString>(this);
    connect(watcher, &QFutureWatcher<QString>::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        if (generation == m_generation)
            verified(watcher->result());
    });
    watcher->setFuture(QtConcurrent::run([path, signature, key, unpack, root, program]() -> QString {
        QString reason;
        if (!UpdateSignature::verifyFile(path, signature, key, &reason))
            return QStringLiteral("signature: ") + reason;
        return unpack ? unpackOver(path, root, program) : QString();
    }));
}

void UpdateInstaller::verified(const QString& failure)
{
    if (failure.startsWith(QStringLiteral("signature: "))) {
        fail(damaged(), QStringLiteral("update rejected: ") + failure.mid(11));
        return;
    }
    if (!failure.isEmpty()) {
        fail(L10n::tr("The update could not be installed: the program's folder was left as it was."),
             QStringLiteral("update not installed: ") + failure);
        return;
    }
    if (m_unpack) {
        removeDownload();
        Log::write(QStringLiteral("update installed; relaunching"));
        if (m_target.relaunch && m_target.relaunch()) {
            done({Outcome::Kind::relaunching, QString()});
            return;
        }
        fail(L10n::tr("The update is installed. Quit and start Kesto Viruz again to use it."),
             QStringLiteral("relaunch after the update failed"));
        return;
    }
    // The package stays where the installer can read it.
    const QString path = m_file->fileName();
    m_file.reset();
    Log::write(QStringLiteral("update handed to the software installer: ") + path);
    if (m_target.openPackage && m_target.openPackage(path)) {
        done({Outcome::Kind::handedToInstaller, QString()});
        return;
    }
    QFile::remove(path);
    fail(L10n::tr("No software installer could open the update."), QStringLiteral("no software installer for ") + path);
}

void UpdateInstaller::stopDownload()
{
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
    done({Outcome::Kind::failed, text});
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

QString UpdateInstaller::unpackOver(const QString& archive, const QString& root, const QString& program)
{
    QString error;
    const std::optional<QList<ZipArchive::Entry>> entries = ZipArchive::read(archive, &error);
    if (!entries)
        return QStringLiteral("unreadable archive: ") + error;
    bool hasProgram = false;
    for (const ZipArchive::Entry& entry : *entries) {
        if (!safeName(entry.name))
            return QStringLiteral("unsafe name in the archive: ") + entry.name;
        hasProgram = hasProgram || entry.name == program;
    }
    if (!hasProgram)
        return QStringLiteral("the archive does not hold ") + program;

    // Everything is written whole beside the install first; only then does
    // each file replace its old self, by a rename that is never half done.
    const QDir base(root);
    const QString stagingName = QStringLiteral(".kesto-update-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QString staging = base.filePath(stagingName);
    auto cleanUp = [&staging] { QDir(staging).removeRecursively(); };
    QStringList files;
    for (const ZipArchive::Entry& entry : *entries) {
        const QString target = QDir(staging).filePath(entry.name);
        if (entry.name.endsWith(QLatin1Char('/'))) {
            QDir().mkpath(target);
            continue;
        }
        QDir().mkpath(QFileInfo(target).path());
        QFile file(target);
        if (!file.open(QIODevice::WriteOnly) || file.write(entry.bytes) != entry.bytes.size() || !file.flush()) {
            const QString reason = file.errorString();
            cleanUp();
            return QStringLiteral("cannot write %1: %2").arg(entry.name, reason);
        }
        file.close();
        const quint32 mode = entry.mode ? entry.mode : 0644;
        std::error_code code;
        std::filesystem::permissions(QFile::encodeName(target).toStdString(), std::filesystem::perms(mode & 0777), code);
        files.append(entry.name);
    }
    for (const QString& name : files) {
        const QString destination = base.filePath(name);
        std::error_code code;
        base.mkpath(QFileInfo(destination).path());
        std::filesystem::rename(QFile::encodeName(QDir(staging).filePath(name)).toStdString(),
                                QFile::encodeName(destination).toStdString(), code);
        if (code) {
            cleanUp();
            return QStringLiteral("cannot replace %1: %2").arg(name, QString::fromStdString(code.message()));
        }
    }
    cleanUp();
    return QString();
}
