#include "FakeCapabilities.h"
#include "FakeClock.h"
#include "TempDataDir.h"

#include "core/AppState.h"
#include "design/components/Chip.h"
#include "design/components/Keycap.h"
#include "design/components/SButton.h"
#include "design/components/SInput.h"
#include "design/components/SSelect.h"
#include "design/components/TextLabel.h"
#include "onboarding/InfoButton.h"
#include "onboarding/InfoCard.h"
#include "onboarding/KeyCheck.h"
#include "onboarding/SampleLevelBars.h"
#include "onboarding/LanguagesStep.h"
#include "onboarding/OnboardingArtwork.h"
#include "onboarding/OnboardingHeader.h"
#include "onboarding/OnboardingView.h"
#include "onboarding/PermissionCard.h"
#include "onboarding/ProgressDots.h"
#include "onboarding/StatusLine.h"
#include "onboarding/StepIntro.h"
#include "onboarding/TryItStep.h"

#include <QLineEdit>
#include <QTextEdit>
#include <QtTest>

Q_DECLARE_METATYPE(ModelList)
Q_DECLARE_METATYPE(Permissions::Check)

// The wizard on fake capabilities and a fake clock: which step follows which
// and when "Next" opens, what is saved when, the key check's answers, the
// languages' order and the try-it box.
class TestOnboardingFlow final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nextFollowsTheChecks_data();
    void nextFollowsTheChecks();
    void capabilitiesComingBackOpenNext();
    void stepChangesSaveAndCloseTheInfoCard();
    void returnPressesThePrimaryButton();
    void focusNeverFallsOntoTheInfoButton();
    void openInfoCardTakesTheClicks();
    void keysCardSaysWhatIsMissing_data();
    void keysCardSaysWhatIsMissing();
    void doneFinishes();
    void subtitlesFollowTheTalkMode();
    void languagesKeepTableOrder_data();
    void languagesKeepTableOrder();
    void keyCheckAnswers_data();
    void keyCheckAnswers();
    void tryItBox();
    void focusedButtonTakesReturn_data();
    void focusedButtonTakesReturn();
    void openInfoCardKeys();
    void hiddenSampleEditorHasNoFocus_data();
    void hiddenSampleEditorHasNoFocus();
    void keyStepTabFollowsTheLayout();
    void stepPictureShadow_data();
    void stepPictureShadow();
};

namespace {

struct Wizard
{
    TempDataDir data;
    FakeClock clock;
    FakeCapabilities capabilities;
    AppState state{clock};
    QList<Config> saved;
    QStringList calls;
    // The key step's own model list requests, answered by the test; the
    // application's key check is counted, and must stay unused.
    QList<Config> asked;
    QList<std::function<void(const ModelList&)>> requests;
    int checks = 0;
    std::unique_ptr<OnboardingView> view;

    OnboardingView& open()
    {
        AppActions actions;
        actions.checkKey = [this] { ++checks; };
        actions.listModels = [this](const Config& config, const std::function<void(const ModelList&)>& done) {
            asked << config;
            requests << done;
        };
        state.setActions(actions);
        view = std::make_unique<OnboardingView>(state,
                                                OnboardingView::Callbacks{[this](const Config& config) {
                                                                              saved << config;
                                                                              calls << QStringLiteral("save");
                                                                          },
                                                                          [this] { calls << QStringLiteral("finish"); }},
                                                capabilities, clock);
        view->show();
        return *view;
    }

    template <class T>
    T* find(const QString& name) const
    {
        return view->findChild<T*>(name);
    }

    // A key as the user presses it: to whatever has the focus.
    static void press(Qt::Key key)
    {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, key);
    }
};

} // namespace

