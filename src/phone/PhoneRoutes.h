#pragma once

#include "phone/PhoneHttp.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// What the server does with a complete, accepted request. Every answer but the
// upload's is decided here at once; an upload is handed to the audio handler.
namespace PhoneRoutes {

inline constexpr qsizetype minimumAudio = 1025;

struct FilePart
{
    QByteArray bytes;
    QString contentType;

    bool operator==(const FilePart&) const = default;
};

struct Decision
{
    QByteArray answer;   // the whole response, unless this is an upload
    bool seen = false;   // the phone was heard from (every route but fonts)
    bool upload = false; // hand audio and contentType to the handler
    QByteArray audio;
    QString contentType;
};

Decision route(const PhoneHttp::Request& request, const QString& token,
               const std::function<QString()>& statusText);

// The four Onest faces the page asks for, read once and kept.
std::optional<QByteArray> font(const QString& name);

// The multipart "boundary" parameter, quoted or not, without the parameters
// that follow it.
QString boundary(const QString& contentType);
std::optional<FilePart> firstFilePart(const QByteArray& body, const QString& contentType);

QByteArray notFound();

} // namespace PhoneRoutes
