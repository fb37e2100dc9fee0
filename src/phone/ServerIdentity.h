#pragma once

#include <QSslCertificate>
#include <QSslKey>
#include <QString>
#include <QStringList>

#include <optional>

// The phone server's self-signed TLS identity, kept as "server.p12" in the
// data folder and made again with the openssl tool whenever the set of local
// addresses changes. Runs synchronously on the caller's thread.
namespace ServerIdentity {

struct Identity
{
    QSslCertificate certificate;
    QSslKey key;

    bool operator==(const Identity&) const = default;
};

std::optional<Identity> loadOrCreate(const QStringList& addresses);

QString certPath();      // "server.p12" in the data folder
QString addressesPath(); // "server-addresses.txt" beside it

// The pieces of a generation, open for tests.
QString configText(const QStringList& addresses);
QStringList exportArguments(const QString& p12, const QString& key, const QString& cert, bool legacy);
bool needsRegeneration(const QStringList& addresses);
std::optional<Identity> load();
// True when the tool's "version" output names OpenSSL 3 or 4.
bool opensslIsVersion3(const QString& tool);

// How long one run of the tool may take before it is killed.
inline constexpr int toolTimeoutMs = 30000;

} // namespace ServerIdentity
