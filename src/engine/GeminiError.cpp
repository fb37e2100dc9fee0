#include "engine/GeminiError.h"

#include "core/L10n.h"

GeminiError GeminiError::http(int status, const QString& message)
{
    return {Kind::http, status, message};
}

GeminiError GeminiError::badResponse(const QString& detail)
{
    return {Kind::badResponse, 0, detail};
}

GeminiError GeminiError::noApiKey()
{
    return {Kind::noApiKey, 0, {}};
}

GeminiError GeminiError::emptyResponse()
{
    return {Kind::emptyResponse, 0, {}};
}

GeminiError GeminiError::invalidJson(const QString& detail)
{
    return {Kind::invalidJson, 0, detail};
}

GeminiError GeminiError::network(Cause cause, const QString& detail, bool unreachable)
{
    return {Kind::network, 0, detail, unreachable, cause};
}

GeminiError GeminiError::fileUnreadable(const QString& detail)
{
    return {Kind::fileUnreadable, 0, detail};
}

GeminiError GeminiError::cancelled()
{
    return {Kind::cancelled, 0, {}};
}

namespace {

QString networkDescription(GeminiError::Cause cause)
{
    switch (cause) {
    case GeminiError::Cause::noConnection:
        return L10n::tr("Could not reach Gemini: no internet connection.");
    case GeminiError::Cause::timedOut:
        return L10n::tr("Could not reach Gemini: the connection timed out.");
    case GeminiError::Cause::refused:
        return L10n::tr("Could not reach Gemini: the connection was refused.");
    case GeminiError::Cause::connectionLost:
        return L10n::tr("Could not reach Gemini: the connection was lost.");
    case GeminiError::Cause::other:
        break;
    }
    return L10n::tr("Could not reach Gemini.");
}

} // namespace

QString GeminiError::description() const
{
    switch (kind) {
    case Kind::http:
        return L10n::tr("Gemini returned %1: %2").arg(QString::number(status), message);
    case Kind::badResponse:
        return L10n::tr("Could not read the Gemini response: %1").arg(message);
    case Kind::noApiKey:
        return L10n::tr("No API key. Add it in Settings, or set GEMINI_API_KEY.");
    case Kind::emptyResponse:
        return L10n::tr("Gemini returned no text.");
    case Kind::invalidJson:
        return L10n::tr("The Gemini response is not valid JSON: %1").arg(message);
    case Kind::network:
        return networkDescription(cause);
    case Kind::fileUnreadable:
        return L10n::tr("Could not read the recording: %1").arg(message);
    case Kind::cancelled:
        return L10n::tr("Cancelled.");
    }
    return {};
}
