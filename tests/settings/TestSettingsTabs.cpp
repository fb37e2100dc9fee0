#include "FakeClock.h"
#include "SettingsTestSupport.h"
#include "TempDataDir.h"

#include "core/AppState.h"
#include "core/DataActions.h"
#include "core/SpokenLanguage.h"
#include "core/InterfaceLanguage.h"
#include "core/LoginItem.h"
#include "design/Animation.h"
#include "design/FilePicker.h"
#include "design/Onest.h"
#include "design/components/Badge.h"
#include "design/components/Keycap.h"
#include "design/components/SButton.h"
#include "design/components/SIconButton.h"
#include "design/components/SInput.h"
#include "design/components/TextLabel.h"
#include "settings/MicTestBars.h"
#include "settings/ModelInstructions.h"
#include "settings/SettingsAITab.h"
#include "settings/SettingsAdvancedTab.h"
#include "settings/SettingsChip.h"
#include "settings/SettingsGeneralTab.h"
#include "settings/SettingsMicrophoneTab.h"
#include "settings/SettingsRow.h"
#include "settings/SettingsShortcutsTab.h"
#include "settings/ShortcutSetup.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextEdit>

#include <functional>

using namespace SettingsTest;

using ConfigField = std::function<bool(const Config&)>;
Q_DECLARE_METATYPE(ConfigField)

// Each tab against its design: its controls, what each writes into Config,
// and what it shows for the state it is given.
class TestSettingsTabs final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void generalSwitchesWriteTheirField_data();
    void generalSwitchesWriteTheirField();
    void themeAndFloatingButton();
    void startAtLoginShowsTheRealState();
    void interfaceLanguage_data();
    void interfaceLanguage();

    void holdTimes_data();
    void holdTimes();
    void talkKeyChoices_data();
    void talkKeyChoices();
    void modeSwitchesTheHoldRow();

    void modelOptions_data();
    void modelOptions();
    void languageChips_data();
    void languageChips();
    void addingALanguageFromTheMenu();
    void keyBadgeFollowsTheCheck_data();
    void keyBadgeFollowsTheCheck();
    void keyFieldWritesAndShows();

    void microphoneChoices_data();
    void microphoneChoices();
    void levelBars_data();
    void levelBars();
    void levelBarsFillInATenthOfASecond();
    void microphoneTestButton();

    void keepHistoryChoices_data();
    void keepHistoryChoices();
    void advancedRowsFollowTheSettings();
    void phonePorts_data();
    void phonePorts();
    void shortcutAddress_data();
    void shortcutAddress();
    void exportAsksForAPlaceAndSaysHowItWent();
    void exportAsksBeforeReplacing_data();
    void exportAsksBeforeReplacing();
    void deleteNeedsTwoPresses();
    void dataFolderPath_data();
    void dataFolderPath();

private:
    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<AppState> m_state;
    AppActions m_actions;
    QList<std::optional<QString>> m_chosenLanguages;
    int m_keyChecks = 0;
    int m_micToggles = 0;
    QList<Microphone> m_microphones;
};

namespace {

// Answers the save dialog with a fixed path ("" = cancelled).
class FakePicker final : public FilePicker
{
public:
    QString answer;
    QString suggested;
    QString openFile(QWidget*, const QString&, const QString&) override { return answer; }
    QString saveFile(QWidget*, const QString&, const QString& suggestedPath, const QString&) override
    {
        suggested = suggestedPath;
        return answer;
    }
};

// Runs step on the modal window of type T once it is the one in front.
template <class T>
void whenModal(std::function<void(T*)> step)
{
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, step] {
        if (auto* window = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            step(window);
        }
    });
    timer->start();
}

QStringList chipLabels(QWidget* tab)
{
    QStringList out;
    for (SettingsChip* chip : tab->findChild<QWidget*>(QStringLiteral("languageChips"))->findChildren<SettingsChip*>()) {
        if (!chip->objectName().isEmpty())
            out << chip->label() + (chip->isOn() ? QStringLiteral("*") : QString());
    }
    return out;
}

QStringList keycapLabels(QWidget* row)
{
    QStringList out;
    for (Keycap* cap : row->findChildren<Keycap*>())
        out << cap->label();
    return out;
}

} // namespace

void TestSettingsTabs::initTestCase()
{
    Onest::registerFaces();
}

void TestSettingsTabs::init()
{
    m_data = std::make_unique<TempDataDir>();
    // The language choice and the autostart entry live under the config home.
    m_config = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", m_config->path().toUtf8());
    m_state = std::make_unique<AppState>();
    m_chosenLanguages.clear();
    m_keyChecks = 0;
    m_micToggles = 0;
    m_microphones = {{QStringLiteral("alsa_input.usb"), QStringLiteral("USB Microphone")},
                     {QStringLiteral("testmic"), QStringLiteral("Test microphone")}};
    m_actions = AppActions{};
    m_actions.chooseInterfaceLanguage = [this](const std::optional<QString>& code) { m_chosenLanguages << code; };
    m_actions.checkKey = [this] { ++m_keyChecks; };
    m_actions.toggleMicTest = [this] {
        ++m_micToggles;
        m_state->setMicTestLevel(m_state->micTestLevel() ? std::nullopt : std::optional<double>(0.0));
    };
    m_actions.microphones = [this] { return m_microphones; };
}

void TestSettingsTabs::cleanup()
{
    m_state.reset();
    m_data.reset();
    qunsetenv("XDG_CONFIG_HOME");
    m_config.reset();
    FilePicker::setInstance(nullptr);
}

