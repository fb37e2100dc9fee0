#pragma once

#include "core/History.h"

#include <QWidget>

class PhoneRecordingList;

// "Recordings from the phone": a heading over a card of the History entries
// that came from the phone, in the order given.
class PhoneRecordings final : public QWidget {
    Q_OBJECT

public:
    explicit PhoneRecordings(QWidget* parent = nullptr);

    void setEntries(const QList<HistoryEntry>& entries);
    PhoneRecordingList* list() const { return m_list; }

private:
    PhoneRecordingList* m_list;
};
