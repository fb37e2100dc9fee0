#include "design/components/CardHost.h"

#include "design/Theme.h"
#include "design/components/CardFrame.h"

#include <QPainter>

CardHost::CardHost(QWidget* parent)
    : QWidget(parent)
{
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

void CardHost::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (const CardFrame* card : findChildren<CardFrame*>()) {
        if (!card->isVisibleTo(this) || card->elevation() == Elevation::None)
            continue;
        const QRectF box(card->mapTo(this, QPoint(0, 0)), QSizeF(card->size()));
        Shadow::paint(painter, box, card->radius(), card->elevation());
    }
}
