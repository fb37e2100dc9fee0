// Pasting into real X11 clients on the test display. Each terminal family
// gets the key stroke it pastes with, the text arrives byte for byte, and the
// user's clipboard and primary selection come back afterwards; a long
// dictation arrives whole.
#include "engine/TextInjector.h"
#include "platform/FrontApplication.h"

#include "TextWindowClient.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString windowOf(const QString& className)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        QProcess search;
        search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                 QStringLiteral("--class"), QLatin1Char('^') + className + QLatin1Char('$')});
        search.waitForFinished();
        const QList<QByteArray> ids = search.readAllStandardOutput().split('\n');
        if (!ids.isEmpty() && !ids.first().isEmpty())
            return QString::fromLatin1(ids.first());
        QTest::qWait(100);
    }
    return {};
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A terminal that runs command in a shell, in a UTF-8 locale as a desktop
// has. Its settings are its own: the question xfce4-terminal and urxvt ask
// before a paste of several lines is off, as a user who pastes into them
// often has it.
struct Terminal
{
    QProcess process;
    QTemporaryDir config;

    bool start(const QString& program, QStringList arguments, const QString& command)
    {
        arguments << QStringLiteral("sh") << QStringLiteral("-c") << command;
        QDir(config.path()).mkpath(QStringLiteral("xfce4/terminal"));
        QFile settings(config.filePath(QStringLiteral("xfce4/terminal/terminalrc")));
        if (!settings.open(QIODevice::WriteOnly)
            || settings.write("[Configuration]\nMiscShowUnsafePasteDialog=FALSE\n") < 0)
            return false;
        settings.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(program, arguments);
        return process.waitForStarted();
    }

    ~Terminal()
    {
        process.terminate();
        if (!process.waitForFinished(3000)) {
            process.kill();
            process.waitForFinished(3000);
        }
    }
};

} // namespace

class TestPasteTargets final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pastesIntoRealTerminals_data();
    void pastesIntoRealTerminals();
    void longTextArrivesWhole_data();
    void longTextArrivesWhole();
};

void TestPasteTargets::pastesIntoRealTerminals_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("windowClass");
    QTest::addColumn<QString>("appId"); // as the desktop files installed name them

    QTest::newRow("xterm") << "xterm" << QStringList{"-e"} << "XTerm" << "debian-xterm";
    QTest::newRow("uxterm") << "uxterm" << QStringList{"-e"} << "UXTerm" << "debian-uxterm";
    QTest::newRow("rxvt-unicode") << "urxvt" << QStringList{"-pe", "-confirm-paste", "-e"} << "URxvt"
                                  << "rxvt-unicode";
    QTest::newRow("xfce4-terminal") << "xfce4-terminal" << QStringList{"--disable-server", "-x"} << "Xfce4-terminal"
                                    << "xfce4-terminal";
}

void TestPasteTargets::pastesIntoRealTerminals()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, windowClass);
    QFETCH(QString, appId);

    QTemporaryDir dir;
    const QString received = dir.filePath(QStringLiteral("received"));
    // Each byte goes straight to cat, without a line discipline's editing.
    Terminal terminal;
    QVERIFY(terminal.start(program, arguments, QStringLiteral("stty -icanon -echo; exec cat > '%1'").arg(received)));
    const QString window = windowOf(windowClass);
    QVERIFY2(!window.isEmpty(), qPrintable(program + QStringLiteral(" shows no window")));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(received), 10000);
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window}),
             0);
    QTRY_COMPARE_WITH_TIMEOUT(FrontApplication::system().current().id, appId, 5000);

    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("the user's clipboard"));
    clipboard->setText(QStringLiteral("the user's selection"), QClipboard::Selection);
    const QString text = QStringLiteral("echo 'Привет, мир' — naïve café 👍\nsecond line\twith a tab $HOME `x`");
    TextInjector::insert(text, QStringLiteral("paste"), QString(), appId);
    QTRY_COMPARE_WITH_TIMEOUT(contents(received), text.toUtf8(), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(clipboard->text(), QStringLiteral("the user's clipboard"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(clipboard->text(QClipboard::Selection), QStringLiteral("the user's selection"), 5000);
}

void TestPasteTargets::longTextArrivesWhole_data()
{
    QTest::addColumn<bool>("terminal");
    QTest::newRow("Qt text field") << false;
    QTest::newRow("xterm") << true;
}

void TestPasteTargets::longTextArrivesWhole()
{
    QFETCH(bool, terminal);
    // About a megabyte of dictation: words, line breaks and non-Latin letters.
    QString text;
    for (int line = 0; text.size() < 1'000'000; ++line)
        text += QStringLiteral("Line %1: the quick brown fox, Привет мир, ends here.\n").arg(line);
    text = text.trimmed();
    const QByteArray bytes = text.toUtf8();
    QGuiApplication::clipboard()->setText(QStringLiteral("the user's clipboard"));

    if (!terminal) {
        TextWindowClient window;
        QVERIFY(window.start(QString::fromLocal8Bit(qgetenv("KESTO_TEXT_WINDOW"))));
        QVERIFY(window.focus());
        TextInjector::insert(text, QStringLiteral("paste"), QString(), FrontApplication::system().current().id);
        QTRY_VERIFY_WITH_TIMEOUT(window.text().size() >= text.size(), 60000);
        QVERIFY(window.text() == text);
    } else {
        QTemporaryDir dir;
        const QString received = dir.filePath(QStringLiteral("received"));
        Terminal xterm;
        QVERIFY(xterm.start(QStringLiteral("xterm"), {QStringLiteral("-e")},
                            QStringLiteral("stty -icanon -echo; exec head -c %1 > '%2'").arg(bytes.size()).arg(received)));
        const QString window = windowOf(QStringLiteral("XTerm"));
        QVERIFY(!window.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(received), 10000);
        QCOMPARE(QProcess::execute(QStringLiteral("xdotool"),
                                   {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window}),
                 0);
        TextInjector::insert(text, QStringLiteral("paste"), QString(), FrontApplication::system().current().id);
        QTRY_VERIFY_WITH_TIMEOUT(xterm.process.state() == QProcess::NotRunning
                                     || contents(received).size() >= bytes.size(),
                                 60000);
        QCOMPARE(contents(received).size(), bytes.size());
        QVERIFY(contents(received) == bytes);
    }
    QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text(), QStringLiteral("the user's clipboard"), 10000);
}

QTEST_MAIN(TestPasteTargets)
#include "TestPasteTargets.moc"
