#pragma once

#include "engine/UpdateFeed.h"

#include <QByteArray>
#include <QFile>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class QNetworkAccessManager;
#include <QNetworkReply>

// Downloads an update into a temporary file, checks its length and its
// signature, and hands it over the way this copy was installed: unpacked
// over a self-contained install the user may write, else given to the
// desktop's software installer. Nothing unchecked or half-written is ever
// left in the program's folder. Main thread only.
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
        // Restarts into the new version; false when it could not.
        std::function<bool()> relaunch;
        // Opens a verified package with the desktop's software installer.
        std::function<bool(const QString& path)> openPackage;
    };

    struct Outcome
    {
        enum class Kind { relaunching, handedToInstaller, failed, cancelled };
        Kind kind = Kind::failed;
        QString error; // a translated sentence when failed
    };

    explicit UpdateInstaller(Target target, QObject* parent = nullptr);
    ~UpdateInstaller() override;

    void install(const UpdateItem& item);
    // Stops a download; the file goes with it.
    void cancel();
    bool isBusy() const { return m_busy; }

    // Whether root is a folder the update can be unpacked into.
    static bool isSelfContained(const QString& root);
    // Unpacks the ZIP archive at path over root: into a hidden folder inside
    // root first, then each file is moved into place. "" on success, else
    // a lower-case reason, and root is as it was.
    static QString unpackOver(const QString& archive, const QString& root, const QString& program);

Q_SIGNALS:
    void progress(qint64 received, qint64 total);
    void verifying();
    void finished(const UpdateInstaller::Outcome& outcome);

private:
    void readSome();
    void downloaded();
    void verified(const QString& failure);
    void stopDownload();
    void fail(const QString& text, const QString& logLine);
    void done(Outcome outcome);
    void removeDownload();

    Target m_target;
    QNetworkAccessManager* m_network;
    QPointer<QNetworkReply> m_reply;
    std::unique_ptr<QFile> m_file;
    UpdateItem m_item;
    qint64 m_received = 0;
    quint64 m_generation = 0;
    bool m_busy = false;
    bool m_unpack = false;
};
