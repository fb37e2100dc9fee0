#pragma once

#include "design/components/SSelect.h"
#include "design/components/SSegmented.h"
#include "design/components/SSwitch.h"
#include "design/components/SwitchRow.h"
#include "settings/SettingsSwitch.h"

#include <QMenu>
#include <QtTest>

// Driving the settings' controls the way a user does.
namespace SettingsTest {

template <class T>
T* find(QWidget* root, const QString& name)
{
    T* found = root->findChild<T*>(name);
    if (!found)
        qWarning("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

inline QStringList labels(const SSelect* select)
{
    QStringList out;
    for (const ChoiceOption& option : select->options())
        out << option.label;
    return out;
}

// Opens the select's menu with a click and chooses the item labelled text.
inline bool pick(SSelect* select, const QString& text)
{
    QTest::mouseClick(select, Qt::LeftButton);
    QMenu* menu = select->menu();
    if (!menu)
        return false;
    for (QAction* action : menu->actions()) {
        if (action->text() == text) {
            action->trigger();
            menu->close();
            return true;
        }
    }
    menu->close();
    return false;
}

// The settings pop-up menu open under anchor.
inline QMenu* openMenu(QWidget* anchor)
{
    for (QMenu* menu : anchor->findChildren<QMenu*>(QStringLiteral("settingsMenu"))) {
        if (menu->isVisible())
            return menu;
    }
    return nullptr;
}

inline QStringList texts(QMenu* menu)
{
    QStringList out;
    for (QAction* action : menu->actions())
        out << action->text();
    return out;
}

inline void flip(SettingsSwitch* row)
{
    SSwitch* control = row->row()->switchControl();
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

inline void clickSegment(SSegmented* control, int index)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, control->segmentRect(index).center().toPoint());
}

} // namespace SettingsTest
