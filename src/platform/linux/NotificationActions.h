#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>

// Runs the callback of a notification whose action the user picked. The
// server announces it with a signal on the session bus, naming the
// notification by the id Notify returned.
class NotificationActions final : public QObject
{
    Q_OBJECT

public:
    static NotificationActions& instance();
    void add(uint id, QObject* context, std::function<void()> onAction);

private Q_SLOTS:
    void actionInvoked(uint id, const QString& key);
    void closed(uint id, uint reason);

private:
    NotificationActions();

    struct Waiting
    {
        QPointer<QObject> context;
        std::function<void()> onAction;
    };
    QHash<uint, Waiting> m_waiting;
};
