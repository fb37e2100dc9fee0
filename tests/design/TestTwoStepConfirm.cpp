#include "design/components/TwoStepConfirm.h"

#include "FakeClock.h"

#include <QSignalSpy>
#include <QtTest>

class TestTwoStepConfirm final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondPress_data()
    {
        QTest::addColumn<qint64>("afterMs");
        QTest::addColumn<bool>("performs");
        QTest::addColumn<bool>("armedAfter");

        QTest::newRow("double click is ignored") << qint64(200) << false << true;
        QTest::newRow("at 0.5 s performs") << qint64(500) << true << false;
        QTest::newRow("at 3.9 s performs") << qint64(3900) << true << false;
    }

    void secondPress()
    {
        QFETCH(qint64, afterMs);
        QFETCH(bool, performs);
        QFETCH(bool, armedAfter);

        FakeClock clock;
        TwoStepConfirm confirm(clock);
        QSignalSpy confirmed(&confirm, &TwoStepConfirm::confirmed);
        confirm.press();
        QVERIFY(confirm.isArmed());
        clock.advance(afterMs);
        confirm.press();
        QCOMPARE(confirmed.count(), performs ? 1 : 0);
        QCOMPARE(confirm.isArmed(), armedAfter);
    }

    void disarmsByItselfAfterFourSeconds()
    {
        FakeClock clock;
        TwoStepConfirm confirm(clock);
        QSignalSpy armed(&confirm, &TwoStepConfirm::armedChanged);
        confirm.press();
        clock.advance(3999);
        QVERIFY(confirm.isArmed());
        clock.advance(1);
        QVERIFY(!confirm.isArmed());
        QCOMPARE(armed.count(), 2);
        QCOMPARE(armed.at(1).at(0).toBool(), false);
        QCOMPARE(clock.pendingTimers(), 0);
    }

    void lateConfirmOnlyDisarms()
    {
        // The timer has not run yet (a busy window), the press comes at 4 s.
        FakeClock clock;
        TwoStepConfirm confirm(clock);
        QSignalSpy confirmed(&confirm, &TwoStepConfirm::confirmed);
        confirm.arm();
        clock.setNow(clock.now().addMSecs(4000));
        confirm.confirm();
        QVERIFY(!confirm.isArmed());
        QCOMPARE(confirmed.count(), 0);
    }

    void rearmingRestartsTheCount()
    {
        FakeClock clock;
        TwoStepConfirm confirm(clock);
        confirm.arm();
        clock.advance(3000);
        confirm.arm();
        clock.advance(3000);
        QVERIFY(confirm.isArmed());
        clock.advance(1000);
        QVERIFY(!confirm.isArmed());
    }

    void clockSetBackIgnoresThePress()
    {
        FakeClock clock;
        TwoStepConfirm confirm(clock);
        QSignalSpy confirmed(&confirm, &TwoStepConfirm::confirmed);
        confirm.arm();
        clock.setNow(clock.now().addSecs(-60));
        confirm.confirm();
        QVERIFY(confirm.isArmed());
        QCOMPARE(confirmed.count(), 0);
    }

    void confirmWhileDisarmedDoesNothing()
    {
        FakeClock clock;
        TwoStepConfirm confirm(clock);
        QSignalSpy confirmed(&confirm, &TwoStepConfirm::confirmed);
        QSignalSpy armed(&confirm, &TwoStepConfirm::armedChanged);
        confirm.confirm();
        confirm.disarm();
        QCOMPARE(confirmed.count(), 0);
        QCOMPARE(armed.count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestTwoStepConfirm)
#include "TestTwoStepConfirm.moc"
