#pragma once

#include <QWidget>

class SwitchRow;

// A switch line of a settings tab: the design's switch row, padded 6 above
// and 7 below, with a 1-point divider along its bottom.
class SettingsSwitch final : public QWidget
{
    Q_OBJECT

public:
    SettingsSwitch(const QString& title, const QString& description, bool checked, QWidget* parent = nullptr);

    bool isChecked() const;
    // Shows the value without emitting toggled().
    void setChecked(bool checked);
    SwitchRow* row() const { return m_row; }

Q_SIGNALS:
    // The user flipped the switch.
    void toggled(bool checked);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SwitchRow* m_row;
    bool m_setting = false;
};
