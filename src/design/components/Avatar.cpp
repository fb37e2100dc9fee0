#include "design/components/Avatar.h"

#include "design/Onest.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/components/ControlStyle.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextBoundaryFinder>

#include <cmath>

namespace {

// The first user-perceived character, combining marks included.
QString firstGrapheme(const QString& word)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, word);
    const qsizetype end = finder.toNextBoundary();
    return word.left(end > 0 ? end : word.size());
}

} // namespace

QString Avatar::initials(const QString& name)
{
    const QStringList words = name.split(u' ', Qt::SkipEmptyParts);
    QString result;
    for (qsizetype i = 0; i < std::min<qsizetype>(2, words.size()); ++i)
        result += firstGrapheme(words.at(i));
    return result.toUpper();
}

Avatar::Avatar(const QString& name, int size, QWidget* parent)
    : QWidget(parent)
    , m_name(name)
    , m_size(size)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(name);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

void Avatar::setName(const QString& name)
{
    m_name = name;
    setAccessibleName(name);
    update();
}

void Avatar::setDiameter(int size)
{
    m_size = size;
    updateGeometry();
    update();
}

void Avatar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF circle(QPointF((width() - m_size) / 2.0, (height() - m_size) / 2.0), QSizeF(m_size, m_size));
    ControlPaint::fill(painter, circle, m_size / 2.0, Palette::surfaceSunken.color());
    ControlPaint::innerBorder(painter, circle, m_size / 2.0, Palette::borderDefault.color());
    const QFont font = Onest::font(std::lround(m_size * 0.36), QFont::DemiBold);
    painter.setFont(font);
    painter.setPen(Palette::textBody.color());
    painter.drawText(circle, Qt::AlignCenter, initials(m_name));
}
