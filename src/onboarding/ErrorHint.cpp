#include "onboarding/ErrorHint.h"

#include "design/Palette.h"
#include "design/components/TextLabel.h"

namespace ErrorHint {

TextLabel* make(const QString& text, int maxLines)
{
    const TypeModifier type{12, QFont::Normal, 16};
    auto* label = new TextLabel(text, type, Palette::negative);
    label->setWordWrap(true);
    if (maxLines > 0)
        label->setMaximumHeight(int(type.lineHeight() * maxLines));
    return label;
}

} // namespace ErrorHint
