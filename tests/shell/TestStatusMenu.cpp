#include "shell/StatusMenu.h"

#include <QtTest>

// The tray menu per phase, as a table: each item is written as a marker and
// its title: "-" disabled, "+" enabled action, ">" submenu, "|" separator.
class TestStatusMenu final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void itemsPerPhase_data();
    void itemsPerPhase();
    void microphoneSubmenu();
    void wrapping_data();
    void wrapping();
};

namespace {

QStringList describe(const QList<StatusMenuItem>& items)
{
    QStringList out;
    for (const StatusMenuItem& item : items) {
        switch (item.kind) {
        case StatusMenuItem::Kind::separator:
            out << QStringLiteral("|");
            break;
        case StatusMenuItem::Kind::disabled:
            out << QLatin1Char('-') + item.title;
            break;
        case StatusMenuItem::Kind::submenu:
            out << QLatin1Char('>') + item.title;
            break;
        case StatusMenuItem::Kind::action:
            out << QLatin1Char('+') + item.title;
            break;
        }
        if (item.enabled() != (item.kind == StatusMenuItem::Kind::action || item.kind == StatusMenuItem::Kind::submenu))
            out << QStringLiteral("wrong enabled state");
    }
    return out;
}

const QStringList tail = {
    QStringLiteral("|"),
    QStringLiteral("-Kesto Viruz 9.9 (1)"),
    QStringLiteral("+Open logs"),
    QStringLiteral("+Quit"),
};

QStringList middle(const QString& hud = QStringLiteral("+Hide button"))
{
    return {QStringLiteral("|"), QStringLiteral(">Microphone: System default"),
            QStringLiteral("+Open Kesto Viruz"), QStringLiteral("+Settings\u2026"),
            QStringLiteral("+Set up again"), hud};
}

} // namespace

void TestStatusMenu::itemsPerPhase_data()
{
    QTest::addColumn<StatusMenuInput>("input");
    QTest::addColumn<QStringList>("expected");

    StatusMenuInput base;
    base.microphoneName = QStringLiteral("System default");
    base.versionLabel = QStringLiteral("Kesto Viruz 9.9 (1)");

    StatusMenuInput idle = base;
    QTest::newRow("idle, hold Ctrl+Super")
        << idle << (QStringList{QStringLiteral("-Hold Ctrl + Super to talk")} + middle() + tail);

    StatusMenuInput toggle = base;
    toggle.hotkey = HotkeyKind::rightCommand;
    toggle.hotkeyMode = HotkeyMode::toggle;
    toggle.hudVisible = false;
    QTest::newRow("idle, toggle Right Alt, pill hidden")
        << toggle << (QStringList{QStringLiteral("-Press Right Alt to talk")} + middle(QStringLiteral("+Show button")) + tail);

    StatusMenuInput noAccess = base;
    noAccess.accessibilityGranted = false;
    noAccess.message = QStringLiteral("There is no X11 session.");
    QTest::newRow("idle without an X11 session")
        << noAccess
        << (QStringList{QStringLiteral("-Typing and the talk key need X11"), QStringLiteral("-There is no X11 session.")}
            + middle() + tail);

    StatusMenuInput recording = base;
    recording.phase = AppState::Phase::recording;
    QTest::newRow("recording") << recording
                               << (QStringList{QStringLiteral("-Recording... (Esc to cancel)")} + middle() + tail);

    StatusMenuInput working = base;
    working.phase = AppState::Phase::working;
    working.lastTranscript = QStringLiteral("A short last text & more");
    QTest::newRow("working, with a last text")
        << working
        << (QStringList{QStringLiteral("-Transcribing...")} + middle()
            + QStringList{QStringLiteral("|"), QStringLiteral("+Last text: A short last text & more"),
                          QStringLiteral("+Insert last text again")}
            + tail);

    StatusMenuInput failed = base;
    failed.phase = AppState::Phase::failed;
    failed.message = QStringLiteral("Gemini could not be reached. Check the connection and try again from History.");
    failed.lastTranscript = QString(49, QLatin1Char('x'));
    QTest::newRow("failed, long message and last text")
        << failed
        << (QStringList{QStringLiteral("-Something went wrong"),
                        QStringLiteral("-Gemini could not be reached. Check the connection and try"),
                        QStringLiteral("-again from History.")}
            + middle()
            + QStringList{QStringLiteral("|"), QStringLiteral("+Last text: ") + QString(48, QLatin1Char('x')) + QStringLiteral("..."),
                          QStringLiteral("+Insert last text again")}
            + tail);

    // A proxy's error page: each of its lines wrapped, nothing cut.
    StatusMenuInput page = base;
    page.phase = AppState::Phase::failed;
    page.message = QStringLiteral("Gemini returned 502: <html>\n<head><title>502 Bad Gateway</title></head>\n"
                                  "<body><center><h1>502 Bad Gateway</h1></center><hr><center>nginx</center>\n"
                                  "<p>The upstream server did not answer in time; please try again later.</p></body></html>");
    QTest::newRow("failed with an HTML page")
        << page
        << (QStringList{QStringLiteral("-Something went wrong"),
                        QStringLiteral("-Gemini returned 502: <html>"),
                        QStringLiteral("-<head><title>502 Bad Gateway</title></head>"),
                        QStringLiteral("-<body><center><h1>502 Bad"),
                        QStringLiteral("-Gateway</h1></center><hr><center>nginx</center>"),
                        QStringLiteral("-<p>The upstream server did not answer in time; please try"),
                        QStringLiteral("-again later.</p></body></html>")}
            + middle() + tail);

    // The cut counts what the reader sees: an emoji is one character, never half of one.
    StatusMenuInput emoji = base;
    emoji.lastTranscript = QString(47, QLatin1Char('x')) + QStringLiteral("\U0001F600y");
    QTest::newRow("last text cut after an emoji")
        << emoji
        << (QStringList{QStringLiteral("-Hold Ctrl + Super to talk")} + middle()
            + QStringList{QStringLiteral("|"),
                          QStringLiteral("+Last text: ") + QString(47, QLatin1Char('x')) + QStringLiteral("\U0001F600..."),
                          QStringLiteral("+Insert last text again")}
            + tail);

    StatusMenuInput updates = base;
    updates.updaterAvailable = true;
    QStringList withUpdates = QStringList{QStringLiteral("-Hold Ctrl + Super to talk")} + middle() + tail;
    withUpdates.insert(withUpdates.size() - 2, QStringLiteral("+Check for updates"));
    QTest::newRow("with an update controller") << updates << withUpdates;

    // A found update is offered until it is installed, skipped or put off.
    StatusMenuInput offered = updates;
    offered.updateOffer = QStringLiteral("1.2");
    QStringList withOffer = withUpdates;
    withOffer.insert(withOffer.size() - 3, QStringLiteral("+Install Kesto Viruz 1.2\u2026"));
    QTest::newRow("with an update found") << offered << withOffer;
    StatusMenuInput noController = base;
    noController.updateOffer = QStringLiteral("1.2");
    QTest::newRow("an offer without a controller")
        << noController << (QStringList{QStringLiteral("-Hold Ctrl + Super to talk")} + middle() + tail);
}

