#include "design/Theme.h"

Theme& Theme::instance()
{
    static Theme* theme = new Theme;
    return *theme;
}

Theme::Theme(QObject* parent)
    : QObject(parent)
{
}

void Theme::setMode(Mode mode)
{
    const bool modeChanged = mode != m_mode;
    m_mode = mode;
    resolve(modeChanged);
}

void Theme::setDesktopPrefersDark(bool dark)
{
    m_desktopDark = dark;
    resolve(false);
}

void Theme::resolve(bool modeChanged)
{
    const bool wasDark = m_dark;
    m_dark = m_mode == Mode::Dark || (m_mode == Mode::Auto && m_desktopDark);
    if (modeChanged || wasDark != m_dark)
        Q_EMIT changed();
}
