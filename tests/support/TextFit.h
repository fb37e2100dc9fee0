#pragma once

#include "design/components/SButton.h"
#include "design/components/TextLabel.h"

#include <QStringList>
#include <QWidget>

// Texts of a window that do not fit where they are shown: a one-line text or
// a button's caption cut with "...", wrapped text taller than its box.
// Header only: the support library does not link the design system, its
// users do.
namespace TextFit {

inline QStringList problems(const QWidget* root)
{
    QStringList found;
    for (const TextLabel* label : root->findChildren<TextLabel*>()) {
        if (!label->isVisibleTo(root) || label->text().isEmpty())
            continue;
        // A style whose line is tighter than the face's own never wraps.
        const bool oneLine = !label->wordWrap() || label->type().singleLine();
        if (oneLine && label->sizeHint().width() > label->width())
            found << QStringLiteral("\"%1\" is cut: %2 wide for %3").arg(label->text()).arg(label->width()).arg(label->sizeHint().width());
        if (!oneLine && label->heightForWidth(label->width()) > label->height())
            found << QStringLiteral("\"%1\" is cut: %2 high for %3")
                         .arg(label->text())
                         .arg(label->height())
                         .arg(label->heightForWidth(label->width()));
    }
    for (const SButton* button : root->findChildren<SButton*>()) {
        if (button->isVisibleTo(root) && button->sizeHint().width() > button->width())
            found << QStringLiteral("button \"%1\" is cut: %2 wide for %3").arg(button->text()).arg(button->width()).arg(button->sizeHint().width());
    }
    return found;
}

} // namespace TextFit
