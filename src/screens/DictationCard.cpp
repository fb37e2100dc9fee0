#include "screens/DictationCard.h"

#include "core/AppState.h"
#include "core/L10n.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/components/ControlStyle.h"
#include "design/components/DictationProgressLabel.h"
#include "design/components/Keycap.h"
#include "design/components/SButton.h"
#include "design/components/TextLabel.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace {

const TypeModifier statusType{12, QFont::DemiBold, 20};

const ColorToken& statusColour(Phase phase)
{
    switch (phase) {
    case Phase::idle:
        return Palette::green600;
    case Phase::recording:
        return Palette::red600;
    case Phase::working:
        return Palette::purple600;
    case Phase::failed:
        return Palette::amber600;
    }
    return Palette::textSecondary;
}

bool ownRecording(const AppState& state)
{
    return state.phase() == Phase::recording && state.target() == Target::historyOnly();
}

} // namespace

DictationCard::DictationCard(AppState& state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_status(new TextLabel({}, statusType, Palette::green600, this))
    , m_progress(new DictationProgressLabel(state.clock(), this))
    , m_keys(new QHBoxLayout)
    , m_hint(new TextLabel({}, TypeModifier{13, QFont::Normal, 18}, Palette::textSecondary, this))
    , m_button(new SButton({}, ButtonVariant::Soft, ControlSize::Sm, this))
{
    setObjectName(QStringLiteral("dictationCard"));
    m_status->setObjectName(QStringLiteral("dictationStatus"));
    m_status->setAlignment(Qt::AlignRight);
    m_progress->setObjectName(QStringLiteral("dictationProgress"));
    m_progress->setFont(statusType.font());
    m_progress->setFixedHeight(20);
    m_progress->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_progress->setElided(true);
    m_hint->setWordWrap(true);
    m_hint->setObjectName(QStringLiteral("dictationHint"));
    m_button->setObjectName(QStringLiteral("dictationButton"));
    m_button->setBlock(true);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(15, 15, 15, 15);
    column->setSpacing(12);

    auto* title = new QHBoxLayout;
    title->setSpacing(8);
    auto* heading = new TextLabel(L10n::tr("Dictation"), TypeModifier{13, QFont::DemiBold, 20}, Palette::textSecondary, this);
    heading->setObjectName(QStringLiteral("dictationTitle"));
    // The title holds; the status beside it gives way.
    heading->setMinimumWidth(heading->sizeHint().width());
    heading->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    title->addWidget(heading);
    title->addStretch(1);
    title->addWidget(m_status);
    title->addWidget(m_progress, 1);
    column->addLayout(title);

    m_keys->setSpacing(8);
    column->addLayout(m_keys);
    column->addWidget(m_hint);
    column->addWidget(m_button);

    connect(m_button, &SButton::clicked, this, [this] { m_state.actions().toggleDictation(Target::historyOnly()); });
    connect(&state, &AppState::phaseChanged, this, &DictationCard::refresh);
    connect(&state, &AppState::dictationChanged, this, &DictationCard::refresh);
    connect(&state, &AppState::configChanged, this, &DictationCard::refresh);
    connect(&Theme::instance(), &Theme::changed, this, &DictationCard::refresh);
    refresh();
}

DictationCard::Look DictationCard::look(const AppState& state)
{
    Look look;
    switch (state.phase()) {
    case Phase::idle:
        look.status = L10n::tr("Ready");
        break;
    case Phase::recording:
        look.status = L10n::tr("Listening…");
        break;
    case Phase::working:
        look.progress = true;
        break;
    case Phase::failed:
        look.status = L10n::tr("Error");
        break;
    }
    look.keysActive = state.phase() == Phase::recording;
    if (ownRecording(state)) {
        look.button = Look::Button::stop;
    } else {
        // No second dictation while one from the key, the pill or the phone runs.
        look.buttonEnabled = state.phase() == Phase::idle || state.phase() == Phase::failed;
    }
    return look;
}

QString DictationCard::statusText() const
{
    return m_progress->isHidden() ? m_status->text() : m_progress->text();
}

QList<Keycap*> DictationCard::keycaps() const
{
    QList<Keycap*> caps;
    for (int i = 0; i < m_keys->count(); ++i)
        if (auto* cap = qobject_cast<Keycap*>(m_keys->itemAt(i)->widget()))
            caps.append(cap);
    return caps;
}

QString DictationCard::hint() const
{
    return m_hint->text();
}

void DictationCard::refresh()
{
    const Look now = look(m_state);
    const Phase phase = m_state.phase();
    m_status->setVisible(!now.progress);
    m_progress->setVisible(now.progress);
    m_status->setText(now.status);
    m_status->setColor(statusColour(phase));
    QPalette palette = m_progress->palette();
    palette.setColor(QPalette::WindowText, statusColour(phase).color());
    m_progress->setPalette(palette);
    if (now.progress) {
        const AppState* state = &m_state;
        m_progress->setProgress(m_state.processingStarted(),
                                [state](const QDateTime& at) { return state->processingMessage(at); });
    }

    rebuildKeys();
    for (Keycap* cap : keycaps())
        cap->setActive(now.keysActive);

    m_hint->setText(m_state.config().hotkeyMode == HotkeyMode::hold
                        ? L10n::tr("Hold and talk. When you let go, the text is typed where the cursor is.")
                        : L10n::tr("Press once and talk. Press again and the text is typed."));
    const QMargins margins = layout()->contentsMargins();
    if (width() > margins.left() + margins.right())
        m_hint->setFixedHeight(m_hint->heightForWidth(width() - margins.left() - margins.right()));

    if (now.button == Look::Button::stop) {
        m_button->setText(L10n::tr("Stop"));
        m_button->setVariant(ButtonVariant::Danger);
        m_button->setIcon(QStringLiteral("square"));
    } else {
        m_button->setText(L10n::tr("Try it"));
        m_button->setVariant(ButtonVariant::Soft);
        m_button->setIcon(QStringLiteral("mic"));
    }
    m_button->setEnabled(now.buttonEnabled);
}

void DictationCard::rebuildKeys()
{
    const QStringList labels = ::keycaps(m_state.config().hotkey);
    if (labels == m_keyLabels)
        return;
    m_keyLabels = labels;
    while (QLayoutItem* item = m_keys->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (int i = 0; i < labels.size(); ++i) {
        if (i > 0)
            m_keys->addWidget(new TextLabel(QStringLiteral("+"), TypeModifier{14, QFont::Normal, {}}, Palette::textTertiary,
                                            this));
        m_keys->addWidget(new Keycap(labels.at(i), true, false, this));
    }
    m_keys->addStretch(1);
}

void DictationCard::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The hint wraps to the card's width, never cut.
    const QMargins margins = layout()->contentsMargins();
    m_hint->setFixedHeight(m_hint->heightForWidth(width() - margins.left() - margins.right()));
}

void DictationCard::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    ControlPaint::fill(painter, rect(), 16, Palette::surfaceSubtle.color());
    ControlPaint::innerBorder(painter, rect(), 16, Palette::borderDefault.color());
}
