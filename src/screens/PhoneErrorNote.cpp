#include "screens/PhoneErrorNote.h"

#include "design/Icon.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/TypeModifier.h"
#include "design/components/ControlStyle.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr int padX = 15;
constexpr int padY = 13;
constexpr int sign = 14;
constexpr int gap = 8;
const TypeModifier type{13, QFont::Normal, 19};

qreal textWidth(int width)
{
    return std::max(1, width - 2 * padX - sign - gap);
}

} // namespace

PhoneErrorNote::PhoneErrorNote(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("phoneError"));
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

void PhoneErrorNote::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    updateGeometry();
    update();
}

int PhoneErrorNote::heightForWidth(int width) const
{
    const qreal text = type.measure(m_text, textWidth(width)).height();
    return int(std::ceil(std::max<qreal>(text, sign + 2))) + 2 * padY;
}

QSize PhoneErrorNote::sizeHint() const
{
    return QSize(480, heightForWidth(480));
}

QSize PhoneErrorNote::minimumSizeHint() const
{
    return QSize(2 * padX + sign + gap + 40, heightForWidth(240));
}

void PhoneErrorNote::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(rect());
    ControlPaint::fill(painter, box, 12, Palette::warningBg.color());
    ControlPaint::innerBorder(painter, box, 12, Palette::warningBorder.color());
    Icon::paint(painter, QStringLiteral("triangle-alert"), QPointF(padX, padY + 2), sign, Palette::warning, 1.75);
    const qreal w = textWidth(width());
    type.draw(painter, QRectF(padX + sign + gap, padY, w, type.measure(m_text, w).height()), m_text, Palette::warning);
}
