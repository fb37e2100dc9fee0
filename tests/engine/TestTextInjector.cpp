#include "engine/TextInjector.h"

#include "core/Log.h"

#include "FakeClock.h"
#include "RecordingKeyInjector.h"
#include "TempDataDir.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QtTest>

using namespace TextInjector;

namespace {

// Actions written compactly: "T:<chunk>", "K:Return+Shift", "P:20".
QStringList describe(const QList<Action>& actions)
{
    QStringList out;
    for (const Action& action : actions) {
        switch (action.kind) {
        case Action::Kind::text:
            out << QStringLiteral("T:") + action.text;
            break;
        case Action::Kind::key: {
            QString key = QStringLiteral("K:Return");
            if (action.modifiers & KeySource::Shift)
                key += QStringLiteral("+Shift");
            if (action.modifiers & KeySource::Option)
                key += QStringLiteral("+Alt");
            out << key;
            break;
        }
        case Action::Kind::pause:
            out << QStringLiteral("P:%1").arg(action.pauseMs);
            break;
        }
    }
    return out;
}

QImage sampleImage()
{
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(Qt::blue);
    image.setPixel(2, 1, qRgb(250, 10, 20));
    return image;
}

} // namespace

class TestTextInjector final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void typingActions_data();
    void typingActions();
    void chunksKeepGraphemesWhole_data();
    void chunksKeepGraphemesWhole();
    void methodAndTrimming_data();
    void methodAndTrimming();
    void pasteChordFollowsTheFrontApplication_data();
    void pasteChordFollowsTheFrontApplication();
    void pasteRestoresEveryFormat_data();
    void pasteRestoresEveryFormat();
    void emptyClipboardKeepsThePastedText();
    void secondPasteKeepsTheUsersClipboard();
    void missingDisplayIsLogged();

private:
    TempDataDir m_dataDir;
    FakeClock m_clock;
    RecordingKeyInjector m_injector;
};

void TestTextInjector::init()
{
    // Lets any paste of an earlier case finish.
    m_clock.advance(1000);
    m_injector.calls.clear();
    m_injector.failure.clear();
    QGuiApplication::clipboard()->clear();
}

void TestTextInjector::typingActions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("newline");
    QTest::addColumn<QStringList>("actions");

    const QString seventeen = QStringLiteral("abcdefghijklmnopq");
    QTest::newRow("17 characters are two chunks")
        << seventeen << "shiftReturn" << QStringList{"T:abcdefghijklmnop", "P:4", "T:q", "P:4"};
    QTest::newRow("Shift+Return") << "a\nb" << "shiftReturn" << QStringList{"T:a", "P:4", "K:Return+Shift", "P:20", "T:b", "P:4"};
    QTest::newRow("Alt+Return") << "a\nb" << "optionReturn" << QStringList{"T:a", "P:4", "K:Return+Alt", "P:20", "T:b", "P:4"};
    QTest::newRow("plain Return") << "a\nb" << "return" << QStringList{"T:a", "P:4", "K:Return", "P:20", "T:b", "P:4"};
    QTest::newRow("space: three chunks, no long pause")
        << "one\ntwo" << "space" << QStringList{"T:one", "P:4", "T: ", "P:4", "T:two", "P:4"};
    QTest::newRow("unknown mode is Shift+Return") << "a\nb" << "Return" << QStringList{"T:a", "P:4", "K:Return+Shift", "P:20", "T:b", "P:4"};
    QTest::newRow("empty mode is Shift+Return") << "a\nb" << "" << QStringList{"T:a", "P:4", "K:Return+Shift", "P:20", "T:b", "P:4"};
    QTest::newRow("CRLF and lone CR are one break each")
        << "a\r\nb\rc" << "return"
        << QStringList{"T:a", "P:4", "K:Return", "P:20", "T:b", "P:4", "K:Return", "P:20", "T:c", "P:4"};
    QTest::newRow("two LF: two breaks, nothing between")
        << "a\n\nb" << "return" << QStringList{"T:a", "P:4", "K:Return", "P:20", "K:Return", "P:20", "T:b", "P:4"};
}

