#include "GalleryFile.h"

#include "core/AppState.h"
#include "design/Onest.h"
#include "design/Theme.h"
#include "design/components/SButton.h"
#include "design/components/SIconButton.h"
#include "screens/EditBox.h"
#include "screens/HistoryScreen.h"
#include "screens/MainView.h"

#include "FakeClock.h"
#include "InterfaceTable.h"
#include "TempDataDir.h"

#include <QDir>
#include <QtTest>

#include <memory>

// The main window as a user sees it, light and dark, saved under
// KESTO_GALLERY_DIR: History with entries in every state (also in Uzbek and
// Russian), the settings overlay, a toast, and an empty History.
class TestMainGallery final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void history_data();
    void history();
    void editing_data() { themes(); }
    void editing();
    void settingsOpen_data() { themes(); }
    void settingsOpen();
    void toast_data() { themes(); }
    void toast();
    void emptyHistory_data() { themes(); }
    void emptyHistory();

private:
    static void themes();
    void fixture();
    void open();
    void save(const QString& name);

    QString m_folder;
    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<MainView> m_view;
};

namespace {

const QDateTime now(QDate(2026, 3, 14), QTime(16, 40));

HistoryEntry entry(const QString& text, const QDateTime& date, HistoryEntry::Status status, const QString& source,
                   std::optional<QString> app, std::optional<QString> bundle, double duration,
                   std::optional<double> latency)
{
    HistoryEntry e;
    e.text = text;
    e.date = date;
    e.status = status;
    e.source = source;
    e.appName = app;
    e.appBundleID = bundle;
    e.duration = duration;
    e.latency = latency;
    return e;
}

} // namespace

void TestMainGallery::initTestCase()
{
    Onest::registerFaces();
    m_folder = qEnvironmentVariable("KESTO_GALLERY_DIR", QDir::currentPath() + QStringLiteral("/gallery"));
}

void TestMainGallery::themes()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
}

void TestMainGallery::init()
{
    m_data = std::make_unique<TempDataDir>();
    m_clock = std::make_unique<FakeClock>(now);
    m_state = std::make_unique<AppState>(*m_clock);
}

void TestMainGallery::cleanup()
{
    m_view.reset();
    m_state.reset();
    m_clock.reset();
    m_data.reset();
    Theme::instance().setMode(Theme::Mode::Light);
}

void TestMainGallery::fixture()
{
    using S = HistoryEntry::Status;
    const QDateTime today = now;
    const QDateTime yesterday = now.addDays(-1);
    QList<HistoryEntry> entries;
    entries << entry(QStringLiteral("Let's move the design review to Thursday at three, and please bring the printed "
                                    "mock-ups of the onboarding flow so we can mark them up together."),
                     today.addSecs(-600), S::done, "mac", QStringLiteral("Slack"), QStringLiteral("com.tinyspeck.slackmacgap"),
                     14, 1.4);
    HistoryEntry retrying = entry({}, today.addSecs(-1500), S::failed, "mac", QStringLiteral("Telegram"),
                                  QStringLiteral("org.telegram.desktop"), 21, std::nullopt);
    retrying.audioFile = QStringLiteral("a.m4a");
    entries << retrying;
    HistoryEntry offline = entry({}, today.addSecs(-2400), S::failed, "mac", QStringLiteral("Firefox"),
                                 QStringLiteral("firefox"), 48, std::nullopt);
    offline.offline = true;
    offline.audioFile = QStringLiteral("b.m4a");
    entries << offline;
    entries << entry(QStringLiteral("Salom! Ertaga soat oʻnda uchrashamiz, hujjatlarni olib keling. Привет, до завтра 👋🙂"),
                     today.addSecs(-3600), S::done, "phone", std::nullopt, std::nullopt, 65, 2.2);
    HistoryEntry failed = entry(QStringLiteral("The first half of this was heard before the"), today.addSecs(-5000), S::failed,
                                "mac", QStringLiteral("Code"), QStringLiteral("code"), 9, std::nullopt);
    failed.audioFile = QStringLiteral("c.m4a");
    entries << failed;
    HistoryEntry cancelled = entry({}, today.addSecs(-6000), S::discarded, "mac", std::nullopt, std::nullopt, 3, std::nullopt);
    cancelled.audioFile = QStringLiteral("d.m4a");
    entries << cancelled;
    QString longText;
    for (int i = 0; i < 6; ++i)
        longText += QStringLiteral("This is a long dictated paragraph that keeps going, with names like Kesto Viruz and "
                                   "numbers like 1,250 so that the card has to grow over several lines. ");
    entries << entry(longText.trimmed(), yesterday, S::done, "mac", QStringLiteral("Mail"), QStringLiteral("com.apple.mail"),
                     95, 3.1);
    entries << entry(QStringLiteral("Спасибо за встречу, отправлю заметки вечером."), yesterday.addSecs(-7200), S::done,
                     "mac", QStringLiteral("Google Chrome"), QStringLiteral("google-chrome"), 6, 0.9);
    m_state->updateHistory([&entries](History& history) { history.entries = entries; });
    m_state->setRetrying(retrying.id, true);
}

