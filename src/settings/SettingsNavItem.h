#pragma once

#include "core/AppStateTypes.h"
#include "design/components/AbstractControl.h"

// One tab of the settings' navigation column: its icon and title on a
// 38-point row, filled soft brand while selected.
class SettingsNavItem final : public AbstractControl
{
    Q_OBJECT

public:
    explicit SettingsNavItem(SettingsTab tab, QWidget* parent = nullptr);

    SettingsTab tab() const { return m_tab; }
    bool isOn() const { return m_on; }
    void setOn(bool on);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SettingsTab m_tab;
    bool m_on = false;
};
