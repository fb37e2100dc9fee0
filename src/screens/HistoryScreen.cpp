#include "screens/HistoryScreen.h"

#include "core/AppState.h"
#include "core/L10n.h"
#include "design/components/TextLabel.h"
#include "screens/ScreenStyle.h"

#include <QVBoxLayout>

HistoryScreen::HistoryScreen(AppState& state, AppActions& actions, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_actions(actions)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(ScreenStyle::headerSide, ScreenStyle::headerTop, ScreenStyle::headerSide,
                               ScreenStyle::headerBottom);
    column->addWidget(new TextLabel(L10n::tr("History"), ScreenStyle::title, Palette::textPrimary, this));
    column->addStretch(1);
}
