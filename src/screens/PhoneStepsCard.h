#pragma once

#include "design/components/CardFrame.h"

// "How it works": three numbered steps for connecting a phone and a note that
// nothing needs installing. Static.
class PhoneStepsCard final : public CardFrame {
    Q_OBJECT

public:
    explicit PhoneStepsCard(QWidget* parent = nullptr);
};
