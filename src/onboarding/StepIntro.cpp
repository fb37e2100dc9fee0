#include "onboarding/StepIntro.h"

#include "design/Elevation.h"
#include "design/Palette.h"
#include "design/components/ControlStyle.h"
#include "design/components/FocusChain.h"
#include "design/components/TextLabel.h"
#include "onboarding/InfoButton.h"
#include "onboarding/InfoCard.h"
#include "onboarding/OnboardingArtwork.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr int mascot = 80;
constexpr int mascotBottomOverhang = 2;
// The shadow's blur radius; the Gaussian's sigma is half of it.
constexpr qreal shadowBlur = 7;
constexpr qreal shadowDrop = 10;

} // namespace

StepIntro::StepIntro(QWidget* cardHost, QWidget* parent)
    : QWidget(parent)
    , m_cardHost(cardHost)
    , m_title(new TextLabel({}, TypeModifier{24, QFont::DemiBold, 30, -0.02}, Palette::textPrimary))
    , m_subtitle(new TextLabel({}, TypeModifier{15, QFont::Normal, 22}, Palette::textSecondary))
    , m_button(new InfoButton)
    , m_card(new InfoCard(cardHost))
{
    m_title->setObjectName(QStringLiteral("stepTitle"));
    m_subtitle->setObjectName(QStringLiteral("stepSubtitle"));
    m_button->setObjectName(QStringLiteral("infoButton"));
    m_card->setObjectName(QStringLiteral("infoCard"));
    m_title->setWordWrap(true);
    m_subtitle->setWordWrap(true);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(overhang);
    column->setSpacing(16);
    column->addSpacing(mascot - overhang.top() - mascotBottomOverhang);
    auto* text = new QVBoxLayout;
    text->setSpacing(6);
    auto* titleRow = new QHBoxLayout;
    titleRow->setSpacing(6);
    titleRow->addWidget(m_title, 0, Qt::AlignVCenter);
    titleRow->addWidget(m_button, 0, Qt::AlignVCenter);
    titleRow->addStretch(1);
    text->addLayout(titleRow);
    text->addWidget(m_subtitle);
    column->addLayout(text);

    connect(m_button, &InfoButton::clicked, this, &StepIntro::infoToggled);
    m_subtitle->installEventFilter(this);
    // The open card's keys come before any control's.
    qApp->installEventFilter(this);
}

bool StepIntro::underCard(const QWidget* widget) const
{
    if (!m_infoOpen || !widget || !m_cardHost->isAncestorOf(widget) || m_card->isAncestorOf(widget))
        return false;
    const QRectF card = m_card->cardRect().translated(m_card->pos());
    const QRect area(widget->mapTo(m_cardHost, QPoint(0, 0)), widget->size());
    return card.intersects(QRectF(area));
}

bool StepIntro::handleKey(QKeyEvent* key)
{
    QWidget* focus = QApplication::focusWidget();
    if (key->key() == Qt::Key_Escape && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        Q_EMIT infoToggled();
        return true;
    }
    bool forward = true;
    if (FocusChain::isFocusMove(key, focus, &forward)) {
        // What the card covers cannot be seen, so it cannot be focused.
        FocusChain::move(focus, forward, window(), [this](QWidget* w) { return !underCard(w); });
        return true;
    }
    return false;
}

void StepIntro::present(OnboardingStep step, const QString& title, const QString& subtitle, const QString& info)
{
    m_artwork = OnboardingArtwork::image(step);
    m_shadow = QImage();
    m_title->setText(title);
    m_subtitle->setText(subtitle);
    m_card->setText(info);
    update();
    placeCard();
}

void StepIntro::setSubtitle(const QString& subtitle)
{
    m_subtitle->setText(subtitle);
}

void StepIntro::setInfoOpen(bool open)
{
    m_infoOpen = open;
    m_button->setOpen(open);
    // Hidden but still taking its room, so nothing below moves.
    m_subtitle->setColor(open ? ControlPaint::clear : Palette::textSecondary);
    placeCard();
    m_card->setOpen(open);
    if (underCard(QApplication::focusWidget()))
        m_button->setFocus(Qt::TabFocusReason);
}

void StepIntro::placeCard()
{
    m_card->placeAt(m_subtitle->mapTo(m_cardHost, QPoint(0, 2)));
}

void StepIntro::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeCard();
}

void StepIntro::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    placeCard();
}

bool StepIntro::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && m_infoOpen && isVisible() && watched->isWidgetType()
        && watched == (QApplication::focusWidget() ? QApplication::focusWidget() : window()))
        return handleKey(static_cast<QKeyEvent*>(event));
    if (watched == m_subtitle && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        placeCard();
    return QWidget::eventFilter(watched, event);
}

QImage StepIntro::shadowOf(const QImage& artwork, qreal dpr)
{
    // The picture's own shape in a soft blue.
    const QImage shape
        = artwork.scaled((QSizeF(mascot, mascot) * dpr).toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QColor blue(37, 99, 235);
    blue.setAlphaF(0.18f);
    QImage shadow = Shadow::ofShape(shape, shadowBlur / 2 * dpr, blue);
    shadow.setDevicePixelRatio(dpr);
    return shadow;
}

qreal StepIntro::shadowRoom(qreal dpr)
{
    return Shadow::blurReach(shadowBlur / 2 * dpr) / dpr;
}

const QImage& StepIntro::shadow()
{
    if ((m_shadow.isNull() || m_shadow.devicePixelRatio() != devicePixelRatioF()) && !m_artwork.isNull())
        m_shadow = shadowOf(m_artwork, devicePixelRatioF());
    return m_shadow;
}

void StepIntro::paintEvent(QPaintEvent*)
{
    if (m_artwork.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage& soft = shadow();
    const qreal pad = shadowRoom(devicePixelRatioF());
    painter.drawImage(QPointF(shadowSide - pad, shadowDrop - pad), soft);
    painter.drawImage(QRectF(shadowSide, 0, mascot, mascot), m_artwork);
}