void TestOnboardingFlow::nextFollowsTheChecks_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("languages");
    QTest::addColumn<QString>("microphone"); // checking, allowed, missing, unavailable
    QTest::addColumn<bool>("keys");
    QTest::addColumn<bool>("keySaved");
    QTest::addColumn<bool>("next");
    QTest::addColumn<int>("following"); // the step after "Next"; -1 for finished

    const QString ok = QStringLiteral("allowed");
    QTest::newRow("languages: none chosen") << 0 << false << ok << true << false << false << 0;
    QTest::newRow("languages: chosen") << 0 << true << ok << true << false << true << 1;
    QTest::newRow("microphone: checking") << 1 << true << QStringLiteral("checking") << true << false << false << 1;
    QTest::newRow("microphone: allowed") << 1 << true << ok << true << false << true << 2;
    QTest::newRow("microphone: none found") << 1 << true << QStringLiteral("missing") << true << false << false << 1;
    QTest::newRow("microphone: no sound server") << 1 << true << QStringLiteral("unavailable") << true << false << false << 1;
    QTest::newRow("keys: X11 session") << 2 << true << ok << true << false << true << 3;
    QTest::newRow("keys: no X11 session") << 2 << true << ok << false << false << false << 2;
    QTest::newRow("gemini: no key") << 3 << true << ok << true << false << false << 3;
    QTest::newRow("gemini: key saved before") << 3 << true << ok << true << true << true << 4;
    QTest::newRow("try it: always") << 4 << true << ok << true << false << true << -1;
}

void TestOnboardingFlow::nextFollowsTheChecks()
{
    QFETCH(int, step);
    QFETCH(bool, languages);
    QFETCH(QString, microphone);
    QFETCH(bool, keys);
    QFETCH(bool, keySaved);
    QFETCH(bool, next);
    QFETCH(int, following);

    Wizard w;
    w.state.updateConfig([&](Config& c) {
        c.languageCodes = languages ? QStringList{QStringLiteral("uz-UZ")} : QStringList{};
        c.apiKey = keySaved ? QStringLiteral("saved-key") : QString();
    });
    w.capabilities.held = microphone == QStringLiteral("checking");
    if (microphone == QStringLiteral("missing"))
        w.capabilities.microphone = FakeCapabilities::noMicrophone();
    else if (microphone == QStringLiteral("unavailable"))
        w.capabilities.microphone = FakeCapabilities::noSoundServer();
    w.state.setAccessibilityGranted(keys);
    qputenv("GEMINI_API_KEY", "");

    OnboardingView& view = w.open();
    view.go(step);
    QCOMPARE(int(view.step()), step);
    QCOMPARE(view.primaryButton()->isEnabled(), next);
    QCOMPARE(view.counter()->text(), QStringLiteral("%1 / 5").arg(step + 1));
    QCOMPARE(view.backButton()->isVisible(), step > 0);
    QCOMPARE(view.primaryButton()->text(), step == 4 ? QStringLiteral("Done") : QStringLiteral("Next"));

    // Return is the default action, and does nothing while "Next" is off.
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_Return);
    if (following < 0) {
        QCOMPARE(w.calls.last(), QStringLiteral("finish"));
        QVERIFY(w.state.config().onboardingDone);
    } else {
        QCOMPARE(int(view.step()), following);
    }
}

void TestOnboardingFlow::capabilitiesComingBackOpenNext()
{
    Wizard w;
    w.capabilities.microphone = FakeCapabilities::noMicrophone();
    OnboardingView& view = w.open();
    view.go(1);
    QVERIFY(!view.primaryButton()->isEnabled());
    auto* open = w.find<SButton>(QStringLiteral("openSoundSettings"));
    QVERIFY(open && open->isVisible());
    QTest::mouseClick(open, Qt::LeftButton);
    QCOMPARE(w.capabilities.soundSettingsOpened, 1);

    // A microphone plugged in shows within the second.
    w.capabilities.microphone = {true, {}};
    w.clock.advance(1000);
    QVERIFY(view.primaryButton()->isEnabled());
    QCOMPARE(w.find<PermissionCard>(QStringLiteral("microphoneCard"))->status()->text(), QStringLiteral("Allowed"));

    // A sound server slow to answer is never asked twice at once.
    w.capabilities.held = true;
    const int reads = w.capabilities.reads;
    w.clock.advance(3000);
    QCOMPARE(w.capabilities.reads, reads + 1);

    // Without any sound settings there is nothing to open.
    w.capabilities.soundSettings = false;
    w.capabilities.microphone = FakeCapabilities::noMicrophone();
    w.capabilities.release();
    QVERIFY(!w.find<SButton>(QStringLiteral("openSoundSettings"))->isVisible());
    QVERIFY(!view.primaryButton()->isEnabled());

    // The keys follow the application's own check; the wizard does not poll them.
    view.go(2);
    w.state.setAccessibilityGranted(false);
    QVERIFY(!view.primaryButton()->isEnabled());
    w.state.setAccessibilityGranted(true);
    QVERIFY(view.primaryButton()->isEnabled());
}

