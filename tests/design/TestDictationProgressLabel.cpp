#include "design/components/DictationProgressLabel.h"

#include "FakeClock.h"

#include <QtTest>

namespace {

// A stand-in for the state's sentences: names the whole seconds it was asked for.
DictationProgressLabel::MessageAt secondsSince(const QDateTime& start)
{
    return [start](const QDateTime& at) { return QStringLiteral("%1 s").arg(start.msecsTo(at) / 1000.0); };
}

} // namespace

class TestDictationProgressLabel final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refreshesOnWholeSecondsAfterTheStart()
    {
        FakeClock clock;
        DictationProgressLabel label(clock);
        QCOMPARE(label.textFormat(), Qt::PlainText);
        // The stage began 2.3 s ago: the tick is at 2 s, the next one 0.7 s away.
        const QDateTime start = clock.now().addMSecs(-2300);
        label.setProgress(start, secondsSince(start));
        QCOMPARE(label.text(), QStringLiteral("2 s"));
        clock.advance(699);
        QCOMPARE(label.text(), QStringLiteral("2 s"));
        clock.advance(1);
        QCOMPARE(label.text(), QStringLiteral("3 s"));
        clock.advance(5000);
        QCOMPARE(label.text(), QStringLiteral("8 s"));
    }

    void noStageStartShowsTheSentenceForZero()
    {
        FakeClock clock;
        DictationProgressLabel label(clock);
        label.setProgress(std::nullopt, secondsSince(clock.now()));
        QCOMPARE(label.text(), QStringLiteral("0 s"));
    }

    void aNewStageRestartsTheSequence()
    {
        FakeClock clock;
        DictationProgressLabel label(clock);
        const QDateTime first = clock.now();
        label.setProgress(first, secondsSince(first));
        clock.advance(9000);
        QCOMPARE(label.text(), QStringLiteral("9 s"));
        const QDateTime second = clock.now();
        label.setProgress(second, secondsSince(second));
        QCOMPARE(label.text(), QStringLiteral("0 s"));
        QCOMPARE(clock.pendingTimers(), 1);
    }
};

QTEST_MAIN(TestDictationProgressLabel)
#include "TestDictationProgressLabel.moc"