// General

void TestSettingsTabs::generalSwitchesWriteTheirField_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<ConfigField>("field");
    QTest::newRow("sounds") << QStringLiteral("sounds") << ConfigField([](const Config& c) { return c.sounds; });
    QTest::newRow("pause media") << QStringLiteral("pauseMedia") << ConfigField([](const Config& c) { return c.pauseMedia; });
    QTest::newRow("notifications off") << QStringLiteral("notificationsOff")
                                       << ConfigField([](const Config& c) { return c.notificationsOff; });
    QTest::newRow("floating button") << QStringLiteral("hudVisible") << ConfigField([](const Config& c) { return c.hudVisible; });
}

void TestSettingsTabs::generalSwitchesWriteTheirField()
{
    QFETCH(QString, name);
    QFETCH(ConfigField, field);
    SettingsGeneralTab tab(*m_state, m_actions);
    auto* row = find<SettingsSwitch>(&tab, name);
    const bool before = field(m_state->config());
    QCOMPARE(row->isChecked(), before);
    flip(row);
    QCOMPARE(field(m_state->config()), !before);
    flip(row);
    QCOMPARE(field(m_state->config()), before);
}

void TestSettingsTabs::themeAndFloatingButton()
{
    SettingsGeneralTab tab(*m_state, m_actions);
    auto* theme = find<SSegmented>(&tab, QStringLiteral("theme"));
    tab.resize(700, 800);
    tab.show();
    QCOMPARE(theme->selection().toString(), QStringLiteral("light"));
    clickSegment(theme, 2);
    QCOMPARE(m_state->config().theme, ThemeMode::automatic);
    clickSegment(theme, 1);
    QCOMPARE(m_state->config().theme, ThemeMode::dark);

    // The tray's hide item flips the same field; the switch follows.
    m_state->updateConfig([](Config& config) { config.hudVisible = false; });
    QVERIFY(!find<SettingsSwitch>(&tab, QStringLiteral("hudVisible"))->isChecked());
}

void TestSettingsTabs::startAtLoginShowsTheRealState()
{
    SettingsGeneralTab tab(*m_state, m_actions);
    auto* row = find<SettingsSwitch>(&tab, QStringLiteral("launchAtLogin"));
    flip(row);
    QVERIFY(m_state->launchAtLogin());
    QVERIFY(row->isChecked());
    QVERIFY(QFileInfo::exists(LoginItem::entryPath()));
    flip(row);
    QVERIFY(!m_state->launchAtLogin());
    QVERIFY(!QFileInfo::exists(LoginItem::entryPath()));

    // The desktop refuses (a file stands where its folder should be): the switch stays off.
    QFile blocker(m_config->filePath(QStringLiteral("autostart")));
    QVERIFY(QDir(m_config->path()).rmdir(QStringLiteral("autostart")) || !QFileInfo::exists(blocker.fileName()));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    flip(row);
    QVERIFY(!m_state->launchAtLogin());
    QVERIFY(!row->isChecked());
}

void TestSettingsTabs::interfaceLanguage_data()
{
    QTest::addColumn<QString>("stored"); // "" none
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QString>("asked"); // "-" none, "" system

    QTest::newRow("system to Russian") << QString() << QStringLiteral("System") << QStringLiteral(u"Русский")
                                       << QStringLiteral("ru");
    QTest::newRow("Uzbek to system") << QStringLiteral("uz") << QStringLiteral(u"O\u02BBzbekcha") << QStringLiteral("System")
                                     << QString();
    QTest::newRow("a regional code shows nothing") << QStringLiteral("en-GB") << QString() << QStringLiteral("English")
                                                   << QStringLiteral("en");
}

void TestSettingsTabs::interfaceLanguage()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QFETCH(QString, picked);
    QFETCH(QString, asked);
    if (!stored.isEmpty()) {
        QSettings settings(InterfaceLanguage::settingsPath(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("AppleLanguages"), QStringList{stored});
    }
    SettingsGeneralTab tab(*m_state, m_actions);
    auto* select = find<SSelect>(&tab, QStringLiteral("language"));
    QCOMPARE(labels(select), (QStringList{QStringLiteral("System"), QStringLiteral(u"O\u02BBzbekcha"),
                                          QStringLiteral("English"), QStringLiteral(u"Русский")}));
    QCOMPARE(select->label(), shown);
    QVERIFY(pick(select, picked));
    QCOMPARE(m_chosenLanguages.size(), 1);
    QCOMPARE(m_chosenLanguages.first(), asked.isEmpty() ? std::nullopt : std::optional<QString>(asked));
}

// Shortcuts

void TestSettingsTabs::holdTimes_data()
{
    QTest::addColumn<qint64>("stored");
    QTest::addColumn<QStringList>("choices");
    const QStringList fixed{QStringLiteral("150 ms"), QStringLiteral("200 ms"), QStringLiteral("300 ms"),
                            QStringLiteral("400 ms"), QStringLiteral("500 ms"), QStringLiteral("600 ms")};
    QTest::newRow("default") << qint64(300) << fixed;
    QStringList with250 = fixed;
    with250.insert(2, QStringLiteral("250 ms"));
    QTest::newRow("between") << qint64(250) << with250;
    QTest::newRow("below") << qint64(50) << (QStringList{QStringLiteral("50 ms")} + fixed);
    QTest::newRow("above") << qint64(1000) << (fixed + QStringList{QStringLiteral("1000 ms")});
}

