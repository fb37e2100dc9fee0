#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

// The server's log of refusals and dropped connections, kept bounded under a
// flood: the first event of a kind in an interval is written at once, the
// rest of that interval only as one count at its end. Server thread only.
class RefusalLog final : public QObject
{
    Q_OBJECT

public:
    explicit RefusalLog(QObject* parent = nullptr);
    ~RefusalLog() override;

    void setInterval(int ms);
    // event is the line's text after "phone server: ".
    void note(const QString& event);
    // Writes the counts still waiting (the server stops, or the interval ends).
    void flush();

private:
    QTimer m_timer{this}; // a child: it moves with the log to the server's thread
    // Kinds seen this interval, with how many came after the first.
    QHash<QString, qint64> m_more;
};
