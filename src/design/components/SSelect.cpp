#include "design/components/SSelect.h"

#include "design/Elevation.h"
#include "design/Onest.h"
#include "design/Palette.h"
#include "design/components/PopupMenu.h"

#include <QFontMetricsF>
#include <QMenu>
#include <QPainter>

SelectStyle SelectStyle::of(ControlSize size)
{
    using namespace Palette;
    SelectStyle style;
    style.height = 32 + 8 * int(size);
    style.text = textPrimary;
    style.icon = textTertiary;
    style.fill = surfaceCard;
    style.border = borderDefault;
    style.borderHot = borderStrong;
    return style;
}

SSelect::SSelect(const ChoiceOptions& options, const QVariant& selection, ControlSize size, QWidget* parent)
    : AbstractControl(parent)
    , m_options(options)
    , m_selection(selection)
    , m_size(size)
    , m_style(SelectStyle::of(size))
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName(label());
    connect(this, &AbstractControl::clicked, this, &SSelect::openMenu);
}

void SSelect::setOptions(const ChoiceOptions& options)
{
    m_options = options;
    setAccessibleName(label());
    update();
}

void SSelect::setSelection(const QVariant& value)
{
    if (value == m_selection)
        return;
    m_selection = value;
    setAccessibleName(label());
    update();
    Q_EMIT selectionChanged(value);
}

void SSelect::setControlSize(ControlSize size)
{
    m_size = size;
    m_style = SelectStyle::of(size);
    updateGeometry();
    update();
}

void SSelect::setIcon(const QString& name)
{
    m_icon = name;
    update();
}

QString SSelect::label() const
{
    for (const ChoiceOption& option : m_options) {
        if (option.value == m_selection)
            return option.label;
    }
    return {};
}

void SSelect::openMenu()
{
    if (m_menu)
        m_menu->close();
    auto* menu = new PopupMenu(this);
    menu->setObjectName(QStringLiteral("selectMenu"));
    // The chosen item lies over the field, so the menu is at least as wide.
    menu->setMinimumWidth(int(fieldRect().width()));
    QAction* positioning = nullptr;
    // The options as they are now: a later change of them does not move picks.
    const ChoiceOptions options = m_options;
    for (const ChoiceOption& option : options) {
        const bool chosen = option.value == m_selection;
        QAction* action = menu->addItem(option.label, chosen);
        // With equal values, every one is ticked and the last one places the menu.
        if (chosen)
            positioning = action;
        connect(action, &QAction::triggered, this, [this, value = option.value] {
            setSelection(value);
            Q_EMIT activated(value);
        });
    }
    m_menu = menu;
    const QRectF field = fieldRect();
    menu->popUp(this, QPoint(int(field.left()), int(field.bottom()) - 4), positioning);
}

QSize SSelect::sizeHint() const
{
    const QFontMetricsF metrics(Onest::font(m_style.textSize, QFont::Normal));
    qreal widest = 0;
    for (const ChoiceOption& option : m_options)
        widest = std::max(widest, metrics.horizontalAdvance(option.label));
    int width = int(std::ceil(widest)) + 2 * m_style.padding + m_style.trailingPadding;
    if (!m_icon.isEmpty())
        width += m_style.iconSize + m_style.spacing;
    const int room = 2 * ControlPaint::shadowRoom(Elevation::Xs);
    return QSize(width, m_style.height + room);
}

QSize SSelect::minimumSizeHint() const
{
    const int room = 2 * ControlPaint::shadowRoom(Elevation::Xs);
    return QSize(2 * m_style.padding + m_style.trailingPadding, m_style.height + room);
}

void SSelect::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    applyDisabledOpacity(painter);
    const QRectF box = fieldRect();
    Shadow::paint(painter, box, m_style.radius, Elevation::Xs);
    ControlPaint::fill(painter, box, m_style.radius, m_style.fill.color());
    // Hover changes only the border, at once.
    ControlPaint::innerBorder(painter, box, m_style.radius,
                              (showsHover() ? m_style.borderHot : m_style.border).color());

    qreal x = box.left() + m_style.padding;
    if (!m_icon.isEmpty()) {
        ControlPaint::icon(painter, m_icon, QPointF(x, box.center().y() - m_style.iconSize / 2.0), m_style.iconSize,
                           m_style.icon.color(), 1.75);
        x += m_style.iconSize + m_style.spacing;
    }
    const QFont font = Onest::font(m_style.textSize, QFont::Normal);
    const QFontMetricsF metrics(font);
    const qreal room = box.right() - m_style.padding - m_style.trailingPadding - x;
    painter.setFont(font);
    painter.setPen(m_style.text.color());
    painter.drawText(QPointF(x, box.center().y() - metrics.height() / 2 + metrics.ascent()),
                     metrics.elidedText(label(), Qt::ElideRight, std::max<qreal>(0, room)));
    const QPointF chevron(box.right() - m_style.chevronInset - m_style.chevronSize,
                          box.center().y() - m_style.chevronSize / 2.0);
    ControlPaint::icon(painter, QStringLiteral("chevron-down"), chevron, m_style.chevronSize, m_style.icon.color(), 1.75);
}

QMenu* SSelect::menu() const
{
    return m_menu;
}

QPainterPath SSelect::focusShape() const
{
    return ControlPaint::rounded(fieldRect(), m_style.radius);
}

QRectF SSelect::fieldRect() const
{
    // Room for the shadow above and below only: the field reaches the
    // control's sides, in line with the other controls of a column.
    const int room = ControlPaint::shadowRoom(Elevation::Xs);
    const QRectF area = QRectF(rect()).adjusted(0, room, 0, -room);
    return QRectF(area.left(), area.top() + (area.height() - m_style.height) / 2.0, area.width(), m_style.height);
}