void TestSettingsTabs::holdTimes()
{
    QFETCH(qint64, stored);
    QFETCH(QStringList, choices);
    m_state->updateConfig([stored](Config& config) { config.holdThresholdMs = stored; });
    SettingsShortcutsTab tab(*m_state);
    auto* select = find<SSelect>(&tab, QStringLiteral("holdTime"));
    QCOMPARE(labels(select), choices);
    QCOMPARE(select->label(), QStringLiteral("%1 ms").arg(stored));
    QVERIFY(pick(select, QStringLiteral("400 ms")));
    QCOMPARE(m_state->config().holdThresholdMs, qint64(400));
    QVERIFY(!labels(select).contains(QStringLiteral("250 ms")));
}

void TestSettingsTabs::talkKeyChoices_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<HotkeyKind>("kind");
    QTest::addColumn<QStringList>("caps");
    QTest::newRow("Ctrl") << 0 << HotkeyKind::control << QStringList{QStringLiteral("Ctrl")};
    QTest::newRow("Ctrl + Super") << 1 << HotkeyKind::controlFn << QStringList{QStringLiteral("Ctrl"), QStringLiteral("Super")};
    QTest::newRow("Super") << 2 << HotkeyKind::fn << QStringList{QStringLiteral("Super")};
    QTest::newRow("Right Alt") << 3 << HotkeyKind::rightCommand << QStringList{QStringLiteral("Right Alt")};
    QTest::newRow("Ctrl + Alt") << 4 << HotkeyKind::controlOption << QStringList{QStringLiteral("Ctrl"), QStringLiteral("Alt")};
}

void TestSettingsTabs::talkKeyChoices()
{
    QFETCH(int, index);
    QFETCH(HotkeyKind, kind);
    QFETCH(QStringList, caps);
    SettingsShortcutsTab tab(*m_state);
    tab.show();
    auto* button = find<SButton>(&tab, QStringLiteral("changeKeys"));
    QTest::mouseClick(button, Qt::LeftButton);
    QMenu* menu = openMenu(button);
    QVERIFY(menu);
    QCOMPARE(texts(menu), (QStringList{QStringLiteral("Ctrl"), QStringLiteral("Ctrl + Super"), QStringLiteral("Super"),
                                       QStringLiteral("Right Alt"), QStringLiteral("Ctrl + Alt")}));
    // Hanging from the button, never narrower than it.
    QVERIFY2(menu->width() >= button->width(), qPrintable(QStringLiteral("%1 < %2").arg(menu->width()).arg(button->width())));
    // The current key (Ctrl + Super by default) is ticked.
    QVERIFY(menu->actions().at(1)->isChecked());
    menu->actions().at(index)->trigger();
    menu->close();
    QCOMPARE(m_state->config().hotkey, kind);
    QCOMPARE(keycapLabels(find<QWidget>(&tab, QStringLiteral("dictationRow"))), caps);
}

void TestSettingsTabs::modeSwitchesTheHoldRow()
{
    SettingsShortcutsTab tab(*m_state);
    tab.resize(700, 600);
    tab.show();
    auto* dictation = find<SettingsRow>(&tab, QStringLiteral("dictationRow"));
    auto* mode = find<SettingsRow>(&tab, QStringLiteral("modeRow"));
    QCOMPARE(dictation->description(), QStringLiteral("Hold and talk"));
    QVERIFY(find<QWidget>(&tab, QStringLiteral("holdBlock"))->isVisible());

    clickSegment(find<SSegmented>(&tab, QStringLiteral("mode")), 1);
    QCOMPARE(m_state->config().hotkeyMode, HotkeyMode::toggle);
    QCOMPARE(dictation->description(), QStringLiteral("Press once, talk, press again"));
    QCOMPARE(mode->description(), QStringLiteral("Recording stops when you press again"));
    QVERIFY(!find<QWidget>(&tab, QStringLiteral("holdBlock"))->isVisible());
    QCOMPARE(m_state->config().holdThresholdMs, qint64(300));
}

// AI and languages

void TestSettingsTabs::modelOptions_data()
{
    QTest::addColumn<QStringList>("models");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("no list yet: the current model alone")
        << QStringList() << QStringLiteral("gemini-3.8-flash") << QStringList{QStringLiteral("Gemini 3.8 Flash")};
    QTest::newRow("listed current keeps the order")
        << QStringList{QStringLiteral("gemini-2.5-pro"), QStringLiteral("gemini-3.8-flash")} << QStringLiteral("gemini-3.8-flash")
        << QStringList{QStringLiteral("Gemini 2.5 Pro"), QStringLiteral("Gemini 3.8 Flash")};
    QTest::newRow("retired current comes first")
        << QStringList{QStringLiteral("gemini-2.5-pro")} << QStringLiteral("gemini-1.0-old")
        << QStringList{QStringLiteral("Gemini 1.0 Old"), QStringLiteral("Gemini 2.5 Pro")};
    QTest::newRow("dashes and suffixes")
        << QStringList() << QStringLiteral("-gemini--3.0-flash-lite-preview-")
        << QStringList{QStringLiteral("Gemini 3.0 Flash Lite Preview")};
}

void TestSettingsTabs::modelOptions()
{
    QFETCH(QStringList, models);
    QFETCH(QString, current);
    QFETCH(QStringList, labels);
    m_state->setModels(models);
    m_state->updateConfig([&current](Config& config) { config.model = current; });
    SettingsAITab tab(*m_state, m_actions);
    auto* select = find<SSelect>(&tab, QStringLiteral("model"));
    QCOMPARE(SettingsTest::labels(select), labels);
    QCOMPARE(select->label(), SettingsAITab::modelLabel(current));
    if (labels.size() > 1) {
        QVERIFY(pick(select, labels.last()));
        QCOMPARE(m_state->config().model, models.last());
    }
}

