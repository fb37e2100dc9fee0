#include "settings/ModelInstructions.h"

#include "core/AppState.h"
#include "core/L10n.h"
#include "design/Onest.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/components/ControlStyle.h"
#include "design/components/FocusRing.h"
#include "design/components/SSelect.h"
#include "design/components/TextLabel.h"
#include "settings/SettingsGroupLabel.h"
#include "settings/SettingsRow.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

constexpr qreal lineHeight = 20;
constexpr qreal radius = 10;

// The editor's box: card fill and a border that turns to the focus colour,
// edge to edge with the column; the focus ring lies around it, outside.
class EditorField final : public QWidget
{
public:
    explicit EditorField(QTextEdit* editor)
        : m_editor(editor)
    {
        auto* layout = new QVBoxLayout(this);
        // The inner padding: 7 points at the sides, 8 above and below.
        layout->setContentsMargins(7, 8, 7, 8);
        layout->addWidget(editor);
        setFixedHeight(120);
        connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
    }

    void focusChanged()
    {
        const bool focused = m_editor->hasFocus();
        if (focused && !m_ring && parentWidget()) {
            m_ring = new FocusRing(this, [this] {
                QPainterPath shape;
                shape.addRoundedRect(QRectF(rect()), radius, radius);
                return shape;
            });
        }
        if (m_ring)
            m_ring->setVisible(focused && isVisible());
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const bool focused = m_editor->hasFocus();
        const QRectF box(rect());
        ControlPaint::fill(painter, box, radius, Palette::surfaceCard.color());
        ControlPaint::innerBorder(painter, box, radius, (focused ? Palette::borderFocus : Palette::borderDefault).color());
    }

private:
    QTextEdit* m_editor;
    QPointer<FocusRing> m_ring;
};

} // namespace

ModelInstructions::ModelInstructions(AppState& state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("modelInstructions"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(new SettingsGroupLabel(L10n::tr("Model instructions"), 22));

    m_thinking = new SSelect({{QString(), L10n::tr("Model default")},
                              {QStringLiteral("low"), L10n::tr("Low (fastest)")},
                              {QStringLiteral("high"), L10n::tr("High")}},
                             {}, ControlSize::Sm);
    m_thinking->setObjectName(QStringLiteral("thinkingLevel"));
    m_thinking->setFixedWidth(220);
    connect(m_thinking, &SSelect::activated, this, [this](const QVariant& value) {
        const QString level = value.toString();
        m_state.updateConfig([&level](Config& config) { config.thinkingLevel = level; });
    });
    layout->addWidget(new SettingsRow(L10n::tr("Thinking level"), L10n::tr("How much the model thinks before it writes"), 16,
                                      16, true, m_thinking));

    auto* block = new QVBoxLayout;
    block->setContentsMargins(0, 16, 0, 16);
    block->setSpacing(10);
    auto* heading = new QVBoxLayout;
    heading->setSpacing(2);
    heading->addWidget(new TextLabel(L10n::tr("Prompt"), TypeModifier{15, QFont::DemiBold, 20}, Palette::textPrimary));
    heading->addWidget(new TextLabel(L10n::tr("The cleanup switches and the vocabulary are added to it by themselves"),
                                     TypeModifier{13, QFont::Normal, 20}, Palette::textSecondary));
    block->addLayout(heading);

    m_editor = new QTextEdit;
    m_editor->setObjectName(QStringLiteral("prompt"));
    m_editor->setAcceptRichText(false);
    m_editor->setFrameShape(QFrame::NoFrame);
    m_editor->setFont(Onest::font(13, QFont::Normal));
    m_editor->viewport()->setAutoFillBackground(false);
    m_editor->setAutoFillBackground(false);
    m_editor->document()->setDocumentMargin(0);
    // A prompt is no tabulated text: Tab moves on.
    m_editor->setTabChangesFocus(true);
    m_editor->installEventFilter(this);
    connect(m_editor, &QTextEdit::textChanged, this, [this] {
        const QString text = m_editor->toPlainText();
        if (text != m_state.config().prompt)
            m_state.updateConfig([&text](Config& config) { config.prompt = text; });
    });
    m_field = new EditorField(m_editor);
    block->addWidget(m_field);
    layout->addLayout(block);

    connect(&m_state, &AppState::configChanged, this, &ModelInstructions::refresh);
    connect(&Theme::instance(), &Theme::changed, this, &ModelInstructions::refresh);
    refresh();
}

bool ModelInstructions::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_editor && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        static_cast<EditorField*>(m_field)->focusChanged();
    return QWidget::eventFilter(watched, event);
}

void ModelInstructions::refresh()
{
    const Config& config = m_state.config();
    m_thinking->setSelection(config.thinkingLevel);
    QPalette palette = m_editor->palette();
    palette.setColor(QPalette::Text, Palette::textPrimary.color());
    palette.setColor(QPalette::Base, Qt::transparent);
    m_editor->setPalette(palette);
    if (m_editor->toPlainText() != config.prompt) {
        const QSignalBlocker quiet(m_editor);
        m_editor->setPlainText(config.prompt);
        applyLineHeight();
    }
}

void ModelInstructions::applyLineHeight()
{
    // Lines 20 points apart, like the other 13-point texts; new paragraphs
    // take the format of the one they split from.
    QTextCursor cursor(m_editor->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setLineHeight(lineHeight, QTextBlockFormat::FixedHeight);
    cursor.mergeBlockFormat(format);
}
