#pragma once

#include "design/components/AbstractControl.h"

// A selectable language chip of the settings: a 32-point capsule, its label
// shown exactly as given.
class SettingsChip final : public AbstractControl
{
    Q_OBJECT

public:
    explicit SettingsChip(const QString& label, bool on = false, QWidget* parent = nullptr);

    QString label() const { return m_label; }
    bool isOn() const { return m_on; }
    void setOn(bool on);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    QPainterPath focusShape() const override;

private:
    QString m_label;
    bool m_on;
};