void TestTextInjector::typingActions()
{
    QFETCH(QString, text);
    QFETCH(QString, newline);
    QFETCH(QStringList, actions);
    QCOMPARE(describe(TextInjector::typingActions(text, newlineModeFromRaw(newline))), actions);
}

void TestTextInjector::chunksKeepGraphemesWhole_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("size");
    QTest::addColumn<QStringList>("chunks");

    const QString family = QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467"); // one family emoji
    const QString accented = QStringLiteral("e\u0301");                                   // e and a combining acute
    QTest::newRow("empty") << QString() << 16 << QStringList();
    QTest::newRow("exactly one chunk") << QStringLiteral("0123456789abcdef") << 16 << QStringList{"0123456789abcdef"};
    QTest::newRow("joined emoji stays whole")
        << QStringLiteral("abcdefghijklmno") + family + QStringLiteral("x") << 16
        << QStringList{QStringLiteral("abcdefghijklmno") + family, QStringLiteral("x")};
    QTest::newRow("combining mark stays with its letter")
        << accented + accented + accented << 2 << QStringList{accented + accented, accented};
    QTest::newRow("Cyrillic and CJK") << QStringLiteral("Привет世界") << 4
                                      << QStringList{QStringLiteral("Прив"), QStringLiteral("ет世界")};
}

void TestTextInjector::chunksKeepGraphemesWhole()
{
    QFETCH(QString, text);
    QFETCH(int, size);
    QFETCH(QStringList, chunks);
    QCOMPARE(chunked(text, size), chunks);
    QCOMPARE(chunked(text, size).join(QString()), text);
}

void TestTextInjector::methodAndTrimming_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QString>("clipboard");

    QTest::newRow("blank text does nothing") << " \n\t \r\n" << "paste" << QStringList() << "user text";
    QTest::newRow("blank text typed does nothing") << "  \n" << "type" << QStringList() << "user text";
    QTest::newRow("typing trims the ends") << "\n  hi there \n" << "type" << QStringList{"text:hi there"} << "user text";
    QTest::newRow("inner breaks stay") << " a\nb " << "type"
                                       << QStringList{"text:a", "key:Return+Shift", "text:b"} << "user text";
    QTest::newRow("pasting trims the ends") << "\n hi \n" << "paste" << QStringList{"key:V+Ctrl"} << "hi";
    QTest::newRow("another letter case pastes") << "hi" << "Type" << QStringList{"key:V+Ctrl"} << "hi";
    QTest::newRow("empty method pastes") << "hi" << "" << QStringList{"key:V+Ctrl"} << "hi";
}

void TestTextInjector::methodAndTrimming()
{
    QFETCH(QString, text);
    QFETCH(QString, method);
    QFETCH(QStringList, calls);
    QFETCH(QString, clipboard);
    QGuiApplication::clipboard()->setText(QStringLiteral("user text"));
    insert(text, method, QStringLiteral("shiftReturn"), QString(), m_injector, m_clock);
    waitForTyping();
    m_clock.advance(50);
    QCOMPARE(m_injector.calls, calls);
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
}

void TestTextInjector::pasteChordFollowsTheFrontApplication_data()
{
    QTest::addColumn<QString>("app");
    QTest::addColumn<QString>("chord");
    QTest::newRow("editor") << "org.gnome.TextEditor" << "key:V+Ctrl";
    QTest::newRow("no front application") << "" << "key:V+Ctrl";
    QTest::newRow("GNOME Console") << "org.gnome.Console" << "key:V+Ctrl+Shift";
    QTest::newRow("xterm") << "xterm" << "key:Insert+Shift";
    QTest::newRow("xterm by its desktop file") << "debian-xterm" << "key:Insert+Shift";
    QTest::newRow("uxterm by its class") << "UXTerm" << "key:Insert+Shift";
    QTest::newRow("rxvt-unicode") << "rxvt-unicode" << "key:Insert+Shift";
    QTest::newRow("urxvt by its class") << "URxvt" << "key:Insert+Shift";
    QTest::newRow("xfce4-terminal") << "xfce4-terminal" << "key:V+Ctrl+Shift";
    QTest::newRow("Alacritty by its class") << "Alacritty" << "key:V+Ctrl+Shift";
    QTest::newRow("Konsole") << "org.kde.konsole" << "key:V+Ctrl+Shift";
}

