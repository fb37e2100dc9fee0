#include "screens/ToastLayer.h"

#include "core/AppState.h"
#include "design/Animation.h"
#include "design/Elevation.h"
#include "design/components/ToastView.h"
#include "screens/ScreenStyle.h"

#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QVariantAnimation>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal slideDistance = 12;

} // namespace

ToastLayer::ToastLayer(AppState& state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("toastLayer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(&state, &AppState::toastChanged, this, &ToastLayer::refresh);
    refresh();
}

void ToastLayer::refresh()
{
    const std::optional<Toast> toast = m_state.toast();
    if (toast && m_current && toast->id == m_currentID)
        return;
    if (m_current)
        leave(m_current);
    m_current = nullptr;
    m_currentID = {};
    if (!toast)
        return;

    auto* view = new ToastView(toast->title, toast->detail, toast->tone, this);
    view->setObjectName(QStringLiteral("toast"));
    view->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_current = view;
    m_currentID = toast->id;
    view->setProperty("shown", 0.0);
    place(view, Animation::enabled() ? 0.0 : 1.0);
    view->show();
    if (Animation::enabled())
        slide(view, 1.0);
}

void ToastLayer::leave(ToastView* view)
{
    if (!Animation::enabled()) {
        delete view;
        return;
    }
    slide(view, 0.0);
}

void ToastLayer::slide(ToastView* view, qreal target)
{
    // A card that comes in and leaves at once still has its first slide
    // running: that one stops here, so only one animation ever drives the
    // card, and the card keeps the one effect it has. Nothing holds the
    // effect itself: it is looked up on each step.
    for (auto* running : view->findChildren<QVariantAnimation*>(QString(), Qt::FindDirectChildrenOnly))
        delete running;
    if (!qobject_cast<QGraphicsOpacityEffect*>(view->graphicsEffect())) {
        auto* effect = new QGraphicsOpacityEffect(view);
        effect->setOpacity(view->property("shown").toReal());
        view->setGraphicsEffect(effect);
    }
    auto* animation = new QVariantAnimation(view);
    animation->setStartValue(view->property("shown").toReal());
    animation->setEndValue(target);
    animation->setDuration(ScreenStyle::toastDurationMs);
    animation->setEasingCurve(ScreenStyle::overlayCurve());
    connect(animation, &QVariantAnimation::valueChanged, view, [this, view](const QVariant& value) {
        if (auto* effect = qobject_cast<QGraphicsOpacityEffect*>(view->graphicsEffect()))
            effect->setOpacity(value.toReal());
        place(view, value.toReal());
    });
    if (target > 0) {
        // Fully in: no effect left to slow its painting.
        connect(animation, &QVariantAnimation::finished, view, [view] { view->setGraphicsEffect(nullptr); });
    } else {
        connect(animation, &QVariantAnimation::finished, view, &QObject::deleteLater);
    }
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void ToastLayer::place(ToastView* view, qreal shown) const
{
    const QMargins around = Shadow::margins(view->toastStyle().elevation);
    // The card's own edges sit padding away from the layer's edges, or at
    // the bottom of the room.
    QRect area = rect().adjusted(0, 0, -padding, -padding);
    int cardWidth = toastWidth;
    if (m_room && m_room->isVisible()) {
        const QRect room(mapFromGlobal(m_room->mapToGlobal(QPoint(0, 0))), m_room->size());
        area = room.adjusted(0, 0, 0, -roomPadding);
        cardWidth = std::min(toastWidth, room.width());
    }
    const int width = cardWidth + around.left() + around.right();
    const int height = view->heightForWidth(width);
    view->setProperty("shown", shown);
    const int offset = int(std::round((1.0 - shown) * slideDistance));
    const int x = area.right() + 1 - cardWidth - around.left();
    const int y = area.bottom() + 1 - height + around.bottom() + offset;
    view->setGeometry(x, y, width, height);
}

void ToastLayer::setRoom(QWidget* room)
{
    if (m_room)
        m_room->removeEventFilter(this);
    m_room = room;
    if (m_room)
        m_room->installEventFilter(this);
    placeAll();
}

bool ToastLayer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_room) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            placeAll();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ToastLayer::placeAll()
{
    for (auto* view : findChildren<ToastView*>(QString(), Qt::FindDirectChildrenOnly))
        place(view, view->property("shown").toReal());
}

void ToastLayer::resizeEvent(QResizeEvent*)
{
    placeAll();
}