void TestOnboardingFlow::stepChangesSaveAndCloseTheInfoCard()
{
    Wizard w;
    w.state.updateConfig([](Config& c) { c.languageCodes = {QStringLiteral("en-US")}; });
    OnboardingView& view = w.open();
    w.calls.clear();
    view.intro()->setInfoOpen(true);
    QVERIFY(view.intro()->infoCard()->isVisible());

    QTest::mouseClick(view.primaryButton(), Qt::LeftButton);
    QCOMPARE(int(view.step()), 1);
    QVERIFY(!view.intro()->isInfoOpen());
    QVERIFY(!view.intro()->infoCard()->isVisible());
    QTest::mouseClick(view.backButton(), Qt::LeftButton);
    QCOMPARE(int(view.step()), 0);

    // Opened by a click, the pointer left on it, "Next" by Return: the next
    // step's title moves the button from under the still pointer, and it is
    // no longer lit.
    InfoButton* info = view.intro()->infoButton();
    QTest::mouseMove(info);
    QTest::mouseClick(info, Qt::LeftButton);
    QVERIFY(info->isActive());
    QTest::keyClick(&view, Qt::Key_Return);
    QCOMPARE(int(view.step()), 1);
    QTRY_VERIFY(!info->geometry().contains(info->parentWidget()->mapFromGlobal(QCursor::pos())));
    QVERIFY(!info->isActive());
    QTest::mouseClick(view.backButton(), Qt::LeftButton);
    w.calls.removeLast();
    w.calls.removeLast();
    // Nothing changed, and still every change of step saved.
    QCOMPARE(w.calls, (QStringList{QStringLiteral("save"), QStringLiteral("save")}));
    QCOMPARE(w.saved.last().languageCodes, QStringList{QStringLiteral("en-US")});

    // The dots lead back only.
    view.go(3);
    ProgressDots* dots = view.header()->dots();
    QCOMPARE(dots->accessibleName(), QStringLiteral("4 / 5"));
    QTest::mouseClick(dots, Qt::LeftButton, {}, dots->dotRect(4).center().toPoint());
    QTest::mouseClick(dots, Qt::LeftButton, {}, dots->dotRect(3).center().toPoint());
    QCOMPARE(int(view.step()), 3);
    QTest::mouseClick(dots, Qt::LeftButton, {}, dots->dotRect(1).center().toPoint());
    QCOMPARE(int(view.step()), 1);

    // Outside the steps nothing happens, not even a save.
    const int saves = int(w.saved.size());
    view.go(5);
    view.go(-1);
    QCOMPARE(int(view.step()), 1);
    QCOMPARE(int(w.saved.size()), saves);
}

void TestOnboardingFlow::returnPressesThePrimaryButton()
{
    Wizard w;
    OnboardingView& view = w.open();
    QVERIFY(QTest::qWaitForWindowActive(&view));

    // A clicked chip takes no focus, nor does any control when the window
    // comes up; Return is "Next".
    auto* chip = w.find<Chip>(QStringLiteral("language-uz-UZ"));
    QTest::mouseClick(chip, Qt::LeftButton);
    QVERIFY(!qobject_cast<AbstractControl*>(QApplication::focusWidget()));
    Wizard::press(Qt::Key_Return);
    QCOMPARE(int(view.step()), 1);
    QCOMPARE(w.state.config().languageCodes, QStringList{QStringLiteral("uz-UZ")});

    // After "Back", Return goes forward again.
    QTest::mouseClick(view.backButton(), Qt::LeftButton);
    QCOMPARE(int(view.step()), 0);
    Wizard::press(Qt::Key_Return);
    QCOMPARE(int(view.step()), 1);
    QTest::mouseClick(view.backButton(), Qt::LeftButton);

    chip = w.find<Chip>(QStringLiteral("language-uz-UZ"));
    chip->setFocus(Qt::TabFocusReason);
    Wizard::press(Qt::Key_Space);
    QVERIFY(w.state.config().languageCodes.isEmpty());
    QVERIFY(!view.primaryButton()->isEnabled());
    // Nothing chosen: Return does nothing at all.
    Wizard::press(Qt::Key_Return);
    QCOMPARE(int(view.step()), 0);
    QVERIFY(w.state.config().languageCodes.isEmpty());

    // The last step's "Done".
    view.go(4);
    view.primaryButton()->setFocus(Qt::TabFocusReason);
    w.calls.clear();
    Wizard::press(Qt::Key_Return);
    QCOMPARE(w.calls, (QStringList{QStringLiteral("save"), QStringLiteral("finish")}));
}

