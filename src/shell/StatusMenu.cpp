#include "shell/StatusMenu.h"

#include "core/L10n.h"
#include "core/TextUtil.h"

namespace StatusMenu {

namespace {

StatusMenuItem separator()
{
    StatusMenuItem item;
    item.kind = StatusMenuItem::Kind::separator;
    return item;
}

StatusMenuItem disabled(const QString& title)
{
    StatusMenuItem item;
    item.kind = StatusMenuItem::Kind::disabled;
    item.title = title;
    return item;
}

StatusMenuItem action(const QString& title, StatusMenuItem::Action action)
{
    StatusMenuItem item;
    item.title = title;
    item.action = action;
    return item;
}

StatusMenuItem microphoneItem(const StatusMenuInput& input)
{
    StatusMenuItem menu;
    menu.kind = StatusMenuItem::Kind::submenu;
    menu.title = L10n::tr("Microphone: %1").arg(input.microphoneName);
    StatusMenuItem systemDefault = action(L10n::tr("System default"), StatusMenuItem::Action::pickMicrophone);
    systemDefault.checkable = true;
    systemDefault.checked = input.inputDeviceID.isEmpty();
    menu.children.append(systemDefault);
    for (const auto& [id, name] : input.inputs) {
        StatusMenuItem device = action(name, StatusMenuItem::Action::pickMicrophone);
        device.data = id;
        device.checkable = true;
        device.checked = !input.inputDeviceID.isEmpty() && id == input.inputDeviceID;
        menu.children.append(device);
    }
    return menu;
}

// The text cut after its first count characters as a reader counts them,
// so that no emoji or accented letter is split in half.
QString preview(const QString& text, int count)
{
    const QString head = TextUtil::leftGraphemes(text, count);
    return head.size() < text.size() ? head + QStringLiteral("...") : head;
}

} // namespace

QString keyName(HotkeyKind kind)
{
    return hotkeyTitle(kind);
}

QString statusLine(const StatusMenuInput& input)
{
    switch (input.phase) {
    case AppState::Phase::recording:
        return L10n::tr("Recording... (Esc to cancel)");
    case AppState::Phase::working:
        return L10n::tr("Transcribing...");
    case AppState::Phase::failed:
        return L10n::tr("Something went wrong");
    case AppState::Phase::idle:
        break;
    }
    if (!input.accessibilityGranted)
        return L10n::tr("Typing and the talk key need X11");
    if (input.hotkeyMode == HotkeyMode::toggle)
        return L10n::tr("Press %1 to talk").arg(keyName(input.hotkey));
    return L10n::tr("Hold %1 to talk").arg(keyName(input.hotkey));
}

QStringList wrapped(const QString& text, int width)
{
    QStringList lines;
    // A menu item shows one line: each line of the text is wrapped on its own.
    for (const QString& paragraph : TextUtil::splitLines(text)) {
        QString line;
        for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (line.size() + word.size() + 1 <= width) {
                if (!line.isEmpty())
                    line += QLatin1Char(' ');
                line += word;
            } else {
                if (!line.isEmpty())
                    lines.append(line);
                line = word;
            }
        }
        if (!line.isEmpty())
            lines.append(line);
    }
    return lines;
}

QString versionLabel()
{
    static const QString label = [] {
        QString version = QStringLiteral(KESTO_VERSION);
        QString build = QStringLiteral(KESTO_BUILD);
        if (version.isEmpty())
            version = QStringLiteral("?");
        if (build.isEmpty())
            build = QStringLiteral("?");
        return QStringLiteral("Kesto Viruz %1 (%2)").arg(version, build);
    }();
    return label;
}

QList<StatusMenuItem> build(const StatusMenuInput& input)
{
    using Action = StatusMenuItem::Action;
    QList<StatusMenuItem> items;
    items.append(disabled(statusLine(input)));
    for (const QString& line : wrapped(input.message, 60))
        items.append(disabled(line));
    items.append(separator());
    items.append(microphoneItem(input));
    items.append(action(L10n::tr("Open Kesto Viruz"), Action::showMainWindow));
    items.append(action(L10n::tr("Settings\u2026"), Action::showSettings));
    items.append(action(L10n::tr("Set up again"), Action::showOnboarding));
    items.append(action(input.hudVisible ? L10n::tr("Hide button") : L10n::tr("Show button"), Action::toggleHUD));
    if (!input.lastTranscript.isEmpty()) {
        items.append(separator());
        items.append(action(L10n::tr("Last text: %1").arg(preview(input.lastTranscript, 48)), Action::copyLast));
        items.append(action(L10n::tr("Insert last text again"), Action::insertLast));
    }
    items.append(separator());
    items.append(disabled(input.versionLabel.isEmpty() ? versionLabel() : input.versionLabel));
    if (input.updaterAvailable && !input.updateOffer.isEmpty())
        items.append(action(L10n::tr("Install Kesto Viruz %1\u2026").arg(input.updateOffer), Action::showUpdate));
    if (input.updaterAvailable)
        items.append(action(L10n::tr("Check for updates"), Action::checkForUpdates));
    items.append(action(L10n::tr("Open logs"), Action::openLog));
    items.append(action(L10n::tr("Quit"), Action::quit));
    return items;
}

} // namespace StatusMenu