void TestSettingsTabs::languageChips_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("clicks"); // chip codes clicked in turn
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QStringList>("chips");
    QTest::addColumn<bool>("canAdd");

    QTest::newRow("empty: three fixed chips, off")
        << QStringList() << QStringList() << QStringList()
        << QStringList{QStringLiteral("O'zbek"), QStringLiteral(u"Русский"), QStringLiteral("English")} << true;
    QTest::newRow("turning on sorts by table")
        << QStringList() << QStringList{QStringLiteral("en-US"), QStringLiteral("uz-UZ")}
        << QStringList{QStringLiteral("uz-UZ"), QStringLiteral("en-US")}
        << QStringList{QStringLiteral("O'zbek*"), QStringLiteral(u"Русский"), QStringLiteral("English*")} << true;
    QTest::newRow("the last one can go")
        << QStringList{QStringLiteral("ru-RU")} << QStringList{QStringLiteral("ru-RU")} << QStringList()
        << QStringList{QStringLiteral("O'zbek"), QStringLiteral(u"Русский"), QStringLiteral("English")} << true;
    QTest::newRow("unknown code keeps its chip and sorts last")
        << QStringList{QStringLiteral("xx-XX"), QStringLiteral("tr-TR")} << QStringList{QStringLiteral("ru-RU")}
        << QStringList{QStringLiteral("ru-RU"), QStringLiteral("tr-TR"), QStringLiteral("xx-XX")}
        << QStringList{QStringLiteral("O'zbek"), QStringLiteral(u"Русский*"), QStringLiteral("English"),
                       QStringLiteral(u"Türkçe*"), QStringLiteral("xx-XX*")}
        << true;
    QTest::newRow("a chosen extra language off loses its chip")
        << QStringList{QStringLiteral("de-DE")} << QStringList{QStringLiteral("de-DE")} << QStringList()
        << QStringList{QStringLiteral("O'zbek"), QStringLiteral(u"Русский"), QStringLiteral("English")} << true;
    QStringList all;
    for (const SpokenLanguage& language : SpokenLanguage::all())
        all << language.code;
    QTest::newRow("all chosen: nothing to add") << all << QStringList() << all << QStringList() << false;
}

void TestSettingsTabs::languageChips()
{
    QFETCH(QStringList, stored);
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, codes);
    QFETCH(QStringList, chips);
    QFETCH(bool, canAdd);
    m_state->updateConfig([&stored](Config& config) { config.languageCodes = stored; });
    SettingsAITab tab(*m_state, m_actions);
    for (const QString& code : clicks)
        QTest::mouseClick(find<SettingsChip>(&tab, QStringLiteral("chip-") + code), Qt::LeftButton);
    QCOMPARE(m_state->config().languageCodes, codes);
    if (!chips.isEmpty())
        QCOMPARE(chipLabels(&tab), chips);
    QCOMPARE(tab.findChild<QWidget*>(QStringLiteral("addLanguage")) != nullptr, canAdd);
}

