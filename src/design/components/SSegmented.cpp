#include "design/components/SSegmented.h"

#include "design/Elevation.h"
#include "design/Onest.h"
#include "design/Palette.h"
#include "design/Surface.h"
#include "design/Theme.h"
#include "design/Tokens.h"
#include "design/components/ControlStyle.h"
#include "design/components/FocusGuard.h"
#include "design/components/FocusRing.h"

#include <QFocusEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

SegmentedStyle SegmentedStyle::standard()
{
    using namespace Palette;
    SegmentedStyle style;
    style.track = surfaceSunken;
    style.trackBorder = borderSubtle;
    style.chosenFill = surfaceCard;
    style.textOn = brand;
    style.textHot = textPrimary;
    style.text = textSecondary;
    return style;
}

SSegmented::SSegmented(const ChoiceOptions& options, const QVariant& selection, QWidget* parent)
    : QWidget(parent)
    , m_options(options)
    , m_selection(selection)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setMouseTracking(true);
    // Reached with Tab only, as every control: a click chooses without
    // taking the keyboard from where it was.
    setFocusPolicy(Qt::TabFocus);
    FocusGuard::install();
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

SSegmented::~SSegmented()
{
    delete m_ring;
}

int SSegmented::chosenIndex() const
{
    for (int i = 0; i < m_options.size(); ++i) {
        if (isOn(i))
            return i;
    }
    return -1;
}

void SSegmented::keyPressEvent(QKeyEvent* event)
{
    const int last = int(m_options.size()) - 1;
    const int chosen = chosenIndex();
    int to = -1;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        to = chosen < 0 ? last : std::max(0, chosen - 1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        to = chosen < 0 ? 0 : std::min(last, chosen + 1);
        break;
    case Qt::Key_Home:
        to = 0;
        break;
    case Qt::Key_End:
        to = last;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (to < 0 || to == chosen || !isEnabled())
        return;
    const QVariant value = m_options.at(to).value;
    setSelection(value);
    Q_EMIT activated(value);
}

void SSegmented::focusInEvent(QFocusEvent* event)
{
    showRing(event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason
             || event->reason() == Qt::ShortcutFocusReason);
    QWidget::focusInEvent(event);
}

void SSegmented::focusOutEvent(QFocusEvent* event)
{
    showRing(false);
    QWidget::focusOutEvent(event);
}

void SSegmented::hideEvent(QHideEvent* event)
{
    if (m_ring)
        m_ring->hide();
    QWidget::hideEvent(event);
}

void SSegmented::showRing(bool shown)
{
    m_focusRing = shown;
    if (shown && !m_ring && parentWidget()) {
        m_ring = new FocusRing(this, [this] {
            return ControlPaint::rounded(QRectF(QPointF(0, 0), QSizeF(sizeHint())), m_style.trackRadius);
        });
    }
    if (m_ring) {
        m_ring->setVisible(shown && isVisible());
        m_ring->update();
    }
}

void SSegmented::setOptions(const ChoiceOptions& options)
{
    m_options = options;
    m_hovered = -1;
    m_pressed = -1;
    updateGeometry();
    update();
}

void SSegmented::setSelection(const QVariant& value)
{
    if (value == m_selection)
        return;
    m_selection = value;
    // The chosen segment is semibold, so widths may change.
    updateGeometry();
    update();
    if (m_ring)
        m_ring->update();
    Q_EMIT selectionChanged(value);
}

bool SSegmented::isOn(int index) const
{
    return m_options.at(index).value == m_selection;
}

QFont SSegmented::font(bool on) const
{
    return Onest::font(m_style.captionSize, on ? QFont::DemiBold : QFont::Medium);
}

qreal SSegmented::segmentWidth(int index) const
{
    const qreal text = QFontMetricsF(font(isOn(index))).horizontalAdvance(m_options.at(index).label);
    return std::ceil(text) + 2 * m_style.segmentPadding;
}

QRectF SSegmented::segmentRect(int index) const
{
    qreal x = m_style.padding;
    for (int i = 0; i < index; ++i)
        x += segmentWidth(i) + m_style.spacing;
    return QRectF(x, m_style.padding, segmentWidth(index), m_style.segmentHeight);
}

QSize SSegmented::sizeHint() const
{
    qreal width = 2 * m_style.padding;
    for (int i = 0; i < m_options.size(); ++i)
        width += segmentWidth(i) + (i > 0 ? m_style.spacing : 0);
    return QSize(int(std::ceil(width)), m_style.segmentHeight + 2 * m_style.padding);
}

int SSegmented::indexAt(const QPointF& point) const
{
    for (int i = 0; i < m_options.size(); ++i) {
        if (segmentRect(i).contains(point))
            return i;
    }
    return -1;
}

void SSegmented::mouseMoveEvent(QMouseEvent* event)
{
    const int index = indexAt(event->position());
    if (index != m_hovered) {
        m_hovered = index;
        update();
    }
}

void SSegmented::leaveEvent(QEvent*)
{
    m_hovered = -1;
    update();
}

void SSegmented::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = indexAt(event->position());
}

void SSegmented::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int index = indexAt(event->position());
    const bool same = index >= 0 && index == m_pressed;
    m_pressed = -1;
    if (!same || !isEnabled())
        return;
    const QVariant value = m_options.at(index).value;
    setSelection(value);
    Q_EMIT activated(value);
}

void SSegmented::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(Tokens::disabledOpacity);
    const QRectF track(QPointF(0, 0), QSizeF(sizeHint()));
    ControlPaint::fill(painter, track, m_style.trackRadius, m_style.track.color());
    ControlPaint::innerBorder(painter, track, m_style.trackRadius, m_style.trackBorder.color());
    for (int i = 0; i < m_options.size(); ++i) {
        const QRectF segment = segmentRect(i);
        const bool on = isOn(i);
        if (on)
            Surface::paint(painter, segment, m_style.segmentRadius, m_style.chosenFill, Elevation::Sm);
        const ColorToken& ink = on ? m_style.textOn : (i == m_hovered ? m_style.textHot : m_style.text);
        const QFont f = font(on);
        const QFontMetricsF metrics(f);
        painter.setFont(f);
        painter.setPen(ink.color());
        const qreal x = segment.left() + (segment.width() - metrics.horizontalAdvance(m_options.at(i).label)) / 2;
        painter.drawText(QPointF(x, segment.center().y() - metrics.height() / 2 + metrics.ascent()), m_options.at(i).label);
    }
}
