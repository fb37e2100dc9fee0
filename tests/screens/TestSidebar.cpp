#include "core/AppState.h"
#include "design/Onest.h"
#include "design/Palette.h"
#include "core/DictationStage.h"
#include "core/L10n.h"
#include "design/components/Badge.h"
#include "design/components/DictationProgressLabel.h"
#include "design/components/Keycap.h"
#include "design/components/SButton.h"
#include "design/components/SIconButton.h"
#include "design/components/SInput.h"
#include "design/components/TextLabel.h"
#include "screens/DictationCard.h"
#include "screens/MeetingsRow.h"
#include "screens/NavItem.h"
#include "screens/Sidebar.h"

#include "FakeClock.h"
#include "TempDataDir.h"

#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(Phase)
Q_DECLARE_METATYPE(Target)
Q_DECLARE_METATYPE(HotkeyKind)
Q_DECLARE_METATYPE(Screen)
Q_DECLARE_METATYPE(DictationStage)

class TestSidebar final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Onest::registerFaces(); }
    void init();
    void cleanup();

    void dictationCard_data();
    void dictationCard();
    void keycaps_data();
    void keycaps();
    void hintFollowsTheMode();
    void cardButtonTogglesIntoHistory();
    void searchSwitchesToHistory_data();
    void searchSwitchesToHistory();
    void navigationKeepsTheSearch();
    void settingsButtonEndsEditingAndOpens();
    void meetingsNeverReacts();
    void titleHoldsBesideTheProgress_data();
    void titleHoldsBesideTheProgress();

private:
    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<Sidebar> m_sidebar;
};

void TestSidebar::init()
{
    m_data = std::make_unique<TempDataDir>();
    m_clock = std::make_unique<FakeClock>();
    m_state = std::make_unique<AppState>(*m_clock);
    m_sidebar = std::make_unique<Sidebar>(*m_state, true);
    m_sidebar->resize(256, 800);
    m_sidebar->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_sidebar.get()));
}

void TestSidebar::cleanup()
{
    m_sidebar.reset();
    m_state.reset();
    m_clock.reset();
    m_data.reset();
}

void TestSidebar::dictationCard_data()
{
    QTest::addColumn<Phase>("phase");
    QTest::addColumn<Target>("target");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("keysActive");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("enabled");

    const QColor green = Palette::green600.resolve(false);
    const QColor red = Palette::red600.resolve(false);
    const QColor purple = Palette::purple600.resolve(false);
    const QColor amber = Palette::amber600.resolve(false);
    const Target app = Target::frontApp();
    const Target own = Target::historyOnly();
    const Target note = Target::note(QUuid::createUuid());
    const QString listening = QStringLiteral("Listening…");
    const QString progress = QStringLiteral("Preparing audio…");

    QTest::newRow("idle") << Phase::idle << app << "Ready" << green << false << "Try it" << true;
    QTest::newRow("idle after own") << Phase::idle << own << "Ready" << green << false << "Try it" << true;
    QTest::newRow("recording from the key") << Phase::recording << app << listening << red << true << "Try it" << false;
    QTest::newRow("recording into a note") << Phase::recording << note << listening << red << true << "Try it" << false;
    QTest::newRow("recording from the card") << Phase::recording << own << listening << red << true << "Stop" << true;
    QTest::newRow("working") << Phase::working << app << progress << purple << false << "Try it" << false;
    QTest::newRow("working on own") << Phase::working << own << progress << purple << false << "Try it" << false;
    QTest::newRow("failed") << Phase::failed << app << "Error" << amber << false << "Try it" << true;
    QTest::newRow("failed own") << Phase::failed << own << "Error" << amber << false << "Try it" << true;
}

