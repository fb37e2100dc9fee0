#include "shell/HUDView.h"

#include "core/AppState.h"
#include "core/Config.h"
#include "core/Format.h"
#include "core/L10n.h"
#include "design/Animation.h"
#include "design/Elevation.h"
#include "design/Icon.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/ToolTipText.h"
#include "design/TypeModifier.h"
#include "design/components/DictationProgressLabel.h"
#include "design/components/SIconButton.h"

#include <QApplication>
#include <QCursor>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QScreen>
#include <QTextDocument>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

const TypeModifier labelType{13, QFont::DemiBold, 20};
const TypeModifier rowType{14, QFont::DemiBold, 20};
const TypeModifier timeType{14, QFont::DemiBold, 20, -0.01, true};

constexpr qreal leading = 17;
constexpr qreal trailing = 9;
constexpr qreal messageTrailing = 12 + trailing;
constexpr qreal gap = 12;
constexpr qreal iconGap = 10;
constexpr qreal elapsedMinWidth = 36;
constexpr int cancelSize = 34;
constexpr int stopSize = 36;

qreal textWidth(const TypeModifier& type, const QString& text)
{
    return std::ceil(type.measure(text).width());
}

QString elapsedText(const AppState& state, const QDateTime& now)
{
    return Format::duration(double(Elapsed::seconds(state.recordingStarted(), now)));
}

// The kind change: capsule width and cross-fade share one curve.
QEasingCurve pillCurve()
{
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0.22, 0.61), QPointF(0.36, 1.0), QPointF(1, 1));
    return curve;
}

QString listeningLabel()
{
    return L10n::tr("Listening\u2026");
}

} // namespace

