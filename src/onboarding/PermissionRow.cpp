#include "onboarding/PermissionRow.h"

#include "design/Icon.h"
#include "design/Palette.h"
#include "design/components/TextLabel.h"
#include "onboarding/DefaultButton.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr qreal iconSize = 18;
constexpr int indent = 26;
constexpr int titleLine = 22;

} // namespace

PermissionRow::PermissionRow(const QString& title, QWidget* parent)
    : QWidget(parent)
    , m_hint(new TextLabel({}, TypeModifier{14, QFont::Normal, 20}, Palette::textSecondary))
    , m_actions(new QWidget)
{
    m_hint->setObjectName(QStringLiteral("rowHint"));
    m_hint->setWordWrap(true);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    auto* heading = new QHBoxLayout;
    heading->setContentsMargins(indent, 0, 0, 0);
    heading->addWidget(new TextLabel(title, TypeModifier{16, QFont::DemiBold, qreal(titleLine)}, Palette::textPrimary));
    column->addLayout(heading);
    auto* actions = new QVBoxLayout(m_actions);
    actions->setContentsMargins(indent, 0, 0, 0);
    actions->setSpacing(10);
    actions->addWidget(m_hint);
    column->addWidget(m_actions);
}

void PermissionRow::setAllowed(bool allowed)
{
    m_allowed = allowed;
    if (allowed)
        DefaultButton::releaseFocus(m_actions);
    m_actions->setVisible(!allowed);
    update();
}

void PermissionRow::setHint(const QString& hint)
{
    m_hint->setText(hint);
    m_hint->setVisible(!hint.isEmpty());
}

void PermissionRow::addAction(QWidget* action)
{
    m_actions->layout()->addWidget(action);
    m_actions->layout()->setAlignment(action, Qt::AlignLeft);
}

void PermissionRow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    Icon::paint(painter, m_allowed ? QStringLiteral("circle-check") : QStringLiteral("triangle-alert"),
                QRectF(0, 0, iconSize, titleLine), iconSize, m_allowed ? Palette::positive : Palette::negative, 1.75);
}
