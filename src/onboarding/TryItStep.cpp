#include "onboarding/TryItStep.h"

#include "core/AppState.h"
#include "core/L10n.h"
#include "design/Onest.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/components/DictationProgressLabel.h"
#include "design/components/Keycap.h"
#include "design/components/SScrollBar.h"
#include "design/components/SSelect.h"
#include "design/components/TextLabel.h"
#include "onboarding/DefaultButton.h"
#include "onboarding/SampleLevelBars.h"
#include "onboarding/SampleBox.h"
#include "onboarding/StatusLine.h"

#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr qreal sampleLine = 24;

void clearLayout(QLayout* layout)
{
    while (QLayoutItem* item = layout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
}

} // namespace

QString TryItStep::label(HotkeyKind kind)
{
    if (kind == HotkeyKind::rightCommand)
        return L10n::tr("Right Alt");
    return ::keycaps(kind).join(QStringLiteral(" + "));
}

TryItStep::TryItStep(AppState& state, std::function<void(const Config&)> onSave, Clock& clock, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_onSave(std::move(onSave))
    , m_savedKey(state.config().hotkey)
    , m_select(new SSelect({}, {}, ControlSize::Sm))
    , m_box(new SampleBox)
    , m_editor(new QTextEdit(m_box))
    , m_editorOpacity(new QGraphicsOpacityEffect(m_editor))
    , m_cover(new QWidget(m_box))
    , m_active(new QWidget)
    , m_bars(new SampleLevelBars(7, 4, 40, 5, clock))
    , m_listening(new TextLabel(L10n::tr("Listening…"), TypeModifier{13, QFont::Medium, 18}, Palette::brand))
    , m_progress(new DictationProgressLabel(clock))
    , m_idle(new QWidget)
    , m_keys(new QWidget)
    , m_hint(new TextLabel({}, TypeModifier{13, QFont::Normal, 18}, Palette::textSecondary))
    , m_failure(new StatusLine(StatusLine::Kind::problem))
{
    m_select->setObjectName(QStringLiteral("talkKey"));
    m_box->setObjectName(QStringLiteral("sampleBox"));
    m_editor->setObjectName(QStringLiteral("sampleEditor"));
    m_bars->setObjectName(QStringLiteral("levelBars"));
    m_keys->setObjectName(QStringLiteral("keycaps"));
    m_failure->setObjectName(QStringLiteral("tryFailure"));
    m_failure->setMaximumLines(3);

    ChoiceOptions options;
    for (HotkeyKind kind : allHotkeyKinds())
        options.append({QVariant::fromValue(int(kind)), label(kind)});
    m_select->setOptions(options);
    m_select->setSelection(int(state.config().hotkey));
    m_select->setFixedWidth(180);
    connect(m_select, &SSelect::selectionChanged, this, [this](const QVariant& value) {
        const auto kind = HotkeyKind(value.toInt());
        if (kind != m_state.config().hotkey)
            m_state.updateConfig([kind](Config& config) { config.hotkey = kind; });
    });

    auto* keyRow = new QHBoxLayout;
    keyRow->setSpacing(12);
    keyRow->addWidget(new TextLabel(L10n::tr("Talk key"), TypeModifier{14, QFont::DemiBold, 20}, Palette::textSecondary), 1);
    keyRow->addWidget(m_select);

    // The editor keeps its place while hidden; it takes the focus when a
    // dictation starts, so the transcript arrives in it. Tab leaves it: the
    // sample is no tabulated text.
    m_editor->setAcceptRichText(false);
    m_editor->setTabChangesFocus(true);
    m_editor->setFrameShape(QFrame::NoFrame);
    m_editor->viewport()->setAutoFillBackground(false);
    m_editor->setAutoFillBackground(false);
    m_editor->setFont(Onest::font(16, QFont::Normal));
    m_editor->setGraphicsEffect(m_editorOpacity);
    m_editor->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_editor->setVerticalScrollBar(new SScrollBar(Qt::Vertical, m_editor));
    m_editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_editor->document()->setDocumentMargin(0);
    auto* editorFrame = new QVBoxLayout(m_box);
    editorFrame->setContentsMargins(15, 18, 15, 18);
    editorFrame->addWidget(m_editor);

    auto* activeColumn = new QVBoxLayout(m_active);
    activeColumn->setContentsMargins(0, 0, 0, 0);
    activeColumn->setSpacing(12);
    activeColumn->addWidget(m_bars, 0, Qt::AlignHCenter);
    activeColumn->addWidget(m_listening, 0, Qt::AlignHCenter);
    activeColumn->addWidget(m_progress, 0, Qt::AlignHCenter);
    m_progress->setFont(TypeModifier{13, QFont::Medium, 18}.font());

    auto* idleColumn = new QVBoxLayout(m_idle);
    idleColumn->setContentsMargins(0, 0, 0, 0);
    idleColumn->setSpacing(12);
    auto* keys = new QHBoxLayout(m_keys);
    keys->setContentsMargins(0, 0, 0, 0);
    keys->setSpacing(8);
    idleColumn->addWidget(m_keys, 0, Qt::AlignHCenter);
    idleColumn->addWidget(m_hint, 0, Qt::AlignHCenter);

    // Clicks fall through the cover to the box, which focuses the editor.
    auto* cover = new QVBoxLayout(m_cover);
    cover->setContentsMargins(15, 0, 15, 0);
    cover->addStretch(1);
    cover->addWidget(m_active);
    cover->addWidget(m_idle);
    cover->addStretch(1);
    m_box->setCover(m_cover);
    connect(m_box, &SampleBox::pressed, this, [this] { m_editor->setFocus(Qt::MouseFocusReason); });

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(14);
    column->addLayout(keyRow);
    column->addWidget(m_box);
    column->addWidget(m_failure);
    column->addStretch(1);

    connect(m_editor, &QTextEdit::textChanged, this, [this] {
        styleEditor();
        refresh();
    });
    connect(&m_state, &AppState::phaseChanged, this, [this] {
        // Every try starts with an empty box.
        if (m_state.phase() == Phase::recording && !m_editor->document()->isEmpty())
            m_editor->clear();
        if (m_state.phase() == Phase::recording && isVisible())
            m_editor->setFocus(Qt::OtherFocusReason);
        // A dictation that failed, was cancelled or was too short brings no
        // text and leaves the box hidden: the editor lets go, so Return
        // presses Done again. (A transcribed one's text may still be on its
        // way through the X server.)
        const Phase before = std::exchange(m_phase, m_state.phase());
        const bool noText = m_state.phase() == Phase::failed
                            || (m_state.phase() == Phase::idle && before == Phase::recording);
        if (noText && sample().trimmed().isEmpty())
            DefaultButton::releaseFocus(m_editor);
        m_progress->setProgress(m_state.processingStarted(),
                                [this](const QDateTime& at) { return m_state.processingMessage(at); });
        refresh();
    });
    connect(&m_state, &AppState::levelChanged, this, [this] { m_bars->setLevel(m_state.level()); });
    connect(&m_state, &AppState::messageChanged, this, &TryItStep::refresh);
    connect(&m_state, &AppState::configChanged, this, [this] {
        const HotkeyKind kind = m_state.config().hotkey;
        m_select->setSelection(int(kind));
        // A new talk key is stored and in force before the user tries it.
        if (kind != m_savedKey) {
            m_savedKey = kind;
            m_onSave(m_state.config());
        }
        rebuildKeycaps();
        refresh();
    });
    connect(&Theme::instance(), &Theme::changed, this, &TryItStep::styleEditor);
    rebuildKeycaps();
    styleEditor();
    refresh();
}

QString TryItStep::sample() const
{
    return m_editor->toPlainText();
}

void TryItStep::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Text typed into a box that shows nothing would be lost from sight.
    if (m_state.phase() == Phase::recording || m_state.phase() == Phase::working || !sample().trimmed().isEmpty())
        m_editor->setFocus(Qt::OtherFocusReason);
}