void TestSidebar::dictationCard()
{
    QFETCH(Phase, phase);
    QFETCH(Target, target);
    QFETCH(QString, status);
    QFETCH(QColor, colour);
    QFETCH(bool, keysActive);
    QFETCH(QString, button);
    QFETCH(bool, enabled);

    m_state->setTarget(target);
    m_state->setPhase(phase);
    DictationCard* card = m_sidebar->dictationCard();
    QCOMPARE(card->statusText(), status);
    if (phase == Phase::working) {
        auto* label = card->findChild<QLabel*>(QStringLiteral("dictationProgress"));
        QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    } else {
        auto* label = card->findChild<TextLabel*>(QStringLiteral("dictationStatus"));
        QCOMPARE(label->color().resolve(false), colour);
    }
    for (Keycap* cap : card->keycaps())
        QCOMPARE(cap->isActive(), keysActive);
    QCOMPARE(card->button()->text(), button);
    QCOMPARE(card->button()->isEnabled(), enabled);
    QCOMPARE(card->button()->variant(), button == QStringLiteral("Stop") ? ButtonVariant::Danger : ButtonVariant::Soft);
    QCOMPARE(card->button()->icon(), button == QStringLiteral("Stop") ? QStringLiteral("square") : QStringLiteral("mic"));
}

void TestSidebar::keycaps_data()
{
    QTest::addColumn<HotkeyKind>("kind");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("pluses");
    QTest::newRow("control") << HotkeyKind::control << QStringList{"Ctrl"} << 0;
    QTest::newRow("control+fn") << HotkeyKind::controlFn << QStringList{"Ctrl", "Super"} << 1;
    QTest::newRow("fn") << HotkeyKind::fn << QStringList{"Super"} << 0;
    QTest::newRow("right command") << HotkeyKind::rightCommand << QStringList{"Right Alt"} << 0;
    QTest::newRow("control+option") << HotkeyKind::controlOption << QStringList{"Ctrl", "Alt"} << 1;
}

void TestSidebar::keycaps()
{
    QFETCH(HotkeyKind, kind);
    QFETCH(QStringList, keys);
    QFETCH(int, pluses);
    m_state->updateConfig([kind](Config& config) { config.hotkey = kind; });
    QStringList labels;
    for (Keycap* cap : m_sidebar->dictationCard()->keycaps()) {
        labels << cap->label();
        QVERIFY(cap->isLarge());
    }
    QCOMPARE(labels, keys);
    int plusCount = 0;
    for (TextLabel* label : m_sidebar->dictationCard()->findChildren<TextLabel*>())
        plusCount += label->text() == QStringLiteral("+") ? 1 : 0;
    QCOMPARE(plusCount, pluses);
}

void TestSidebar::hintFollowsTheMode()
{
    QCOMPARE(m_sidebar->dictationCard()->hint(),
             QStringLiteral("Hold and talk. When you let go, the text is typed where the cursor is."));
    m_state->updateConfig([](Config& config) { config.hotkeyMode = HotkeyMode::toggle; });
    QCOMPARE(m_sidebar->dictationCard()->hint(), QStringLiteral("Press once and talk. Press again and the text is typed."));
}

void TestSidebar::cardButtonTogglesIntoHistory()
{
    QList<Target> calls;
    AppActions actions;
    actions.toggleDictation = [&calls](const Target& target) { calls << target; };
    m_state->setActions(actions);
    SButton* button = m_sidebar->dictationCard()->button();
    QTest::mouseClick(button, Qt::LeftButton);
    m_state->setTarget(Target::historyOnly());
    m_state->setPhase(Phase::recording);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(calls, (QList<Target>{Target::historyOnly(), Target::historyOnly()}));
}

void TestSidebar::searchSwitchesToHistory_data()
{
    QTest::addColumn<Screen>("from");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("search");
    QTest::newRow("typing on Notes") << Screen::notes << "" << "c" << "c";
    QTest::newRow("clearing on Vocabulary") << Screen::vocabulary << "cafe" << "" << "";
    QTest::newRow("spaces on the phone screen") << Screen::phone << "" << "  " << "  ";
    QTest::newRow("clearing on History") << Screen::history << "cafe" << "" << "";
}

void TestSidebar::searchSwitchesToHistory()
{
    QFETCH(Screen, from);
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, search);
    m_state->setSearch(before);
    m_state->setScreen(from);
    QLineEdit* field = m_sidebar->search()->lineEdit();
    QCOMPARE(field->text(), before);
    field->selectAll();
    if (typed.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClicks(field, typed);
    QCOMPARE(m_state->search(), search);
    QCOMPARE(m_state->screen(), Screen::history);
    QVERIFY(m_sidebar->navItem(Screen::history)->isOn());
}

