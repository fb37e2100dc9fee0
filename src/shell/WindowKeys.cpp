#include "shell/WindowKeys.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace WindowKeys {

void install(QWidget* window)
{
    // The keys themselves, not the platform's standard ones: without a
    // desktop's theme Qt binds Quit to nothing and Close to Ctrl+F4.
    QObject::connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), window), &QShortcut::activated, window,
                     &QWidget::close);
    QObject::connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_M), window), &QShortcut::activated, window,
                     &QWidget::showMinimized);
    QObject::connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), window), &QShortcut::activated, qApp,
                     &QCoreApplication::quit);
}

} // namespace WindowKeys
