#include "ControllerRig.h"
#include "SettingsTestSupport.h"
#include "TestMicrophone.h"

#include "design/Onest.h"
#include "design/components/SButton.h"
#include "settings/MicTestBars.h"
#include "settings/SettingsPanel.h"

#include <QtMath>

using namespace SettingsTest;

// The Microphone tab on the test sound server: it lists the test microphone
// by its name, and its meter moves while a known tone plays into it.
class TestMicrophoneTab final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void listsAndMetersTheTestMicrophone();
};

namespace {

// Raw s16le 16 kHz mono: a 440 Hz tone at half of full scale (about -9 dB).
QByteArray tone(double seconds)
{
    const int samples = int(seconds * 16000);
    QByteArray raw(samples * 2, Qt::Uninitialized);
    auto* out = reinterpret_cast<qint16*>(raw.data());
    for (int i = 0; i < samples; ++i)
        out[i] = qint16(16384 * std::sin(2 * M_PI * 440 * i / 16000.0));
    return raw;
}

} // namespace

void TestMicrophoneTab::initTestCase()
{
    Onest::registerFaces();
    QVERIFY2(!qEnvironmentVariableIsEmpty("KESTO_TEST_MIC_FIFO"), "no test microphone: run inside scripts/test-env");
    QVERIFY2(qEnvironmentVariableIsSet("PULSE_SERVER"), "no sound server: PULSE_SERVER is not set");
}

void TestMicrophoneTab::listsAndMetersTheTestMicrophone()
{
    ControllerRig rig;
    AppDelegate& app = rig.start({{QStringLiteral("inputDeviceID"), QStringLiteral("testmic")}}, &AudioBackend::system(), true);
    app.state().setSettingsTab(SettingsTab::microphone);
    app.state().setSettingsOpen(true);
    SettingsPanel panel(app.state(), app.state().actions());
    panel.resize(940, 660);
    panel.show();

    QString name;
    for (const AudioBackend::Input& input : AudioBackend::system().inputs()) {
        if (input.id == QStringLiteral("testmic"))
            name = input.name;
    }
    QVERIFY(!name.isEmpty());
    auto* select = find<SSelect>(&panel, QStringLiteral("microphone"));
    QVERIFY2(labels(select).contains(name), qPrintable(labels(select).join(u',')));
    QCOMPARE(select->label(), name);

    TestMicrophone microphone;
    microphone.start();
    auto* bars = find<MicTestBars>(&panel, QStringLiteral("micTestBars"));
    QTest::mouseClick(find<SButton>(&panel, QStringLiteral("micTest")), Qt::LeftButton);
    QTRY_VERIFY(app.state().micTestLevel().has_value());
    QCOMPARE(find<SButton>(&panel, QStringLiteral("micTest"))->text(), QStringLiteral("Stop"));
    // Silence first: nothing lit.
    QTest::qWait(300);
    QCOMPARE(MicTestBars::lit(bars->level()), 0);

    microphone.say(tone(3));
    QTRY_VERIFY_WITH_TIMEOUT(MicTestBars::lit(bars->level()) >= 12, 3000);
    // After the tone, the meter falls back.
    QTRY_VERIFY_WITH_TIMEOUT(MicTestBars::lit(bars->level()) == 0, 6000);

    // Leaving the tab stops the test.
    app.state().setSettingsTab(SettingsTab::general);
    QVERIFY(!app.state().micTestLevel());
    QVERIFY(!app.micMeter().isRunning());
    microphone.stop();
}

QTEST_MAIN(TestMicrophoneTab)
#include "TestMicrophoneTab.moc"
