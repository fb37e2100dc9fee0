#include "onboarding/StepTrail.h"

#include "design/Icon.h"
#include "design/Onest.h"
#include "design/Palette.h"
#include "design/TypeModifier.h"
#include "design/components/AbstractControl.h"
#include "design/components/ControlStyle.h"
#include "design/components/FlowLayout.h"

#include <QDesktopServices>
#include <QPainter>

#include <cmath>

namespace {

constexpr qreal badge = 22;
constexpr qreal chevron = 15;
constexpr qreal arrow = 14;
constexpr qreal gap = 10;
constexpr qreal inner = 8;

TypeModifier textType(bool linked)
{
    return TypeModifier{13, linked ? QFont::DemiBold : QFont::Medium, 18};
}

// One entry: the chevron before it (not for the first), the number badge,
// the text and, when linked, the arrow. The whole entry is the click area.
class TrailEntry final : public AbstractControl
{
public:
    TrailEntry(int index, const StepTrail::Item& item, QWidget* parent)
        : AbstractControl(parent)
        , m_index(index)
        , m_item(item)
    {
        if (linked()) {
            setCursor(Qt::PointingHandCursor);
            setToolTip(item.link.toString());
            connect(this, &AbstractControl::clicked, this, [this] { QDesktopServices::openUrl(m_item.link); });
        } else {
            setFocusPolicy(Qt::NoFocus);
        }
        setAccessibleName(item.text);
        setFixedSize(sizeHint());
    }

    bool linked() const { return m_item.link.isValid(); }
    // An entry that starts a line goes without its chevron: nothing
    // comes before it there.
    bool showsChevron() const { return m_index > 0 && x() > 0; }

    QSize sizeHint() const override
    {
        qreal width = badge + inner + textType(linked()).measure(m_item.text).width();
        if (m_index > 0)
            width += chevron + gap;
        if (linked())
            width += inner + arrow;
        return QSize(int(std::ceil(width)), int(badge));
    }

protected:
    void moveEvent(QMoveEvent*) override { update(); }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const bool link = linked();
        const qreal middle = height() / 2.0;
        qreal x = 0;
        if (showsChevron()) {
            Icon::paint(painter, QStringLiteral("chevron-right"), QPointF(x, middle - chevron / 2), chevron,
                        Palette::textTertiary, 1.75);
            x += chevron + gap;
        }
        const QRectF circle(x, middle - badge / 2, badge, badge);
        ControlPaint::fill(painter, circle, badge / 2,
                           (link ? Palette::surfaceBrandSoft : Palette::surfaceSunken).color());
        QFont digits = Onest::font(12, QFont::DemiBold, true);
        painter.setFont(digits);
        painter.setPen((link ? Palette::brand : Palette::textSecondary).color());
        painter.drawText(circle, Qt::AlignCenter, QString::number(m_index + 1));
        x += badge + inner;
        const TypeModifier type = textType(link);
        const qreal textWidth = type.measure(m_item.text).width();
        type.draw(painter, QRectF(x, 0, textWidth + 1, height()), m_item.text,
                  link ? Palette::brand : Palette::textBody, Qt::AlignLeft, false);
        if (link) {
            x += textWidth + inner;
            Icon::paint(painter, QStringLiteral("arrow-up-right"), QPointF(x, middle - arrow / 2), arrow, Palette::brand,
                        2.0);
        }
    }

private:
    int m_index;
    StepTrail::Item m_item;
};

} // namespace

StepTrail::StepTrail(const QList<Item>& items, QWidget* parent)
    : QWidget(parent)
{
    new FlowLayout(int(gap), 8, Qt::AlignVCenter, this);
    layout()->setContentsMargins(0, 0, 0, 0);
    setItems(items);
}

void StepTrail::setItems(const QList<Item>& items)
{
    if (items == m_items && !entries().isEmpty())
        return;
    m_items = items;
    for (QWidget* entry : entries())
        delete entry;
    for (int i = 0; i < items.size(); ++i)
        layout()->addWidget(new TrailEntry(i, items.at(i), this));
}

bool StepTrail::showsChevron(int index) const
{
    const QList<QWidget*> widgets = entries();
    return index >= 0 && index < widgets.size() && static_cast<const TrailEntry*>(widgets.at(index))->showsChevron();
}

QList<QWidget*> StepTrail::entries() const
{
    QList<QWidget*> widgets;
    for (int i = 0; i < layout()->count(); ++i) {
        if (QWidget* widget = layout()->itemAt(i)->widget())
            widgets << widget;
    }
    return widgets;
}
