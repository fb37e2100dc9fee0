#include "settings/SettingsAITab.h"

#include "core/AppState.h"
#include "core/L10n.h"
#include "core/SpokenLanguage.h"
#include "design/Palette.h"
#include "design/Surface.h"
#include "design/TypeModifier.h"
#include "design/components/AbstractControl.h"
#include "design/components/Badge.h"
#include "design/components/ChoiceOption.h"
#include "design/components/ControlStyle.h"
#include "design/components/FlowLayout.h"
#include "design/components/InfoNote.h"
#include "design/components/SIconButton.h"
#include "design/components/SInput.h"
#include "design/components/SSelect.h"
#include "design/components/TextLabel.h"
#include "settings/SettingsChip.h"
#include "settings/SettingsGroupLabel.h"
#include "settings/SettingsMenu.h"
#include "settings/SettingsRow.h"
#include "settings/SettingsSwitch.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QPainter>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

const QStringList fixedCodes = {QStringLiteral("uz-UZ"), QStringLiteral("ru-RU"), QStringLiteral("en-US")};

// The key page's host as a link: semibold, in the link colour.
class KeyPageLink final : public AbstractControl
{
public:
    explicit KeyPageLink(QWidget* parent = nullptr)
        : AbstractControl(parent)
    {
        setObjectName(QStringLiteral("keyPageLink"));
        setCursor(Qt::PointingHandCursor);
        setAccessibleName(host());
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        connect(this, &AbstractControl::clicked, this, [] {
            QDesktopServices::openUrl(QUrl(QStringLiteral("https://") + host() + QStringLiteral("/apikey")));
        });
    }

    static QString host() { return QString::fromLatin1(SettingsAITab::keyPageHost); }

    QSize sizeHint() const override
    {
        return QSize(int(std::ceil(type().measure(host()).width())), 20);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        type().draw(painter, rect(), host(), Palette::textLink, Qt::AlignLeft, false);
    }

private:
    static TypeModifier type() { return TypeModifier{13, QFont::DemiBold, 20}; }
};

// The round "+" that opens the menu of the other languages.
class AddLanguageChip final : public AbstractControl
{
public:
    explicit AddLanguageChip(QWidget* parent = nullptr)
        : AbstractControl(parent)
    {
        setObjectName(QStringLiteral("addLanguage"));
        setToolTip(L10n::tr("Add a language"));
        setAccessibleName(L10n::tr("Add a language"));
        setFixedSize(32, 32);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF box = rect();
        ControlPaint::fill(painter, box, 16, ControlPaint::hot(Palette::surfaceCard, Palette::surfaceHover, hoverProgress()));
        ControlPaint::innerBorder(painter, box, 16, Palette::borderDefault.color());
        ControlPaint::icon(painter, QStringLiteral("plus"), box.center() - QPointF(8, 8), 16,
                           ControlPaint::hot(Palette::textBody, Palette::textPrimary, hoverProgress()), 2);
    }

    QPainterPath focusShape() const override { return ControlPaint::rounded(rect(), 16); }
};

// The key block: its own bottom divider under 19 points of room.
class KeyBlock final : public QWidget
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

int tablePosition(const QString& code)
{
    const QList<SpokenLanguage>& all = SpokenLanguage::all();
    for (int i = 0; i < all.size(); ++i) {
        if (all.at(i).code == code)
            return i;
    }
    return int(all.size());
}

} // namespace

