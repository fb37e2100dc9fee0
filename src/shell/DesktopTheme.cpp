#include "shell/DesktopTheme.h"

#include "core/Log.h"
#include "design/Animation.h"
#include "design/Theme.h"
#include "platform/DesktopColorScheme.h"
#include "platform/DesktopMotion.h"

DesktopTheme::DesktopTheme(QObject* parent)
    : QObject(parent)
{
    connect(&Theme::instance(), &Theme::changed, this, &DesktopTheme::follow);
    follow();
    m_motion = DesktopMotion::create();
    connect(m_motion.get(), &DesktopMotion::changed, this, [](bool reduced) {
        Log::write(reduced ? QStringLiteral("the desktop asks for reduced motion")
                           : QStringLiteral("the desktop allows motion"));
        Animation::setReduceMotion(reduced);
    });
    Animation::setReduceMotion(m_motion->reduced());
}

// Motion is the desktop's to reduce only while we follow it.
DesktopTheme::~DesktopTheme()
{
    Animation::setReduceMotion(false);
}

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
