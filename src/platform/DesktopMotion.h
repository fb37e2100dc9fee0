#pragma once

#include <QObject>

#include <memory>

// The desktop's "reduce animations" preference, asked for when made and
// followed afterwards. Until the desktop answers, and where it states none,
// motion is not reduced.
class DesktopMotion : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    virtual bool reduced() const = 0;

    // The desktop's own: the settings portal on the session bus, GNOME's
    // org.gnome.desktop.interface enable-animations and KDE's
    // org.kde.kdeglobals.KDE AnimationDurationFactor (0 turns motion off).
    static std::unique_ptr<DesktopMotion> create();

Q_SIGNALS:
    void changed(bool reduced);
};
