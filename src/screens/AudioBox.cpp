#include "screens/AudioBox.h"

#include "core/Format.h"
#include "core/L10n.h"
#include "design/Icon.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/components/ControlStyle.h"
#include "design/components/SButton.h"
#include "design/components/TextLabel.h"
#include "screens/IconSpinner.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr int glyphSize = 18;

const ColorToken& glyphColour(bool warning)
{
    return warning ? Palette::amber600 : Palette::textSecondary;
}

// A still line icon.
class Glyph final : public QWidget {
public:
    Glyph(const QString& icon, const ColorToken& color, QWidget* parent)
        : QWidget(parent)
        , m_icon(icon)
        , m_color(color)
    {
        setFixedSize(glyphSize, glyphSize);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        Icon::paint(painter, m_icon, QPointF(0, 0), glyphSize, m_color, 1.75);
    }

private:
    QString m_icon;
    ColorToken m_color;
};

} // namespace

AudioBox::AudioBox(const Look& look, double duration, QWidget* parent)
    : QWidget(parent)
    , m_row(new QHBoxLayout(this))
    , m_title(new TextLabel({}, TypeModifier{14, QFont::DemiBold, 20}, Palette::textPrimary, this))
    , m_detail(new TextLabel({}, TypeModifier{13, QFont::Normal, 20}, Palette::textSecondary, this))
    , m_button(new SButton({}, ButtonVariant::Secondary, ControlSize::Sm, this))
{
    setObjectName(QStringLiteral("audioBox"));
    m_button->setObjectName(QStringLiteral("retryButton"));
    m_button->setIcon(QStringLiteral("rotate-cw"));
    m_row->setContentsMargins(13, 11, 13, 11);
    m_row->setSpacing(12);
    auto* text = new QVBoxLayout;
    text->setSpacing(0);
    text->addWidget(m_title);
    text->addWidget(m_detail);
    m_row->addLayout(text, 1);
    m_row->addWidget(m_button);
    connect(m_button, &SButton::clicked, this, &AudioBox::retryClicked);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
    setLook(look, duration);
}

void AudioBox::setLook(const Look& look, double duration)
{
    const bool glyphChanged = !m_glyph || look.icon != m_look.icon || look.spinning != m_look.spinning
        || look.warning != m_look.warning;
    m_look = look;
    if (glyphChanged) {
        delete m_glyph;
        if (look.spinning)
            m_glyph = new IconSpinner(look.icon, glyphSize, glyphColour(look.warning), this);
        else
            m_glyph = new Glyph(look.icon, glyphColour(look.warning), this);
        m_glyph->setObjectName(QStringLiteral("audioGlyph"));
        m_row->insertWidget(0, m_glyph, 0, Qt::AlignVCenter);
    }
    m_title->setText(look.title);
    m_detail->setText(look.missing ? L10n::tr("The audio file is missing · %1").arg(Format::duration(duration))
                                   : L10n::tr("Audio saved on your computer · %1").arg(Format::duration(duration)));
    m_button->setText(look.button);
    m_button->setEnabled(look.canRetry);
    m_button->setVisible(!look.missing);
    update();
}

QString AudioBox::detail() const
{
    return m_detail->text();
}

void AudioBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    ControlPaint::fill(painter, rect(), 12, (m_look.warning ? Palette::tintAmberBg : Palette::surfaceSubtle).color());
    ControlPaint::innerBorder(painter, rect(), 12,
                              (m_look.warning ? Palette::tintAmberBorder : Palette::borderDefault).color());
}
