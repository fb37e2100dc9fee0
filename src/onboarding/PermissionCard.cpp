#include "onboarding/PermissionCard.h"

#include "design/Palette.h"
#include "design/components/ControlStyle.h"
#include "design/components/IconTile.h"
#include "design/components/TextLabel.h"
#include "onboarding/DefaultButton.h"
#include "onboarding/WaitingSpinner.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr qreal radius = 16;

} // namespace

PermissionCard::PermissionCard(QWidget* parent)
    : QWidget(parent)
    , m_tile(new IconTile({}, Tone::neutral, 40))
    , m_title(new TextLabel({}, TypeModifier{15, QFont::DemiBold, 20}, Palette::textPrimary))
    , m_status(new TextLabel({}, TypeModifier{13, QFont::Normal, 18}, Palette::textSecondary))
    , m_spinner(new WaitingSpinner)
    , m_row(new QHBoxLayout(this))
{
    m_title->setWordWrap(true);
    m_status->setWordWrap(true);
    m_title->setObjectName(QStringLiteral("cardTitle"));
    m_status->setObjectName(QStringLiteral("cardStatus"));
    m_spinner->setObjectName(QStringLiteral("cardSpinner"));
    m_row->setContentsMargins(17, 17, 17, 17);
    m_row->setSpacing(14);
    m_row->addWidget(m_tile, 0, Qt::AlignVCenter);
    auto* column = new QVBoxLayout;
    column->setSpacing(0);
    column->addWidget(m_title);
    auto* statusRow = new QHBoxLayout;
    statusRow->setSpacing(7);
    statusRow->addWidget(m_spinner, 0, Qt::AlignVCenter);
    statusRow->addWidget(m_status, 1, Qt::AlignVCenter);
    column->addLayout(statusRow);
    m_row->addLayout(column, 1);
    m_spinner->hide();
}

void PermissionCard::setIcon(const QString& icon, Tone tone)
{
    m_tile->setIcon(icon);
    m_tile->setTone(tone);
}

void PermissionCard::setTitle(const QString& title)
{
    m_title->setText(title);
}

void PermissionCard::setStatus(const QString& status, const ColorToken& color)
{
    m_status->setText(status);
    m_status->setColor(color);
}

void PermissionCard::setWaiting(bool waiting)
{
    m_spinner->setVisible(waiting);
}

void PermissionCard::setAction(QWidget* action)
{
    if (action == m_action)
        return;
    if (m_action) {
        DefaultButton::releaseFocus(m_action);
        m_row->removeWidget(m_action);
        m_action->hide();
    }
    m_action = action;
    if (action) {
        action->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        m_row->addWidget(action, 0, Qt::AlignVCenter);
        action->show();
    }
}

void PermissionCard::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(rect());
    ControlPaint::fill(painter, box, radius, Palette::surfaceCard.color());
    ControlPaint::innerBorder(painter, box, radius, Palette::borderDefault.color());
}
