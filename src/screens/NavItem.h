#pragma once

#include "design/components/AbstractControl.h"

// One row of the sidebar's navigation: an icon and a title on a rounded
// fill, brand-coloured while it is the current screen. The whole 40-point
// row takes clicks.
class NavItem final : public AbstractControl {
    Q_OBJECT

public:
    NavItem(const QString& title, const QString& icon, QWidget* parent = nullptr);

    QString title() const { return m_title; }
    bool isOn() const { return m_on; }
    void setOn(bool on);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
    QString m_icon;
    bool m_on = false;
};
