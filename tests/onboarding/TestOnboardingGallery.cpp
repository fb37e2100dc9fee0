#include "FakeCapabilities.h"
#include "FakeClock.h"
#include "GalleryFile.h"
#include "InterfaceTable.h"
#include "TempDataDir.h"
#include "TextFit.h"

#include "core/AppState.h"
#include "design/Onest.h"
#include "design/Theme.h"
#include "design/components/SInput.h"
#include "onboarding/GeminiStep.h"
#include "onboarding/KeyCheck.h"
#include "onboarding/MicrophoneWatch.h"
#include "onboarding/OnboardingView.h"
#include "onboarding/PermissionsAgainView.h"
#include "onboarding/StepIntro.h"
#include "onboarding/StepTrail.h"
#include "onboarding/TryItStep.h"

#include <QDir>
#include <QLineEdit>
#include <QTextEdit>
#include <QtTest>

// Every wizard step in its main states, and the permissions window, light
// and dark, saved under KESTO_GALLERY_DIR as "onboarding-<state>-<theme>.png"
// for a person to look at; the longest ones also in Russian and Uzbek. In
// every picture each text fits where it is shown, and no line of a step
// trail starts with its separator.
class TestOnboardingGallery final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup() { Theme::instance().setMode(Theme::Mode::Light); }
    void wizard_data();
    void wizard();
    void permissions_data();
    void permissions();

private:
    void save(QWidget& view, const QString& name);
    static void check(QWidget& view);
    QString m_folder;
};

namespace {

struct Scene
{
    TempDataDir data;
    FakeClock clock;
    FakeCapabilities capabilities;
    AppState state{clock};
};

} // namespace

void TestOnboardingGallery::initTestCase()
{
    Onest::registerFaces();
    m_folder = qEnvironmentVariable("KESTO_GALLERY_DIR");
    if (m_folder.isEmpty())
        m_folder = QDir::temp().filePath(QStringLiteral("kesto-gallery"));
}

void TestOnboardingGallery::save(QWidget& view, const QString& name)
{
    view.show();
    // At its own size: adjustSize() would cap it at the small test screen.
    view.resize(view.sizeHint());
    QCoreApplication::processEvents();
    const QImage picture = view.grab().toImage();
    const QString file = GalleryFile::path(
        m_folder, QStringLiteral("onboarding-%1-%2").arg(name, Theme::instance().isDark() ? QStringLiteral("dark")
                                                                                          : QStringLiteral("light")));
    QVERIFY2(picture.save(file), qPrintable(file));
    check(view);
}

void TestOnboardingGallery::check(QWidget& view)
{
    const QStringList cut = TextFit::problems(&view);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    for (const StepTrail* trail : view.findChildren<StepTrail*>()) {
        const QList<QWidget*> entries = trail->entries();
        for (int i = 0; i < entries.size(); ++i) {
            const bool startsLine = entries.at(i)->x() == 0;
            QVERIFY2(trail->showsChevron(i) == !startsLine,
                     qPrintable(QStringLiteral("entry %1 %2 a chevron").arg(i + 1).arg(startsLine ? "starts a line with" : "lacks")));
        }
    }
}

void TestOnboardingGallery::wizard_data()
{
    QTest::addColumn<QString>("scene");
    QTest::addColumn<bool>("dark");
    const QStringList scenes = {
        QStringLiteral("languages-empty"),       QStringLiteral("languages-chosen"),
        QStringLiteral("languages-info"),        QStringLiteral("microphone-checking"),
        QStringLiteral("microphone-allowed"),    QStringLiteral("microphone-missing"),
        QStringLiteral("microphone-no-server"),  QStringLiteral("accessibility-allowed"),
        QStringLiteral("accessibility-missing"), QStringLiteral("accessibility-no-xtest"),
        QStringLiteral("gemini-empty"),
        QStringLiteral("gemini-checking"),       QStringLiteral("gemini-working"),
        QStringLiteral("gemini-refused"),        QStringLiteral("try-it-waiting"),
        QStringLiteral("try-it-recording"),      QStringLiteral("try-it-working"),
        QStringLiteral("try-it-done"),           QStringLiteral("try-it-failed"),
    };
    QTest::addColumn<QString>("language");
    for (const QString& scene : scenes) {
        QTest::newRow(qPrintable(scene + QStringLiteral("-light"))) << scene << false << "en";
        QTest::newRow(qPrintable(scene + QStringLiteral("-dark"))) << scene << true << "en";
    }
    // The longest step trail, in the languages whose words are longest.
    for (const char* language : {"ru", "uz"}) {
        QTest::addRow("accessibility-missing-%s-light", language) << QStringLiteral("accessibility-missing") << false
                                                                  << QString::fromLatin1(language);
    }
}