void TestTextInjector::pasteChordFollowsTheFrontApplication()
{
    QFETCH(QString, app);
    QFETCH(QString, chord);
    insert(QStringLiteral("ls"), QStringLiteral("paste"), QString(), app, m_injector, m_clock);
    m_clock.advance(49);
    QVERIFY(m_injector.calls.isEmpty());
    m_clock.advance(1);
    QCOMPARE(m_injector.calls, QStringList{chord});
}

void TestTextInjector::pasteRestoresEveryFormat_data()
{
    QTest::addColumn<bool>("image");
    QTest::newRow("text and HTML") << false;
    QTest::newRow("image") << true;
}

void TestTextInjector::pasteRestoresEveryFormat()
{
    QFETCH(bool, image);
    auto* previous = new QMimeData;
    if (image) {
        previous->setImageData(sampleImage());
    } else {
        previous->setText(QStringLiteral("before"));
        previous->setHtml(QStringLiteral("<b>before</b>"));
    }
    QGuiApplication::clipboard()->setMimeData(previous);

    insert(QStringLiteral("dictated"), QStringLiteral("paste"), QString(), QString(), m_injector, m_clock);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("dictated"));
    m_clock.advance(449);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("dictated"));
    m_clock.advance(1);

    const QMimeData* restored = QGuiApplication::clipboard()->mimeData();
    QVERIFY(restored);
    if (image) {
        QVERIFY(restored->hasImage());
        QCOMPARE(qvariant_cast<QImage>(restored->imageData()).convertToFormat(QImage::Format_RGB32), sampleImage());
        QVERIFY(!restored->hasText());
    } else {
        QCOMPARE(restored->text(), QStringLiteral("before"));
        QCOMPARE(restored->html(), QStringLiteral("<b>before</b>"));
    }
}

void TestTextInjector::emptyClipboardKeepsThePastedText()
{
    insert(QStringLiteral("dictated"), QStringLiteral("paste"), QString(), QString(), m_injector, m_clock);
    m_clock.advance(1000);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("dictated"));
}

void TestTextInjector::secondPasteKeepsTheUsersClipboard()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("mine"));
    insert(QStringLiteral("first"), QStringLiteral("paste"), QString(), QString(), m_injector, m_clock);
    m_clock.advance(200);
    insert(QStringLiteral("second"), QStringLiteral("paste"), QString(), QString(), m_injector, m_clock);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("second"));
    // The first paste's restore time passes without touching the second.
    m_clock.advance(300);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("second"));
    m_clock.advance(150);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("mine"));
    QCOMPARE(m_injector.calls, (QStringList{"key:V+Ctrl", "key:V+Ctrl"}));

    // Once restored, the next paste saves afresh.
    QGuiApplication::clipboard()->setText(QStringLiteral("newer"));
    insert(QStringLiteral("third"), QStringLiteral("paste"), QString(), QString(), m_injector, m_clock);
    m_clock.advance(450);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("newer"));
}

void TestTextInjector::missingDisplayIsLogged()
{
    Log::flush();
    Log::reset();
    m_injector.failure = QStringLiteral("no X display (DISPLAY is not set)");
    QGuiApplication::clipboard()->setText(QStringLiteral("mine"));
    insert(QStringLiteral("hello"), QStringLiteral("paste"), QString(), QString(), m_injector, m_clock);
    m_clock.advance(1000);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("mine"));
    QVERIFY(m_injector.calls.isEmpty());
    Log::flush();
    QCOMPARE(m_dataDir.read(QStringLiteral("kesto.log")).count("text not inserted: no X display (DISPLAY is not set)"),
             1);
}

QTEST_MAIN(TestTextInjector)
#include "TestTextInjector.moc"