void TestOnboardingFlow::focusNeverFallsOntoTheInfoButton()
{
    Wizard w;
    qputenv("GEMINI_API_KEY", "");
    w.state.updateConfig([](Config& c) { c.languageCodes = {QStringLiteral("en-US")}; });
    OnboardingView& view = w.open();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    auto* info = view.intro()->infoButton();

    // "Next" focused, then shut by the step's own gate.
    view.primaryButton()->setFocus(Qt::TabFocusReason);
    w.state.updateConfig([](Config& c) { c.languageCodes.clear(); });
    QVERIFY(!view.primaryButton()->isEnabled());
    QVERIFY(QApplication::focusWidget() != info);
    Wizard::press(Qt::Key_Space);
    QVERIFY(!view.intro()->isInfoOpen());

    // "Check" clicked turns to "Checking…"; once the key works, Return is "Next".
    view.go(3);
    auto* input = w.find<SInput>(QStringLiteral("keyInput"));
    input->lineEdit()->setText(QStringLiteral("good-key"));
    auto* check = w.find<SButton>(QStringLiteral("checkKey"));
    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(!check->isEnabled());
    QVERIFY(QApplication::focusWidget() != info);
    QVERIFY(QApplication::focusWidget() != input->lineEdit());
    w.requests.last()({QStringList{QStringLiteral("gemini-9-flash")}, QStringLiteral("gemini-9-flash"), {}});
    QVERIFY(view.primaryButton()->isEnabled());
    Wizard::press(Qt::Key_Return);
    QCOMPARE(int(view.step()), 4);
    QVERIFY(!view.intro()->isInfoOpen());
}

void TestOnboardingFlow::openInfoCardTakesTheClicks()
{
    Wizard w;
    OnboardingView& view = w.open();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    auto* chip = w.find<Chip>(QStringLiteral("language-uz-UZ"));
    const QPoint onChip = chip->mapTo(&view, chip->rect().center());

    QTest::mouseClick(view.intro()->infoButton(), Qt::LeftButton);
    QVERIFY(view.intro()->isInfoOpen());
    InfoCard* card = view.intro()->infoCard();
    QVERIFY(card->geometry().contains(chip->mapTo(card->parentWidget(), chip->rect().center())));
    // A click on the card's text over the hidden chip picks nothing.
    QTest::mouseClick(view.windowHandle(), Qt::LeftButton, {}, onChip);
    QVERIFY(w.state.config().languageCodes.isEmpty());
    QVERIFY(!view.primaryButton()->isEnabled());
    QVERIFY(view.intro()->isInfoOpen());

    // The info button closes it; the chip takes clicks again.
    QTest::mouseClick(view.intro()->infoButton(), Qt::LeftButton);
    QVERIFY(!view.intro()->isInfoOpen());
    QTest::mouseClick(view.windowHandle(), Qt::LeftButton, {}, onChip);
    QCOMPARE(w.state.config().languageCodes, QStringList{QStringLiteral("uz-UZ")});
}

