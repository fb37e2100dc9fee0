#include "settings/SettingsShortcutsTab.h"

#include "core/AppState.h"
#include "core/L10n.h"
#include "design/Palette.h"
#include "design/Surface.h"
#include "design/components/Keycap.h"
#include "design/components/SButton.h"
#include "design/components/SSegmented.h"
#include "design/components/SSelect.h"
#include "settings/SettingsMenu.h"
#include "settings/SettingsRow.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A row of keycaps at its own size.
QWidget* keys(const QStringList& labels)
{
    auto* box = new QWidget;
    box->setObjectName(QStringLiteral("keys"));
    box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    for (const QString& label : labels)
        layout->addWidget(new Keycap(label));
    return box;
}

void setKeys(QWidget* box, const QStringList& labels)
{
    const QList<Keycap*> caps = box->findChildren<Keycap*>(QString(), Qt::FindDirectChildrenOnly);
    for (Keycap* cap : caps)
        delete cap;
    for (const QString& label : labels)
        box->layout()->addWidget(new Keycap(label));
}

// The hold-time row's frame: a divider over its 1-point top padding.
class TopDivided final : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        // The line sits over the row, below the block's own 16-point gap.
        Surface::topBorder(painter, rect().adjusted(0, 16, 0, 0), Palette::borderSubtle);
    }
};

} // namespace

SettingsShortcutsTab::SettingsShortcutsTab(AppState& state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_dictationKeys = keys({});
    m_dictation = new SettingsRow(L10n::tr("Dictation"), {}, 16, 16, true, m_dictationKeys);
    m_dictation->setObjectName(QStringLiteral("dictationRow"));
    layout->addWidget(m_dictation);
    layout->addWidget(new SettingsRow(L10n::tr("Cancel dictation"), L10n::tr("Not typed; kept in History as cancelled"),
                                      16, 16, true, keys({QStringLiteral("Esc")})));
    layout->addWidget(new SettingsRow(L10n::tr("Find"), L10n::tr("In history"), 16, 16, true,
                                      keys({QStringLiteral("Ctrl"), QStringLiteral("K")})));

    m_mode = new SSegmented({{rawValue(HotkeyMode::hold), L10n::tr("Hold")},
                             {rawValue(HotkeyMode::toggle), L10n::tr("Press once")}});
    m_mode->setObjectName(QStringLiteral("mode"));
    m_mode->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(m_mode, &SSegmented::activated, this, [this](const QVariant& value) {
        if (const std::optional<HotkeyMode> mode = hotkeyModeFromRaw(value.toString()))
            m_state.updateConfig([mode](Config& config) { config.hotkeyMode = *mode; });
    });
    m_modeRow = new SettingsRow(L10n::tr("Dictation mode"), {}, 18, 18, true, m_mode);
    m_modeRow->setObjectName(QStringLiteral("modeRow"));
    layout->addWidget(m_modeRow);

    m_changeKeys = new SButton(L10n::tr("Change keys"), ButtonVariant::Secondary, ControlSize::Sm);
    m_changeKeys->setObjectName(QStringLiteral("changeKeys"));
    m_changeKeys->setIcon(QStringLiteral("keyboard"));
    connect(m_changeKeys, &SButton::clicked, this, &SettingsShortcutsTab::chooseKeys);
    layout->addSpacing(16);
    layout->addWidget(m_changeKeys, 0, Qt::AlignLeft);

    m_holdTime = new SSelect({}, {}, ControlSize::Sm);
    m_holdTime->setObjectName(QStringLiteral("holdTime"));
    m_holdTime->setFixedWidth(140);
    connect(m_holdTime, &SSelect::activated, this, [this](const QVariant& value) {
        const qint64 ms = value.toLongLong();
        m_state.updateConfig([ms](Config& config) { config.holdThresholdMs = ms; });
    });
    m_holdBlock = new TopDivided;
    m_holdBlock->setObjectName(QStringLiteral("holdBlock"));
    auto* hold = new QVBoxLayout(m_holdBlock);
    hold->setContentsMargins(0, 17, 0, 0);
    hold->addWidget(new SettingsRow(L10n::tr("Hold time"), L10n::tr("How long to hold the keys before recording starts"),
                                    16, 16, true, m_holdTime));
    layout->addWidget(m_holdBlock);

    connect(&m_state, &AppState::configChanged, this, &SettingsShortcutsTab::refresh);
    refresh();
}

QList<qint64> SettingsShortcutsTab::holdTimes(qint64 current)
{
    QList<qint64> times{150, 200, 300, 400, 500, 600};
    if (!times.contains(current))
        times.append(current);
    std::sort(times.begin(), times.end());
    return times;
}

QStringList SettingsShortcutsTab::keyTitles()
{
    QStringList titles;
    for (HotkeyKind kind : allHotkeyKinds())
        titles << hotkeyTitle(kind);
    return titles;
}

void SettingsShortcutsTab::chooseKeys()
{
    const QList<HotkeyKind>& kinds = allHotkeyKinds();
    const int checked = int(kinds.indexOf(m_state.config().hotkey));
    SettingsMenu::popUp(keyTitles(), checked, m_changeKeys, [this](int index) {
        const QList<HotkeyKind>& kinds = allHotkeyKinds();
        if (index < 0 || index >= kinds.size())
            return;
        const HotkeyKind kind = kinds.at(index);
        m_state.updateConfig([kind](Config& config) { config.hotkey = kind; });
    });
}

void SettingsShortcutsTab::refresh()
{
    const Config& config = m_state.config();
    const bool hold = config.hotkeyMode == HotkeyMode::hold;
    const QStringList caps = keycaps(config.hotkey);
    QStringList shown;
    for (const Keycap* cap : m_dictationKeys->findChildren<Keycap*>(QString(), Qt::FindDirectChildrenOnly))
        shown << cap->label();
    if (shown != caps)
        setKeys(m_dictationKeys, caps);
    m_dictation->setDescription(hold ? L10n::tr("Hold and talk") : L10n::tr("Press once, talk, press again"));
    m_modeRow->setDescription(hold ? L10n::tr("Recording stops when you let go")
                                   : L10n::tr("Recording stops when you press again"));
    m_mode->setSelection(rawValue(config.hotkeyMode));

    ChoiceOptions times;
    for (qint64 ms : holdTimes(config.holdThresholdMs))
        times.append({ms, L10n::tr("%1 ms").arg(ms)});
    m_holdTime->setOptions(times);
    m_holdTime->setSelection(config.holdThresholdMs);
    m_holdBlock->setVisible(hold);
}