HUDView::HUDView(AppState& state, Layer layer, Clock& clock, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_layer(layer)
    , m_clock(clock)
{
    setObjectName(layer == Layer::Content ? QStringLiteral("hudView") : QStringLiteral("hudShadowView"));
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    m_fade = new AnimatedValue(this, 1.0);
    m_width = new AnimatedValue(this, height);
    m_hover = new AnimatedValue(this, 0.0);
    connect(m_width, &AnimatedValue::valueChanged, this, [this] {
        if (onCapsuleChanged)
            onCapsuleChanged();
    });

    if (m_layer == Layer::Content) {
        auto* cancel = new SIconButton(QStringLiteral("x"), IconButtonVariant::Ghost, cancelSize, this);
        cancel->setObjectName(QStringLiteral("hudCancel"));
        cancel->setIconSize(16);
        cancel->setHelp(L10n::tr("Cancel (Esc)"));
        connect(cancel, &SIconButton::clicked, this, [this] {
            if (onCancel)
                onCancel();
        });
        auto* stop = new SIconButton(QStringLiteral("square"), IconButtonVariant::Primary, stopSize, this);
        stop->setObjectName(QStringLiteral("hudStop"));
        stop->setIconSize(14);
        stop->setHelp(L10n::tr("Stop"));
        connect(stop, &SIconButton::clicked, this, [this] {
            if (onSubmit)
                onSubmit();
        });
        m_cancel = cancel;
        m_stop = stop;
    }

    m_frameTimer.setInterval(1000 / 30);
    connect(&m_frameTimer, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    m_secondTimer.setInterval(1000);
    connect(&m_secondTimer, &QTimer::timeout, this, &HUDView::refresh);
    m_progress = new DictationProgressLabel(clock, this);
    m_progress->hide();
    connect(m_progress, &DictationProgressLabel::shown, this, &HUDView::refresh);

    connect(&m_state, &AppState::phaseChanged, this, &HUDView::refresh);
    connect(&m_state, &AppState::dictationChanged, this, &HUDView::refresh);
    connect(&m_state, &AppState::messageChanged, this, &HUDView::refresh);
    connect(&m_state, &AppState::accessibilityChanged, this, &HUDView::refresh);
    connect(&m_state, &AppState::configChanged, this, &HUDView::refresh);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
    connect(&Animation::changes(), &Animation::Switch::changed, this, [this] {
        updateTimers();
        update();
    });
    // Live bars redraw with the frame timer; only still bars need a repaint
    // for each new level.
    connect(&m_state, &AppState::levelChanged, this, [this] {
        if (!m_frameTimer.isActive())
            update();
    });

    followProgress();
    m_kind = kindFor(m_state);
    m_previousKind = m_kind;
    m_width->setValue(rowWidth(m_kind));
    m_reportedWidth = rowWidth(m_kind);
    updateTexts();
    placeButtons();
    updateTimers();
}

HUDView::~HUDView() = default;

HUDView::Kind HUDView::kindFor(const AppState& state)
{
    switch (state.phase()) {
    case AppState::Phase::recording:
        return Kind::listening;
    case AppState::Phase::working:
        return Kind::thinking;
    case AppState::Phase::failed:
        return Kind::failed;
    case AppState::Phase::idle:
        break;
    }
    return state.doneText() ? Kind::done : Kind::idle;
}

bool HUDView::animated() const
{
    return m_layer == Layer::Content && Animation::looping();
}

QString HUDView::rowText(Kind kind) const
{
    switch (kind) {
    case Kind::thinking:
        if (m_state.stillTranscribingNotice())
            return L10n::tr("The last dictation is still being transcribed");
        return m_progress->text().isEmpty() ? m_state.processingMessage(m_clock.now()) : m_progress->text();
    case Kind::done:
        return m_state.doneText().value_or(QString());
    case Kind::failed:
        return shortMessage(m_state.message());
    case Kind::idle:
    case Kind::listening:
        break;
    }
    return {};
}

int HUDView::rowWidth(Kind kind) const
{
    switch (kind) {
    case Kind::idle:
        return height;
    case Kind::listening: {
        const qreal inner = PulseDot::size + gap + textWidth(labelType, listeningLabel()) + gap
            + m_wave.size().width() + gap + std::max(elapsedMinWidth, textWidth(timeType, elapsedText(m_state, m_clock.now())));
        return int(std::ceil(leading + inner + gap + cancelSize + gap + stopSize + trailing));
    }
    case Kind::thinking:
        return int(std::ceil(leading + 17 + iconGap + textWidth(rowType, rowText(kind)) + messageTrailing));
    case Kind::done:
    case Kind::failed:
        return int(std::ceil(leading + 18 + iconGap + textWidth(rowType, rowText(kind)) + messageTrailing));
    }
    return height;
}

qreal HUDView::capsuleWidth() const
{
    return m_width->value();
}

QRectF HUDView::capsuleRect() const
{
    const QRectF area = QRectF(rect()).marginsRemoved(contentsMargins());
    const qreal w = capsuleWidth();
    return QRectF(area.x() + (area.width() - w) / 2, area.y(), w, height);
}

void HUDView::followProgress()
{
    if (kindFor(m_state) != Kind::thinking) {
        if (m_progressStage) {
            m_progressStage.reset();
            m_progressStart.reset();
            m_progress->setProgress(std::nullopt, {});
        }
        return;
    }
    const std::optional<QDateTime> started = m_state.processingStarted();
    const DictationStage stage = m_state.processingStage();
    if (m_progressStage == stage && m_progressStart == started)
        return;
    m_progressStage = stage;
    m_progressStart = started;
    m_progress->setProgress(started, [this](const QDateTime& at) { return m_state.processingMessage(at); });
}

void HUDView::refresh()
{
    followProgress();
    const Kind next = kindFor(m_state);
    if (next != m_kind)
        setKind(next);
    const int width = rowWidth(m_kind);
    if (width != m_reportedWidth) {
        m_reportedWidth = width;
        if (m_width->target() != width) {
            // Both layers resize on the same curve, so the shadow keeps in
            // step with the pill.
            if (Animation::enabled())
                m_width->animateTo(width, transitionMs, pillCurve());
            else
                m_width->setValue(width);
        }
        if (onWidth)
            onWidth(width);
    }
    updateTexts();
    placeButtons();
    updateTimers();
    update();
}

void HUDView::updateTexts()
{
    if (m_layer != Layer::Content)
        return;
    setToolTip(toolTipFor(m_kind));
    // A tooltip on show follows the pill: the new one, or none.
    if (!m_toolTipShown.isEmpty() && m_toolTipShown != toolTip()) {
        if (underMouse() && !toolTip().isEmpty()) {
            showToolTip(QCursor::pos());
        } else {
            // At once: Qt's own hiding waits a moment.
            if (QWidget* tip = shownToolTip())
                tip->hide();
            QToolTip::hideText();
        }
        if (!shownToolTip())
            m_toolTipShown.clear();
    }
    // Screen readers hear what the pill shows; the circle reads its tooltip.
    setAccessibleName(m_kind == Kind::idle        ? idleToolTip(m_state.config())
                      : m_kind == Kind::listening ? listeningLabel()
                                                  : rowText(m_kind));
}

void HUDView::setKind(Kind kind)
{
    m_previousKind = m_kind;
    m_kind = kind;
    if (kind == Kind::listening)
        m_wave.resetSmoother();
    if (Animation::enabled()) {
        m_fade->setValue(0.0);
        m_fade->animateTo(1.0, transitionMs, pillCurve());
    } else {
        m_fade->setValue(1.0);
    }
    updateHover();
}

void HUDView::updateHover()
{
    // Only the idle circle lights up, also when it comes back under a
    // pointer that never left.
    const qreal target = m_kind == Kind::idle && m_hovering ? 1.0 : 0.0;
    if (m_hover->target() == target)
        return;
    // A transition, not motion of its own: reduced motion keeps it.
    if (m_layer == Layer::Content && Animation::enabled())
        m_hover->animateTo(target, 120, QEasingCurve(QEasingCurve::OutCubic));
    else
        m_hover->setValue(target);
}

void HUDView::updateTimers()
{
    const bool live = m_kind == Kind::listening && animated() && isVisible();
    if (live && !m_frameTimer.isActive())
        m_frameTimer.start();
    else if (!live)
        m_frameTimer.stop();
    const bool ticking = m_kind == Kind::listening;
    if (ticking && !m_secondTimer.isActive())
        m_secondTimer.start();
    else if (!ticking)
        m_secondTimer.stop();
}

void HUDView::placeButtons()
{
    if (!m_cancel || !m_stop)
        return;
    const bool show = m_kind == Kind::listening;
    m_cancel->setVisible(show);
    m_stop->setVisible(show);
    if (!show)
        return;
    const QRectF capsule = QRectF(rect()).marginsRemoved(contentsMargins());
    const qreal w = rowWidth(Kind::listening);
    const qreal right = capsule.x() + (capsule.width() + w) / 2 - trailing;
    const qreal middle = capsule.y() + height / 2.0;
    m_stop->setGeometry(int(std::round(right - stopSize)), int(std::round(middle - stopSize / 2.0)), stopSize, stopSize);
    m_cancel->setGeometry(int(std::round(right - stopSize - gap - cancelSize)),
                          int(std::round(middle - cancelSize / 2.0)), cancelSize, cancelSize);
}

QString HUDView::keyName(const Config& config)
{
    return hotkeyTitle(config.hotkey);
}

QString HUDView::idleToolTip(const Config& config)
{
    const QString key = keyName(config);
    if (config.hotkeyMode == HotkeyMode::toggle)
        return L10n::tr("Click to record, or press %1").arg(key);
    return L10n::tr("Click to record, or hold %1").arg(key);
}

bool HUDView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && m_layer == Layer::Content) {
        showToolTip(static_cast<QHelpEvent*>(event)->globalPos());
        return true;
    }
    return QWidget::event(event);
}

