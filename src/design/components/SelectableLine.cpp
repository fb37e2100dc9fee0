#include "design/components/SelectableLine.h"

#include "design/Palette.h"
#include "design/Theme.h"

#include <cmath>

SelectableLine::SelectableLine(const TypeModifier& type, const ColorToken& color, QWidget* parent)
    : QLineEdit(parent)
    , m_color(color)
{
    setReadOnly(true);
    setFrame(false);
    // Its text starts where the text of a label beside it would.
    setTextMargins(-2, 0, 0, 0);
    setContentsMargins(0, 0, 0, 0);
    // Selecting is by the mouse; Tab passes it by like the text around it.
    setFocusPolicy(Qt::ClickFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
    setStyleSheet(QStringLiteral("QLineEdit { background: transparent; border: none; padding: 0; margin: 0; }"));
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setType(type);
    connect(&Theme::instance(), &Theme::changed, this, &SelectableLine::applyColors);
    applyColors();
}

void SelectableLine::setType(const TypeModifier& type)
{
    m_type = type;
    setFont(type.font());
    setFixedHeight(int(std::ceil(type.lineHeight())));
    updateGeometry();
}

void SelectableLine::setLine(const QString& text)
{
    setText(text);
    setCursorPosition(0);
}

QSize SelectableLine::sizeHint() const
{
    return {int(std::ceil(m_type.measure(text()).width())), int(std::ceil(m_type.lineHeight()))};
}

QSize SelectableLine::minimumSizeHint() const
{
    return {0, int(std::ceil(m_type.lineHeight()))};
}

void SelectableLine::applyColors()
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    palette.setColor(QPalette::Text, m_color.color());
    palette.setColor(QPalette::Highlight, Palette::brand.color());
    palette.setColor(QPalette::HighlightedText, Palette::white.color());
    setPalette(palette);
    update();
}
