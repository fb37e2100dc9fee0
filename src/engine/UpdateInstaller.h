#pragma once

#include "engine/UpdateFeed.h"
#include "engine/UpdateTrial.h"

#include <QByteArray>
#include <QFile>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class QLockFile;
class QNetworkAccessManager;
class QTimer;
#include <QNetworkReply>

// Downloads an update into a temporary file, checks its length, its
// signature and the version it carries, and installs it the way this copy
// was installed: put in place over a self-contained install the user may
// write as one step, else kept in the Downloads folder for the user.
// Nothing unchecked or half-written is ever left in the program's folder.
// Main thread only.
class UpdateInstaller final : public QObject
{
    Q_OBJECT

public:
    struct Target
    {
        QByteArray publicKey;
        // The folder this copy was installed into; "" when there is none.
        QString installRoot;
        // The program, inside installRoot; it must be in the archive.
        QString program;
        // The running build's version: nothing older or the same is installed.
        QString runningVersion;
        // Where an update this copy cannot install itself is kept.
        QString downloads;
        // Restarts into the new version, which the plan's trial confirms or
        // undoes; false when it could not.
        std::function<bool(const UpdateTrial::Plan&)> relaunch;
    };

    // No release is near these; anything beyond them is refused or cut off.
    struct Limits
    {
        qint64 downloadBytes = 512LL * 1024 * 1024;
        int downloadMs = 30 * 60 * 1000; // the whole download, however it trickles
        qint64 unpackedBytes = 2LL * 1024 * 1024 * 1024;
        qint64 entries = 100000;
    };

    struct Outcome
    {
        enum class Kind { relaunching, kept, failed, cancelled };
        Kind kind = Kind::failed;
        QString error;      // a translated sentence when failed; when kept after a failed install, why
        QString keptFile;   // where the update was kept
        bool packageManaged = false; // why it was kept: the package manager's install, else read-only
    };

    explicit UpdateInstaller(Target target, QObject* parent = nullptr);
    ~UpdateInstaller() override;

    void setLimits(const Limits& limits) { m_limits = limits; }

    void install(const UpdateItem& item);
    // Stops a download; the file goes with it.
    void cancel();
    bool isBusy() const { return m_busy; }

    // Whether the update can be put in place under root: a folder this
    // process may write that the package manager does not own.
    static bool isSelfContained(const QString& root);
    // Whether root is where the system's package manager installs.
    static bool isPackageManaged(const QString& root);
    // Removes downloads in folder that no running updater is writing; the
    // names of what it removed.
    static QStringList removeAbandonedDownloads(const QString& folder);

Q_SIGNALS:
    void progress(qint64 received, qint64 total);
    void verifying();
    // The checked files are going into the install folder.
    void installing();
    void finished(const UpdateInstaller::Outcome& outcome);

private:
    struct Verdict;

    void readSome();
    void downloaded();
    void verified(Verdict verdict);
    void placed(const Verdict& verdict);
    void keepForUser(const QString& why = QString());
    void saveFailed(const QString& logLine);
    void stopDownload();
    void fail(const QString& text, const QString& logLine);
    void done(Outcome outcome);
    void removeDownload();

    Target m_target;
    QNetworkAccessManager* m_network;
    QPointer<QNetworkReply> m_reply;
    std::unique_ptr<QFile> m_file;
    std::shared_ptr<QLockFile> m_lock;
    QTimer* m_deadline;
    Limits m_limits;
    UpdateItem m_item;
    qint64 m_received = 0;
    quint64 m_generation = 0;
    bool m_busy = false;
};
