#include "engine/GeminiCall.h"

#include "platform/Clock.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QTimer>

QNetworkAccessManager& GeminiTransport::manager() const
{
    return network ? *network : shared();
}

Clock& GeminiTransport::timer() const
{
    return clock ? *clock : Clock::system();
}

QString GeminiTransport::apiRoot() const
{
    QString base = root;
    if (base.isEmpty())
        base = qEnvironmentVariable("KESTO_GEMINI_URL");
    if (base.isEmpty())
        base = QStringLiteral("https://generativelanguage.googleapis.com");
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base;
}

QNetworkAccessManager& GeminiTransport::shared()
{
    static QNetworkAccessManager* manager = [] {
        // The desktop's proxy settings and https_proxy / no_proxy: some users
        // reach the internet only through a proxy.
        QNetworkProxyFactory::setUseSystemConfiguration(true);
        return new QNetworkAccessManager;
    }();
    return *manager;
}

void GeminiCall::cancel() const
{
    if (!m_state || m_state->finished || !m_state->abort)
        return;
    const std::function<void()> abort = m_state->abort;
    abort();
}

bool GeminiCall::isRunning() const
{
    return m_state && !m_state->finished;
}

GeminiCall GeminiCall::create()
{
    GeminiCall call;
    call.m_state = std::make_shared<State>();
    return call;
}

void GeminiCall::later(std::function<void()> fn)
{
    QTimer::singleShot(0, QCoreApplication::instance(), std::move(fn));
}
