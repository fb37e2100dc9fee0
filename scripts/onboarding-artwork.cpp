// Draws the wizard's step pictures into resources/onboarding/ (run once by
// hand after a change; the pictures are committed):
//   cmake --build build --target kesto-onboarding-artwork
//   QT_QPA_PLATFORM=offscreen build/src/onboarding/kesto-onboarding-artwork resources/onboarding
// Each is a rounded tile in a gradient of the step's tone, a soft light
// circle behind a large white line icon, 160 x 160 pixels (80 points at 2x).

#include "design/Icon.h"

#include <QDir>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {

struct Picture
{
    const char* name;
    const char* icon;
    QColor from;
    QColor to;
};

QImage draw(const Picture& picture)
{
    const int side = 160;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF tile(12, 12, side - 24, side - 24);
    QLinearGradient fill(tile.topLeft(), tile.bottomRight());
    fill.setColorAt(0, picture.from);
    fill.setColorAt(1, picture.to);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(tile, 38, 38);

    // A light from the top-left corner.
    QRadialGradient glow(tile.topLeft() + QPointF(30, 24), 90);
    glow.setColorAt(0, QColor(255, 255, 255, 90));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setBrush(glow);
    painter.drawRoundedRect(tile, 38, 38);

    painter.setBrush(QColor(255, 255, 255, 38));
    painter.drawEllipse(tile.center(), 40, 40);

    const qreal icon = 60;
    const QPainterPath path = Icon::path(QString::fromLatin1(picture.icon),
                                         QRectF(tile.center() - QPointF(icon / 2, icon / 2), QSizeF(icon, icon)));
    QPen pen(Qt::white, 2.0 * icon / 24, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources/onboarding"));
    const Picture pictures[] = {
        {"languages", "languages", QColor(0x5B, 0x93, 0xFF), QColor(0x25, 0x63, 0xEB)},
        {"microphone", "mic", QColor(0x3C, 0xCB, 0x8B), QColor(0x07, 0x94, 0x55)},
        {"accessibility", "keyboard", QColor(0xFF, 0xB9, 0x3D), QColor(0xDC, 0x8A, 0x05)},
        {"gemini", "key-round", QColor(0xA5, 0x83, 0xF5), QColor(0x7A, 0x45, 0xE8)},
        {"try-it", "sparkles", QColor(0x2D, 0xC7, 0xB4), QColor(0x0E, 0x93, 0x84)},
    };
    for (const Picture& picture : pictures) {
        const QString file = folder.filePath(QString::fromLatin1(picture.name) + QStringLiteral(".png"));
        if (!draw(picture).save(file))
            return 1;
    }
    return 0;
}
