#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// An Ed25519 key pair made for one test with the openssl tool, standing in
// for the key that signs releases.
class ReleaseKey final
{
public:
    ReleaseKey();

    bool isValid() const { return m_publicKey.size() == 32; }
    // The 32 raw bytes of the public key.
    QByteArray publicKey() const { return m_publicKey; }
    // The 64-byte signature of bytes; empty when openssl failed.
    QByteArray sign(const QByteArray& bytes) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_publicKey;
};