void TestSettingsTabs::addingALanguageFromTheMenu()
{
    SettingsAITab tab(*m_state, m_actions);
    tab.show();
    auto addFromMenu = [&](const QString& name) {
        QWidget* add = find<QWidget>(&tab, QStringLiteral("addLanguage"));
        QTest::mouseClick(add, Qt::LeftButton);
        QPointer<QMenu> menu = openMenu(add);
        QVERIFY(menu);
        QVERIFY(!texts(menu).contains(QStringLiteral(u"Русский")));
        const qsizetype at = texts(menu).indexOf(name);
        QVERIFY(at >= 0);
        menu->actions().at(at)->trigger();
        if (menu)
            menu->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    addFromMenu(QStringLiteral(u"Türkçe"));
    addFromMenu(QStringLiteral(u"Қазақша"));
    QCOMPARE(m_state->config().languageCodes, (QStringList{QStringLiteral("kk-KZ"), QStringLiteral("tr-TR")}));
    QCOMPARE(chipLabels(&tab).mid(3), (QStringList{QStringLiteral(u"Қазақша*"), QStringLiteral(u"Türkçe*")}));
}

void TestSettingsTabs::keyBadgeFollowsTheCheck_data()
{
    QTest::addColumn<KeyStatus>("status");
    QTest::addColumn<QString>("text");
    QTest::addColumn<BadgeTone>("tone");
    QTest::addColumn<int>("checks");
    QTest::newRow("unknown: checked on appearing") << KeyStatus{} << QStringLiteral("Not checked") << BadgeTone::Neutral << 1;
    QTest::newRow("checking") << KeyStatus{KeyStatus::Kind::checking, {}} << QStringLiteral("Checking…") << BadgeTone::Info << 0;
    QTest::newRow("ok") << KeyStatus{KeyStatus::Kind::ok, {}} << QStringLiteral("Connected") << BadgeTone::Success << 0;
    QTest::newRow("failed") << KeyStatus::failed(QStringLiteral("Gemini returned 400: <b>bad</b> key")) << QStringLiteral("Error")
                            << BadgeTone::Danger << 0;
}

void TestSettingsTabs::keyBadgeFollowsTheCheck()
{
    QFETCH(KeyStatus, status);
    QFETCH(QString, text);
    QFETCH(BadgeTone, tone);
    QFETCH(int, checks);
    m_state->setKeyStatus(status);
    SettingsAITab tab(*m_state, m_actions);
    auto* badge = find<Badge>(&tab, QStringLiteral("keyBadge"));
    QCOMPARE(badge->text(), text);
    QCOMPARE(badge->tone(), tone);
    QCOMPARE(m_keyChecks, checks);
    // The service's text is the help, shown as it stands (escaped for the tooltip).
    QCOMPARE(badge->toolTip().isEmpty(), status.message.isEmpty());
    if (!status.message.isEmpty())
        QVERIFY(badge->toolTip().contains(status.message.toHtmlEscaped()));
}

void TestSettingsTabs::keyFieldWritesAndShows()
{
    m_state->setKeyStatus({KeyStatus::Kind::ok, {}});
    SettingsAITab tab(*m_state, m_actions);
    auto* input = find<SInput>(&tab, QStringLiteral("apiKey"));
    QVERIFY(input->isSecure());
    QTest::keyClicks(input->lineEdit(), QStringLiteral("AIza-secret"));
    QCOMPARE(m_state->config().apiKey, QStringLiteral("AIza-secret"));
    auto* show = find<SIconButton>(&tab, QStringLiteral("showKey"));
    QCOMPARE(show->help(), QStringLiteral("Show"));
    QTest::mouseClick(show, Qt::LeftButton);
    QVERIFY(!input->isSecure());
    QCOMPARE(show->icon(), QStringLiteral("eye-off"));
    QCOMPARE(show->help(), QStringLiteral("Hide"));
    // A tab made again hides the key.
    SettingsAITab again(*m_state, m_actions);
    QVERIFY(find<SInput>(&again, QStringLiteral("apiKey"))->isSecure());
}

// Microphone

void TestSettingsTabs::microphoneChoices_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QString>("shown");
    QTest::newRow("system default") << QString()
                                    << QStringList{QStringLiteral("System default"), QStringLiteral("USB Microphone"),
                                                   QStringLiteral("Test microphone")}
                                    << QStringLiteral("System default");
    QTest::newRow("a listed one") << QStringLiteral("testmic")
                                  << QStringList{QStringLiteral("System default"), QStringLiteral("USB Microphone"),
                                                 QStringLiteral("Test microphone")}
                                  << QStringLiteral("Test microphone");
    QTest::newRow("unplugged") << QStringLiteral("gone")
                               << QStringList{QStringLiteral("System default"), QStringLiteral("USB Microphone"),
                                              QStringLiteral("Test microphone"), QStringLiteral("Microphone not connected")}
                               << QStringLiteral("Microphone not connected");
}

void TestSettingsTabs::microphoneChoices()
{
    QFETCH(QString, saved);
    QFETCH(QStringList, choices);
    QFETCH(QString, shown);
    m_state->updateConfig([&saved](Config& config) { config.inputDeviceID = saved; });
    SettingsMicrophoneTab tab(*m_state, m_actions);
    auto* select = find<SSelect>(&tab, QStringLiteral("microphone"));
    QCOMPARE(labels(select), choices);
    QCOMPARE(select->label(), shown);
    QVERIFY(pick(select, QStringLiteral("USB Microphone")));
    QCOMPARE(m_state->config().inputDeviceID, QStringLiteral("alsa_input.usb"));
    QVERIFY(pick(select, QStringLiteral("System default")));
    QCOMPARE(m_state->config().inputDeviceID, QString());
}

void TestSettingsTabs::levelBars_data()
{
    QTest::addColumn<double>("level");
    QTest::addColumn<int>("lit");
    QTest::newRow("below zero") << -0.3 << 0;
    QTest::newRow("zero") << 0.0 << 0;
    QTest::newRow("a bar and a half") << 0.0625 << 2;
    QTest::newRow("half") << 0.5 << 12;
    QTest::newRow("20.4 bars") << 0.85 << 20;
    QTest::newRow("first amber") << 0.875 << 21;
    QTest::newRow("full") << 1.0 << 24;
    QTest::newRow("over") << 3.0 << 24;
}

void TestSettingsTabs::levelBars()
{
    QFETCH(double, level);
    QFETCH(int, lit);
    QCOMPARE(MicTestBars::lit(level), lit);
    MicTestBars bars;
    bars.resize(24 * 12 - 4 + 4, 22);
    bars.setLevel(level);
    const QImage image = bars.grab().toImage();
    // The colour in the middle of each bar.
    const qreal width = (bars.width() - 4.0 * 23) / 24;
    for (int i = 0; i < 24; ++i) {
        const QColor expected = i >= lit ? Palette::surfaceSunken.color()
                                         : (i < 20 ? Palette::green500.color() : Palette::amber500.color());
        QCOMPARE(image.pixelColor(int(i * (width + 4) + width / 2), 11).name(), expected.name());
    }
}

void TestSettingsTabs::levelBarsFillInATenthOfASecond()
{
    const bool wasOn = Animation::enabled();
    Animation::setEnabled(true);
    MicTestBars bars;
    bars.resize(300, 22);
    bars.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bars));

    bars.setLevel(0.5);
    QVERIFY(bars.fill(0) < 1.0);
    QTRY_COMPARE_WITH_TIMEOUT(bars.fill(11), 1.0, 1000);
    QCOMPARE(bars.fill(12), 0.0);
    // The same number of lit bars: nothing moves.
    bars.setLevel(0.51);
    QCOMPARE(bars.fill(11), 1.0);

    // With motion reduced the bars change at once.
    Animation::setEnabled(false);
    bars.setLevel(0);
    QCOMPARE(bars.fill(0), 0.0);
    Animation::setEnabled(wasOn);
}

