#pragma once

#include "design/components/TextLabel.h"

// Wraps a label's text over as many lines as its width needs. The label's
// own fixed height is its one-line size, which a box layout would hold it
// to: here it takes the height for its width instead.
inline void wrapText(TextLabel* label)
{
    label->setWordWrap(true);
    QSizePolicy policy = label->sizePolicy();
    policy.setVerticalPolicy(QSizePolicy::Preferred);
    label->setSizePolicy(policy);
}
