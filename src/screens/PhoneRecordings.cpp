#include "screens/PhoneRecordings.h"

#include "core/L10n.h"
#include "design/components/CardFrame.h"
#include "design/components/TextLabel.h"
#include "screens/PhoneRecordingList.h"

#include <QVBoxLayout>

PhoneRecordings::PhoneRecordings(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("phoneRecordings"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    column->addWidget(new TextLabel(L10n::tr("Recordings from the phone"), TypeModifier{15, QFont::DemiBold, 20}));
    auto* card = new CardFrame(20, Elevation::Xs);
    auto* inside = new QVBoxLayout(card);
    inside->setContentsMargins(19, 5, 19, 5);
    m_list = new PhoneRecordingList;
    inside->addWidget(m_list);
    column->addWidget(card);
}

void PhoneRecordings::setEntries(const QList<HistoryEntry>& entries)
{
    m_list->setEntries(entries);
}
