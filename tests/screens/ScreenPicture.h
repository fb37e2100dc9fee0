#pragma once

#include "GalleryFile.h"

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

// Returns the file written, or "" when it could not be.
inline QString save(QWidget* screen, const QString& name, QSize size)
{
    auto window = std::make_unique<QWidget>();
    window->setAutoFillBackground(true);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, Palette::bgApp.color());
    window->setPalette(palette);
    auto* layout = new QVBoxLayout(window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(screen);
    window->resize(size);
    window->show();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    const QString file = GalleryFile::path(
        folder(), QStringLiteral("%1-%2").arg(name, Theme::instance().isDark() ? QStringLiteral("dark") : QStringLiteral("light")));
    return window->grab().save(file) ? file : QString();
}

} // namespace ScreenPicture