SettingsAITab::SettingsAITab(AppState& state, const AppActions& actions, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_actions(actions)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 16, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(makeKeyBlock());

    m_model = new SSelect({}, {}, ControlSize::Sm);
    m_model->setObjectName(QStringLiteral("model"));
    m_model->setFixedWidth(200);
    connect(m_model, &SSelect::activated, this, [this](const QVariant& value) {
        const QString id = value.toString();
        m_state.updateConfig([&id](Config& config) { config.model = id; });
    });
    layout->addWidget(new SettingsRow(L10n::tr("Model"), L10n::tr("Flash — faster, Pro — more accurate"), 16, 16, true,
                                      m_model));

    m_chips = new QWidget;
    m_chips->setObjectName(QStringLiteral("languageChips"));
    auto* flow = new FlowLayout(6, 6, Qt::AlignVCenter, m_chips);
    flow->setContentsMargins(0, 0, 0, 0);
    QSizePolicy chipsPolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    chipsPolicy.setHeightForWidth(true);
    m_chips->setSizePolicy(chipsPolicy);
    // Many languages wrap onto more lines rather than crowd out the row's texts.
    m_chips->setMaximumWidth(380);
    layout->addWidget(new SettingsRow(L10n::tr("Languages"), L10n::tr("Understands you even when you mix languages"), 16,
                                      16, true, m_chips));

    layout->addWidget(new SettingsGroupLabel(L10n::tr("Text cleanup"), 18));
    m_removeFillers = new SettingsSwitch(L10n::tr("Remove filler words"),
                                         L10n::tr("Words like «uh», «um» and «like» are left out"), false);
    m_removeFillers->setObjectName(QStringLiteral("removeFillers"));
    connect(m_removeFillers, &SettingsSwitch::toggled, this,
            [this](bool on) { m_state.updateConfig([on](Config& config) { config.removeFillers = on; }); });
    layout->addWidget(m_removeFillers);
    m_punctuation = new SettingsSwitch(L10n::tr("Punctuation"),
                                       L10n::tr("Puts in commas, full stops and question marks by itself"), false);
    m_punctuation->setObjectName(QStringLiteral("punctuation"));
    connect(m_punctuation, &SettingsSwitch::toggled, this,
            [this](bool on) { m_state.updateConfig([on](Config& config) { config.punctuation = on; }); });
    layout->addWidget(m_punctuation);
    m_resolveCorrections = new SettingsSwitch(L10n::tr("Understand self-corrections"),
                                              L10n::tr("«at ten, no, at eleven» — only the last one is written"), false);
    m_resolveCorrections->setObjectName(QStringLiteral("resolveCorrections"));
    connect(m_resolveCorrections, &SettingsSwitch::toggled, this,
            [this](bool on) { m_state.updateConfig([on](Config& config) { config.resolveCorrections = on; }); });
    layout->addWidget(m_resolveCorrections);

    auto* note = new InfoNote(QStringLiteral("info"),
                              L10n::tr("Your voice goes straight to Google, with your own key. If you go over the free "
                                       "limit, you pay Google directly."),
                              14, false);
    layout->addSpacing(16 - layout->spacing());
    layout->addWidget(note);

    connect(&m_state, &AppState::configChanged, this, &SettingsAITab::refresh);
    connect(&m_state, &AppState::keyStatusChanged, this, &SettingsAITab::refresh);
    refresh();
    // The tab checks a key that nobody has checked yet, once, as it is made.
    if (m_state.keyStatus().kind == KeyStatus::Kind::unknown)
        m_actions.checkKey();
}

QWidget* SettingsAITab::makeKeyBlock()
{
    auto* block = new KeyBlock;
    auto* column = new QVBoxLayout(block);
    column->setContentsMargins(0, 0, 0, 19 + 1);
    column->setSpacing(10);

    auto* header = new QHBoxLayout;
    header->setSpacing(12);
    header->addWidget(new TextLabel(L10n::tr("Gemini API key"), TypeModifier{15, QFont::DemiBold, 20}, Palette::textPrimary));
    header->addStretch(1);
    m_badge = new Badge({}, BadgeTone::Neutral, false, true);
    m_badge->setObjectName(QStringLiteral("keyBadge"));
    header->addWidget(m_badge);
    column->addLayout(header);

    auto* input = new QHBoxLayout;
    input->setSpacing(8);
    m_key = new SInput(L10n::tr("Paste the key here"), ControlSize::Md);
    m_key->setObjectName(QStringLiteral("apiKey"));
    m_key->setIcon(QStringLiteral("key-round"));
    m_key->setSecure(true);
    connect(m_key, &SInput::textChanged, this, [this](const QString& text) {
        if (text != m_state.config().apiKey)
            m_state.updateConfig([&text](Config& config) { config.apiKey = text; });
    });
    input->addWidget(m_key, 1);
    m_show = new SIconButton(QStringLiteral("eye"), IconButtonVariant::Outline, 40);
    m_show->setObjectName(QStringLiteral("showKey"));
    connect(m_show, &SIconButton::clicked, this, [this] {
        m_keyShown = !m_keyShown;
        refreshKey();
    });
    input->addWidget(m_show);
    column->addLayout(input);

    auto* link = new QHBoxLayout;
    link->setSpacing(0);
    link->addWidget(new TextLabel(L10n::tr("Get a key for free:") + QLatin1Char(' '), TypeModifier{13, QFont::Normal, 20},
                                  Palette::textSecondary));
    link->addWidget(new KeyPageLink);
    link->addStretch(1);
    column->addLayout(link);
    return block;
}

QList<ChoiceOption> SettingsAITab::modelOptions(const QStringList& models, const QString& current)
{
    QStringList ids = models;
    if (!ids.contains(current))
        ids.prepend(current);
    QList<ChoiceOption> options;
    for (const QString& id : std::as_const(ids))
        options.append({id, modelLabel(id)});
    return options;
}

QString SettingsAITab::modelLabel(const QString& id)
{
    QStringList pieces = id.split(QLatin1Char('-'), Qt::SkipEmptyParts);
    for (QString& piece : pieces) {
        if (piece.at(0).isLetter())
            piece = piece.at(0).toUpper() + piece.mid(1);
    }
    return pieces.join(QLatin1Char(' '));
}

QStringList SettingsAITab::chipCodes(const QStringList& chosen)
{
    QStringList codes = fixedCodes;
    for (const QString& code : chosen) {
        if (!fixedCodes.contains(code))
            codes << code;
    }
    return codes;
}

