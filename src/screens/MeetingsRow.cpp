#include "screens/MeetingsRow.h"

#include "core/L10n.h"
#include "design/Elevation.h"
#include "design/Icon.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/TypeModifier.h"
#include "design/components/Badge.h"

#include <QHBoxLayout>
#include <QPainter>

namespace {

constexpr int iconSize = 19;
constexpr int spacing = 12;
const TypeModifier titleType{14, QFont::Medium, {}};

// The icon and the title, faded and slightly out of focus.
class SoftLabel final : public QWidget {
public:
    explicit SoftLabel(QWidget* parent)
        : QWidget(parent)
        , m_title(L10n::tr("Meetings"))
    {
        connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
    }

    QSize sizeHint() const override
    {
        return QSize(iconSize + spacing + int(std::ceil(titleType.measure(m_title).width())) + 2, 40);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        // Blurred here rather than by a blur effect: the page's own blur
        // while the settings panel is open cannot hold another effect.
        const qreal dpr = devicePixelRatioF();
        QImage shape((QSizeF(size()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
        shape.setDevicePixelRatio(dpr);
        shape.fill(Qt::transparent);
        {
            QPainter painter(&shape);
            painter.setRenderHint(QPainter::Antialiasing);
            Icon::paint(painter, QStringLiteral("calendar"), QPointF(0, (height() - iconSize) / 2.0), iconSize,
                        Palette::textBody, 1.75);
            titleType.draw(painter, QRectF(iconSize + spacing, 0, width() - iconSize - spacing, height()), m_title,
                           Palette::textBody, Qt::AlignLeft, false);
        }
        // Qt's blur radius of 1.4 spans about two standard deviations.
        const qreal sigma = 0.7 * dpr;
        const QImage soft = Shadow::ofShape(shape, sigma, Palette::textBody.color());
        const qreal reach = Shadow::blurReach(sigma) / dpr;
        QPainter painter(this);
        painter.setOpacity(0.55);
        painter.drawImage(QPointF(-reach, -reach), soft);
    }

private:
    QString m_title;
};

} // namespace

MeetingsRow::MeetingsRow(QWidget* parent)
    : QWidget(parent)
    // The badge reads the same in every interface language.
    , m_badge(new Badge(QStringLiteral("Tez kunda"), BadgeTone::Neutral, true, false, this))
{
    setEnabled(false);
    setFixedHeight(40);
    setAccessibleName(L10n::tr("Meetings"));
    setAccessibleDescription(QStringLiteral("Tez kunda"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 0, 12, 0);
    row->setSpacing(8);
    row->addWidget(new SoftLabel(this));
    row->addStretch(1);
    row->addWidget(m_badge, 0, Qt::AlignVCenter);
}

QSize MeetingsRow::sizeHint() const
{
    return QSize(QWidget::sizeHint().width(), 40);
}
