#pragma once

#include <QApplication>
#include <QColor>
#include <QEnterEvent>
#include <QImage>
#include <QWidget>

// Helpers for reading back what a control painted. A control is grabbed on a
// host of a known background, so translucent and clear fills can be checked.
namespace ControlPixels {

inline const QColor background = QColor(0x80, 0x40, 0x20);

// The control, shown at its size hint on a plain host.
inline QImage grab(QWidget& control)
{
    QWidget host;
    host.setAutoFillBackground(true);
    QPalette palette = host.palette();
    palette.setColor(QPalette::Window, background);
    host.setPalette(palette);
    QWidget* oldParent = control.parentWidget();
    control.setParent(&host);
    control.move(0, 0);
    if (control.size() != control.sizeHint() && !control.testAttribute(Qt::WA_Resized))
        control.resize(control.sizeHint());
    host.resize(control.size());
    control.show();
    const QImage image = host.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    control.setParent(oldParent);
    return image;
}

// The colour seen when color is painted at opacity over background.
inline QColor over(const QColor& color, qreal opacity = 1.0, const QColor& under = background)
{
    const qreal a = color.alphaF() * opacity;
    auto ch = [&](qreal f, qreal b) { return qRound((f * a + b * (1 - a)) * 255); };
    return QColor(ch(color.redF(), under.redF()), ch(color.greenF(), under.greenF()), ch(color.blueF(), under.blueF()));
}

// Channels equal within tolerance (antialiasing and 8-bit rounding).
inline bool near(const QColor& a, const QColor& b, int tolerance = 2)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

inline void hover(QWidget& control, bool inside)
{
    if (inside) {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(&control, &enter);
    } else {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&control, &leave);
    }
}

} // namespace ControlPixels

#define QCOMPARE_COLOR(actual, expected)                                                                      \
    QVERIFY2(ControlPixels::near(actual, expected),                                                          \
             qPrintable(QStringLiteral("%1 != %2").arg((actual).name(), (expected).name())))
