#include "onboarding/InfoCard.h"

#include "design/Animation.h"
#include "design/Elevation.h"
#include "design/Palette.h"
#include "design/Surface.h"
#include "design/TypeModifier.h"
#include "onboarding/Motion.h"

#include <QPainter>

#include <cmath>

namespace {

const TypeModifier type{14, QFont::Normal, 21};
constexpr qreal padX = 17;
constexpr qreal padY = 15;
constexpr qreal radius = 12;
constexpr qreal rise = 6;
constexpr int durationMs = 180;

} // namespace

InfoCard::InfoCard(QWidget* parent)
    : QWidget(parent)
    , m_shown(new AnimatedValue(this, 0))
    , m_shield(new QWidget(parent))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_shield->setObjectName(QStringLiteral("infoCardShield"));
    // Clicks on it go to its parents, never to the controls it covers.
    m_shield->setCursor(Qt::ArrowCursor);
    m_shield->hide();
    connect(m_shown, &AnimatedValue::valueChanged, this, [this](qreal value) {
        if (value <= 0 && !m_open)
            hide();
    });
    hide();
}

void InfoCard::setText(const QString& text)
{
    m_text = text;
    resizeToText();
    update();
}

void InfoCard::resizeToText()
{
    const QMargins room = Shadow::margins(Elevation::Md);
    const qreal textHeight = type.measure(m_text, width - 2 * padX).height();
    resize(width + room.left() + room.right(),
           int(std::ceil(textHeight + 2 * padY)) + room.top() + room.bottom() + int(rise));
}

void InfoCard::placeAt(QPoint point)
{
    const QMargins room = Shadow::margins(Elevation::Md);
    move(point - QPoint(room.left(), room.top()));
}

void InfoCard::setOpen(bool open)
{
    if (open == m_open)
        return;
    m_open = open;
    if (open) {
        placeShield();
        m_shield->show();
        show();
        raiseOverSiblings();
    } else {
        m_shield->hide();
    }
    m_shown->animateTo(open ? 1.0 : 0.0, durationMs, Motion::settle());
    if (!open && !Animation::enabled())
        hide();
}

void InfoCard::raiseOverSiblings()
{
    m_shield->raise();
    raise();
}

void InfoCard::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    placeShield();
}

void InfoCard::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeShield();
}

void InfoCard::placeShield()
{
    const QMargins room = Shadow::margins(Elevation::Md);
    m_shield->setGeometry(QRect(pos() + QPoint(room.left(), room.top()),
                                QSize(width, height() - room.top() - room.bottom() - int(rise))));
}

QRectF InfoCard::cardRect() const
{
    const QMargins room = Shadow::margins(Elevation::Md);
    const qreal offset = rise * (1.0 - m_shown->value());
    return QRectF(room.left(), room.top() + offset, width, height() - room.top() - room.bottom() - rise);
}

void InfoCard::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(m_shown->value());
    const QRectF card = cardRect();
    Surface::card(painter, card, radius, Elevation::Md, Palette::borderDefault);
    type.draw(painter, card.adjusted(padX, padY, -padX, -padY), m_text, Palette::textBody);
}
