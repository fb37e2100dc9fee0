#pragma once

#include <QList>
#include <QString>

#include <optional>

// A QR symbol as a square grid of modules, made from a text's UTF-8 bytes at
// error correction level M, without the quiet zone around it.
struct QRCode
{
    int size = 0;      // modules per side
    QList<bool> dark;  // size x size, row by row from the top; true is dark

    bool operator==(const QRCode&) const = default;

    bool isDark(int x, int y) const { return dark.at(y * size + x); }

    // None when the text cannot be encoded (too long for any symbol).
    static std::optional<QRCode> make(const QString& text);
    // The code of the last text asked for is kept, so asking again for the
    // same link does not encode it again. Any thread.
    static std::optional<QRCode> cached(const QString& text);
};
