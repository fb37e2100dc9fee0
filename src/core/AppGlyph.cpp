#include "core/AppGlyph.h"

#include "core/History.h"
#include "core/L10n.h"

#include <QList>
#include <QStringList>

namespace {

struct Row
{
    // macOS bundle ids: any id that begins with one matches.
    QStringList prefixes;
    // Linux desktop-file ids and lower-case WM_CLASS names: the whole id, or
    // the name followed by a separator ("code-oss", "firefox_firefox"), so
    // "foot" is not "footnote-editor". A name that ends in a separator is a
    // vendor's and matches any id after it.
    QStringList names;
    QString icon;
    Tone tone;
};

bool isSeparator(QChar c)
{
    return c == u'.' || c == u'-' || c == u'_';
}

bool matchesName(const QString& id, const QString& name)
{
    if (!id.startsWith(name))
        return false;
    return id.size() == name.size() || isSeparator(name.back()) || isSeparator(id.at(name.size()));
}

// Rows are tried in order, and within a row the macOS prefixes, then the
// Linux names; the first that matches wins.
const QList<Row>& table()
{
    static const QList<Row> rows = {
        {{"ru.keepcoder.telegram", "org.telegram", "com.tdesktop"}, {"telegram-desktop", "telegramdesktop"}, "send",
         Tone::blue},
        {{"com.tinyspeck.slackmacgap"}, {"slack", "com.slack.slack"}, "message-square", Tone::purple},
        {{"net.whatsapp", "com.apple.mobilesms", "com.hnc.discord", "com.microsoft.teams", "us.zoom"},
         {"whatsapp", "com.discordapp.discord", "discord", "teams-for-linux", "zoom"}, "message-circle", Tone::green},
        {{"com.anthropic.", "com.openai."}, {"claude", "chatgpt"}, "sparkles", Tone::purple},
        {{"com.todesktop.230313mzl4w4u92", "com.microsoft.vscode", "com.apple.dt.xcode", "dev.zed.", "com.jetbrains.",
          "com.sublimetext.", "com.exafunction.windsurf"},
         {"code", "com.visualstudio.code", "codium", "com.vscodium.codium", "cursor", "zed", "jetbrains-",
          "sublime_text", "windsurf"},
         "code", Tone::teal},
        {{"com.apple.terminal", "com.googlecode.iterm2", "dev.warp.", "com.mitchellh.ghostty"},
         {"org.gnome.terminal", "gnome-terminal", "org.gnome.console", "kgx", "org.kde.konsole", "konsole",
          "xfce4-terminal", "xterm", "uxterm", "kitty", "alacritty", "org.wezfurlong.wezterm", "wezterm", "foot",
          "footclient", "com.gexperts.tilix", "tilix", "terminator", "ghostty"},
         "terminal", Tone::teal},
        {{"com.google.chrome", "com.apple.safari", "company.thebrowser.", "org.mozilla.", "com.microsoft.edgemac",
          "com.brave.", "com.operasoftware.", "com.vivaldi."},
         {"google-chrome", "chromium", "org.chromium.", "firefox", "brave-browser", "microsoft-edge", "opera",
          "vivaldi", "org.gnome.epiphany", "epiphany"},
         "globe", Tone::neutral},
        {{"com.apple.mail", "com.microsoft.outlook", "com.readdle.smartemail", "com.superhuman."},
         {"thunderbird", "org.gnome.evolution", "evolution", "org.gnome.geary", "geary"}, "mail", Tone::pink},
        {{"com.microsoft.word", "com.apple.iwork.pages", "com.apple.notes", "com.apple.textedit", "md.obsidian",
          "notion.id", "com.google.docs"},
         {"obsidian", "libreoffice", "org.libreoffice.", "org.gnome.texteditor", "gnome-text-editor",
          "org.gnome.gedit", "gedit", "notion"},
         "file-text", Tone::blue},
        {{}, {"kesto-viruz"}, "mic", Tone::blue},
    };
    return rows;
}

} // namespace

namespace AppGlyph {

QString name(const HistoryEntry& entry)
{
    if (entry.source == QStringLiteral("phone"))
        return L10n::tr("From phone");
    if (entry.appName)
        return *entry.appName;
    return QStringLiteral("Kesto Viruz");
}

Glyph icon(const std::optional<QString>& bundleID, const QString& source)
{
    if (source == QStringLiteral("phone"))
        return {QStringLiteral("smartphone"), Tone::green};
    if (!bundleID)
        return {QStringLiteral("app-window"), Tone::neutral};
    const QString id = bundleID->toLower();
    for (const Row& row : table()) {
        for (const QString& prefix : row.prefixes) {
            if (id.startsWith(prefix))
                return {row.icon, row.tone};
        }
        for (const QString& name : row.names) {
            if (matchesName(id, name))
                return {row.icon, row.tone};
        }
    }
    return {QStringLiteral("app-window"), Tone::neutral};
}

} // namespace AppGlyph