void TestOnboardingFlow::keysCardSaysWhatIsMissing_data()
{
    QTest::addColumn<Permissions::Check>("keys");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("logOut");

    const QString noXtest = QStringLiteral("The X11 display does not allow typing keys (no XTEST extension).");
    QTest::newRow("no X server") << FakeCapabilities::noX11() << QStringLiteral("No X11 session") << true;
    QTest::newRow("X server without XTEST") << Permissions::Check{false, noXtest} << noXtest << false;
}

void TestOnboardingFlow::keysCardSaysWhatIsMissing()
{
    QFETCH(Permissions::Check, keys);
    QFETCH(QString, status);
    QFETCH(bool, logOut);

    Wizard w;
    w.capabilities.keys = keys;
    w.state.setAccessibilityGranted(false);
    OnboardingView& view = w.open();
    view.go(2);
    QCOMPARE(w.find<PermissionCard>(QStringLiteral("accessibilityCard"))->status()->text(), status);
    // Logging out into another session is the way only where none runs.
    QCOMPARE(w.find<QWidget>(QStringLiteral("accessibilityTrail"))->isVisible(), logOut);
    QCOMPARE(w.find<QWidget>(QStringLiteral("accessibilityHint"))->isVisible(), logOut);
}

void TestOnboardingFlow::doneFinishes()
{
    Wizard w;
    OnboardingView& view = w.open();
    view.go(4);
    w.calls.clear();
    QTest::mouseClick(view.primaryButton(), Qt::LeftButton);
    QCOMPARE(w.calls, (QStringList{QStringLiteral("save"), QStringLiteral("finish")}));
    QVERIFY(w.saved.last().onboardingDone);
    QVERIFY(w.state.config().onboardingDone);
}

void TestOnboardingFlow::subtitlesFollowTheTalkMode()
{
    Wizard w;
    OnboardingView& view = w.open();
    view.go(1);
    QCOMPARE(view.intro()->subtitle()->text(), QStringLiteral("Records only while you hold the key."));
    w.state.updateConfig([](Config& c) { c.hotkeyMode = HotkeyMode::toggle; });
    QCOMPARE(view.intro()->subtitle()->text(), QStringLiteral("Records only from one key press to the next."));
    view.go(4);
    QCOMPARE(view.intro()->subtitle()->text(), QStringLiteral("Press the keys, talk, and press them again."));
}

void TestOnboardingFlow::languagesKeepTableOrder_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("tapped");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("added in table order") << QStringList{QStringLiteral("de-DE")} << QStringLiteral("uz-UZ")
                                          << QStringList{QStringLiteral("uz-UZ"), QStringLiteral("de-DE")};
    QTest::newRow("unknown code dropped") << QStringList{QStringLiteral("xx-XX"), QStringLiteral("ru-RU")}
                                          << QStringLiteral("en-US")
                                          << QStringList{QStringLiteral("ru-RU"), QStringLiteral("en-US")};
    QTest::newRow("the only one removed") << QStringList{QStringLiteral("ru-RU")} << QStringLiteral("ru-RU") << QStringList{};
    QTest::newRow("doubles kept once") << QStringList{QStringLiteral("ru-RU"), QStringLiteral("ru-RU")}
                                       << QStringLiteral("ko-KR")
                                       << QStringList{QStringLiteral("ru-RU"), QStringLiteral("ko-KR")};
}

void TestOnboardingFlow::languagesKeepTableOrder()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, tapped);
    QFETCH(QStringList, expected);
    Wizard w;
    w.state.updateConfig([&](Config& c) { c.languageCodes = stored; });
    OnboardingView& view = w.open();
    auto* chip = w.find<Chip>(QStringLiteral("language-") + tapped);
    QVERIFY(chip);
    QTest::mouseClick(chip, Qt::LeftButton);
    QCOMPARE(w.state.config().languageCodes, expected);
    QCOMPARE(chip->isSelected(), expected.contains(tapped));
    QCOMPARE(chip->icon(), expected.contains(tapped) ? QStringLiteral("check") : QString());
    QCOMPARE(view.primaryButton()->isEnabled(), !expected.isEmpty());
}

