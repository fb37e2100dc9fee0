#include "design/components/SwitchRow.h"

#include "design/Palette.h"
#include "design/Theme.h"
#include "design/components/SSwitch.h"

#include <QPainter>

#include <cmath>

SwitchRowStyle SwitchRowStyle::standard()
{
    SwitchRowStyle style;
    style.titleColor = Palette::textPrimary;
    style.descriptionColor = Palette::textSecondary;
    return style;
}

SwitchRow::SwitchRow(const QString& title, const QString& description, bool checked, QWidget* parent)
    : QWidget(parent)
    , m_title(title)
    , m_description(description)
    , m_switch(new SSwitch(checked, this))
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    m_switch->setAccessibleName(title);
    connect(m_switch, &SSwitch::toggled, this, &SwitchRow::toggled);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

void SwitchRow::setTitle(const QString& title)
{
    m_title = title;
    m_switch->setAccessibleName(title);
    updateGeometry();
    update();
}

void SwitchRow::setDescription(const QString& description)
{
    m_description = description;
    updateGeometry();
    update();
}

bool SwitchRow::isChecked() const
{
    return m_switch->isChecked();
}

void SwitchRow::setChecked(bool checked)
{
    m_switch->setChecked(checked);
}

qreal SwitchRow::textWidth(int width) const
{
    return std::max(0, width - m_switch->sizeHint().width() - m_style.spacing);
}

qreal SwitchRow::textHeight(qreal width) const
{
    qreal height = m_style.title.measure(m_title, width).height();
    if (!m_description.isEmpty())
        height += m_style.description.measure(m_description, width).height();
    return height;
}

int SwitchRow::heightForWidth(int width) const
{
    return std::max(m_switch->sizeHint().height(), int(std::ceil(textHeight(textWidth(width)))));
}

QSize SwitchRow::sizeHint() const
{
    const qreal title = m_style.title.measure(m_title).width();
    const qreal description = m_description.isEmpty() ? 0 : m_style.description.measure(m_description).width();
    // Long descriptions wrap rather than widen the row past a settings column.
    const int text = int(std::ceil(std::min<qreal>(std::max(title, description), 420)));
    const int width = text + m_style.spacing + m_switch->sizeHint().width();
    return QSize(width, heightForWidth(width));
}

QSize SwitchRow::minimumSizeHint() const
{
    const int width = m_switch->sizeHint().width() + m_style.spacing + 80;
    return QSize(width, heightForWidth(width));
}

void SwitchRow::resizeEvent(QResizeEvent*)
{
    const QSize size = m_switch->sizeHint();
    m_switch->setGeometry(width() - size.width(), (height() - size.height()) / 2, size.width(), size.height());
}

void SwitchRow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal width = textWidth(this->width());
    const qreal titleHeight = m_style.title.measure(m_title, width).height();
    // The text column is centred on the switch.
    qreal y = (height() - textHeight(width)) / 2;
    m_style.title.draw(painter, QRectF(0, y, width, titleHeight), m_title, m_style.titleColor);
    y += titleHeight;
    if (!m_description.isEmpty()) {
        const qreal descriptionHeight = m_style.description.measure(m_description, width).height();
        m_style.description.draw(painter, QRectF(0, y, width, descriptionHeight), m_description, m_style.descriptionColor);
    }
}
