#include "onboarding/StatusLine.h"

#include "design/Icon.h"
#include "design/Palette.h"
#include "design/components/TextLabel.h"

#include <QHBoxLayout>
#include <QPainter>

namespace {

constexpr int iconSize = 17;
constexpr int iconFrame = 20;
const TypeModifier type{14, QFont::Medium, 20};

} // namespace

StatusLine::StatusLine(Kind kind, const QString& text, QWidget* parent)
    : QWidget(parent)
    , m_kind(kind)
    , m_label(new TextLabel(text, type, Palette::positive))
{
    m_label->setObjectName(QStringLiteral("statusText"));
    m_label->setWordWrap(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(iconFrame + 8, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(m_label, 1, Qt::AlignTop);
    setKind(kind);
}

void StatusLine::setKind(Kind kind)
{
    m_kind = kind;
    m_label->setColor(kind == Kind::done ? Palette::positive : Palette::negative);
    update();
}

QString StatusLine::text() const
{
    return m_label->text();
}

void StatusLine::setText(const QString& text)
{
    m_label->setText(text);
}

void StatusLine::setMaximumLines(int lines)
{
    m_label->setMaximumHeight(lines > 0 ? int(type.lineHeight() * lines) : QWIDGETSIZE_MAX);
}

void StatusLine::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool done = m_kind == Kind::done;
    Icon::paint(painter, done ? QStringLiteral("circle-check") : QStringLiteral("triangle-alert"),
                QRectF(0, 0, iconFrame, iconFrame), iconSize, done ? Palette::positive : Palette::negative, 2.0);
}