void TestStatusMenu::itemsPerPhase()
{
    QFETCH(StatusMenuInput, input);
    QFETCH(QStringList, expected);
    QCOMPARE(describe(StatusMenu::build(input)), expected);
}

void TestStatusMenu::microphoneSubmenu()
{
    StatusMenuInput input;
    input.inputs = {{QStringLiteral("usb"), QStringLiteral("USB mic")}, {QStringLiteral("testmic"), QStringLiteral("Test mic")}};
    auto ticks = [&] {
        const QList<StatusMenuItem> items = StatusMenu::build(input);
        const auto mic = std::find_if(items.begin(), items.end(),
                                      [](const StatusMenuItem& i) { return i.kind == StatusMenuItem::Kind::submenu; });
        QStringList out;
        for (const StatusMenuItem& child : mic->children) {
            out << (child.checked ? QStringLiteral("*") : QStringLiteral(" ")) + child.title + QLatin1Char('=') + child.data;
            if (child.action != StatusMenuItem::Action::pickMicrophone)
                out << QStringLiteral("wrong action");
        }
        return out;
    };
    QCOMPARE(ticks(), (QStringList{"*System default=", " USB mic=usb", " Test mic=testmic"}));
    input.inputDeviceID = QStringLiteral("testmic");
    QCOMPARE(ticks(), (QStringList{" System default=", " USB mic=usb", "*Test mic=testmic"}));
    input.inputDeviceID = QStringLiteral("unplugged");
    QCOMPARE(ticks(), (QStringList{" System default=", " USB mic=usb", " Test mic=testmic"}));
}

void TestStatusMenu::wrapping_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    const QString word10 = QStringLiteral("abcdefghij");
    QStringList words;
    for (int i = 0; i < 12; ++i)
        words << word10;
    // 12 words of 10 characters: 5 per line (54 characters) fit in 60.
    QTest::newRow("130 characters") << words.join(QLatin1Char(' ')) + QStringLiteral(" abcdefg")
                                    << QStringList{QStringList(words.mid(0, 5)).join(' '), QStringList(words.mid(5, 5)).join(' '),
                                                   QStringList(words.mid(10, 2)).join(' ') + QStringLiteral(" abcdefg")};
    const QString long70 = QString(70, QLatin1Char('w'));
    QTest::newRow("long first word") << long70 + QStringLiteral(" tail") << QStringList{long70, QStringLiteral("tail")};
    QTest::newRow("spaces only") << QStringLiteral("   ") << QStringList{};
    QTest::newRow("every line wrapped") << QStringLiteral("a\nb c\r\n\n") + long70 + QStringLiteral(" d")
                                        << QStringList{QStringLiteral("a"), QStringLiteral("b c"), long70, QStringLiteral("d")};
}

void TestStatusMenu::wrapping()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(StatusMenu::wrapped(text, 60), lines);
    for (const QString& line : StatusMenu::wrapped(text, 60))
        QVERIFY(!line.isEmpty());
}

QTEST_GUILESS_MAIN(TestStatusMenu)
#include "TestStatusMenu.moc"