void TestSettingsTabs::microphoneTestButton()
{
    auto tab = std::make_unique<SettingsMicrophoneTab>(*m_state, m_actions);
    tab->resize(700, 600);
    tab->show();
    auto* button = find<SButton>(tab.get(), QStringLiteral("micTest"));
    auto* hint = find<TextLabel>(tab.get(), QStringLiteral("micHint"));
    auto* bars = find<MicTestBars>(tab.get(), QStringLiteral("micTestBars"));
    QCOMPARE(button->text(), QStringLiteral("Test"));
    QCOMPARE(hint->text(), QStringLiteral("Press Test and say a few words."));
    const QRect barsAtRest = bars->geometry();
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(m_micToggles, 1);
    QCOMPARE(button->text(), QStringLiteral("Stop"));
    QCOMPARE(button->variant(), ButtonVariant::Danger);
    QCOMPARE(hint->text(), QStringLiteral("Speak — the green bars follow your voice."));
    // Test turning into Stop moves nothing below it.
    QCoreApplication::processEvents();
    QCOMPARE(bars->geometry(), barsAtRest);
    m_state->setMicTestLevel(0.5);
    QCOMPARE(find<MicTestBars>(tab.get(), QStringLiteral("micTestBars"))->level(), 0.5);

    // Leaving the tab stops the test.
    tab.reset();
    QCOMPARE(m_micToggles, 2);
    QVERIFY(!m_state->micTestLevel());

    // A dictation being recorded dims Test.
    m_state->setPhase(Phase::recording);
    SettingsMicrophoneTab recording(*m_state, m_actions);
    QVERIFY(!find<SButton>(&recording, QStringLiteral("micTest"))->isEnabled());
}

// Advanced

void TestSettingsTabs::keepHistoryChoices_data()
{
    QTest::addColumn<qint64>("stored");
    QTest::addColumn<QStringList>("choices");
    const QStringList fixed{QStringLiteral("Forever"), QStringLiteral("90 days"), QStringLiteral("30 days"),
                            QStringLiteral("7 days")};
    QTest::newRow("forever") << qint64(0) << fixed;
    QTest::newRow("14 set elsewhere") << qint64(14) << (fixed + QStringList{QStringLiteral("14 days")});
}

void TestSettingsTabs::keepHistoryChoices()
{
    QFETCH(qint64, stored);
    QFETCH(QStringList, choices);
    m_state->updateConfig([stored](Config& config) { config.historyDays = stored; });
    SettingsAdvancedTab tab(*m_state);
    auto* select = find<SSelect>(&tab, QStringLiteral("historyDays"));
    QCOMPARE(labels(select), choices);
    QCOMPARE(select->label(), choices.last() == QStringLiteral("14 days") ? choices.last() : choices.first());
    QVERIFY(pick(select, QStringLiteral("30 days")));
    QCOMPARE(m_state->config().historyDays, qint64(30));
    QCOMPARE(labels(select).size(), 4);
}

void TestSettingsTabs::advancedRowsFollowTheSettings()
{
    SettingsAdvancedTab tab(*m_state);
    tab.resize(700, 2000);
    tab.show();
    auto* lineBreak = find<QWidget>(&tab, QStringLiteral("lineBreakRow"));
    QVERIFY(!lineBreak->isVisible());
    QVERIFY(pick(find<SSelect>(&tab, QStringLiteral("insertMethod")), QStringLiteral("Type it out")));
    QCOMPARE(m_state->config().insertMethod, QStringLiteral("type"));
    QVERIFY(lineBreak->isVisible());
    QCOMPARE(find<SSelect>(&tab, QStringLiteral("newlineMode"))->label(), QStringLiteral("Shift + Enter (does not send)"));
    QVERIFY(pick(find<SSelect>(&tab, QStringLiteral("newlineMode")), QStringLiteral("Alt + Enter")));
    QCOMPARE(m_state->config().newlineMode, QStringLiteral("optionReturn"));

    const QList<std::pair<QString, std::function<bool(const Config&)>>> switches{
        {QStringLiteral("keepAudio"), [](const Config& c) { return c.keepAudio; }},
        {QStringLiteral("phoneServer"), [](const Config& c) { return c.phoneServerEnabled; }},
        {QStringLiteral("phoneInserts"), [](const Config& c) { return c.phoneInserts; }},
        {QStringLiteral("phonePlain"), [](const Config& c) { return c.phonePlainEnabled; }},
    };
    for (const auto& [name, field] : switches) {
        const bool before = field(m_state->config());
        flip(find<SettingsSwitch>(&tab, name));
        QVERIFY2(field(m_state->config()) != before, qPrintable(name));
    }
    QVERIFY(find<QWidget>(&tab, QStringLiteral("shortcutSetup"))->isVisible());

    // The instructions go for models whose id holds "transcribe", case and all.
    auto* instructions = find<ModelInstructions>(&tab, QStringLiteral("modelInstructions"));
    QVERIFY(instructions->isVisible());
    m_state->updateConfig([](Config& config) { config.model = QStringLiteral("gemini-transcribe-1"); });
    QVERIFY(!instructions->isVisible());
    m_state->updateConfig([](Config& config) { config.model = QStringLiteral("gemini-Transcribe-1"); });
    QVERIFY(instructions->isVisible());

    QVERIFY(pick(find<SSelect>(&tab, QStringLiteral("thinkingLevel")), QStringLiteral("Model default")));
    QCOMPARE(m_state->config().thinkingLevel, QString());
    instructions->editor()->clear();
    QCOMPARE(m_state->config().prompt, QString());
    QTest::keyClicks(instructions->editor(), QStringLiteral("Write in Latin."));
    QCOMPARE(m_state->config().prompt, QStringLiteral("Write in Latin."));
}

