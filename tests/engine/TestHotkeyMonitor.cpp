#include "engine/HotkeyMonitor.h"

#include "core/Log.h"

#include "FakeClock.h"
#include "FakeKeySource.h"
#include "TempDataDir.h"

#include <QtTest>

// Drives the monitor with a script of key events on a fake clock and records
// its callbacks in order. Steps: "+ctrl"/"-ctrl" (also fn, shift, opt, rcmd
// for Right Alt, lcmd for a Command key that is not the right one), "wait:ms",
// "key", "esc", "click", "ext" (a dictation records, however it started).
class Script
{
public:
    explicit Script(HotkeyKind kind, HotkeyMode mode, double threshold = 0.3)
    {
        auto source = std::make_unique<FakeKeySource>();
        m_source = source.get();
        m_monitor = std::make_unique<HotkeyMonitor>(m_clock, std::move(source));
        m_monitor->setKind(kind);
        m_monitor->setMode(mode);
        m_monitor->setHoldThreshold(threshold);
        m_monitor->setOnStart([this] { m_calls << QStringLiteral("start"); });
        m_monitor->setOnStop([this] { m_calls << QStringLiteral("stop"); });
        m_monitor->setOnCancel([this] { m_calls << QStringLiteral("cancel"); });
        m_monitor->setOnToggle([this] { m_calls << QStringLiteral("toggle"); });
        m_monitor->start();
    }

    QString run(const QString& steps)
    {
        for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            apply(step);
        return m_calls.join(QLatin1Char(' '));
    }

    HotkeyMonitor& monitor() { return *m_monitor; }
    FakeKeySource& source() { return *m_source; }
    FakeClock& clock() { return m_clock; }

private:
    void apply(const QString& step)
    {
        static const QHash<QString, KeySource::Modifier> keys = {
            {QStringLiteral("ctrl"), KeySource::Control}, {QStringLiteral("fn"), KeySource::Function},
            {QStringLiteral("shift"), KeySource::Shift},  {QStringLiteral("opt"), KeySource::Option},
            {QStringLiteral("rcmd"), KeySource::Command}, {QStringLiteral("lcmd"), KeySource::Command},
        };
        if (step.startsWith(QLatin1Char('+')) || step.startsWith(QLatin1Char('-'))) {
            const QString name = step.mid(1);
            QVERIFY2(keys.contains(name), qPrintable(step));
            const bool right = name == QLatin1String("rcmd");
            if (step.startsWith(QLatin1Char('+')))
                m_source->press(keys[name], right);
            else
                m_source->release(keys[name], right);
        } else if (step.startsWith(QLatin1String("wait:"))) {
            m_clock.advance(step.mid(5).toLongLong());
        } else if (step == QLatin1String("key")) {
            m_source->key();
        } else if (step == QLatin1String("esc")) {
            m_source->key(true);
        } else if (step == QLatin1String("click")) {
            m_source->click();
        } else if (step == QLatin1String("ext")) {
            m_monitor->setExternalRecording(true);
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
        }
    }

    FakeClock m_clock;
    FakeKeySource* m_source = nullptr;
    std::unique_ptr<HotkeyMonitor> m_monitor;
    QStringList m_calls;
};

class TestHotkeyMonitor final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void holdMode_data();
    void holdMode();
    void toggleMode_data();
    void toggleMode();
    void thresholdIsReadAtEachPress();
    void startTwiceLeavesOneSourceRunning();
    void stopForgetsTheHeldKey();
    void unavailableKeyboardIsLoggedAndIdle();

private:
    void freshLog();

    TempDataDir m_dataDir;
};

// Drops the lines of earlier cases.
void TestHotkeyMonitor::freshLog()
{
    Log::flush();
    Log::reset();
}

