#include "WebDriver.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpServer>
#include <QThread>
#include <QTimer>

namespace {

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

const QString elementKey = QStringLiteral("element-6066-11e4-a52e-4f735466cecf");

} // namespace

WebDriver::WebDriver()
    : m_network(new QNetworkAccessManager)
{
}

WebDriver::~WebDriver()
{
    if (!m_session.isEmpty())
        call("DELETE", QStringLiteral("/session/") + m_session);
    delete m_network;
    if (m_driver.state() != QProcess::NotRunning) {
        m_driver.terminate();
        if (!m_driver.waitForFinished(3000))
            m_driver.kill();
        m_driver.waitForFinished();
    }
}

bool WebDriver::start(const QStringList& chromiumArguments, QString* error, bool headless)
{
    m_port = freePort();
    m_driver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_driver.setStandardOutputFile(QProcess::nullDevice());
    m_driver.start(QStringLiteral("chromedriver"), {QStringLiteral("--port=%1").arg(m_port)});
    if (!m_driver.waitForStarted(5000)) {
        *error = QStringLiteral("chromedriver did not start: ") + m_driver.errorString();
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    while (call("GET", QStringLiteral("/status")).value(QStringLiteral("value")).toObject().value(QStringLiteral("ready")) != true) {
        if (clock.elapsed() > 10000) {
            *error = QStringLiteral("chromedriver is not ready");
            return false;
        }
        QThread::msleep(100);
    }
    QStringList arguments{headless ? QStringLiteral("--headless=new") : QStringLiteral("--ozone-platform=x11"),
                          QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
                          QStringLiteral("--no-first-run"), QStringLiteral("--disable-background-networking"),
                          QStringLiteral("--disable-component-update"), QStringLiteral("--disable-sync"),
                          QStringLiteral("--user-data-dir=") + m_profile.path()};
    arguments += chromiumArguments;
    const QJsonObject options{{QStringLiteral("binary"), QStringLiteral("/usr/bin/chromium")},
                              {QStringLiteral("args"), QJsonArray::fromStringList(arguments)}};
    const QJsonObject capabilities{{QStringLiteral("alwaysMatch"),
                                    QJsonObject{{QStringLiteral("acceptInsecureCerts"), true},
                                                {QStringLiteral("goog:chromeOptions"), options}}}};
    const QJsonObject answer = call("POST", QStringLiteral("/session"), {{QStringLiteral("capabilities"), capabilities}});
    m_session = answer.value(QStringLiteral("value")).toObject().value(QStringLiteral("sessionId")).toString();
    if (m_session.isEmpty()) {
        *error = QStringLiteral("no browser session: ") + QString::fromUtf8(QJsonDocument(answer).toJson(QJsonDocument::Compact));
        return false;
    }
    return true;
}

QJsonObject WebDriver::call(const QByteArray& method, const QString& path, const QJsonObject& body)
{
    QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path)));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    request.setTransferTimeout(60000);
    const QByteArray payload = method == "POST" ? QJsonDocument(body).toJson(QJsonDocument::Compact) : QByteArray();
    QNetworkReply* reply = m_network->sendCustomRequest(request, method, payload);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    const QJsonObject answer = QJsonDocument::fromJson(reply->readAll()).object();
    reply->deleteLater();
    return answer;
}

bool WebDriver::open(const QString& url)
{
    const QJsonObject answer = call("POST", QStringLiteral("/session/%1/url").arg(m_session), {{QStringLiteral("url"), url}});
    return answer.value(QStringLiteral("value")).isNull();
}

QJsonValue WebDriver::execute(const QString& script)
{
    const QJsonObject answer = call("POST", QStringLiteral("/session/%1/execute/sync").arg(m_session),
                                    {{QStringLiteral("script"), script}, {QStringLiteral("args"), QJsonArray()}});
    return answer.value(QStringLiteral("value"));
}

bool WebDriver::click(const QString& selector)
{
    const QJsonObject found = call("POST", QStringLiteral("/session/%1/element").arg(m_session),
                                   {{QStringLiteral("using"), QStringLiteral("css selector")},
                                    {QStringLiteral("value"), selector}});
    const QString element = found.value(QStringLiteral("value")).toObject().value(elementKey).toString();
    if (element.isEmpty())
        return false;
    const QJsonObject clicked = call("POST", QStringLiteral("/session/%1/element/%2/click").arg(m_session, element));
    return clicked.value(QStringLiteral("value")).isNull();
}

QByteArray WebDriver::screenshotPng()
{
    const QJsonObject answer = call("GET", QStringLiteral("/session/%1/screenshot").arg(m_session));
    return QByteArray::fromBase64(answer.value(QStringLiteral("value")).toString().toLatin1());
}

bool WebDriver::waitFor(const QString& script, const QString& expected, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        if (execute(script).toString() == expected)
            return true;
        QEventLoop loop;
        QTimer::singleShot(100, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return false;
}
