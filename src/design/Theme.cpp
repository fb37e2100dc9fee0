#include "design/Theme.h"

#include "design/PortalScheme.h"

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
    if (mode == Mode::Auto && !m_portal) {
        m_portal = new PortalScheme(this);
        connect(m_portal, &PortalScheme::changed, this, &Theme::refresh);
    }
    const bool wasDark = m_dark;
    m_dark = mode == Mode::Dark || (mode == Mode::Auto && m_portal->prefersDark());
    if (modeChanged || wasDark != m_dark)
        Q_EMIT changed();
}

void Theme::refresh()
{
    setMode(m_mode);
}