void TestHotkeyMonitor::holdMode_data()
{
    QTest::addColumn<HotkeyKind>("kind");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("calls");

    const auto k = HotkeyKind::controlFn;
    QTest::newRow("released before the threshold") << k << "+ctrl +fn wait:299 -fn -ctrl wait:1000" << "";
    QTest::newRow("held past the threshold") << k << "+ctrl +fn wait:300 wait:2000 -fn -ctrl" << "start stop";
    QTest::newRow("keys in either order") << k << "+fn +ctrl wait:400 -ctrl -fn" << "start stop";
    QTest::newRow("one key of the pair is enough to release") << k << "+ctrl +fn wait:400 -ctrl wait:10 -fn"
                                                             << "start stop";
    QTest::newRow("must-be-up key counts as release") << HotkeyKind::control << "+ctrl wait:400 +shift -shift -ctrl"
                                                      << "start stop";
    QTest::newRow("extra Alt releases Ctrl+Super") << k << "+ctrl +fn wait:400 +opt -opt -fn -ctrl" << "start stop";
    QTest::newRow("letter before the threshold") << k << "+ctrl +fn wait:100 key wait:500 -fn -ctrl" << "";
    QTest::newRow("letter after the threshold") << k << "+ctrl +fn wait:400 key wait:100 -fn -ctrl" << "start cancel";
    QTest::newRow("click before the threshold") << k << "+ctrl +fn wait:100 click wait:500 -fn -ctrl" << "";
    QTest::newRow("click after the threshold") << k << "+ctrl +fn wait:400 click -fn -ctrl" << "start stop";
    QTest::newRow("escape while recording") << k << "+ctrl +fn wait:400 esc -fn -ctrl" << "start cancel";
    QTest::newRow("escape when idle") << k << "esc wait:400" << "";
    QTest::newRow("escape while a dictation runs") << k << "ext esc" << "cancel";
    QTest::newRow("control also with Super held") << HotkeyKind::control << "+fn +ctrl wait:400 -ctrl -fn"
                                                  << "start stop";
    QTest::newRow("Super alone not with Ctrl held") << HotkeyKind::fn << "+ctrl +fn wait:400 -fn -ctrl" << "";
    QTest::newRow("Super alone") << HotkeyKind::fn << "+fn wait:400 -fn" << "start stop";
    QTest::newRow("Right Alt") << HotkeyKind::rightCommand << "+rcmd wait:400 -rcmd" << "start stop";
    QTest::newRow("another Command key never starts") << HotkeyKind::rightCommand << "+lcmd wait:400 -lcmd" << "";
    QTest::newRow("Ctrl+Alt") << HotkeyKind::controlOption << "+opt +ctrl wait:400 -opt -ctrl" << "start stop";
    QTest::newRow("Ctrl+Alt not with Shift") << HotkeyKind::controlOption << "+shift +opt +ctrl wait:400 -ctrl" << "";
    QTest::newRow("two holds") << k << "+ctrl +fn wait:400 -fn -ctrl +ctrl +fn wait:400 -fn -ctrl"
                               << "start stop start stop";
}

void TestHotkeyMonitor::holdMode()
{
    QFETCH(HotkeyKind, kind);
    QFETCH(QString, steps);
    QFETCH(QString, calls);
    Script script(kind, HotkeyMode::hold);
    QCOMPARE(script.run(steps), calls);
}