QWidget* HUDView::shownToolTip() const
{
    if (m_toolTipShown.isEmpty() || !QToolTip::isVisible())
        return nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->inherits("QTipLabel") && top->isVisible())
            return top;
    }
    return nullptr;
}

void HUDView::showToolTip(const QPoint& globalPos)
{
    const QString text = toolTip();
    if (text.isEmpty()) {
        QToolTip::hideText();
        m_toolTipShown.clear();
        return;
    }
    QToolTip::showText(globalPos, text, this, rect());
    m_toolTipShown = text;
    auto* tip = qobject_cast<QLabel*>(shownToolTip());
    if (!tip)
        return;
    // A long failure reads as lines of a comfortable width, not a narrow
    // column; the tip sits above the capsule (below it at the top of the
    // screen), never over its text.
    constexpr int widest = 360;
    constexpr int gap = 8;
    if (tip->wordWrap()) {
        const QMargins margins = tip->contentsMargins();
        QTextDocument measure;
        measure.setDefaultFont(tip->font());
        measure.setHtml(text);
        measure.setDocumentMargin(tip->margin());
        const int natural = int(std::ceil(measure.idealWidth())) + margins.left() + margins.right() + 2 * tip->margin();
        const int width = std::min(widest, natural);
        tip->resize(width, tip->heightForWidth(width));
    }
    const QRect capsule(mapToGlobal(capsuleRect().topLeft().toPoint()), capsuleRect().size().toSize());
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect(capsule.center(), QSize());
    int y = capsule.top() - gap - tip->height();
    if (y < screen.top())
        y = capsule.bottom() + 1 + gap;
    const int x = std::clamp(capsule.center().x() - tip->width() / 2, screen.left(),
                             std::max(screen.left(), screen.right() + 1 - tip->width()));
    tip->move(x, y);
}

