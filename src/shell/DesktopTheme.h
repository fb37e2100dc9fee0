#pragma once

#include <QObject>

#include <memory>

class DesktopColorScheme;
class DesktopMotion;

// Keeps the design on the desktop's conventions: the theme's "auto" on its
// colour scheme, and animation on its "reduce motion" setting, both followed
// while running. The colour scheme is asked for only once "auto" is first
// chosen, so a fixed theme never waits on the session bus at start-up; the
// motion question does not block at all.
class DesktopTheme final : public QObject
{
    Q_OBJECT

public:
    explicit DesktopTheme(QObject* parent = nullptr);
    ~DesktopTheme() override;

private:
    void follow();

    std::unique_ptr<DesktopColorScheme> m_scheme;
    std::unique_ptr<DesktopMotion> m_motion;
};
