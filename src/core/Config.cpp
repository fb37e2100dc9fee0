#include "core/Config.h"

#include "core/L10n.h"
#include "core/Log.h"
#include "core/StoreFile.h"
#include "platform/DataFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cmath>

namespace {

template <typename T>
struct Names
{
    QList<T> cases;
    QStringList raw;
};

const Names<HotkeyKind>& hotkeyKindNames()
{
    static const Names<HotkeyKind> names{
        {HotkeyKind::control, HotkeyKind::controlFn, HotkeyKind::fn, HotkeyKind::rightCommand,
         HotkeyKind::controlOption},
        {QStringLiteral("control"), QStringLiteral("controlFn"), QStringLiteral("fn"), QStringLiteral("rightCommand"),
         QStringLiteral("controlOption")}};
    return names;
}

const Names<HotkeyMode>& hotkeyModeNames()
{
    static const Names<HotkeyMode> names{{HotkeyMode::hold, HotkeyMode::toggle},
                                         {QStringLiteral("hold"), QStringLiteral("toggle")}};
    return names;
}

const Names<ThemeMode>& themeModeNames()
{
    static const Names<ThemeMode> names{{ThemeMode::light, ThemeMode::dark, ThemeMode::automatic},
                                        {QStringLiteral("light"), QStringLiteral("dark"), QStringLiteral("auto")}};
    return names;
}

template <typename T>
QString rawOf(const Names<T>& names, T value)
{
    return names.raw.value(names.cases.indexOf(value));
}

template <typename T>
std::optional<T> fromRaw(const Names<T>& names, const QString& raw)
{
    const qsizetype i = names.raw.indexOf(raw);
    if (i < 0)
        return std::nullopt;
    return names.cases.at(i);
}

// Lenient field readers: each leaves the field alone when the value is absent,
// null or of another type.
class Reader
{
public:
    explicit Reader(const QJsonObject& object)
        : m_object(object)
    {
    }

    void text(const char* key, QString& field) const
    {
        const QJsonValue v = value(key);
        if (v.isString())
            field = v.toString();
    }
    void boolean(const char* key, bool& field) const
    {
        const QJsonValue v = value(key);
        if (v.isBool())
            field = v.toBool();
    }
    bool integer(const char* key, qint64& field) const
    {
        const QJsonValue v = value(key);
        if (!v.isDouble())
            return false;
        const double d = v.toDouble();
        // Only whole numbers that fit: 300.5 is not a millisecond count.
        if (d != std::floor(d) || d < -9.2e18 || d > 9.2e18)
            return false;
        field = v.toInteger(qint64(d));
        return true;
    }
    void number(const char* key, double& field) const
    {
        const QJsonValue v = value(key);
        if (v.isDouble() && std::isfinite(v.toDouble()))
            field = v.toDouble();
    }
    void optionalNumber(const char* key, std::optional<double>& field) const
    {
        const QJsonValue v = value(key);
        if (v.isDouble() && std::isfinite(v.toDouble()))
            field = v.toDouble();
    }
    void textList(const char* key, QStringList& field) const
    {
        if (const auto list = readTextList(value(key)))
            field = *list;
    }
    // Every readable record is kept; an element that cannot be one is left out.
    template <typename T>
    void records(const char* key, QList<T>& field) const
    {
        const QJsonValue v = value(key);
        if (!v.isArray())
            return;
        QList<T> out;
        for (const QJsonValue& element : v.toArray()) {
            if (const auto record = T::read(element))
                out.append(*record);
        }
        field = out;
    }
    template <typename T>
    void enumeration(const char* key, const Names<T>& names, T& field) const
    {
        const QJsonValue v = value(key);
        if (!v.isString())
            return;
        if (const auto parsed = fromRaw(names, v.toString()))
            field = *parsed;
    }

    bool has(const char* key) const { return m_object.contains(QLatin1String(key)); }
    QJsonValue value(const char* key) const { return m_object.value(QLatin1String(key)); }

    static std::optional<QStringList> readTextList(const QJsonValue& v)
    {
        if (!v.isArray())
            return std::nullopt;
        QStringList out;
        for (const QJsonValue& element : v.toArray()) {
            if (!element.isString())
                return std::nullopt;
            out.append(element.toString());
        }
        return out;
    }

private:
    const QJsonObject& m_object;
};

template <typename T>
QJsonArray toArray(const QList<T>& records)
{
    QJsonArray array;
    for (const T& record : records)
        array.append(record.toJson());
    return array;
}

} // namespace

