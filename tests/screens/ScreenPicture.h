#pragma once

#include "GalleryFile.h"
#include "ThemePixels.h"

#include "design/Palette.h"
#include "design/Theme.h"

#include <QApplication>
#include <QDir>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>

// A screen on the window background of the theme in force, saved as
// "<name>-<theme>@<scale>x.png" in the gallery folder for a person to look at.
namespace ScreenPicture {

inline QString folder()
{
    const QString dir = qEnvironmentVariable("KESTO_GALLERY_DIR");
    return dir.isEmpty() ? QDir::temp().filePath(QStringLiteral("kesto-gallery")) : dir;
}

// Returns the file written, or "" when it could not be or when the picture
// shows Qt's stock palette somewhere (said in a warning).
inline QString save(QWidget* screen, const QString& name, QSize size)
{
    auto window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(screen);
    window->resize(size);
    window->show();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    // Drawn as the main view draws it: over the background it paints, and
    // nothing else.
    const qreal ratio = window->devicePixelRatioF();
    QImage picture(size * ratio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Palette::bgApp.color());
    window->render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
    const QString file = GalleryFile::path(
        folder(), QStringLiteral("%1-%2").arg(name, Theme::instance().isDark() ? QStringLiteral("dark") : QStringLiteral("light")));
    if (!picture.save(file))
        return {};
    const QString stock = ThemePixels::stockPaletteProblem(picture);
    if (!stock.isEmpty()) {
        qWarning("%s: %s", qPrintable(name), qPrintable(stock));
        return {};
    }
    return file;
}

} // namespace ScreenPicture
