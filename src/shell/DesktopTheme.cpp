#include "shell/DesktopTheme.h"

#include "core/Log.h"
#include "design/Theme.h"
#include "platform/DesktopColorScheme.h"

DesktopTheme::DesktopTheme(QObject* parent)
    : QObject(parent)
{
    connect(&Theme::instance(), &Theme::changed, this, &DesktopTheme::follow);
    follow();
}

DesktopTheme::~DesktopTheme() = default;

void DesktopTheme::follow()
{
    if (m_scheme || Theme::instance().mode() != Theme::Mode::Auto)
        return;
    QString error;
    m_scheme = DesktopColorScheme::create(&error);
    if (!error.isEmpty())
        Log::write(error + QStringLiteral("; the theme follows light"));
    connect(m_scheme.get(), &DesktopColorScheme::changed, &Theme::instance(), &Theme::setDesktopPrefersDark);
    Theme::instance().setDesktopPrefersDark(m_scheme->prefersDark());
}
