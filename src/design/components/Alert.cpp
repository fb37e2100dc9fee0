#include "design/components/Alert.h"

#include "design/Palette.h"
#include "design/Surface.h"
#include "design/Theme.h"
#include "design/TypeModifier.h"
#include "design/components/TextLabel.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QVBoxLayout>

const Alert::Metrics Alert::metrics{};

Alert::Alert(QWidget* over, const QString& title, const QString& message)
    : QWidget(over->window())
    , m_card(new QWidget(this))
    , m_title(new TextLabel(title, TypeModifier{16, QFont::DemiBold, 24}, Palette::textPrimary, m_card))
    , m_message(new TextLabel(message, TypeModifier{14, QFont::Normal, 20}, Palette::textSecondary, m_card))
    , m_buttons(new QWidget(m_card))
{
    setObjectName(QStringLiteral("alert"));
    m_card->setObjectName(QStringLiteral("alertCard"));
    m_title->setObjectName(QStringLiteral("alertTitle"));
    m_message->setObjectName(QStringLiteral("alertMessage"));
    m_title->setWordWrap(true);
    m_message->setWordWrap(true);
    m_message->setVisible(!message.isEmpty());
    hide();

    auto* column = new QVBoxLayout(m_card);
    column->setContentsMargins(metrics.padding, metrics.padding, metrics.padding, metrics.padding);
    column->setSpacing(0);
    column->addWidget(m_title);
    column->addSpacing(metrics.textGap);
    column->addWidget(m_message);
    column->addSpacing(metrics.buttonsGap);
    column->addWidget(m_buttons);
    auto* row = new QHBoxLayout(m_buttons);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(metrics.buttonSpacing);
    row->addStretch(1);

    parentWidget()->installEventFilter(this);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

SButton* Alert::addButton(const QString& text, ButtonVariant variant, bool cancel)
{
    auto* button = new SButton(text, variant, ControlSize::Md, m_buttons);
    m_buttons->layout()->addWidget(button);
    const int answer = int(m_answers.size());
    m_answers.append(button);
    if (cancel)
        m_cancel = button;
    connect(button, &SButton::clicked, this, [this, answer] { done(answer); });
    return button;
}

void Alert::open()
{
    m_focusBefore = QApplication::focusWidget();
    setGeometry(parentWidget()->rect());
    place();
    show();
    raise();
    SButton* first = m_cancel ? m_cancel.data() : m_answers.value(0);
    if (first)
        first->setFocus(Qt::OtherFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
}

void Alert::done(int answer)
{
    if (m_done)
        return;
    m_done = true;
    hide();
    if (m_focusBefore)
        m_focusBefore->setFocus(Qt::OtherFocusReason);
    Q_EMIT finished(answer);
    deleteLater();
}

QRect Alert::cardRect() const
{
    return m_card->geometry();
}

QString Alert::title() const
{
    return m_title->text();
}

QString Alert::message() const
{
    return m_message->text();
}

void Alert::place()
{
    const int width = std::max(0, std::min(metrics.width, this->width() - 2 * metrics.margin));
    m_card->layout()->activate();
    const int height = m_card->layout()->hasHeightForWidth() ? m_card->layout()->totalHeightForWidth(width)
                                                             : m_card->sizeHint().height();
    m_card->setGeometry((this->width() - width) / 2, (this->height() - height) / 2, width, height);
}

bool Alert::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

bool Alert::focusNextPrevChild(bool next)
{
    // The window below waits for the answer: Tab goes round the buttons.
    if (m_answers.isEmpty())
        return true;
    qsizetype at = m_answers.indexOf(qobject_cast<SButton*>(QApplication::focusWidget()));
    at = at < 0 ? 0 : (at + (next ? 1 : m_answers.size() - 1)) % m_answers.size();
    m_answers.at(at)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void Alert::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        done(m_cancel ? int(m_answers.indexOf(m_cancel.data())) : -1);
        event->accept();
        return;
    }
    // Nothing reaches the window below.
    event->accept();
}

void Alert::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void Alert::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Palette::surfaceOverlay.color());
    Surface::card(painter, QRectF(m_card->geometry()), metrics.radius, Elevation::Lg, Palette::borderDefault);
}

void Alert::resizeEvent(QResizeEvent*)
{
    place();
}
