// Typing a long mixed-script text into three kinds of real X11 client: a Qt
// text field, a GTK terminal and a Chromium text area. The keyboard map is
// the English one of the test display, so nearly every character goes
// through remapped spare keycodes, the first one included.
#include "engine/TextInjector.h"

#include "TextWindowClient.h"
#include "TypingSample.h"
#include "WebDriver.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool focusWindowOf(const QString& className)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        QProcess search;
        search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                 QStringLiteral("--class"), className});
        search.waitForFinished();
        const QList<QByteArray> ids = search.readAllStandardOutput().split('\n');
        if (!ids.isEmpty() && !ids.first().isEmpty()) {
            return QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"),
                                                                 QString::fromLatin1(ids.first())})
                == 0;
        }
        QTest::qWait(100);
    }
    return false;
}

} // namespace

class TestTypingTargets final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void qtTextField();
    void gtkTerminal();
    void chromiumTextArea();

private:
    void typeSample();
};

void TestTypingTargets::typeSample()
{
    TextInjector::insert(TypingSample::text(), QStringLiteral("type"), QStringLiteral("shiftReturn"), QString());
}

void TestTypingTargets::qtTextField()
{
    TextWindowClient window;
    QVERIFY(window.start(QString::fromLocal8Bit(qgetenv("KESTO_TEXT_WINDOW"))));
    QVERIFY(window.focus());
    typeSample();
    TextInjector::waitForTyping();
    QTRY_COMPARE_WITH_TIMEOUT(window.text(), TypingSample::text(), 10000);
}

void TestTypingTargets::gtkTerminal()
{
    QTemporaryDir dir;
    const QString received = dir.filePath(QStringLiteral("received"));
    QProcess terminal;
    // Each key goes straight to cat, without a line discipline.
    terminal.start(QStringLiteral("xfce4-terminal"),
                   {QStringLiteral("--disable-server"), QStringLiteral("--title=typing"),
                    QStringLiteral("-x"), QStringLiteral("sh"), QStringLiteral("-c"),
                    QStringLiteral("stty -icanon -echo; exec cat > '%1'").arg(received)});
    QVERIFY(terminal.waitForStarted());
    QVERIFY(focusWindowOf(QStringLiteral("xfce4-terminal")));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(received), 10000);
    typeSample();
    TextInjector::waitForTyping();
    const QString expected = TypingSample::text();
    QFile file(received);
    QTRY_COMPARE_WITH_TIMEOUT((file.open(QIODevice::ReadOnly), file.seek(0), QString::fromUtf8(file.readAll())),
                              expected, 10000);
    terminal.terminate();
    terminal.waitForFinished();
}

void TestTypingTargets::chromiumTextArea()
{
    WebDriver browser;
    QString error;
    QVERIFY2(browser.start({QStringLiteral("--window-size=800,600")}, &error, false), qPrintable(error));
    QVERIFY(browser.open(QStringLiteral("data:text/html,<textarea id=t style='width:90%;height:500px'></textarea>")));
    QVERIFY(focusWindowOf(QStringLiteral("chromium")));
    QVERIFY(browser.click(QStringLiteral("#t")));
    typeSample();
    TextInjector::waitForTyping();
    QVERIFY2(browser.waitFor(QStringLiteral("return document.getElementById('t').value"), TypingSample::text(), 10000),
             qPrintable(browser.execute(QStringLiteral("return document.getElementById('t').value")).toString()));
}

QTEST_MAIN(TestTypingTargets)
#include "TestTypingTargets.moc"