QString SettingsAITab::chipName(const QString& code)
{
    if (code == QStringLiteral("uz-UZ"))
        return QStringLiteral("O'zbek");
    if (const std::optional<SpokenLanguage> language = SpokenLanguage::find(code))
        return language->nativeName;
    return code;
}

QStringList SettingsAITab::sorted(const QStringList& codes)
{
    QStringList out = codes;
    std::stable_sort(out.begin(), out.end(),
                     [](const QString& a, const QString& b) { return tablePosition(a) < tablePosition(b); });
    return out;
}

QStringList SettingsAITab::toggled(const QStringList& chosen, const QString& code)
{
    QStringList codes = chosen;
    if (!codes.removeOne(code))
        codes.append(code);
    return sorted(codes);
}

QStringList SettingsAITab::otherLanguages(const QStringList& chosen)
{
    const QStringList chips = chipCodes(chosen);
    QStringList others;
    for (const SpokenLanguage& language : SpokenLanguage::all()) {
        if (!chips.contains(language.code))
            others << language.code;
    }
    return others;
}

void SettingsAITab::toggle(const QString& code)
{
    const QStringList codes = toggled(m_state.config().languageCodes, code);
    m_state.updateConfig([&codes](Config& config) { config.languageCodes = codes; });
}

void SettingsAITab::addLanguage()
{
    const QStringList others = otherLanguages(m_state.config().languageCodes);
    QStringList titles;
    for (const QString& code : others)
        titles << SpokenLanguage::find(code)->nativeName;
    SettingsMenu::popUp(titles, std::nullopt, m_addLanguage, [this, others](int index) {
        if (index >= 0 && index < others.size())
            toggle(others.at(index));
    });
}

void SettingsAITab::refresh()
{
    const Config& config = m_state.config();
    refreshKey();
    m_model->setOptions(modelOptions(m_state.models(), config.model));
    m_model->setSelection(config.model);
    rebuildChips();
    m_removeFillers->setChecked(config.removeFillers);
    m_punctuation->setChecked(config.punctuation);
    m_resolveCorrections->setChecked(config.resolveCorrections);
}

void SettingsAITab::refreshKey()
{
    if (m_key->text() != m_state.config().apiKey)
        m_key->setText(m_state.config().apiKey);
    m_key->setSecure(!m_keyShown);
    m_show->setIcon(m_keyShown ? QStringLiteral("eye-off") : QStringLiteral("eye"));
    m_show->setHelp(m_keyShown ? L10n::tr("Hide") : L10n::tr("Show"));

    const KeyStatus status = m_state.keyStatus();
    m_badge->setToolTip({});
    switch (status.kind) {
    case KeyStatus::Kind::ok:
        m_badge->setText(L10n::tr("Connected"));
        m_badge->setTone(BadgeTone::Success);
        break;
    case KeyStatus::Kind::checking:
        m_badge->setText(L10n::tr("Checking…"));
        m_badge->setTone(BadgeTone::Info);
        break;
    case KeyStatus::Kind::unknown:
        m_badge->setText(L10n::tr("Not checked"));
        m_badge->setTone(BadgeTone::Neutral);
        break;
    case KeyStatus::Kind::failed:
        m_badge->setText(L10n::tr("Error"));
        m_badge->setTone(BadgeTone::Danger);
        // Tooltips render markup: the service's text goes in escaped, as one paragraph.
        m_badge->setToolTip(QStringLiteral("<p>") + status.message.toHtmlEscaped() + QStringLiteral("</p>"));
        break;
    }
}

void SettingsAITab::rebuildChips()
{
    const QStringList chosen = m_state.config().languageCodes;
    const QStringList codes = chipCodes(chosen);
    const bool addable = !otherLanguages(chosen).isEmpty();
    const QStringList wanted = codes + (addable ? QStringList{QStringLiteral("+")} : QStringList{});
    if (wanted != m_chipState) {
        m_chipState = wanted;
        // Later: the chip being clicked, or the menu it opened, may still be on the stack.
        for (QWidget* old : m_chips->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            m_chips->layout()->removeWidget(old);
            old->hide();
            old->setObjectName(QString());
            old->deleteLater();
        }
        m_addLanguage = nullptr;
        for (const QString& code : codes) {
            auto* chip = new SettingsChip(chipName(code), false, m_chips);
            chip->setObjectName(QStringLiteral("chip-") + code);
            connect(chip, &SettingsChip::clicked, this, [this, code] { toggle(code); });
            m_chips->layout()->addWidget(chip);
        }
        if (addable) {
            m_addLanguage = new AddLanguageChip(m_chips);
            connect(static_cast<AbstractControl*>(m_addLanguage), &AbstractControl::clicked, this, &SettingsAITab::addLanguage);
            m_chips->layout()->addWidget(m_addLanguage);
        }
    }
    for (SettingsChip* chip : m_chips->findChildren<SettingsChip*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!chip->objectName().isEmpty())
            chip->setOn(chosen.contains(chip->objectName().mid(5)));
    }
}