void TestOnboardingFlow::keyCheckAnswers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<ModelList>("answer");
    QTest::addColumn<bool>("editDuringCheck");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("error");

    const QString before = Config().model;
    const QString flash = QStringLiteral("gemini-9-flash");
    const ModelList ok{QStringList{QStringLiteral("gemini-9-flash-lite"), flash}, flash, {}};
    const ModelList nothingToPick{QStringList{QStringLiteral("text-bison")}, std::nullopt, {}};
    const ModelList refused{std::nullopt, std::nullopt, QStringLiteral("Gemini returned 400: API key not valid")};
    QTest::newRow("working") << QStringLiteral("good-key") << ok << false << true << flash << QString();
    QTest::newRow("trimmed first") << QStringLiteral("  good-key \t") << ok << false << true << flash << QString();
    QTest::newRow("nothing to pick") << QStringLiteral("good-key") << nothingToPick << false << true << before << QString();
    QTest::newRow("refused") << QStringLiteral("bad-key") << refused << false << false << before << refused.error;
    QTest::newRow("edited during a working check") << QStringLiteral("good-key") << ok << true << false << before << QString();
    QTest::newRow("edited during a refused check") << QStringLiteral("bad-key") << refused << true << false << before << QString();
}

void TestOnboardingFlow::keyCheckAnswers()
{
    QFETCH(QString, typed);
    QFETCH(ModelList, answer);
    QFETCH(bool, editDuringCheck);
    QFETCH(bool, checked);
    QFETCH(QString, model);
    QFETCH(QString, error);

    Wizard w;
    qputenv("GEMINI_API_KEY", "");
    OnboardingView& view = w.open();
    view.go(3);
    auto* input = w.find<SInput>(QStringLiteral("keyInput"));
    auto* check = w.find<SButton>(QStringLiteral("checkKey"));
    QVERIFY(!check->isEnabled());
    input->lineEdit()->setText(typed);
    QVERIFY(check->isEnabled());
    QTest::mouseClick(check, Qt::LeftButton);
    QCOMPARE(w.requests.size(), 1);
    QCOMPARE(w.asked.last().apiKey, typed.trimmed());
    QCOMPARE(w.state.config().apiKey, typed.trimmed());
    QCOMPARE(input->text(), typed.trimmed());
    QVERIFY(view.keyCheck().isBusy());
    QCOMPARE(check->text(), QStringLiteral("Checking…"));
    QVERIFY(!check->isEnabled());

    if (editDuringCheck)
        QTest::keyClick(input->lineEdit(), Qt::Key_X);
    w.requests.last()(answer);

    QVERIFY(!view.keyCheck().isBusy());
    QCOMPARE(check->text(), QStringLiteral("Check"));
    QCOMPARE(view.keyCheck().isChecked(), checked);
    QCOMPARE(view.primaryButton()->isEnabled(), checked);
    QCOMPARE(w.find<StatusLine>(QStringLiteral("keyWorks"))->isVisible(), checked);
    if (checked)
        QCOMPARE(w.find<StatusLine>(QStringLiteral("keyWorks"))->text(), QStringLiteral("The key works · ") + model);
    QCOMPARE(w.state.config().model, model);
    QCOMPARE(w.find<TextLabel>(QStringLiteral("keyError"))->text(), error);
    QCOMPARE(input->hasError(), !error.isEmpty());
    QCOMPARE(check->isEnabled(), !checked);
    // The step's check is its own: the application's key status is untouched.
    QCOMPARE(w.checks, 0);
    QCOMPARE(w.state.keyStatus().kind, KeyStatus::Kind::unknown);

    // The first keystroke after any answer starts over.
    QTest::keyClick(input->lineEdit(), Qt::Key_Y);
    QVERIFY(!view.keyCheck().isChecked());
    QVERIFY(view.keyCheck().error().isEmpty());
    QVERIFY(!view.primaryButton()->isEnabled());
}

