#include "settings/SettingsAdvancedTab.h"

#include "core/AppState.h"
#include "core/DataActions.h"
#include "core/L10n.h"
#include "design/FilePicker.h"
#include "design/components/SButton.h"
#include "design/components/SInput.h"
#include "design/components/SSelect.h"
#include "design/components/TextLabel.h"
#include "design/components/TwoStepConfirm.h"
#include "settings/ModelInstructions.h"
#include "settings/SettingsGroupLabel.h"
#include "settings/SettingsRow.h"
#include "settings/SettingsSwitch.h"
#include "settings/ShortcutSetup.h"

#include <QDir>
#include <QFileInfo>
#include <QVBoxLayout>

SettingsAdvancedTab::SettingsAdvancedTab(AppState& state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_wipe(new TwoStepConfirm(Clock::system(), this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_insertion = new SSelect({{QStringLiteral("paste"), L10n::tr("Paste (Ctrl+V)")},
                               {QStringLiteral("type"), L10n::tr("Type it out")}},
                              {}, ControlSize::Sm);
    m_insertion->setObjectName(QStringLiteral("insertMethod"));
    m_insertion->setFixedWidth(180);
    connect(m_insertion, &SSelect::activated, this, [this](const QVariant& value) {
        const QString method = value.toString();
        m_state.updateConfig([&method](Config& config) { config.insertMethod = method; });
    });
    layout->addWidget(new SettingsRow(L10n::tr("Text insertion"), L10n::tr("How the text gets into the app"), 16, 16, true,
                                      m_insertion));

    // The key names stay as they are on the keys in every language.
    m_lineBreak = new SSelect({{QStringLiteral("shiftReturn"), L10n::tr("Shift + Enter (does not send)")},
                               {QStringLiteral("optionReturn"), QStringLiteral("Alt + Enter")},
                               {QStringLiteral("return"), QStringLiteral("Enter")},
                               {QStringLiteral("space"), L10n::tr("A space instead")}},
                              {}, ControlSize::Sm);
    m_lineBreak->setObjectName(QStringLiteral("newlineMode"));
    m_lineBreak->setFixedWidth(240);
    connect(m_lineBreak, &SSelect::activated, this, [this](const QVariant& value) {
        const QString mode = value.toString();
        m_state.updateConfig([&mode](Config& config) { config.newlineMode = mode; });
    });
    m_lineBreakRow = new SettingsRow(L10n::tr("Line break"), L10n::tr("A plain Enter sends the message in a chat"), 16, 16,
                                     true, m_lineBreak);
    m_lineBreakRow->setObjectName(QStringLiteral("lineBreakRow"));
    layout->addWidget(m_lineBreakRow);

    m_keepAudio = addSwitch(QStringLiteral("keepAudio"), L10n::tr("Keep audio files"),
                            L10n::tr("Recordings stay in the data folder after they are written out"));
    connect(m_keepAudio, &SettingsSwitch::toggled, this,
            [this](bool on) { m_state.updateConfig([on](Config& config) { config.keepAudio = on; }); });

    layout->addWidget(new SettingsGroupLabel(L10n::tr("Phone"), 22));
    m_phoneServer = addSwitch(QStringLiteral("phoneServer"), L10n::tr("Phone server"),
                              L10n::tr("A phone on the same Wi-Fi can dictate into this computer"));
    connect(m_phoneServer, &SettingsSwitch::toggled, this,
            [this](bool on) { m_state.updateConfig([on](Config& config) { config.phoneServerEnabled = on; }); });
    addPortRow(m_port, QStringLiteral("phonePort"), L10n::tr("Port"), L10n::tr("The secure address of the phone page"),
               false);
    m_phoneInserts = addSwitch(QStringLiteral("phoneInserts"), L10n::tr("Type phone text into the front app"),
                               L10n::tr("Otherwise it is only kept in History"));
    connect(m_phoneInserts, &SettingsSwitch::toggled, this,
            [this](bool on) { m_state.updateConfig([on](Config& config) { config.phoneInserts = on; }); });
    m_phonePlain = addSwitch(QStringLiteral("phonePlain"), L10n::tr("HTTP for iOS Shortcuts"),
                             L10n::tr("Shortcuts cannot use the secure address; this one is not encrypted"));
    connect(m_phonePlain, &SettingsSwitch::toggled, this,
            [this](bool on) { m_state.updateConfig([on](Config& config) { config.phonePlainEnabled = on; }); });
    addPortRow(m_plainPort, QStringLiteral("phonePlainPort"), L10n::tr("HTTP port"), L10n::tr("The address for iOS Shortcuts"),
               true);
    m_shortcutSetup = new ShortcutSetup(m_state);
    layout->addWidget(m_shortcutSetup);

    layout->addWidget(new SettingsGroupLabel(L10n::tr("Data"), 22));
    m_history = new SSelect({}, {}, ControlSize::Sm);
    m_history->setObjectName(QStringLiteral("historyDays"));
    m_history->setFixedWidth(180);
    connect(m_history, &SSelect::activated, this, [this](const QVariant& value) {
        const qint64 days = value.toLongLong();
        m_state.updateConfig([days](Config& config) { config.historyDays = days; });
    });
    layout->addWidget(new SettingsRow(L10n::tr("Keep history"), L10n::tr("Older entries are deleted automatically"), 16, 16,
                                      true, m_history));

    auto* open = new SButton(L10n::tr("Open"), ButtonVariant::Secondary, ControlSize::Sm);
    open->setObjectName(QStringLiteral("openFolder"));
    open->setIcon(QStringLiteral("folder-open"));
    connect(open, &SButton::clicked, this, [] { DataActions::openFolder(); });
    auto* folder = new SettingsRow(L10n::tr("Data folder"), displayPath(Config::directory()), 16, 16, true, open);
    folder->setObjectName(QStringLiteral("dataFolder"));
    folder->descriptionLabel()->setType(TypeModifier{13, QFont::Normal, 20, -0.01, true});
    layout->addWidget(folder);

    auto* exportButton = new SButton(L10n::tr("Export all"), ButtonVariant::Secondary, ControlSize::Sm);
    exportButton->setObjectName(QStringLiteral("exportAll"));
    exportButton->setIcon(QStringLiteral("download"));
    connect(exportButton, &SButton::clicked, this, &SettingsAdvancedTab::exportAll);
    layout->addWidget(new SettingsRow(L10n::tr("Export"), L10n::tr("Save history, notes and vocabulary in one file"), 16, 16,
                                      true, exportButton));

    m_wipeButton = new SButton({}, ButtonVariant::Danger, ControlSize::Sm);
    m_wipeButton->setObjectName(QStringLiteral("wipe"));
    m_wipeButton->setIcon(QStringLiteral("trash-2"));
    connect(m_wipeButton, &SButton::clicked, m_wipe, &TwoStepConfirm::press);
    connect(m_wipe, &TwoStepConfirm::armedChanged, this, &SettingsAdvancedTab::refresh);
    connect(m_wipe, &TwoStepConfirm::confirmed, this, &SettingsAdvancedTab::wipeAll);
    m_wipeRow = new SettingsRow(L10n::tr("Delete all data"), {}, 16, 16, false, m_wipeButton);
    m_wipeRow->setObjectName(QStringLiteral("wipeRow"));
    layout->addWidget(m_wipeRow);

    m_instructions = new ModelInstructions(m_state);
    layout->addWidget(m_instructions);

    connect(&m_state, &AppState::configChanged, this, &SettingsAdvancedTab::refresh);
    refresh();
}

SettingsSwitch* SettingsAdvancedTab::addSwitch(const QString& name, const QString& title, const QString& description)
{
    auto* row = new SettingsSwitch(title, description, false);
    row->setObjectName(name);
    layout()->addWidget(row);
    return row;
}

void SettingsAdvancedTab::addPortRow(PortField& field, const QString& name, const QString& title,
                                     const QString& description, bool plain)
{
    field.input = new SInput({}, ControlSize::Sm);
    field.input->setObjectName(name);
    field.input->setFixedWidth(110);
    field.description = description;
    // A usable port is stored when the typing is done (Return or leaving the
    // field), so the phone link restarts once, on the port meant.
    const auto commit = [this, input = field.input, plain] {
        const Config& config = m_state.config();
        if (!portProblem(input->text(), plain ? config.phonePort : config.phonePlainPort).isEmpty())
            return;
        const qint64 port = input->text().trimmed().toLongLong();
        m_state.updateConfig([port, plain](Config& c) { (plain ? c.phonePlainPort : c.phonePort) = port; });
    };
    connect(field.input, &SInput::submitted, this, commit);
    connect(field.input, &SInput::focusChanged, this, [commit](bool focused) {
        if (!focused)
            commit();
    });
    connect(field.input, &SInput::textChanged, this, &SettingsAdvancedTab::refresh);
    field.row = new SettingsRow(title, description, 16, 16, true, field.input);
    field.row->setObjectName(name + QStringLiteral("Row"));
    layout()->addWidget(field.row);
}

QString SettingsAdvancedTab::portProblem(const QString& text, qint64 other)
{
    bool number = false;
    const qint64 port = text.trimmed().toLongLong(&number);
    if (!number || port < 1024 || port > 65535)
        return L10n::tr("Use a number from 1024 to 65535");
    if (port == other)
        return L10n::tr("The two ports must differ");
    return {};
}

void SettingsAdvancedTab::refreshPort(PortField& field, qint64 port, qint64 other)
{
    // A port stored elsewhere replaces the field; a half-typed one stays, marked.
    if (port != field.shown) {
        field.shown = port;
        field.input->setText(QString::number(port));
    }
    const QString typed = field.input->text();
    const QString problem = typed.trimmed() == QString::number(port) ? QString() : portProblem(typed, other);
    field.input->setError(!problem.isEmpty());
    field.row->setDescription(problem.isEmpty() ? field.description : problem);
}

QList<qint64> SettingsAdvancedTab::keepDays(qint64 current)
{
    QList<qint64> days{0, 90, 30, 7};
    if (!days.contains(current))
        days.append(current);
    return days;
}

QString SettingsAdvancedTab::displayPath(const QString& path)
{
    const QString home = QDir::homePath();
    const QString clean = QDir::cleanPath(path);
    if (clean == home)
        return QStringLiteral("~");
    if (clean.startsWith(home + u'/'))
        return u'~' + clean.mid(home.size());
    return clean;
}

void SettingsAdvancedTab::refresh()
{
    const Config& config = m_state.config();
    m_insertion->setSelection(config.insertMethod);
    m_lineBreakRow->setVisible(config.insertMethod == QStringLiteral("type"));
    m_lineBreak->setSelection(config.newlineMode);
    m_keepAudio->setChecked(config.keepAudio);
    m_phoneServer->setChecked(config.phoneServerEnabled);
    m_phoneInserts->setChecked(config.phoneInserts);
    m_phonePlain->setChecked(config.phonePlainEnabled);
    m_shortcutSetup->setVisible(config.phonePlainEnabled);
    m_plainPort.row->setVisible(config.phonePlainEnabled);
    refreshPort(m_port, config.phonePort, config.phonePlainPort);
    refreshPort(m_plainPort, config.phonePlainPort, config.phonePort);

    ChoiceOptions days;
    for (qint64 n : keepDays(config.historyDays))
        days.append({n, n == 0 ? L10n::tr("Forever") : L10n::tr("%n days", nullptr, int(n))});
    m_history->setOptions(days);
    m_history->setSelection(config.historyDays);

    const bool armed = m_wipe->isArmed();
    m_wipeRow->setDescription(armed ? L10n::tr("Confirm — this cannot be undone") : L10n::tr("History, notes and vocabulary"));
    m_wipeButton->setText(armed ? L10n::tr("Confirm") : L10n::tr("Delete"));
    m_instructions->setVisible(!config.model.contains(QStringLiteral("transcribe")));
}

void SettingsAdvancedTab::exportAll()
{
    // The dialog itself completes a bare name with ".zip" before asking about
    // replacing a file; nothing is added after its answer.
    const QString path = FilePicker::instance().saveFile(window(), L10n::tr("Export all data"),
                                                         QDir::home().filePath(DataActions::exportFileName()),
                                                         L10n::tr("ZIP archive (*.zip)"));
    if (path.isEmpty())
        return;
    if (const std::optional<QString> error = DataActions::exportAll(m_state, path))
        m_state.showToast(L10n::tr("Export failed"), *error, ToastTone::danger);
    else
        m_state.showToast(L10n::tr("Exported"), QFileInfo(path).fileName(), ToastTone::success);
}

void SettingsAdvancedTab::wipeAll()
{
    const QStringList left = DataActions::wipe(m_state);
    if (left.isEmpty()) {
        m_state.showToast(L10n::tr("Data deleted"), L10n::tr("History, notes and vocabulary were cleared"), ToastTone::info);
        return;
    }
    m_state.showToast(L10n::tr("Not everything was deleted"),
                      L10n::tr("Could not delete: %1").arg(left.join(QStringLiteral(", "))), ToastTone::warning);
}
