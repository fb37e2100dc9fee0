#include "platform/UpdateSignature.h"

#include <QFile>

#include <openssl/evp.h>

#include <memory>

namespace {

bool fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

namespace UpdateSignature {

bool verifyFile(const QString& path, const QByteArray& signature, const QByteArray& publicKey, QString* error)
{
    if (publicKey.size() != 32)
        return fail(error, QStringLiteral("the update key is not an ed25519 public key"));
    if (signature.size() != 64)
        return fail(error, QStringLiteral("the signature is not an ed25519 signature"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, QStringLiteral("cannot read the download: ") + file.errorString());
    // Ed25519 signs the whole message at once; update files are small enough
    // to read whole.
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(error, QStringLiteral("cannot read the download: ") + file.errorString());

    const std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key(
        EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr,
                                    reinterpret_cast<const unsigned char*>(publicKey.constData()), size_t(publicKey.size())),
        &EVP_PKEY_free);
    if (!key)
        return fail(error, QStringLiteral("the update key is not an ed25519 public key"));
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    if (!context || EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1)
        return fail(error, QStringLiteral("cannot start the signature check"));
    const int verdict = EVP_DigestVerify(context.get(), reinterpret_cast<const unsigned char*>(signature.constData()),
                                         size_t(signature.size()),
                                         reinterpret_cast<const unsigned char*>(bytes.constData()), size_t(bytes.size()));
    if (verdict != 1)
        return fail(error, QStringLiteral("the signature does not match the download"));
    return true;
}

} // namespace UpdateSignature