void TestOnboardingFlow::tryItBox()
{
    Wizard w;
    OnboardingView& view = w.open();
    view.go(4);
    auto* step = qobject_cast<TryItStep*>(view.content());
    QVERIFY(step);
    QCOMPARE(step->keycaps()->findChildren<Keycap*>().size(), 2);

    // A new talk key is stored at once, before the user tries it.
    w.calls.clear();
    step->keySelect()->setSelection(int(HotkeyKind::rightCommand));
    QCOMPARE(w.calls, QStringList{QStringLiteral("save")});
    QCOMPARE(w.saved.last().hotkey, HotkeyKind::rightCommand);
    const QList<Keycap*> caps = step->keycaps()->findChildren<Keycap*>();
    QCOMPARE(caps.size(), 1);
    QCOMPARE(caps.first()->label(), QStringLiteral("Right Alt"));

    // Blank text keeps the keys on show; a recording empties the box.
    step->editor()->setPlainText(QStringLiteral("  \n "));
    QVERIFY(step->keycaps()->isVisible());
    step->editor()->setPlainText(QStringLiteral("first try"));
    QVERIFY(!step->keycaps()->isVisible());
    w.state.setPhase(Phase::recording);
    QCOMPARE(step->sample(), QString());
    QVERIFY(step->bars()->isVisible());

    // A failure shows its message while the phase stays failed.
    w.state.setMessage(QStringLiteral("Gemini returned 500: busy"));
    w.state.setPhase(Phase::failed);
    QVERIFY(step->failure()->isVisible());
    QCOMPARE(step->failure()->text(), QStringLiteral("Gemini returned 500: busy"));
    w.state.setMessage(QString());
    QVERIFY(!step->failure()->isVisible());
}

void TestOnboardingFlow::focusedButtonTakesReturn_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("after");
    QTest::addColumn<bool>("infoOpen");
    QTest::newRow("Back goes back") << 2 << QStringLiteral("back") << 1 << false;
    QTest::newRow("Back from the last step") << 4 << QStringLiteral("back") << 3 << false;
    QTest::newRow("More info opens the card") << 1 << QStringLiteral("infoButton") << 1 << true;
    QTest::newRow("Next goes on") << 0 << QStringLiteral("next") << 1 << false;
}

void TestOnboardingFlow::focusedButtonTakesReturn()
{
    QFETCH(int, step);
    QFETCH(QString, button);
    QFETCH(int, after);
    QFETCH(bool, infoOpen);
    Wizard w;
    w.capabilities.microphone = {true, {}};
    w.state.setAccessibilityGranted(true);
    w.state.updateConfig([](Config& c) { c.languageCodes = {QStringLiteral("en-US")}; });
    OnboardingView& view = w.open();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    view.go(step);
    auto* target = w.find<QWidget>(button);
    QVERIFY(target);
    // Reached by Tab, as the user does.
    for (int i = 0; i < 40 && QApplication::focusWidget() != target; ++i)
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), target);
    w.calls.clear();
    Wizard::press(Qt::Key_Return);
    QCOMPARE(int(view.step()), after);
    QCOMPARE(view.intro()->isInfoOpen(), infoOpen);
}

void TestOnboardingFlow::openInfoCardKeys()
{
    Wizard w;
    w.state.updateConfig([](Config& c) { c.languageCodes = {QStringLiteral("en-US")}; });
    OnboardingView& view = w.open();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    view.intro()->infoButton()->setFocus(Qt::TabFocusReason);
    Wizard::press(Qt::Key_Space);
    QVERIFY(view.intro()->isInfoOpen());
    const QRect card = view.intro()->infoCard()->geometry();
    // Round the window: nothing under the open card takes the focus.
    for (int i = 0; i < 30; ++i) {
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        QWidget* host = view.intro()->infoCard()->parentWidget();
        if (!host->isAncestorOf(focus))
            continue;
        const QRect at(focus->mapTo(host, QPoint(0, 0)), focus->size());
        QVERIFY2(!card.contains(at.center()), qPrintable(focus->objectName()));
    }
    // Escape closes the card and nothing else.
    Wizard::press(Qt::Key_Escape);
    QVERIFY(!view.intro()->isInfoOpen());
    QCOMPARE(int(view.step()), 0);
    QVERIFY(view.isVisible());
}

void TestOnboardingFlow::hiddenSampleEditorHasNoFocus_data()
{
    QTest::addColumn<int>("ending");
    QTest::newRow("failed") << int(Phase::failed);
    QTest::newRow("cancelled or too short") << int(Phase::idle);
}