void TestHotkeyMonitor::toggleMode_data()
{
    QTest::addColumn<HotkeyKind>("kind");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("calls");

    const auto k = HotkeyKind::controlFn;
    QTest::newRow("short tap") << k << "+ctrl +fn wait:500 -fn -ctrl" << "toggle";
    QTest::newRow("tap just under the limit") << k << "+ctrl +fn wait:799 -fn -ctrl" << "toggle";
    QTest::newRow("tap of exactly the limit") << k << "+ctrl +fn wait:800 -fn -ctrl" << "";
    QTest::newRow("long press") << k << "+ctrl +fn wait:2000 -fn -ctrl" << "";
    QTest::newRow("tap with a letter") << k << "+ctrl +fn key -fn -ctrl" << "";
    QTest::newRow("tap with a click") << k << "+ctrl +fn click -fn -ctrl" << "";
    QTest::newRow("tap with Shift") << k << "+ctrl +fn +shift -shift -fn -ctrl" << "";
    QTest::newRow("spoiled tap does not spoil the next") << k << "+ctrl +fn key -fn -ctrl +ctrl +fn -fn -ctrl"
                                                         << "toggle";
    QTest::newRow("Ctrl up ends a Ctrl+Alt tap") << HotkeyKind::controlOption << "+ctrl +opt wait:100 -ctrl wait:900 -opt"
                                                  << "toggle";
    QTest::newRow("two taps") << k << "+ctrl +fn -fn -ctrl +ctrl +fn -fn -ctrl" << "toggle toggle";
    QTest::newRow("escape while a dictation runs") << k << "ext esc" << "cancel";
    QTest::newRow("escape when idle") << k << "esc" << "";
    QTest::newRow("escape cancels and ends the tap") << k << "ext +ctrl +fn esc -fn -ctrl" << "cancel";
}

void TestHotkeyMonitor::toggleMode()
{
    QFETCH(HotkeyKind, kind);
    QFETCH(QString, steps);
    QFETCH(QString, calls);
    Script script(kind, HotkeyMode::toggle);
    QCOMPARE(script.run(steps), calls);
}

void TestHotkeyMonitor::thresholdIsReadAtEachPress()
{
    Script script(HotkeyKind::controlFn, HotkeyMode::hold, 1.0);
    QCOMPARE(script.run(QStringLiteral("+ctrl +fn wait:600 -fn -ctrl")), QString());
    script.monitor().setHoldThreshold(0.5);
    QCOMPARE(script.run(QStringLiteral("+ctrl +fn wait:600 -fn -ctrl")), QStringLiteral("start stop"));
}

void TestHotkeyMonitor::startTwiceLeavesOneSourceRunning()
{
    freshLog();
    Script script(HotkeyKind::controlFn, HotkeyMode::toggle);
    script.monitor().start();
    QCOMPARE(script.source().starts, 2);
    QVERIFY(script.source().stops >= 2);
    QVERIFY(script.monitor().isRunning());
    QCOMPARE(script.run(QStringLiteral("+ctrl +fn -fn -ctrl")), QStringLiteral("toggle"));

    script.monitor().stop();
    QVERIFY(!script.monitor().isRunning());
    Log::flush();
    const QByteArray log = m_dataDir.read(QStringLiteral("kesto.log"));
    QCOMPARE(log.count("hotkey monitor starting, kind=controlFn accessibility="), 2);
    QVERIFY(log.contains("hotkey tapped, toggling"));
}

void TestHotkeyMonitor::stopForgetsTheHeldKey()
{
    Script script(HotkeyKind::controlFn, HotkeyMode::hold);
    script.run(QStringLiteral("+ctrl +fn wait:100"));
    script.monitor().stop();
    QCOMPARE(script.clock().pendingTimers(), 0);
    script.monitor().start();
    QCOMPARE(script.run(QStringLiteral("wait:1000 +ctrl +fn wait:400 -fn")), QStringLiteral("start stop"));
}

void TestHotkeyMonitor::unavailableKeyboardIsLoggedAndIdle()
{
    freshLog();
    auto source = std::make_unique<FakeKeySource>();
    source->failure = QStringLiteral("the X server has no XInput2 extension");
    FakeClock clock;
    HotkeyMonitor monitor(clock, std::move(source));
    monitor.start();
    QVERIFY(!monitor.isRunning());
    Log::flush();
    QVERIFY(m_dataDir.read(QStringLiteral("kesto.log"))
                .contains("global flagsChanged monitor could not be installed: the X server has no XInput2 extension"));
}

QTEST_GUILESS_MAIN(TestHotkeyMonitor)
#include "TestHotkeyMonitor.moc"
