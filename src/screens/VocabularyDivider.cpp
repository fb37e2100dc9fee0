#include "screens/VocabularyDivider.h"

#include "design/Palette.h"
#include "design/Surface.h"
#include "design/Theme.h"

#include <QPainter>
#include <QVBoxLayout>

VocabularyDivider::VocabularyDivider(QWidget* content, const QMargins& padding, QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(padding);
    layout->addWidget(content);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

void VocabularyDivider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Surface::topBorder(painter, QRectF(rect()), Palette::borderSubtle);
}