void TestMainGallery::open()
{
    QFETCH(bool, dark);
    Theme::instance().setMode(dark ? Theme::Mode::Dark : Theme::Mode::Light);
    m_view = std::make_unique<MainView>(*m_state, m_state->actions(), MainView::PanelFactory(), true);
    m_view->resize(1200, 800);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
}

void TestMainGallery::save(const QString& name)
{
    QCoreApplication::processEvents();
    QFETCH(bool, dark);
    const QString file = GalleryFile::path(m_folder, QStringLiteral("%1-%2").arg(name, dark ? QStringLiteral("dark") : QStringLiteral("light")));
    QVERIFY2(m_view->grab().save(file), qPrintable(file));
}

void TestMainGallery::history_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("language");
    QTest::newRow("light") << false << "en";
    QTest::newRow("dark") << true << "en";
    // The failed and cancelled cards' words are the longest in these two.
    QTest::newRow("uz-light") << false << "uz";
    QTest::newRow("ru-light") << false << "ru";
}

void TestMainGallery::history()
{
    QFETCH(QString, language);
    InterfaceTable table(language);
    QVERIFY(table.loaded());
    fixture();
    open();
    auto* screen = qobject_cast<HistoryScreen*>(m_view->screen());
    QVERIFY(screen);
    QTest::mouseClick(screen->discardedButton(), Qt::LeftButton);
    if (language == QStringLiteral("en")) {
        save(QStringLiteral("main-history"));
        return;
    }
    // Tall enough for every card, the cancelled one at the end included.
    m_view->resize(1200, 1500);
    save(QStringLiteral("main-history-") + language);
}

void TestMainGallery::editing()
{
    fixture();
    open();
    auto* screen = qobject_cast<HistoryScreen*>(m_view->screen());
    const QUuid first = m_state->history().entries.first().id;
    QTest::mouseClick(screen->card(first)->actionButton(QStringLiteral("pencil")), Qt::LeftButton);
    QVERIFY(screen->card(first)->editBox());
    save(QStringLiteral("main-history-editing"));
}

void TestMainGallery::settingsOpen()
{
    fixture();
    m_state->setSettingsOpen(true);
    open();
    save(QStringLiteral("main-settings"));
}

void TestMainGallery::toast()
{
    fixture();
    open();
    m_state->showToast(QStringLiteral("Copied"), QStringLiteral("23 words · Slack"), ToastTone::success);
    save(QStringLiteral("main-toast"));
}

void TestMainGallery::emptyHistory()
{
    open();
    save(QStringLiteral("main-empty"));
}

QTEST_MAIN(TestMainGallery)
#include "TestMainGallery.moc"