QString rawValue(HotkeyKind kind)
{
    return rawOf(hotkeyKindNames(), kind);
}
QString rawValue(HotkeyMode mode)
{
    return rawOf(hotkeyModeNames(), mode);
}
QString rawValue(ThemeMode mode)
{
    return rawOf(themeModeNames(), mode);
}
std::optional<HotkeyKind> hotkeyKindFromRaw(const QString& raw)
{
    return fromRaw(hotkeyKindNames(), raw);
}
std::optional<HotkeyMode> hotkeyModeFromRaw(const QString& raw)
{
    return fromRaw(hotkeyModeNames(), raw);
}
std::optional<ThemeMode> themeModeFromRaw(const QString& raw)
{
    return fromRaw(themeModeNames(), raw);
}
const QList<HotkeyKind>& allHotkeyKinds()
{
    return hotkeyKindNames().cases;
}
const QList<HotkeyMode>& allHotkeyModes()
{
    return hotkeyModeNames().cases;
}
const QList<ThemeMode>& allThemeModes()
{
    return themeModeNames().cases;
}

QStringList keycaps(HotkeyKind kind)
{
    const QString ctrl = QStringLiteral("Ctrl");
    const QString super = QStringLiteral("Super");
    switch (kind) {
    case HotkeyKind::control:
        return {ctrl};
    case HotkeyKind::controlFn:
        return {ctrl, super};
    case HotkeyKind::fn:
        return {super};
    case HotkeyKind::rightCommand:
        return {QStringLiteral("Right Alt")};
    case HotkeyKind::controlOption:
        return {ctrl, QStringLiteral("Alt")};
    }
    return {};
}

QString hotkeyTitle(HotkeyKind kind)
{
    if (kind == HotkeyKind::rightCommand)
        return L10n::tr("Right Alt");
    return keycaps(kind).join(QStringLiteral(" + "));
}

QString Config::defaultPrompt()
{
    return QStringLiteral("You are transcribing a voice message. Write technical terms, product names, file paths and "
                          "code identifiers in Latin script. Use normal punctuation and capitalization.");
}

QString Config::directory()
{
    return DataFolder::path();
}

QString Config::filePath()
{
    return QDir(directory()).filePath(QStringLiteral("config.json"));
}

QString Config::audioDirectory()
{
    return QDir(directory()).filePath(QStringLiteral("audio"));
}

QString Config::recordingsDirectory()
{
    // Private to the user and never shared by two data folders: another
    // instance's pending recordings are not this one's to clean.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) {
        const QByteArray data = QFile::encodeName(QFileInfo(directory()).absoluteFilePath());
        const QByteArray id = QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex().left(16);
        return QDir(runtime).filePath(QStringLiteral("kesto-viruz/recordings-") + QString::fromLatin1(id));
    }
    return QDir(directory()).filePath(QStringLiteral("recordings"));
}

QString Config::resolvedApiKey() const
{
    if (!apiKey.isEmpty())
        return apiKey;
    return qEnvironmentVariable("GEMINI_API_KEY");
}

void Config::sanitize()
{
    const Config defaults;
    if (!std::isfinite(keepSilenceSeconds))
        keepSilenceSeconds = defaults.keepSilenceSeconds;
    if (hudX && !std::isfinite(*hudX))
        hudX.reset();
    if (hudY && !std::isfinite(*hudY))
        hudY.reset();
}

