#pragma once

#include <QByteArray>
#include <QString>

// Checks that a downloaded update was signed with the project's release key
// (Ed25519), so a file changed anywhere between the release and this
// computer is never installed.
namespace UpdateSignature {

// True when signature (64 raw bytes) is the Ed25519 signature of the file at
// path under publicKey (32 raw bytes). False with a lower-case reason in
// error otherwise, including when the file cannot be read.
bool verifyFile(const QString& path, const QByteArray& signature, const QByteArray& publicKey, QString* error);

} // namespace UpdateSignature
