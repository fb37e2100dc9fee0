#include "screens/QRCode.h"

#include <QMutex>
#include <QMutexLocker>

#include <qrencode.h>

#include <memory>

std::optional<QRCode> QRCode::make(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    // Version 0 lets the encoder pick the smallest symbol that holds the bytes.
    std::unique_ptr<QRcode, decltype(&QRcode_free)> symbol(
        QRcode_encodeData(int(bytes.size()), reinterpret_cast<const unsigned char*>(bytes.constData()), 0, QR_ECLEVEL_M),
        &QRcode_free);
    if (!symbol || symbol->width <= 0)
        return std::nullopt;
    QRCode code;
    code.size = symbol->width;
    code.dark.resize(qsizetype(code.size) * code.size);
    bool any = false;
    for (qsizetype i = 0; i < code.dark.size(); ++i) {
        // Bit 0 of each module byte is its colour; the other bits describe its role.
        code.dark[i] = symbol->data[i] & 1;
        any = any || code.dark[i];
    }
    if (!any)
        return std::nullopt;
    return code;
}

std::optional<QRCode> QRCode::cached(const QString& text)
{
    static QMutex lock;
    static std::optional<std::pair<QString, QRCode>> last;
    QMutexLocker locker(&lock);
    if (last && last->first == text)
        return last->second;
    std::optional<QRCode> code = make(text);
    if (code)
        last = std::make_pair(text, *code);
    return code;
}
