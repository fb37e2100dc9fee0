#include "ReleaseKey.h"

#include <QFile>
#include <QProcess>

namespace {

QByteArray run(const QStringList& arguments)
{
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"), arguments);
    if (!openssl.waitForFinished(10000) || openssl.exitStatus() != QProcess::NormalExit || openssl.exitCode() != 0)
        return {};
    return openssl.readAllStandardOutput();
}

} // namespace

ReleaseKey::ReleaseKey()
{
    const QString key = m_dir.filePath(QStringLiteral("release.pem"));
    run({QStringLiteral("genpkey"), QStringLiteral("-algorithm"), QStringLiteral("ed25519"), QStringLiteral("-out"), key});
    // The DER form of a public key ends with the key's own 32 bytes.
    const QByteArray der = run({QStringLiteral("pkey"), QStringLiteral("-in"), key, QStringLiteral("-pubout"),
                                QStringLiteral("-outform"), QStringLiteral("DER")});
    if (der.size() >= 32)
        m_publicKey = der.right(32);
}

QByteArray ReleaseKey::sign(const QByteArray& bytes) const
{
    const QString input = m_dir.filePath(QStringLiteral("message"));
    QFile file(input);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    file.close();
    return run({QStringLiteral("pkeyutl"), QStringLiteral("-sign"), QStringLiteral("-rawin"), QStringLiteral("-inkey"),
                m_dir.filePath(QStringLiteral("release.pem")), QStringLiteral("-in"), input});
}
