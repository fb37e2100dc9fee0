#pragma once

#include <QObject>

class PortalScheme;

// The light or dark look in force. Controls resolve their colours from it at
// paint time and repaint on changed(); "auto" follows the desktop's colour
// scheme through the settings portal and is light where there is none.
class Theme final : public QObject {
    Q_OBJECT

public:
    enum class Mode { Light, Dark, Auto };

    static Theme& instance();

    Mode mode() const { return m_mode; }
    void setMode(Mode mode);
    bool isDark() const { return m_dark; }

Q_SIGNALS:
    // Emitted once per change of the mode or of the resolved look.
    void changed();

private:
    explicit Theme(QObject* parent = nullptr);
    void refresh();

    Mode m_mode = Mode::Light;
    bool m_dark = false;
    PortalScheme* m_portal = nullptr;
};