void TestSettingsTabs::phonePorts_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("port");      // stored afterwards
    QTest::addColumn<qint64>("plainPort"); // stored afterwards
    QTest::addColumn<QString>("problem");  // shown in the row; "" none
    QTest::newRow("new secure port") << QStringLiteral("phonePort") << QStringLiteral("9443") << qint64(9443) << qint64(8766)
                                     << QString();
    QTest::newRow("new plain port") << QStringLiteral("phonePlainPort") << QStringLiteral("9080") << qint64(8765)
                                    << qint64(9080) << QString();
    QTest::newRow("below 1024") << QStringLiteral("phonePort") << QStringLiteral("80") << qint64(8765) << qint64(8766)
                                << QStringLiteral("Use a number from 1024 to 65535");
    QTest::newRow("above 65535") << QStringLiteral("phonePort") << QStringLiteral("70000") << qint64(8765) << qint64(8766)
                                 << QStringLiteral("Use a number from 1024 to 65535");
    QTest::newRow("not a number") << QStringLiteral("phonePlainPort") << QStringLiteral("web") << qint64(8765) << qint64(8766)
                                  << QStringLiteral("Use a number from 1024 to 65535");
    QTest::newRow("the other listener's port") << QStringLiteral("phonePlainPort") << QStringLiteral("8765") << qint64(8765)
                                               << qint64(8766) << QStringLiteral("The two ports must differ");
}

void TestSettingsTabs::phonePorts()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(qint64, port);
    QFETCH(qint64, plainPort);
    QFETCH(QString, problem);
    m_state->updateConfig([](Config& config) { config.phonePlainEnabled = true; });
    SettingsAdvancedTab tab(*m_state);
    auto* input = find<SInput>(&tab, field);
    QCOMPARE(input->text(), QString::number(field == QStringLiteral("phonePort") ? 8765 : 8766));
    input->lineEdit()->selectAll();
    QTest::keyClicks(input->lineEdit(), typed);
    // Nothing is stored while typing.
    QCOMPARE(m_state->config().phonePort, qint64(8765));
    QCOMPARE(m_state->config().phonePlainPort, qint64(8766));
    QTest::keyClick(input->lineEdit(), Qt::Key_Return);
    QCOMPARE(m_state->config().phonePort, port);
    QCOMPARE(m_state->config().phonePlainPort, plainPort);
    QCOMPARE(input->text(), typed);
    QCOMPARE(input->hasError(), !problem.isEmpty());
    auto* row = find<SettingsRow>(&tab, field + QStringLiteral("Row"));
    if (!problem.isEmpty())
        QCOMPARE(row->description(), problem);
    else
        QVERIFY(row->description() != QStringLiteral("Use a number from 1024 to 65535"));
}

void TestSettingsTabs::shortcutAddress_data()
{
    QTest::addColumn<bool>("server");
    QTest::addColumn<QStringList>("published");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("copyable");
    const QString first = QStringLiteral("http://192.168.1.20:8766/audio?t=abcdefghjkmnpqrs");
    QTest::newRow("server off") << false << QStringList{first} << QStringLiteral("The address appears once the phone server is on")
                                << false;
    QTest::newRow("no address yet") << true << QStringList()
                                    << QStringLiteral("The address appears once this computer is on Wi-Fi") << false;
    QTest::newRow("two addresses: the first")
        << true << QStringList{first, QStringLiteral("http://10.0.0.5:8766/audio?t=abcdefghjkmnpqrs")} << first << true;
}

void TestSettingsTabs::shortcutAddress()
{
    QFETCH(bool, server);
    QFETCH(QStringList, published);
    QFETCH(QString, line);
    QFETCH(bool, copyable);
    m_state->updateConfig([server](Config& config) {
        config.phoneServerEnabled = server;
        config.phonePlainEnabled = true;
    });
    m_state->setPhoneLinks({}, published);
    ShortcutSetup setup(*m_state);
    QCOMPARE(find<SettingsRow>(&setup, QStringLiteral("shortcutAddress"))->description(), line);
    auto* copy = find<SButton>(&setup, QStringLiteral("copyAddress"));
    QCOMPARE(copy->isEnabled(), copyable);
    if (copyable) {
        QTest::mouseClick(copy, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), line);
        QCOMPARE(m_state->toast()->title, QStringLiteral("Copied"));
        QCOMPARE(m_state->toast()->detail, line);

        // The address can also be selected with the mouse and copied by hand.
        QGuiApplication::clipboard()->clear();
        setup.resize(760, 400);
        setup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&setup));
        auto* address = find<QLineEdit>(&setup, QStringLiteral("selectableDescription"));
        QVERIFY(address->isVisible());
        QCOMPARE(address->text(), line);
        const int middle = address->height() / 2;
        QTest::mousePress(address, Qt::LeftButton, {}, QPoint(0, middle));
        QTest::mouseMove(address, QPoint(address->width() - 1, middle));
        QTest::mouseRelease(address, Qt::LeftButton, {}, QPoint(address->width() - 1, middle));
        QCOMPARE(address->selectedText(), line);
        QTest::keyClick(address, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), line);
        QVERIFY(address->isReadOnly());
    }
    QCOMPARE(ShortcutSetup::steps().size(), 6);
}