void TryItStep::styleEditor()
{
    QPalette palette = m_editor->palette();
    palette.setColor(QPalette::Text, Palette::textPrimary.color());
    palette.setColor(QPalette::Base, Qt::transparent);
    m_editor->setPalette(palette);
    QPalette progress = m_progress->palette();
    progress.setColor(QPalette::WindowText, Palette::brand.color());
    m_progress->setPalette(progress);

    // Lines 24 points apart, whatever the face's own spacing.
    QTextCursor cursor(m_editor->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setLineHeight(sampleLine, QTextBlockFormat::FixedHeight);
    const QSignalBlocker blocker(m_editor);
    cursor.mergeBlockFormat(format);
}

void TryItStep::rebuildKeycaps()
{
    const QString key = label(m_state.config().hotkey);
    clearLayout(m_keys->layout());
    const QStringList names = key.split(QStringLiteral(" + "));
    for (int i = 0; i < names.size(); ++i) {
        if (i > 0) {
            auto* plus = new TextLabel(QStringLiteral("+"), TypeModifier{14, QFont::Normal, std::nullopt}, Palette::textTertiary);
            m_keys->layout()->addWidget(plus);
        }
        m_keys->layout()->addWidget(new Keycap(names.at(i), true, false));
    }
    m_hint->setText(m_state.config().hotkeyMode == HotkeyMode::hold ? L10n::tr("Hold the keys and talk")
                                                                    : L10n::tr("Press the keys and talk"));
}

void TryItStep::refresh()
{
    const Phase phase = m_state.phase();
    const bool recording = phase == Phase::recording;
    const bool active = recording || phase == Phase::working;
    const bool hasText = !sample().trimmed().isEmpty();
    const bool filled = !active && hasText;

    m_box->setLook(recording ? SampleBox::Look::recording
                   : active  ? SampleBox::Look::working
                   : filled  ? SampleBox::Look::filled
                             : SampleBox::Look::waiting);
    m_editorOpacity->setOpacity(filled ? 1.0 : 0.0);
    m_cover->setVisible(!filled);
    // Hidden, the editor is out of the Tab chain; a click still reaches it.
    m_editor->setFocusPolicy(filled ? Qt::StrongFocus : Qt::ClickFocus);
    m_active->setVisible(active);
    m_idle->setVisible(!active && !hasText);
    m_bars->setLevel(recording ? m_state.level() : 0.0);
    m_bars->setAnimated(recording);
    m_bars->setOpacity(recording ? 1.0 : 0.4);
    m_listening->setVisible(recording);
    m_progress->setVisible(active && !recording);
    m_failure->setText(m_state.message());
    m_failure->setVisible(phase == Phase::failed && !m_state.message().isEmpty());
}
