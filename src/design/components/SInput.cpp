#include "design/components/SInput.h"

#include "design/components/FocusRing.h"

#include "design/Onest.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/Tokens.h"
#include "design/components/TextFieldMenu.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {
// The line edit's own left margin, so the placeholder sits where text starts.
constexpr int editTextInset = 2;
} // namespace

InputStyle InputStyle::of(ControlSize size)
{
    using namespace Palette;
    InputStyle style;
    style.height = size == ControlSize::Sm ? 32 : size == ControlSize::Lg ? 48 : 40;
    style.text = textPrimary;
    style.placeholder = textTertiary;
    style.icon = textTertiary;
    style.suffix = textSecondary;
    style.fill = surfaceCard;
    style.fillSunken = surfaceSubtle;
    style.border = borderDefault;
    style.borderHot = borderStrong;
    style.borderError = red500;
    style.borderFocus = Palette::borderFocus;
    style.focusRing = Palette::ring;
    style.errorRing = Palette::errorRing;
    return style;
}

SInput::SInput(const QString& placeholder, ControlSize size, QWidget* parent)
    : QWidget(parent)
    , m_edit(new QLineEdit(this))
    , m_placeholder(placeholder)
    , m_size(size)
    , m_style(InputStyle::of(size))
{
    TextFieldMenu::install();
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFocusProxy(m_edit);
    setCursor(Qt::IBeamCursor);
    m_edit->setFrame(false);
    m_edit->setFont(Onest::font(m_style.textSize, QFont::Normal));
    m_edit->setAttribute(Qt::WA_MacShowFocusRect, false);
    // A bullet of the text's own size; the default black circle is far larger.
    m_edit->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; border: none; lineedit-password-character: 8226; }"));
    m_edit->setAccessibleName(placeholder);
    m_edit->installEventFilter(this);
    connect(m_edit, &QLineEdit::textChanged, this, [this](const QString& text) {
        update();
        Q_EMIT textChanged(text);
    });
    connect(m_edit, &QLineEdit::returnPressed, this, &SInput::submitted);
    connect(&Theme::instance(), &Theme::changed, this, &SInput::applyColors);
    applyColors();
}

QString SInput::text() const
{
    return m_edit->text();
}

void SInput::setText(const QString& text)
{
    if (text != m_edit->text())
        m_edit->setText(text);
}

void SInput::setPlaceholder(const QString& placeholder)
{
    m_placeholder = placeholder;
    m_edit->setAccessibleName(placeholder);
    update();
}

void SInput::setIcon(const QString& name)
{
    m_icon = name;
    layoutEdit();
    update();
}

void SInput::setControlSize(ControlSize size)
{
    m_size = size;
    restyle();
}

void SInput::setSunken(bool sunken)
{
    m_sunken = sunken;
    update();
}

bool SInput::isSecure() const
{
    return m_edit->echoMode() != QLineEdit::Normal;
}

void SInput::setSecure(bool secure)
{
    m_edit->setEchoMode(secure ? QLineEdit::Password : QLineEdit::Normal);
}

void SInput::setSuffix(const QString& suffix)
{
    m_suffix = suffix;
    layoutEdit();
    update();
}

void SInput::setError(bool error)
{
    m_error = error;
    update();
}

void SInput::requestFocus()
{
    m_edit->setFocus(Qt::OtherFocusReason);
}

void SInput::restyle()
{
    m_style = InputStyle::of(m_size);
    updateGeometry();
    layoutEdit();
    update();
}

void SInput::applyColors()
{
    // The line edit paints its own text: hand it the theme's colours now.
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    palette.setColor(QPalette::Text, m_style.text.color());
    // Disabled, the whole field is drawn at the shared reduced opacity; the
    // line edit's text follows through its disabled colour.
    QColor dimmed = m_style.text.color();
    dimmed.setAlphaF(dimmed.alphaF() * Tokens::disabledOpacity);
    palette.setColor(QPalette::Disabled, QPalette::Text, dimmed);
    palette.setColor(QPalette::Highlight, Palette::brand.color());
    palette.setColor(QPalette::HighlightedText, Palette::white.color());
    m_edit->setPalette(palette);
    update();
}

QRectF SInput::boxRect() const
{
    // The box reaches the control's sides; the focus ring lies over what is
    // beside it (room is kept above and below).
    return QRectF(0, (height() - m_style.height) / 2.0, width(), m_style.height);
}

