#pragma once

#include <QObject>

#include <memory>

class DesktopColorScheme;

// Keeps the theme's "auto" on the desktop's colour scheme. The desktop is
// asked only once "auto" is first chosen, so a fixed theme never waits on
// the session bus at start-up.
class DesktopTheme final : public QObject
{
    Q_OBJECT

public:
    explicit DesktopTheme(QObject* parent = nullptr);
    ~DesktopTheme() override;

private:
    void follow();

    std::unique_ptr<DesktopColorScheme> m_scheme;
};