void TestOnboardingFlow::hiddenSampleEditorHasNoFocus()
{
    QFETCH(int, ending);
    Wizard w;
    OnboardingView& view = w.open();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    view.go(4);
    auto* step = qobject_cast<TryItStep*>(view.content());
    QVERIFY(step);
    // The empty box hides its editor: neither shown nor Tab gives it the focus.
    QVERIFY(QApplication::focusWidget() != step->editor());
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != step->editor());
    }
    // A dictation gives it the focus, for the transcript to land in.
    w.state.setPhase(Phase::recording);
    QCOMPARE(QApplication::focusWidget(), step->editor());
    // One that ends without text leaves the box hidden, and Return is "Done".
    w.state.setPhase(Phase(ending));
    QVERIFY(QApplication::focusWidget() != step->editor());
    w.calls.clear();
    Wizard::press(Qt::Key_Return);
    QCOMPARE(w.calls, (QStringList{QStringLiteral("save"), QStringLiteral("finish")}));
    QVERIFY(step->sample().isEmpty());
}

void TestOnboardingFlow::keyStepTabFollowsTheLayout()
{
    Wizard w;
    OnboardingView& view = w.open();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    view.go(3);
    auto* trail = w.find<QWidget>(QStringLiteral("keyTrail"));
    auto* input = w.find<SInput>(QStringLiteral("keyInput"));
    QVERIFY(trail && input);
    // Top to bottom: the page's link, then the key field.
    int link = -1;
    int field = -1;
    for (int i = 0; i < 30 && field < 0; ++i) {
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        if (link < 0 && trail->isAncestorOf(focus))
            link = i;
        if (input->isAncestorOf(focus) || focus == input)
            field = i;
    }
    QVERIFY(link >= 0 && field >= 0);
    QVERIFY(link < field);
}

void TestOnboardingFlow::stepPictureShadow_data()
{
    QTest::addColumn<qreal>("dpr");
    for (const qreal dpr : {1.0, 1.25, 1.5, 2.0})
        QTest::addRow("scale %g", dpr) << dpr;
}

void TestOnboardingFlow::stepPictureShadow()
{
    QFETCH(qreal, dpr);
    // Every pixel of every step's shadow is the tint (37, 99, 235) at some
    // opacity up to 18 %, in valid premultiplied form (each channel within
    // rounding of the tint times the alpha): no coloured halo.
    for (int index = 0; index < OnboardingSteps::count; ++index) {
        const OnboardingStep step = *OnboardingSteps::fromIndex(index);
        const QImage artwork = OnboardingArtwork::image(step);
        QVERIFY(!artwork.isNull());
        const QImage shadow = StepIntro::shadowOf(artwork, dpr).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const int room = qRound(StepIntro::shadowRoom(dpr) * dpr);
        QCOMPARE(shadow.size(), QSize(qRound(80 * dpr) + 2 * room, qRound(80 * dpr) + 2 * room));
        int maxAlpha = 0;
        for (int y = 0; y < shadow.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(shadow.constScanLine(y));
            for (int x = 0; x < shadow.width(); ++x) {
                const int a = qAlpha(line[x]);
                maxAlpha = std::max(maxAlpha, a);
                const QString where = QStringLiteral("%1 at %2,%3: %4 %5 %6 %7")
                                          .arg(OnboardingArtwork::name(step))
                                          .arg(x)
                                          .arg(y)
                                          .arg(qRed(line[x]))
                                          .arg(qGreen(line[x]))
                                          .arg(qBlue(line[x]))
                                          .arg(a);
                QVERIFY2(qAbs(qRed(line[x]) - 37 * a / 255.0) <= 2.0, qPrintable(where));
                QVERIFY2(qAbs(qGreen(line[x]) - 99 * a / 255.0) <= 2.0, qPrintable(where));
                QVERIFY2(qAbs(qBlue(line[x]) - 235 * a / 255.0) <= 2.0, qPrintable(where));
            }
        }
        QVERIFY(maxAlpha > 20);
        QVERIFY(maxAlpha <= qRound(0.18 * 255) + 1);
    }
}

QTEST_MAIN(TestOnboardingFlow)
#include "TestOnboardingFlow.moc"