QColor SInput::borderColor() const
{
    if (m_focused)
        return m_style.borderFocus.color();
    if (m_error)
        return m_style.borderError.color();
    if (m_hovered)
        return m_style.borderHot.color();
    return m_style.border.color();
}

QColor SInput::ringColor() const
{
    if (!m_focused)
        return Qt::transparent;
    return (m_error ? m_style.errorRing : m_style.focusRing).color();
}

Elevation SInput::shadow() const
{
    return m_sunken || m_focused ? Elevation::None : Elevation::Xs;
}

QSize SInput::sizeHint() const
{
    return QSize(240, m_style.height + 2 * m_style.ring);
}

QSize SInput::minimumSizeHint() const
{
    return QSize(2 * m_style.padding + 40, m_style.height + 2 * m_style.ring);
}

void SInput::layoutEdit()
{
    const QRectF box = boxRect();
    qreal left = box.left() + m_style.padding;
    if (!m_icon.isEmpty())
        left += m_style.iconSize + m_style.spacing;
    qreal right = box.right() - m_style.padding;
    if (!m_suffix.isEmpty()) {
        const QFontMetricsF metrics(Onest::font(m_style.suffixSize, QFont::Normal));
        right -= std::ceil(metrics.horizontalAdvance(m_suffix)) + m_style.spacing;
    }
    const int editHeight = m_edit->sizeHint().height();
    m_edit->setGeometry(QRect(int(left), int(box.center().y() - editHeight / 2.0), std::max(0, int(right - left)),
                              editHeight));
}

void SInput::resizeEvent(QResizeEvent*)
{
    layoutEdit();
}

void SInput::showEvent(QShowEvent*)
{
    if (!m_appeared) {
        m_appeared = true;
        if (m_focusOnAppear)
            requestFocus();
    }
}

void SInput::enterEvent(QEnterEvent*)
{
    m_hovered = true;
    update();
}

void SInput::leaveEvent(QEvent*)
{
    m_hovered = false;
    update();
}

void SInput::mousePressEvent(QMouseEvent* event)
{
    // The whole box, padding and icon included, focuses the field.
    if (event->button() == Qt::LeftButton)
        m_edit->setFocus(Qt::MouseFocusReason);
}

bool SInput::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        const bool focused = event->type() == QEvent::FocusIn;
        if (focused != m_focused) {
            m_focused = focused;
            showRing();
            update();
            Q_EMIT focusChanged(focused);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SInput::showRing()
{
    if (!m_ring && m_focused && parentWidget()) {
        m_ring = new FocusRing(
            this,
            [this] {
                QPainterPath shape;
                shape.addRoundedRect(boxRect(), m_style.radius, m_style.radius);
                return shape;
            },
            [this] { return ringColor(); });
    }
    if (m_ring) {
        m_ring->setVisible(m_focused && isVisible());
        m_ring->update();
    }
}

void SInput::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(Tokens::disabledOpacity);
    const QRectF box = boxRect();
    Shadow::paint(painter, box, m_style.radius, shadow());
    ControlPaint::fill(painter, box, m_style.radius, (m_sunken ? m_style.fillSunken : m_style.fill).color());
    ControlPaint::innerBorder(painter, box, m_style.radius, borderColor());

    if (!m_icon.isEmpty()) {
        const QPointF at(box.left() + m_style.padding, box.center().y() - m_style.iconSize / 2.0);
        ControlPaint::icon(painter, m_icon, at, m_style.iconSize, m_style.icon.color(), 1.75);
    }
    const QRectF edit = m_edit->geometry();
    if (showsPlaceholder()) {
        const QFont font = Onest::font(m_style.textSize, QFont::Normal);
        const QFontMetricsF metrics(font);
        painter.setFont(font);
        painter.setPen(m_style.placeholder.color());
        const QString shown = metrics.elidedText(m_placeholder, Qt::ElideRight, edit.width() - editTextInset);
        painter.drawText(QPointF(edit.left() + editTextInset, box.center().y() - metrics.height() / 2 + metrics.ascent()),
                         shown);
    }
    if (!m_suffix.isEmpty()) {
        const QFont font = Onest::font(m_style.suffixSize, QFont::Normal);
        const QFontMetricsF metrics(font);
        painter.setFont(font);
        painter.setPen(m_style.suffix.color());
        const qreal x = box.right() - m_style.padding - std::ceil(metrics.horizontalAdvance(m_suffix));
        painter.drawText(QPointF(x, box.center().y() - metrics.height() / 2 + metrics.ascent()), m_suffix);
    }
}