QString HUDView::toolTipFor(Kind kind) const
{
    switch (kind) {
    case Kind::idle:
        return idleToolTip(m_state.config());
    case Kind::failed:
        return m_state.message().trimmed().isEmpty() ? L10n::tr("Something went wrong")
                                                     : ToolTipText::plain(m_state.message().trimmed());
    case Kind::listening:
    case Kind::thinking:
    case Kind::done:
        break;
    }
    return {};
}

QString HUDView::shortMessage(const QString& message)
{
    QString text = message.trimmed();
    if (text.isEmpty())
        return L10n::tr("Something went wrong");
    static const QRegularExpression sentenceEnd(QStringLiteral("[.!?](\\s|$)"));
    const QRegularExpressionMatch match = sentenceEnd.match(text);
    if (match.hasMatch())
        text = text.left(match.capturedStart());
    if (text.size() <= 40)
        return text;
    text = text.left(40);
    const int space = text.lastIndexOf(QLatin1Char(' '));
    if (space >= 21)
        text = text.left(space);
    auto isTrimmed = [](QChar c) { return c.isSpace() || c.isPunct(); };
    int start = 0;
    int end = int(text.size());
    while (start < end && isTrimmed(text.at(start)))
        ++start;
    while (end > start && isTrimmed(text.at(end - 1)))
        --end;
    return text.mid(start, end - start) + QChar(0x2026);
}

