#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QSettings;

// The interface language the user chose. Stored as a one-element list under
// "AppleLanguages" in the application's own settings file; absent means "follow
// the system". It takes effect at launch, so a change restarts the application.
namespace InterfaceLanguage {

struct Choice
{
    std::optional<QString> code; // none: the system's language order
    QString name;                // only "System" is translated
};

// System, Oʻzbekcha, English, Русский.
QList<Choice> choices();

// The application's own settings file ($XDG_CONFIG_HOME/kesto-viruz/kesto-viruz.conf).
QString settingsPath();

// The stored choice; none when absent, empty or not a list of texts.
std::optional<QString> chosen();
std::optional<QString> chosen(const QSettings& settings);

enum class Outcome {
    unchanged, // the choice in force already
    stored,    // stored, and restart was called
    notStored, // the settings file could not be written: nothing changed
};

// Stores the choice and, once it is on disk, calls restart. A choice that
// cannot be written leaves the stored one in force and restarts nothing, so
// the application never comes back in the old language while the user
// waits for the new one. The overload takes the settings file (tests).
Outcome choose(const std::optional<QString>& code, const std::function<void()>& restart);
Outcome choose(QSettings& settings, const std::optional<QString>& code, const std::function<void()>& restart);

} // namespace InterfaceLanguage

namespace AppLanguage = InterfaceLanguage;
