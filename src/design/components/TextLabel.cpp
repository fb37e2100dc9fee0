#include "design/components/TextLabel.h"

#include "design/Theme.h"

#include <QPainter>

#include <cmath>

TextLabel::TextLabel(const QString& text, const TypeModifier& type, const ColorToken& color, QWidget* parent)
    : QWidget(parent)
    , m_text(text)
    , m_type(type)
    , m_color(color)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

void TextLabel::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    changed();
}

void TextLabel::setType(const TypeModifier& type)
{
    if (type == m_type)
        return;
    m_type = type;
    changed();
}

void TextLabel::setColor(const ColorToken& color)
{
    m_color = color;
    update();
}

void TextLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void TextLabel::setWordWrap(bool on)
{
    if (on == m_wrap)
        return;
    m_wrap = on;
    QSizePolicy policy = sizePolicy();
    policy.setHeightForWidth(on);
    // Wrapped text takes the height of its lines at the width it gets.
    policy.setVerticalPolicy(on ? QSizePolicy::Preferred : QSizePolicy::Fixed);
    setSizePolicy(policy);
    changed();
}

QSize TextLabel::sizeHint() const
{
    const QSizeF size = m_type.measure(m_text);
    const qreal height = m_wrap ? size.height() : m_type.lineHeight();
    return QSize(int(std::ceil(size.width())), int(std::ceil(height)));
}

QSize TextLabel::minimumSizeHint() const
{
    // A single line may shrink to its "..." ; wrapped text to one word per line.
    return QSize(m_wrap ? 0 : std::min(sizeHint().width(), 24), int(std::ceil(m_type.lineHeight())));
}

int TextLabel::heightForWidth(int width) const
{
    if (!m_wrap)
        return int(std::ceil(m_type.lineHeight()));
    return int(std::ceil(m_type.measure(m_text, width).height()));
}

void TextLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal height = m_wrap ? rect().height() : m_type.lineHeight();
    const QRectF box(0, (rect().height() - height) / 2, width(), height);
    m_type.draw(painter, box, m_text, m_color, m_alignment, m_wrap);
}

void TextLabel::changed()
{
    updateGeometry();
    update();
}
