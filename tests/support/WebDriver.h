#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class QNetworkAccessManager;

// Headless Chromium driven through chromedriver (WebDriver over loopback
// HTTP). Calls wait in a local event loop, so the test's own servers and
// handlers keep running meanwhile.
class WebDriver final
{
public:
    WebDriver();
    ~WebDriver();

    // Starts chromedriver and a browser session with these extra flags;
    // not headless, the browser opens a window on $DISPLAY.
    bool start(const QStringList& chromiumArguments, QString* error, bool headless = true);

    bool open(const QString& url);
    QJsonValue execute(const QString& script);
    // A real click on the first element matching the CSS selector.
    bool click(const QString& selector);
    QByteArray screenshotPng();
    // Polls the script until it returns the expected text, at most timeoutMs.
    bool waitFor(const QString& script, const QString& expected, int timeoutMs);

private:
    QJsonObject call(const QByteArray& method, const QString& path, const QJsonObject& body = {});

    QProcess m_driver;
    QTemporaryDir m_profile;
    QNetworkAccessManager* m_network;
    quint16 m_port = 0;
    QString m_session;
};
