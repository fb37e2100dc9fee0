#include "design/ToolTipLook.h"

#include "design/Onest.h"
#include "design/Palette.h"
#include "design/Theme.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <QToolTip>

namespace {

constexpr int padding = 6;
constexpr qreal textSize = 13;

// Only the tooltip's panel differs from the platform style.
class ToolTipStyle final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_ToolTipLabelFrameWidth)
            return padding;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element != PE_PanelTipLabel) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        painter->save();
        painter->fillRect(option->rect, Palette::surfaceCard.color());
        painter->setPen(Palette::borderStrong.color());
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5));
        painter->restore();
    }
};

void applyTheme()
{
    QPalette palette = QToolTip::palette();
    for (const QPalette::ColorRole role : {QPalette::ToolTipBase, QPalette::Window, QPalette::Base})
        palette.setColor(role, Palette::surfaceCard.color());
    for (const QPalette::ColorRole role : {QPalette::ToolTipText, QPalette::WindowText, QPalette::Text})
        palette.setColor(role, Palette::textPrimary.color());
    QToolTip::setPalette(palette);
}

} // namespace

namespace ToolTipLook {

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QApplication::setStyle(new ToolTipStyle);
    QToolTip::setFont(Onest::font(textSize, QFont::Normal));
    applyTheme();
    QObject::connect(&Theme::instance(), &Theme::changed, qApp, &applyTheme);
}

} // namespace ToolTipLook