void TestOnboardingGallery::wizard()
{
    QFETCH(QString, scene);
    QFETCH(bool, dark);
    QFETCH(QString, language);
    InterfaceTable table(language);
    QVERIFY(table.loaded());
    Theme::instance().setMode(dark ? Theme::Mode::Dark : Theme::Mode::Light);
    Scene s;
    s.capabilities.held = scene == QStringLiteral("microphone-checking");
    if (scene == QStringLiteral("microphone-missing"))
        s.capabilities.microphone = FakeCapabilities::noMicrophone();
    if (scene == QStringLiteral("microphone-no-server"))
        s.capabilities.microphone = FakeCapabilities::noSoundServer();
    if (scene == QStringLiteral("accessibility-missing"))
        s.capabilities.keys = {false, QStringLiteral("This Wayland session offers no X11 display, so keys cannot be typed or watched."), true};
    if (scene == QStringLiteral("accessibility-no-xtest"))
        s.capabilities.keys = {false, QStringLiteral("The X11 display does not allow typing keys (no XTEST extension).")};
    s.state.setAccessibilityGranted(!scene.startsWith(QStringLiteral("accessibility-")) || scene.endsWith(QStringLiteral("allowed")));
    if (scene != QStringLiteral("languages-empty"))
        s.state.updateConfig([](Config& c) { c.languageCodes = {QStringLiteral("uz-UZ"), QStringLiteral("ru-RU")}; });
    AppActions actions;
    actions.listModels = [scene](const Config&, const std::function<void(const ModelList&)>& done) {
        if (scene == QStringLiteral("gemini-refused"))
            done({std::nullopt, std::nullopt,
                  QStringLiteral("Gemini returned 400: API key not valid. Please pass a valid API key.")});
        else if (scene == QStringLiteral("gemini-working"))
            done({QStringList{QStringLiteral("gemini-2.5-flash")}, QStringLiteral("gemini-2.5-flash"), {}});
    };
    s.state.setActions(actions);

    OnboardingView view(s.state, {[](const Config&) {}, [] {}}, s.capabilities, s.clock);
    view.show();
    const QString step = scene.section(u'-', 0, scene.startsWith(QStringLiteral("try-it")) ? 1 : 0);
    const QStringList steps = {QStringLiteral("languages"), QStringLiteral("microphone"), QStringLiteral("accessibility"),
                               QStringLiteral("gemini"), QStringLiteral("try-it")};
    view.go(int(steps.indexOf(step)));
    if (scene == QStringLiteral("languages-info"))
        view.intro()->setInfoOpen(true);
    if (step == QStringLiteral("gemini") && scene != QStringLiteral("gemini-empty")) {
        auto* gemini = view.content()->findChild<SInput*>(QStringLiteral("keyInput"));
        QVERIFY(gemini);
        gemini->lineEdit()->setText(QStringLiteral("AIzaSyD-example-key-0123456789"));
        view.keyCheck().start();
    }
    if (scene == QStringLiteral("try-it-recording")) {
        s.state.setPhase(Phase::recording);
        s.state.setLevel(0.7);
    } else if (scene == QStringLiteral("try-it-working")) {
        s.state.setPhase(Phase::working);
        s.state.setProcessingStage(DictationStage::transcribing, s.clock.now());
    } else if (scene == QStringLiteral("try-it-done")) {
        auto* editor = view.content()->findChild<QTextEdit*>(QStringLiteral("sampleEditor"));
        QVERIFY(editor);
        // As typed in: the caret after the last letter.
        editor->setFocus();
        editor->insertPlainText(QStringLiteral("Salom! Bu birinchi diktovka: Kesto Viruz matnni kursor turgan joyga yozadi."));
    } else if (scene == QStringLiteral("try-it-failed")) {
        s.state.setMessage(QStringLiteral("Could not reach Gemini. The recording is kept in History."));
        s.state.setPhase(Phase::failed);
    }
    save(view, language == QStringLiteral("en") ? scene : scene + u'-' + language);
}

void TestOnboardingGallery::permissions_data()
{
    QTest::addColumn<QString>("scene");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("language");
    for (const QString& scene : {QStringLiteral("permissions-both"), QStringLiteral("permissions-microphone"),
                                 QStringLiteral("permissions-back")}) {
        QTest::newRow(qPrintable(scene + QStringLiteral("-light"))) << scene << false << "en";
        QTest::newRow(qPrintable(scene + QStringLiteral("-dark"))) << scene << true << "en";
    }
    for (const char* language : {"ru", "uz"})
        QTest::addRow("permissions-both-%s-light", language) << QStringLiteral("permissions-both") << false << QString::fromLatin1(language);
}

void TestOnboardingGallery::permissions()
{
    QFETCH(QString, scene);
    QFETCH(bool, dark);
    QFETCH(QString, language);
    InterfaceTable table(language);
    QVERIFY(table.loaded());
    Theme::instance().setMode(dark ? Theme::Mode::Dark : Theme::Mode::Light);
    Scene s;
    const bool back = scene == QStringLiteral("permissions-back");
    if (!back)
        s.capabilities.microphone = FakeCapabilities::noMicrophone();
    const bool both = scene == QStringLiteral("permissions-both");
    s.capabilities.keys = {false, QStringLiteral("There is no X11 display, so keys cannot be typed or watched."), true};
    s.state.setAccessibilityGranted(!both);
    PermissionsAgainView view(s.state, [] {}, s.capabilities, s.clock);
    save(view, language == QStringLiteral("en") ? scene : scene + u'-' + language);
}

QTEST_MAIN(TestOnboardingGallery)
#include "TestOnboardingGallery.moc"
