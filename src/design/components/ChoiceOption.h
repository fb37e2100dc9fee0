#pragma once

#include <QList>
#include <QString>
#include <QVariant>

// One option of a select or a segmented control: the value written on a pick
// and its label, shown exactly as given (the caller localises it).
struct ChoiceOption {
    QVariant value;
    QString label;

    friend bool operator==(const ChoiceOption&, const ChoiceOption&) = default;
};

using ChoiceOptions = QList<ChoiceOption>;
