#pragma once

#include <QLockFile>
#include <QObject>

#include <memory>

class QLocalServer;

// One running application per user and data folder: a second start hands
// "activate" to the running one and exits, so that two talk-key monitors and
// two phone servers never fight over the keys and the port.
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString& dataFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the one instance (it now listens for later
    // starts); false when another one runs, which has then been asked to come
    // forward.
    bool claim();

    // The local socket name for a data folder (per user).
    static QString serverName(const QString& dataFolder);

Q_SIGNALS:
    // A later start asked this instance to come forward.
    void activated();

private:
    bool notifyRunning() const;

    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};
