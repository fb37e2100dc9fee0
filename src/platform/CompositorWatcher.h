#pragma once

#include <QObject>

#include <memory>

// Whether the desktop composites windows, so that a translucent window shows
// what lies behind its transparent parts, followed as a compositing manager
// starts or stops. On X11 that is the case exactly when the screen's
// "_NET_WM_CM_S<n>" selection has an owner; other window systems always
// composite. Main thread.
class CompositorWatcher final : public QObject
{
    Q_OBJECT

public:
    explicit CompositorWatcher(QObject* parent = nullptr);
    ~CompositorWatcher() override;

    bool isRunning() const { return m_running; }

Q_SIGNALS:
    void changed(bool running);

private:
    struct Connection;

    void check();

    std::unique_ptr<Connection> m_connection;
    bool m_running = true;
};
