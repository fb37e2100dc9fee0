#include "platform/FrontApplication.h"

#include "TextWindowClient.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The front application of a real X display: the focused window of a test
// program, named from its WM_CLASS, _GTK_APPLICATION_ID and desktop files.
class TestFrontApplication final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void namedFromWindowAndDesktopFiles_data();
    void namedFromWindowAndDesktopFiles();
    void applicationIdWins();

private:
    void writeDesktopFile(const QString& relativePath, const QString& body);

    QTemporaryDir m_data;
    TextWindowClient m_window;
};

void TestFrontApplication::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "this test needs the X display of scripts/test-env");
    // Only this test's desktop files are installed.
    qputenv("XDG_DATA_HOME", m_data.filePath(QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_DATA_DIRS", m_data.filePath(QStringLiteral("system")).toLocal8Bit());
    QVERIFY(m_window.start(qEnvironmentVariable("KESTO_TEXT_WINDOW"), QStringLiteral("kestotestpad")));
    QVERIFY(m_window.focus());
}

void TestFrontApplication::init()
{
    QDir(m_data.filePath(QStringLiteral("home"))).removeRecursively();
    QDir(m_data.filePath(QStringLiteral("system"))).removeRecursively();
    QVERIFY(m_window.focus());
}

void TestFrontApplication::writeDesktopFile(const QString& relativePath, const QString& body)
{
    const QString path = m_data.filePath(relativePath);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(body.toUtf8());
}

void TestFrontApplication::namedFromWindowAndDesktopFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("name");

    QTest::newRow("no desktop file: the window class")
        << QString() << QString() << "kestotestpad" << "kestotestpad";
    QTest::newRow("desktop file with a matching StartupWMClass")
        << "system/applications/com.example.TestPad.desktop"
        << "[Desktop Entry]\nType=Application\nName=Test Pad\nStartupWMClass=Kestotestpad\n"
        << "com.example.TestPad" << "Test Pad";
    QTest::newRow("StartupWMClass in another group does not count")
        << "system/applications/com.example.Other.desktop"
        << "[Desktop Entry]\nName=Other\n[Desktop Action x]\nStartupWMClass=Kestotestpad\n"
        << "kestotestpad" << "kestotestpad";
    QTest::newRow("desktop file named after the class")
        << "home/applications/kestotestpad.desktop" << "[Desktop Entry]\nName=Pad by id\n"
        << "kestotestpad" << "Pad by id";
    QTest::newRow("desktop file in a subfolder")
        << "home/applications/vendor/pad.desktop"
        << "[Desktop Entry]\nName=Vendor Pad\nStartupWMClass=kestotestpad\n"
        << "vendor-pad" << "Vendor Pad";
}

void TestFrontApplication::namedFromWindowAndDesktopFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, body);
    QFETCH(QString, id);
    QFETCH(QString, name);
    if (!file.isEmpty())
        writeDesktopFile(file, body);
    const FrontApp front = FrontApplication::system().current();
    QCOMPARE(front.id, id);
    QCOMPARE(front.name, name);
}

void TestFrontApplication::applicationIdWins()
{
    writeDesktopFile(QStringLiteral("system/applications/org.example.Gtk.desktop"),
                     QStringLiteral("[Desktop Entry]\nName=Gtk Pad\n"));
    const QString window = QString::number(m_window.windowId());
    QCOMPARE(QProcess::execute(QStringLiteral("xprop"), {"-id", window, "-f", "_GTK_APPLICATION_ID", "8u", "-set",
                                                         "_GTK_APPLICATION_ID", "org.example.Gtk"}),
             0);
    const FrontApp front = FrontApplication::system().current();
    QCOMPARE(front, (FrontApp{QStringLiteral("org.example.Gtk"), QStringLiteral("Gtk Pad")}));
    QCOMPARE(QProcess::execute(QStringLiteral("xprop"), {"-id", window, "-remove", "_GTK_APPLICATION_ID"}), 0);
}

QTEST_GUILESS_MAIN(TestFrontApplication)
#include "TestFrontApplication.moc"