void TestSettingsTabs::exportAsksForAPlaceAndSaysHowItWent()
{
    FakePicker picker;
    FilePicker::setInstance(&picker);
    SettingsAdvancedTab tab(*m_state);
    auto* button = find<SButton>(&tab, QStringLiteral("exportAll"));

    // Cancelled: nothing at all.
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(picker.suggested.endsWith(DataActions::exportFileName()));
    QVERIFY(!m_state->toast());

    QTemporaryDir out;
    picker.answer = out.filePath(QStringLiteral("backup.zip"));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(m_state->toast()->title, QStringLiteral("Exported"));
    QCOMPARE(m_state->toast()->detail, QStringLiteral("backup.zip"));
    QVERIFY(QFileInfo::exists(out.filePath(QStringLiteral("backup.zip"))));

    picker.answer = out.filePath(QStringLiteral("no-such-folder/backup.zip"));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(m_state->toast()->title, QStringLiteral("Export failed"));
    QCOMPARE(m_state->toast()->tone, ToastTone::danger);
}

void TestSettingsTabs::exportAsksBeforeReplacing_data()
{
    QTest::addColumn<bool>("replace");
    QTest::newRow("refused") << false;
    QTest::newRow("replaced") << true;
}

void TestSettingsTabs::exportAsksBeforeReplacing()
{
    // The desktop's own save dialog: the user types "backup" where
    // "backup.zip" already is.
    QFETCH(bool, replace);
    QTemporaryDir out;
    const QString archive = out.filePath(QStringLiteral("backup.zip"));
    {
        QFile old(archive);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the old archive");
    }
    SettingsAdvancedTab tab(*m_state);
    QString question;
    bool dialogSeen = false;
    whenModal<QFileDialog>([&](QFileDialog* dialog) {
        dialogSeen = true;
        dialog->setDirectory(out.path());
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        QVERIFY(name->text().endsWith(QStringLiteral(".zip")));
        name->clear();
        QTest::keyClicks(name, QStringLiteral("backup"));
        whenModal<QMessageBox>([&](QMessageBox* box) {
            question = box->text();
            box->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        QTest::keyClick(name, Qt::Key_Return);
        // Refused, the dialog waits for another name: the user cancels.
        if (dialog->isVisible())
            dialog->reject();
    });
    QTest::mouseClick(find<SButton>(&tab, QStringLiteral("exportAll")), Qt::LeftButton);

    QVERIFY(dialogSeen);
    QVERIFY2(question.contains(QStringLiteral("backup.zip")), qPrintable(question));
    QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList{QStringLiteral("backup.zip")});
    QFile kept(archive);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    if (replace) {
        QVERIFY(kept.readAll() != "the old archive");
        QCOMPARE(m_state->toast()->title, QStringLiteral("Exported"));
        QCOMPARE(m_state->toast()->detail, QStringLiteral("backup.zip"));
    } else {
        QCOMPARE(kept.readAll(), QByteArray("the old archive"));
        QVERIFY(!m_state->toast());
    }
}

void TestSettingsTabs::deleteNeedsTwoPresses()
{
    m_state->updateConfig([](Config& config) {
        config.apiKey = QStringLiteral("kept");
        config.vocabulary.append({QUuid::createUuid(), QStringLiteral("Kesto"), {}});
    });
    SettingsAdvancedTab tab(*m_state);
    auto* row = find<SettingsRow>(&tab, QStringLiteral("wipeRow"));
    auto* button = find<SButton>(&tab, QStringLiteral("wipe"));
    QCOMPARE(button->text(), QStringLiteral("Delete"));
    QCOMPARE(row->description(), QStringLiteral("History, notes and vocabulary"));

    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(button->text(), QStringLiteral("Confirm"));
    QCOMPARE(row->description(), QStringLiteral("Confirm — this cannot be undone"));
    // A double click deletes nothing.
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(m_state->config().vocabulary.size(), 1);
    QCOMPARE(button->text(), QStringLiteral("Confirm"));

    QTest::qWait(600);
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(m_state->config().vocabulary.isEmpty());
    QCOMPARE(m_state->config().apiKey, QStringLiteral("kept"));
    QCOMPARE(button->text(), QStringLiteral("Delete"));
    QCOMPARE(m_state->toast()->title, QStringLiteral("Data deleted"));
    QCOMPARE(m_state->toast()->detail, QStringLiteral("History, notes and vocabulary were cleared"));
    QCOMPARE(m_state->toast()->tone, ToastTone::info);

    // A tab made again starts disarmed.
    QTest::mouseClick(button, Qt::LeftButton);
    SettingsAdvancedTab again(*m_state);
    QCOMPARE(find<SButton>(&again, QStringLiteral("wipe"))->text(), QStringLiteral("Delete"));
}

void TestSettingsTabs::dataFolderPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("shown");
    QTest::newRow("inside home") << QDir::homePath() + QStringLiteral("/.local/share/Kesto Viruz")
                                 << QStringLiteral("~/.local/share/Kesto Viruz");
    QTest::newRow("outside home") << QStringLiteral("/srv/kesto") << QStringLiteral("/srv/kesto");
    QTest::newRow("a name that only starts like home") << QDir::homePath() + QStringLiteral("x/data")
                                                       << QDir::homePath() + QStringLiteral("x/data");
}

void TestSettingsTabs::dataFolderPath()
{
    QFETCH(QString, path);
    QFETCH(QString, shown);
    QCOMPARE(SettingsAdvancedTab::displayPath(path), shown);
}

QTEST_MAIN(TestSettingsTabs)
#include "TestSettingsTabs.moc"
