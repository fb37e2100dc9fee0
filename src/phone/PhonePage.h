#pragma once

#include <QString>

// The one page the phone opens: recording, resampling to 16 kHz WAV and the
// upload all happen in the phone's browser.
namespace PhonePage {

// The page with its "__TOKEN__" and "__MAC_NAME__" placeholders.
QString text();

// Keeps ASCII letters and digits only: the token goes inside a script string.
QString jsEscaped(const QString& text);
QString htmlEscaped(const QString& text);

// The computer's name for the page's device card.
QString computerName();

// The page with the token and the computer's name filled in.
QString filled(const QString& token, const QString& computerName);

} // namespace PhonePage
