#pragma once

#include "core/Vocabulary.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The talk key. Stored by case name.
enum class HotkeyKind {
    control,
    controlFn,
    fn,
    rightCommand,
    controlOption,
};

// Hold the key to talk, or tap it to start and stop. Stored by case name.
enum class HotkeyMode {
    hold,
    toggle,
};

// Appearance of the windows. Stored as "light", "dark" and "auto".
enum class ThemeMode {
    light,
    dark,
    automatic,
};

QString rawValue(HotkeyKind kind);
QString rawValue(HotkeyMode mode);
QString rawValue(ThemeMode mode);
std::optional<HotkeyKind> hotkeyKindFromRaw(const QString& raw);
std::optional<HotkeyMode> hotkeyModeFromRaw(const QString& raw);
std::optional<ThemeMode> themeModeFromRaw(const QString& raw);
const QList<HotkeyKind>& allHotkeyKinds();
const QList<HotkeyMode>& allHotkeyModes();
const QList<ThemeMode>& allThemeModes();
// The keycaps shown for a talk key, in order ("Ctrl", "Super", ...).
QStringList keycaps(HotkeyKind kind);
// The talk key named in a sentence or a menu: "Ctrl + Super", "Right Alt" (translated).
QString hotkeyTitle(HotkeyKind kind);

// The user's settings, saved as "config.json" in the data folder. Read leniently:
// a missing, null or unreadable field keeps its default.
struct Config
{
    QString apiKey;
    QString model = QStringLiteral("gemini-3.8-flash");
    bool removeFillers = true;
    bool punctuation = true;
    bool resolveCorrections = true;
    QStringList languageCodes;
    QList<VocabularyWord> vocabulary;
    QList<Snippet> snippets;
    QString prompt = defaultPrompt();
    QString thinkingLevel = QStringLiteral("low");
    QString insertMethod = QStringLiteral("paste");
    QString newlineMode = QStringLiteral("shiftReturn");
    HotkeyKind hotkey = HotkeyKind::controlFn;
    HotkeyMode hotkeyMode = HotkeyMode::hold;
    qint64 holdThresholdMs = 300;
    qint64 minRecordingMs = 400;
    bool hudVisible = true;
    std::optional<double> hudX;
    std::optional<double> hudY;
    QString inputDeviceID;
    bool trimSilence = true;
    double keepSilenceSeconds = 0.25;
    bool noiseReduction = false;
    bool phoneServerEnabled = false;
    qint64 phonePort = 8765;
    qint64 phonePlainPort = 8766;
    bool phonePlainEnabled = false;
    QString phoneToken;
    bool phoneInserts = true;
    ThemeMode theme = ThemeMode::light;
    bool sounds = true;
    bool pauseMedia = false;
    bool notificationsOff = false;
    qint64 historyDays = 0;
    bool keepAudio = false;
    bool onboardingDone = false;
    qint64 defaultsVersion = 2;

    bool operator==(const Config&) const = default;

    static QString defaultPrompt();

    // The data folder: KESTO_DATA_DIR when set and not empty, else
    // "Kesto Viruz" in the user's data location. Not created here.
    static QString directory();
    static QString filePath();       // data folder / "config.json"
    static QString audioDirectory(); // data folder / "audio"
    // Where recordings wait for their transcript: this data folder's own
    // folder in the user's runtime folder, else data folder / "recordings".
    // Nothing else is ever put there.
    static QString recordingsDirectory();

    // The key for requests: apiKey as it stands when not empty, else GEMINI_API_KEY.
    QString resolvedApiKey() const;

    // Non-finite numbers cannot be stored: they fall back to their defaults.
    void sanitize();

    // Pretty JSON with sorted keys; hudX/hudY only when present.
    QByteArray encode() const;
    // Fails only when the bytes are not JSON or the top level is not an object.
    static std::optional<Config> decode(const QByteArray& bytes);

    // Writes the record privately (0600) and atomically; logs
    // "could not save <name>: <error>" and returns false on failure.
    bool save(const QString& path = filePath()) const;

    // Reads the settings file: missing or unreadable gives defaults, written at
    // once; undecodable is set aside first (and, when it cannot be, left as it
    // is and never written over this run).
    static Config load(const QString& path = filePath());

    // Defaults, with the key, the words and the snippets that can still be
    // read from the bytes of a settings file that cannot be decoded.
    static Config salvage(const QByteArray& bytes);

    // Moves an undecodable store file aside to "<name>.broken-<stamp>" and logs it.
    // Returns false when it could not be moved (the file is then never written).
    static bool setAside(const QString& path);
};