QByteArray Config::encode() const
{
    Config c = *this;
    c.sanitize();
    QJsonObject o;
    o.insert(QStringLiteral("apiKey"), c.apiKey);
    o.insert(QStringLiteral("model"), c.model);
    o.insert(QStringLiteral("removeFillers"), c.removeFillers);
    o.insert(QStringLiteral("punctuation"), c.punctuation);
    o.insert(QStringLiteral("resolveCorrections"), c.resolveCorrections);
    o.insert(QStringLiteral("languageCodes"), QJsonArray::fromStringList(c.languageCodes));
    o.insert(QStringLiteral("vocabulary"), toArray(c.vocabulary));
    o.insert(QStringLiteral("snippets"), toArray(c.snippets));
    o.insert(QStringLiteral("prompt"), c.prompt);
    o.insert(QStringLiteral("thinkingLevel"), c.thinkingLevel);
    o.insert(QStringLiteral("insertMethod"), c.insertMethod);
    o.insert(QStringLiteral("newlineMode"), c.newlineMode);
    o.insert(QStringLiteral("hotkey"), rawValue(c.hotkey));
    o.insert(QStringLiteral("hotkeyMode"), rawValue(c.hotkeyMode));
    o.insert(QStringLiteral("holdThresholdMs"), c.holdThresholdMs);
    o.insert(QStringLiteral("minRecordingMs"), c.minRecordingMs);
    o.insert(QStringLiteral("hudVisible"), c.hudVisible);
    if (c.hudX)
        o.insert(QStringLiteral("hudX"), *c.hudX);
    if (c.hudY)
        o.insert(QStringLiteral("hudY"), *c.hudY);
    o.insert(QStringLiteral("inputDeviceID"), c.inputDeviceID);
    o.insert(QStringLiteral("trimSilence"), c.trimSilence);
    o.insert(QStringLiteral("keepSilenceSeconds"), c.keepSilenceSeconds);
    o.insert(QStringLiteral("noiseReduction"), c.noiseReduction);
    o.insert(QStringLiteral("phoneServerEnabled"), c.phoneServerEnabled);
    o.insert(QStringLiteral("phonePort"), c.phonePort);
    o.insert(QStringLiteral("phonePlainPort"), c.phonePlainPort);
    o.insert(QStringLiteral("phonePlainEnabled"), c.phonePlainEnabled);
    o.insert(QStringLiteral("phoneToken"), c.phoneToken);
    o.insert(QStringLiteral("phoneInserts"), c.phoneInserts);
    o.insert(QStringLiteral("theme"), rawValue(c.theme));
    o.insert(QStringLiteral("sounds"), c.sounds);
    o.insert(QStringLiteral("pauseMedia"), c.pauseMedia);
    o.insert(QStringLiteral("notificationsOff"), c.notificationsOff);
    o.insert(QStringLiteral("historyDays"), c.historyDays);
    o.insert(QStringLiteral("keepAudio"), c.keepAudio);
    o.insert(QStringLiteral("onboardingDone"), c.onboardingDone);
    o.insert(QStringLiteral("defaultsVersion"), c.defaultsVersion);
    // QJsonObject keeps its keys sorted, so the file lists them in ascending order.
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

std::optional<Config> Config::decode(const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    const Reader r(object);

    Config c;
    r.text("apiKey", c.apiKey);
    r.text("model", c.model);
    r.boolean("removeFillers", c.removeFillers);
    r.boolean("punctuation", c.punctuation);
    r.boolean("resolveCorrections", c.resolveCorrections);
    r.textList("languageCodes", c.languageCodes);
    r.records("vocabulary", c.vocabulary);
    r.records("snippets", c.snippets);
    r.text("prompt", c.prompt);
    r.text("thinkingLevel", c.thinkingLevel);
    r.text("insertMethod", c.insertMethod);
    r.text("newlineMode", c.newlineMode);
    r.enumeration("hotkey", hotkeyKindNames(), c.hotkey);
    r.enumeration("hotkeyMode", hotkeyModeNames(), c.hotkeyMode);
    r.integer("holdThresholdMs", c.holdThresholdMs);
    r.integer("minRecordingMs", c.minRecordingMs);
    r.boolean("hudVisible", c.hudVisible);
    r.optionalNumber("hudX", c.hudX);
    r.optionalNumber("hudY", c.hudY);
    r.text("inputDeviceID", c.inputDeviceID);
    r.boolean("trimSilence", c.trimSilence);
    r.number("keepSilenceSeconds", c.keepSilenceSeconds);
    r.boolean("noiseReduction", c.noiseReduction);
    r.boolean("phoneServerEnabled", c.phoneServerEnabled);
    r.integer("phonePort", c.phonePort);
    r.integer("phonePlainPort", c.phonePlainPort);
    r.boolean("phonePlainEnabled", c.phonePlainEnabled);
    r.text("phoneToken", c.phoneToken);
    r.boolean("phoneInserts", c.phoneInserts);
    r.enumeration("theme", themeModeNames(), c.theme);
    r.boolean("sounds", c.sounds);
    r.boolean("pauseMedia", c.pauseMedia);
    r.boolean("notificationsOff", c.notificationsOff);
    r.integer("historyDays", c.historyDays);
    r.boolean("keepAudio", c.keepAudio);
    r.boolean("onboardingDone", c.onboardingDone);

    // Old model choice: an early default paired with no thinking level.
    qint64 storedVersion = 1;
    if (!r.integer("defaultsVersion", storedVersion))
        storedVersion = 1;
    if (storedVersion < 2 && c.model == QStringLiteral("gemini-3.7-flash") && c.thinkingLevel.isEmpty()) {
        c.model = QStringLiteral("gemini-3.8-flash");
        c.thinkingLevel = QStringLiteral("low");
    }

    // Keys of the older file format, read only when the new key is absent.
    if (!r.has("removeFillers") && r.value("transcriptionMode").toString() == QStringLiteral("verbatim")) {
        c.removeFillers = false;
        c.resolveCorrections = false;
    }
    if (!r.has("vocabulary")) {
        if (const auto words = Reader::readTextList(r.value("customVocabulary"))) {
            c.vocabulary.clear();
            for (const QString& word : *words)
                c.vocabulary.append(VocabularyWord{QUuid::createUuid(), word, QString()});
        }
    }

    c.defaultsVersion = 2;
    return c;
}

bool Config::save(const QString& path) const
{
    QString error;
    if (!StoreFile::write(path, encode(), StoreFile::Access::owner, &error)) {
        Log::write(QStringLiteral("could not save %1: %2").arg(QFileInfo(path).fileName(), error));
        return false;
    }
    return true;
}

Config Config::load(const QString& path)
{
    QByteArray bytes;
    if (!StoreFile::read(path, &bytes)) {
        if (QFileInfo::exists(path)) {
            // It holds the user's key: unreadable now is no reason to replace it.
            StoreFile::setAside(path);
        }
        const Config defaults;
        defaults.save(path);
        return defaults;
    }
    if (const auto decoded = decode(bytes))
        return *decoded;
    const bool setApart = setAside(path);
    // Once the damaged file is kept aside, what it still holds of value is
    // taken back rather than starting from nothing.
    const Config fresh = setApart ? salvage(bytes) : Config();
    if (fresh != Config())
        Log::write(QStringLiteral("took back from the damaged settings: key=%1 words=%2 snippets=%3")
                       .arg(fresh.apiKey.isEmpty() ? QStringLiteral("no") : QStringLiteral("yes"))
                       .arg(fresh.vocabulary.size())
                       .arg(fresh.snippets.size()));
    fresh.save(path);
    return fresh;
}

Config Config::salvage(const QByteArray& bytes)
{
    Config c;
    const QString text = QString::fromUtf8(bytes);
    // A JSON text value: quotes around anything but a bare quote or backslash.
    const QString string = QStringLiteral("\"(?:[^\"\\\\]|\\\\.)*\"");
    auto decodeString = [](const QString& literal) {
        const QJsonDocument document = QJsonDocument::fromJson((QLatin1Char('[') + literal + QLatin1Char(']')).toUtf8());
        return document.array().at(0).toString();
    };
    const QRegularExpression key(QStringLiteral("\"apiKey\"\\s*:\\s*(") + string + QLatin1Char(')'));
    if (const QRegularExpressionMatch match = key.match(text); match.hasMatch())
        c.apiKey = decodeString(match.captured(1));

    // Words and snippets are flat objects: each one that still parses alone
    // is kept, wherever the damage is.
    static const QRegularExpression flatObject(QStringLiteral("\\{[^{}\\[\\]]*\\}"));
    auto objects = flatObject.globalMatch(text);
    while (objects.hasNext()) {
        const QJsonDocument document = QJsonDocument::fromJson(objects.next().captured().toUtf8());
        if (!document.isObject())
            continue;
        const QJsonObject object = document.object();
        if (object.contains(QStringLiteral("word"))) {
            if (const auto word = VocabularyWord::read(object))
                c.vocabulary << *word;
        } else if (const auto snippet = Snippet::read(object)) {
            c.snippets << *snippet;
        }
    }
    return c;
}

bool Config::setAside(const QString& path)
{
    return StoreFile::setAside(path);
}
