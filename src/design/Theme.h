#pragma once

#include <QObject>

// The light or dark look in force. Controls resolve their colours from it at
// paint time and repaint on changed(); "auto" follows the desktop's colour
// scheme, which the application passes in, and is light until told.
class Theme final : public QObject {
    Q_OBJECT

public:
    enum class Mode { Light, Dark, Auto };

    static Theme& instance();

    Mode mode() const { return m_mode; }
    void setMode(Mode mode);
    bool isDark() const { return m_dark; }

    // The desktop's own preference, which "auto" follows.
    bool desktopPrefersDark() const { return m_desktopDark; }
    void setDesktopPrefersDark(bool dark);

Q_SIGNALS:
    // Emitted once per change of the mode or of the resolved look.
    void changed();

private:
    explicit Theme(QObject* parent = nullptr);
    void resolve(bool modeChanged);

    Mode m_mode = Mode::Light;
    bool m_dark = false;
    bool m_desktopDark = false;
};
