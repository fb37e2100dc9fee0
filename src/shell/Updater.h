#pragma once

#include <QObject>

// Updates come from the system's package manager, so there is no in-app
// update controller: checking does nothing and the menu offers no item.
class Updater final : public QObject
{
    Q_OBJECT

public:
    explicit Updater(QObject* parent = nullptr);

    // Whether an update controller exists; the status menu shows "Check for
    // updates" only then.
    bool hasController() const { return false; }

    // Starts a user-initiated check; without a controller nothing happens.
    void checkForUpdates();
};
