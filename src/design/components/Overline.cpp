#include "design/components/Overline.h"

#include "design/Palette.h"
#include "design/Theme.h"

#include <QPainter>

#include <cmath>

Overline::Overline(const QString& text, QWidget* parent)
    : QWidget(parent)
    , m_text(text)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setAccessibleName(text);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

void Overline::setText(const QString& text)
{
    m_text = text;
    setAccessibleName(text);
    updateGeometry();
    update();
}

QSize Overline::sizeHint() const
{
    const QSizeF size = type().measure(shownText());
    return QSize(int(std::ceil(size.width())), int(std::ceil(type().lineHeight())));
}

void Overline::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    type().draw(painter, QRectF(rect()), shownText(), Palette::textTertiary);
}