void TestSidebar::navigationKeepsTheSearch()
{
    QTest::keyClicks(m_sidebar->search()->lineEdit(), QStringLiteral("cafe"));
    for (Screen screen : {Screen::notes, Screen::vocabulary, Screen::phone, Screen::history}) {
        QTest::mouseClick(m_sidebar->navItem(screen), Qt::LeftButton);
        QCOMPARE(m_state->screen(), screen);
        for (Screen other : {Screen::history, Screen::notes, Screen::vocabulary, Screen::phone})
            QCOMPARE(m_sidebar->navItem(other)->isOn(), other == screen);
        QCOMPARE(m_state->search(), QStringLiteral("cafe"));
    }
    QCOMPARE(m_sidebar->search()->suffix(), QStringLiteral("Ctrl+K"));
}

void TestSidebar::settingsButtonEndsEditingAndOpens()
{
    m_sidebar->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_sidebar.get()));
    m_state->setSettingsTab(SettingsTab::advanced);
    m_sidebar->search()->lineEdit()->setFocus();
    QVERIFY(m_sidebar->search()->lineEdit()->hasFocus());
    QTest::mouseClick(m_sidebar->settingsButton(), Qt::LeftButton);
    QVERIFY(m_state->settingsOpen());
    QCOMPARE(m_state->settingsTab(), SettingsTab::advanced);
    QVERIFY(!m_sidebar->search()->lineEdit()->hasFocus());
    QCOMPARE(m_sidebar->settingsButton()->help(), QStringLiteral("Settings"));
}

void TestSidebar::meetingsNeverReacts()
{
    auto* meetings = m_sidebar->findChild<MeetingsRow*>();
    QVERIFY(meetings);
    QVERIFY(!meetings->isEnabled());
    QCOMPARE(meetings->badge()->text(), QStringLiteral("Tez kunda"));
    QCOMPARE(meetings->accessibleName(), QStringLiteral("Meetings"));
    const Screen before = m_state->screen();
    QTest::mouseClick(meetings, Qt::LeftButton);
    QCOMPARE(m_state->screen(), before);
}

void TestSidebar::titleHoldsBesideTheProgress_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<DictationStage>("stage");
    QTest::addColumn<int>("seconds");
    QTest::newRow("en, transcribing") << QStringLiteral("en") << DictationStage::transcribing << 0;
    QTest::newRow("en, long wait") << QStringLiteral("en") << DictationStage::transcribing << 40;
    QTest::newRow("ru, long wait") << QStringLiteral("ru") << DictationStage::transcribing << 40;
    QTest::newRow("ru, organizing") << QStringLiteral("ru") << DictationStage::organizing << 0;
    QTest::newRow("uz, long wait") << QStringLiteral("uz") << DictationStage::transcribing << 40;
    QTest::newRow("uz, shortening") << QStringLiteral("uz") << DictationStage::trimming << 0;
}

void TestSidebar::titleHoldsBesideTheProgress()
{
    QFETCH(QString, language);
    QFETCH(DictationStage, stage);
    QFETCH(int, seconds);
    L10n::install(language);
    const auto english = qScopeGuard([] { L10n::install(QStringLiteral("en")); });

    m_state->setPhase(Phase::working);
    m_state->setProcessingStage(stage, m_clock->now());
    m_clock->advance(seconds * 1000);
    Sidebar sidebar(*m_state, true);
    sidebar.resize(Sidebar::columnWidth, 800);
    sidebar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sidebar));

    auto* title = sidebar.dictationCard()->findChild<TextLabel*>(QStringLiteral("dictationTitle"));
    auto* progress = sidebar.dictationCard()->findChild<DictationProgressLabel*>(QStringLiteral("dictationProgress"));
    QVERIFY(title && progress);
    if (language != QStringLiteral("en"))
        QVERIFY2(title->text() != QStringLiteral("Dictation"), "the translation is not loaded");
    QVERIFY(progress->isVisible());
    QVERIFY(!progress->text().isEmpty());
    // The whole title shows; the sentence takes what is left, beside it.
    QVERIFY2(title->width() >= title->sizeHint().width(),
             qPrintable(QStringLiteral("%1 of %2").arg(title->width()).arg(title->sizeHint().width())));
    QVERIFY(progress->width() > 0);
    QVERIFY(progress->geometry().left() >= title->geometry().right());
    QVERIFY(progress->geometry().right() <= sidebar.dictationCard()->contentsRect().right());
}

QTEST_MAIN(TestSidebar)
#include "TestSidebar.moc"
