#include "phone/RefusalLog.h"

#include "core/Log.h"

RefusalLog::RefusalLog(QObject* parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(60000);
    connect(&m_timer, &QTimer::timeout, this, &RefusalLog::flush);
}

RefusalLog::~RefusalLog()
{
    flush();
}

void RefusalLog::setInterval(int ms)
{
    m_timer.setInterval(ms);
}

void RefusalLog::note(const QString& event)
{
    const auto seen = m_more.find(event);
    if (seen != m_more.end()) {
        ++*seen;
        return;
    }
    m_more.insert(event, 0);
    Log::write(QStringLiteral("phone server: ") + event);
    if (!m_timer.isActive())
        m_timer.start();
}

void RefusalLog::flush()
{
    m_timer.stop();
    const QString window = QString::number(m_timer.interval() / 1000.0);
    for (auto it = m_more.constBegin(); it != m_more.constEnd(); ++it) {
        if (it.value() > 0)
            Log::write(QStringLiteral("phone server: ") + it.key() + QStringLiteral(", ") + QString::number(it.value())
                       + QStringLiteral(" more in the last ") + window + QStringLiteral(" s"));
    }
    m_more.clear();
}
