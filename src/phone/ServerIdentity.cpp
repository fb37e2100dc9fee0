#include "phone/ServerIdentity.h"

#include "core/Log.h"
#include "core/LoggedError.h"
#include "platform/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QUuid>

#include <algorithm>

namespace ServerIdentity {

namespace {

const QString passphrase = QStringLiteral("qexw");
const QString friendlyName = QStringLiteral("kesto voice");

QString sortedList(QStringList addresses)
{
    std::sort(addresses.begin(), addresses.end());
    return addresses.join(QLatin1Char(','));
}

QStringList subjectAltNames(const QStringList& addresses)
{
    QStringList names{QStringLiteral("DNS:localhost"), QStringLiteral("IP:127.0.0.1")};
    for (const QString& address : addresses)
        names.append(QStringLiteral("IP:") + address);
    return names;
}

QString findTool()
{
    const QStringList candidates{QStringLiteral("/usr/bin/openssl"), QStringLiteral("/usr/local/bin/openssl")};
    for (const QString& path : candidates) {
        const QFileInfo info(path);
        if (info.isFile() && info.isExecutable())
            return path;
    }
    return {};
}

bool run(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(tool, arguments);
    if (!process.waitForStarted()) {
        Log::write(QStringLiteral("openssl failed: ") + LoggedError::of(process.error()));
        return false;
    }
    if (!process.waitForFinished(toolTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        Log::write(QStringLiteral("openssl timed out"));
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        Log::write(QStringLiteral("openssl exited with ") + QString::number(process.exitCode()));
        return false;
    }
    return true;
}

bool writeText(const QString& path, const QString& text)
{
    // Unbuffered: a buffered commit succeeds even when the last flush fails.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray bytes = text.toUtf8();
    return file.write(bytes) == bytes.size() && file.commit();
}

// The private key lies only in this folder, inside the user's own 0700 data
// folder, never in the shared temporary folder.
class WorkFolder final
{
public:
    WorkFolder()
        : m_path(DataFolder::path() + QStringLiteral("/kesto-cert-")
                 + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper())
    {
        m_ok = DataFolder::ensure(DataFolder::path())
               && QDir().mkdir(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    ~WorkFolder() { QDir(m_path).removeRecursively(); }

    bool ok() const { return m_ok; }
    QString file(const QString& name) const { return m_path + QLatin1Char('/') + name; }

private:
    QString m_path;
    bool m_ok = false;
};

bool generate(const QStringList& addresses)
{
    const QString tool = findTool();
    if (tool.isEmpty()) {
        Log::write(QStringLiteral("openssl not found, cannot create a server certificate"));
        return false;
    }
    const WorkFolder work;
    if (!work.ok()) {
        Log::write(QStringLiteral("could not make a folder for the server certificate"));
        return false;
    }
    const QString config = work.file(QStringLiteral("openssl.cnf"));
    const QString key = work.file(QStringLiteral("key.pem"));
    const QString cert = work.file(QStringLiteral("cert.pem"));
    const QString p12 = work.file(QStringLiteral("server.p12"));
    writeText(config, configText(addresses));

    const QStringList request{QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                              QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-days"),
                              QStringLiteral("3650"), QStringLiteral("-config"), config, QStringLiteral("-keyout"),
                              key, QStringLiteral("-out"), cert};
    if (!run(tool, request))
        return false;
    if (!run(tool, exportArguments(p12, key, cert, opensslIsVersion3(tool))))
        return false;

    // Made beside and moved into place, so a failed run keeps the old file.
    QFile::setPermissions(p12, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::remove(certPath());
    if (!QFile::rename(p12, certPath())) {
        Log::write(QStringLiteral("could not store the server certificate"));
        return false;
    }
    writeText(addressesPath(), sortedList(addresses));
    Log::write(QStringLiteral("created a server certificate for ") + subjectAltNames(addresses).join(QLatin1Char(',')));
    return true;
}

} // namespace

QString certPath()
{
    return DataFolder::path() + QStringLiteral("/server.p12");
}

QString addressesPath()
{
    return DataFolder::path() + QStringLiteral("/server-addresses.txt");
}

QString configText(const QStringList& addresses)
{
    return QStringLiteral("[req]\n"
                          "distinguished_name = dn\n"
                          "x509_extensions = ext\n"
                          "prompt = no\n"
                          "[dn]\n"
                          "CN = kesto voice\n"
                          "[ext]\n"
                          "basicConstraints = critical,CA:false\n"
                          "keyUsage = critical,digitalSignature,keyEncipherment\n"
                          "extendedKeyUsage = serverAuth\n"
                          "subjectAltName = ")
           + subjectAltNames(addresses).join(QLatin1Char(','));
}

QStringList exportArguments(const QString& p12, const QString& key, const QString& cert, bool legacy)
{
    QStringList arguments{QStringLiteral("pkcs12"), QStringLiteral("-export"), QStringLiteral("-out"), p12,
                          QStringLiteral("-inkey"), key, QStringLiteral("-in"), cert, QStringLiteral("-name"),
                          friendlyName, QStringLiteral("-passout"), QStringLiteral("pass:") + passphrase,
                          QStringLiteral("-keypbe"), QStringLiteral("PBE-SHA1-3DES"), QStringLiteral("-certpbe"),
                          QStringLiteral("PBE-SHA1-3DES"), QStringLiteral("-macalg"), QStringLiteral("sha1")};
    if (legacy)
        arguments.append(QStringLiteral("-legacy"));
    return arguments;
}

bool opensslIsVersion3(const QString& tool)
{
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(tool, {QStringLiteral("version")});
    if (!process.waitForStarted())
        return false;
    if (!process.waitForFinished(toolTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    const QByteArray output = process.readAllStandardOutput();
    return output.startsWith("OpenSSL 3") || output.startsWith("OpenSSL 4");
}

bool needsRegeneration(const QStringList& addresses)
{
    QFile file(addressesPath());
    QString stored;
    if (file.open(QIODevice::ReadOnly))
        stored = QString::fromUtf8(file.readAll()).trimmed();
    return stored != sortedList(addresses);
}

std::optional<Identity> load()
{
    QFile file(certPath());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    Identity identity;
    QList<QSslCertificate> chain;
    if (!QSslCertificate::importPkcs12(&file, &identity.key, &identity.certificate, &chain, passphrase.toUtf8())
        || identity.certificate.isNull() || identity.key.isNull()) {
        Log::write(QStringLiteral("could not import the server certificate"));
        return std::nullopt;
    }
    return identity;
}

std::optional<Identity> loadOrCreate(const QStringList& addresses)
{
    const std::optional<Identity> stored = load();
    if (stored && !needsRegeneration(addresses))
        return stored;
    if (!generate(addresses))
        return std::nullopt;
    return load();
}

} // namespace ServerIdentity
