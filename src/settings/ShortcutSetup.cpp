#include "settings/ShortcutSetup.h"

#include "core/AppState.h"
#include "core/L10n.h"
#include "design/Palette.h"
#include "design/Surface.h"
#include "design/components/SButton.h"
#include "design/components/SelectableLine.h"
#include "design/components/TextLabel.h"
#include "settings/SettingsRow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace {

class Recipe final : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        Surface::bottomBorder(painter, rect(), Palette::borderSubtle);
    }
};

} // namespace

ShortcutSetup::ShortcutSetup(AppState& state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("shortcutSetup"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_copy = new SButton(L10n::tr("Copy"), ButtonVariant::Secondary, ControlSize::Sm);
    m_copy->setObjectName(QStringLiteral("copyAddress"));
    m_copy->setIcon(QStringLiteral("copy"));
    connect(m_copy, &SButton::clicked, this, &ShortcutSetup::copy);
    m_address = new SettingsRow(L10n::tr("Shortcut address"), {}, 16, 16, true, m_copy);
    m_address->setObjectName(QStringLiteral("shortcutAddress"));
    // The address can also be selected and copied by hand.
    m_addressLine = m_address->makeDescriptionSelectable();
    layout->addWidget(m_address);

    auto* recipe = new Recipe;
    auto* column = new QVBoxLayout(recipe);
    column->setContentsMargins(0, 16, 0, 17);
    column->setSpacing(10);
    auto* heading = new QVBoxLayout;
    heading->setSpacing(2);
    heading->addWidget(new TextLabel(L10n::tr("Make the Shortcut"), TypeModifier{15, QFont::DemiBold, 20}, Palette::textPrimary));
    heading->addWidget(new TextLabel(L10n::tr("In the Shortcuts app on the iPhone"), TypeModifier{13, QFont::Normal, 20},
                                     Palette::textSecondary));
    column->addLayout(heading);
    auto* list = new QVBoxLayout;
    list->setSpacing(4);
    const QStringList texts = steps();
    for (int i = 0; i < texts.size(); ++i) {
        auto* line = new QHBoxLayout;
        line->setSpacing(8);
        auto* number = new TextLabel(QString::number(i + 1) + u'.', TypeModifier{13, QFont::DemiBold, 20}, Palette::textTertiary);
        number->setFixedWidth(16);
        line->addWidget(number, 0, Qt::AlignTop);
        auto* text = new TextLabel(texts.at(i), TypeModifier{13, QFont::Normal, 20}, Palette::textBody);
        text->setWordWrap(true);
        // Grows to the lines it wraps into.
        QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Minimum);
        policy.setHeightForWidth(true);
        text->setSizePolicy(policy);
        line->addWidget(text, 1);
        list->addLayout(line);
    }
    column->addLayout(list);
    layout->addWidget(recipe);

    connect(&m_state, &AppState::phoneChanged, this, &ShortcutSetup::refresh);
    connect(&m_state, &AppState::configChanged, this, &ShortcutSetup::refresh);
    refresh();
}

QString ShortcutSetup::url(bool serverEnabled, const QStringList& shortcutURLs)
{
    return serverEnabled && !shortcutURLs.isEmpty() ? shortcutURLs.first() : QString();
}

QStringList ShortcutSetup::steps()
{
    return {L10n::tr("Create a new shortcut."),
            L10n::tr("Add “Record Audio”. Set it to start right away and to finish on tap."),
            L10n::tr("Add “Get Contents of URL” with the address above. Method: POST. Request Body: File, with the recorded "
                     "audio."),
            L10n::tr("Add “Get Dictionary Value” with the key “text”."),
            L10n::tr("Add “Show Result” to see the text."),
            L10n::tr("Put the shortcut on the Action Button, Back Tap or the Home Screen.")};
}

void ShortcutSetup::refresh()
{
    const bool enabled = m_state.config().phoneServerEnabled;
    const QString address = url(enabled, m_state.shortcutURLs());
    if (!address.isEmpty()) {
        m_addressLine->setType(TypeModifier{13, QFont::Normal, 20, -0.01, true});
        m_address->setDescription(address);
    } else {
        m_addressLine->setType(TypeModifier{13, QFont::Normal, 20});
        m_address->setDescription(enabled ? L10n::tr("The address appears once this computer is on Wi-Fi")
                                          : L10n::tr("The address appears once the phone server is on"));
    }
    m_copy->setEnabled(!address.isEmpty());
}

void ShortcutSetup::copy()
{
    const QString address = url(m_state.config().phoneServerEnabled, m_state.shortcutURLs());
    if (address.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(address);
    m_state.showToast(L10n::tr("Copied"), address, ToastTone::success);
}