void HUDView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF capsule = capsuleRect();
    const qreal radius = height / 2.0;

    if (m_layer == Layer::Shadow) {
        Shadow::paint(painter, capsule, radius, Elevation::Lg);
        return;
    }

    QPainterPath shape;
    shape.addRoundedRect(capsule, radius, radius);
    const qreal hover = m_kind == Kind::idle ? m_hover->value() : 0.0;
    QColor fill = Palette::surfaceCard.color();
    if (hover > 0) {
        const QColor hovered = Palette::surfaceHover.color();
        fill = QColor::fromRgbF(fill.redF() + (hovered.redF() - fill.redF()) * hover,
                                fill.greenF() + (hovered.greenF() - fill.greenF()) * hover,
                                fill.blueF() + (hovered.blueF() - fill.blueF()) * hover);
    }
    painter.fillPath(shape, fill);

    painter.save();
    painter.setClipPath(shape);
    const qreal fade = m_fade->value();
    if (fade < 1.0 && m_previousKind != m_kind)
        paintRow(painter, m_previousKind, capsule, 1.0 - fade);
    paintRow(painter, m_kind, capsule, fade);
    painter.restore();

    // The 1-point border, inside the edge.
    QPainterPath border;
    border.addRoundedRect(capsule.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5, radius - 0.5);
    painter.setPen(QPen(Palette::borderDefault.color(), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(border);
}

void HUDView::paintRow(QPainter& painter, Kind kind, const QRectF& capsule, qreal opacity)
{
    if (opacity <= 0)
        return;
    painter.save();
    painter.setOpacity(opacity);
    const qreal w = rowWidth(kind);
    const QRectF row(capsule.center().x() - w / 2, capsule.y(), w, height);
    switch (kind) {
    case Kind::idle: {
        const bool granted = m_state.accessibilityGranted();
        const QRectF icon(row.center().x() - 10, row.center().y() - 10, 20, 20);
        Icon::paint(painter, granted ? QStringLiteral("mic") : QStringLiteral("mic-off"), icon, 20,
                    granted ? Palette::textBody : Palette::textTertiary, 1.75);
        break;
    }
    case Kind::listening:
        paintListening(painter, row);
        break;
    case Kind::thinking: {
        paintIconAndText(painter, row, "sparkles", 17, Palette::purple600, rowText(kind), Palette::purple600);
        break;
    }
    case Kind::done:
        paintIconAndText(painter, row, "circle-check", 18, Palette::green600, rowText(kind), Palette::textPrimary);
        break;
    case Kind::failed:
        paintIconAndText(painter, row, "triangle-alert", 18, Palette::amber600, rowText(kind), Palette::textPrimary);
        break;
    }
    painter.restore();
}

void HUDView::paintListening(QPainter& painter, const QRectF& row)
{
    const qreal middle = row.center().y();
    qreal x = row.x() + leading;
    const double time = QDateTime::currentMSecsSinceEpoch() / 1000.0;
    PulseDot::paint(painter, QPointF(x + PulseDot::size / 2, middle), Palette::red600.color(), animated(), time);
    x += PulseDot::size + gap;

    const QString label = listeningLabel();
    const qreal labelWidth = textWidth(labelType, label);
    labelType.draw(painter, QRectF(x, middle - 10, labelWidth, 20), label, Palette::textSecondary);
    x += labelWidth + gap;

    const QSizeF wave = m_wave.size();
    const QPointF waveOrigin(x, middle - wave.height() / 2);
    if (animated())
        m_wave.paintAnimated(painter, waveOrigin, Palette::brand.color(), m_state.level(), QDateTime::currentDateTime());
    else
        m_wave.paintStill(painter, waveOrigin, Palette::brand.color(), m_state.level());
    x += wave.width() + gap;

    const QString elapsed = elapsedText(m_state, m_clock.now());
    const qreal elapsedWidth = std::max(elapsedMinWidth, textWidth(timeType, elapsed));
    timeType.draw(painter, QRectF(x, middle - 10, elapsedWidth, 20), elapsed, Palette::textPrimary);
}

void HUDView::paintIconAndText(QPainter& painter, const QRectF& row, const char* icon, qreal iconSize,
                               const ColorToken& iconColour, const QString& text, const ColorToken& textColour)
{
    const qreal middle = row.center().y();
    qreal x = row.x() + leading;
    Icon::paint(painter, QString::fromLatin1(icon), QPointF(x, middle - iconSize / 2), iconSize, iconColour, 1.75);
    x += iconSize + iconGap;
    rowType.draw(painter, QRectF(x, middle - 10, textWidth(rowType, text) + 1, 20), text, textColour);
}

void HUDView::mousePressEvent(QMouseEvent* event)
{
    if (m_layer != Layer::Content || event->button() != Qt::LeftButton || !window()) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    m_dragging = false;
    m_pressGlobal = event->globalPosition().toPoint();
    m_windowOrigin = window()->pos();
}

void HUDView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pressed)
        return;
    const QPoint delta = event->globalPosition().toPoint() - m_pressGlobal;
    if (!m_dragging && std::hypot(delta.x(), delta.y()) < dragThreshold)
        return;
    m_dragging = true;
    window()->move(m_windowOrigin + delta);
}

void HUDView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_pressed || event->button() != Qt::LeftButton)
        return;
    m_pressed = false;
    if (m_dragging) {
        m_dragging = false;
        if (onDragEnded)
            onDragEnded();
        return;
    }
    if (clickable() && capsuleRect().contains(event->position()) && onToggle)
        onToggle();
}

void HUDView::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    m_hovering = true;
    updateHover();
}

void HUDView::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    m_hovering = false;
    updateHover();
}

void HUDView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeButtons();
}

// A pill shown during a recording moves at once, and a hidden one costs
// no frames.
void HUDView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    updateTimers();
}

void HUDView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    updateTimers();
}
