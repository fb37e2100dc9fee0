#include "shell/Updater.h"

Updater::Updater(QObject* parent)
    : QObject(parent)
{
}

void Updater::checkForUpdates()
{
    // No controller to ask: the package manager owns updates.
}
