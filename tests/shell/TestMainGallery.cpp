#include "GalleryFile.h"

#include "core/AppState.h"
#include "design/Onest.h"
#include "design/Theme.h"
#include "design/components/SButton.h"
#include "design/components/SIconButton.h"
#include "design/components/SInput.h"
#include "design/components/SSelect.h"
#include "design/components/SSwitch.h"
#include "design/Palette.h"
#include "design/ToolTipLook.h"
#include "screens/EditBox.h"
#include "screens/EntryCard.h"
#include "screens/HistoryScreen.h"
#include "screens/MainView.h"
#include "screens/SettingsOverlay.h"
#include "screens/TranscriptText.h"
#include "shell/MainWindow.h"
#include "shell/WindowFactory.h"

#include "FakeClock.h"
#include "InterfaceTable.h"
#include "TempDataDir.h"
#include "TextFit.h"
#include "ThemePixels.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The main window as the application assembles it, light and dark, saved
// under KESTO_GALLERY_DIR: History with entries in every state (also in
// Uzbek and Russian), the other screens, the settings on every tab, a toast,
// and an empty History. Every picture is checked: nothing in it shows Qt's
// stock palette, the screens lie on the theme's background, and a theme
// switched while the window is open looks as a fresh start in that theme.
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
    void smallestWindow_data();
    void smallestWindow();
    void screens_data();
    void screens();
    void settingsTabs_data();
    void settingsTabs();
    void themeSwitch_data();
    void themeSwitch();

private:
    static void themes();
    void fixture();
    void open();
    void open(bool dark);
    MainView* view() const { return m_window->view(); }
    QImage picture();
    void save(const QString& name);
    // Empty when every History card in sight that holds words shows them in
    // the picture; else which card does not.
    QString cardWithoutWords(const QImage& shown) const;

    QString m_folder;
    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<MainWindow> m_window;
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
    // What the application sets up before its first window.
    Onest::registerFaces();
    ToolTipLook::install();
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
    // The window keeps its frame here; every picture starts from the default.
    m_config = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", m_config->path().toUtf8());
    m_clock = std::make_unique<FakeClock>(now);
    m_state = std::make_unique<AppState>(*m_clock);
}

void TestMainGallery::cleanup()
{
    m_window.reset();
    m_state.reset();
    m_clock.reset();
    m_data.reset();
    m_config.reset();
    qunsetenv("XDG_CONFIG_HOME");
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
    open(dark);
}

void TestMainGallery::open(bool dark)
{
    Theme::instance().setMode(dark ? Theme::Mode::Dark : Theme::Mode::Light);
    m_window.reset(static_cast<MainWindow*>(WindowFactory::standard().mainWindow(*m_state)));
    m_window->resize(1200, 800);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

QImage TestMainGallery::picture()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    return m_window->grab().toImage();
}

void TestMainGallery::save(const QString& name)
{
    const QImage shown = picture();
    const bool dark = Theme::instance().isDark();
    const QString file = GalleryFile::path(m_folder, QStringLiteral("%1-%2").arg(name, dark ? QStringLiteral("dark") : QStringLiteral("light")));
    QVERIFY2(shown.save(file), qPrintable(file));
    const QString stock = ThemePixels::stockPaletteProblem(shown);
    QVERIFY2(stock.isEmpty(), qPrintable(name + QStringLiteral(": ") + stock));
    if (m_state->settingsOpen())
        return;
    // In the top right corner of every screen, and right of its content
    // (clear of the scroll bar), lies the window's background.
    const QColor background = Palette::bgApp.color();
    const QSize size = m_window->size();
    for (const QPoint at : {QPoint(size.width() - 4, 4), QPoint(size.width() - 24, size.height() / 2)}) {
        const QColor found = ThemePixels::at(shown, at);
        QVERIFY2(ThemePixels::same(found, background),
                 qPrintable(QStringLiteral("%1: %2 at %3,%4 instead of %5")
                                .arg(name, found.name())
                                .arg(at.x())
                                .arg(at.y())
                                .arg(background.name())));
    }
    const QString wordless = cardWithoutWords(shown);
    QVERIFY2(wordless.isEmpty(), qPrintable(name + QStringLiteral(": ") + wordless));
}

QString TestMainGallery::cardWithoutWords(const QImage& shown) const
{
    auto* screen = qobject_cast<HistoryScreen*>(view()->screen());
    if (!screen)
        return {};
    const QRect list(screen->list()->mapTo(m_window.get(), QPoint()), screen->list()->size());
    for (const HistoryEntry& e : m_state->history().entries) {
        EntryCard* card = screen->card(e.id);
        if (e.text.isEmpty() || !card || !card->isVisible()
            || card->currentLook().transcript != EntryCard::Look::Transcript::text)
            continue;
        const QRect cardArea = QRect(card->mapTo(m_window.get(), QPoint()), card->size()).intersected(list);
        if (cardArea.height() < card->height())
            continue; // only partly in sight
        const QWidget* words = card->transcript();
        if (!words || !words->isVisible())
            return QStringLiteral("the card of \"%1\" shows no words").arg(e.text.left(30));
        // Ink: points that stand out from the card around the words.
        const QRect area(words->mapTo(m_window.get(), QPoint()), words->size());
        const QColor paper = ThemePixels::at(shown, area.topLeft());
        int ink = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                ink += ThemePixels::same(ThemePixels::at(shown, QPoint(x, y)), paper, 40) ? 0 : 1;
        }
        if (ink * 100 < area.width() * area.height())
            return QStringLiteral("the words of \"%1\" do not show").arg(e.text.left(30));
    }
    return {};
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
    auto* screen = qobject_cast<HistoryScreen*>(view()->screen());
    QVERIFY(screen);
    QTest::mouseClick(screen->discardedButton(), Qt::LeftButton);
    if (language == QStringLiteral("en")) {
        save(QStringLiteral("main-history"));
        return;
    }
    // Tall enough for every card, the cancelled one at the end included.
    m_window->resize(1200, 1500);
    save(QStringLiteral("main-history-") + language);
}

void TestMainGallery::editing()
{
    fixture();
    open();
    auto* screen = qobject_cast<HistoryScreen*>(view()->screen());
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

void TestMainGallery::smallestWindow_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("language");
    for (const char* language : {"en", "ru", "uz"})
        QTest::addRow("%s", language) << false << QString::fromLatin1(language);
}

void TestMainGallery::smallestWindow()
{
    QFETCH(QString, language);
    InterfaceTable table(language);
    QVERIFY(table.loaded());
    fixture();
    open();
    m_window->resize(MainWindow::smallestSize);
    QCoreApplication::processEvents();
    QCOMPARE(m_window->size(), MainWindow::smallestSize);
    save(QStringLiteral("main-history-smallest-") + language);
    // The header's texts fit whole; its stats line may take two lines.
    const QWidget* header = view()->screen()->findChild<QWidget*>(QStringLiteral("historyHeader"));
    QVERIFY(header);
    const QStringList cut = TextFit::problems(header);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
}

void TestMainGallery::screens_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<Screen>("screen");
    for (const auto& [screen, name] : {std::pair{Screen::notes, "notes"}, std::pair{Screen::vocabulary, "vocabulary"},
                                       std::pair{Screen::phone, "phone"}}) {
        QTest::addRow("%s-light", name) << false << screen;
        QTest::addRow("%s-dark", name) << true << screen;
    }
}

void TestMainGallery::screens()
{
    QFETCH(Screen, screen);
    fixture();
    const NoteFolder work{QUuid::createUuid(), QStringLiteral("Work")};
    Note note;
    note.folderID = work.id;
    note.title = QStringLiteral("Weekly sync");
    note.body = QStringLiteral("Agreed to ship the first-run wizard in two steps.");
    m_state->updateNotes([&](NotesStore& notes) {
        notes.folders = {work, NoteFolder{QUuid::createUuid(), QStringLiteral("Личное")}};
        notes.notes = {note};
    });
    VocabularyWord word;
    word.word = QStringLiteral("Kesto Viruz");
    m_state->updateConfig([&word](Config& c) { c.vocabulary = {word}; });
    m_state->setScreen(screen);
    open();
    save(QStringLiteral("main-") + rawValue(screen));
}

void TestMainGallery::settingsTabs_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<SettingsTab>("tab");
    for (const auto& [tab, name] : {std::pair{SettingsTab::general, "general"}, std::pair{SettingsTab::shortcuts, "shortcuts"},
                                    std::pair{SettingsTab::ai, "ai"}, std::pair{SettingsTab::microphone, "microphone"},
                                    std::pair{SettingsTab::advanced, "advanced"}}) {
        QTest::addRow("%s-light", name) << false << tab;
        QTest::addRow("%s-dark", name) << true << tab;
    }
}

void TestMainGallery::settingsTabs()
{
    QFETCH(SettingsTab, tab);
    fixture();
    m_state->setSettingsTab(tab);
    m_state->setSettingsOpen(true);
    open();
    save(QStringLiteral("main-settings-") + rawValue(tab));

    // Buttons, fields and selects at the end of a row reach the column's
    // edge as the switches do, not a shadow's width short of it.
    const QWidget* panel = view()->settingsOverlay()->panel();
    auto rightEdge = [panel](const QWidget* w) { return w->mapTo(panel, QPoint(w->width(), 0)).x(); };
    std::optional<int> edge;
    for (const SSwitch* toggle : panel->findChildren<SSwitch*>()) {
        if (toggle->isVisibleTo(panel))
            edge = std::max(edge.value_or(0), rightEdge(toggle));
    }
    if (!edge)
        return;
    // What shows of each: its box, not the room kept for a shadow or a ring.
    QList<std::pair<const QWidget*, QRectF>> controls;
    for (const QWidget* w : panel->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(panel))
            continue;
        if (const auto* button = qobject_cast<const SButton*>(w))
            controls.append({w, button->boxRect()});
        else if (const auto* select = qobject_cast<const SSelect*>(w))
            controls.append({w, select->fieldRect()});
        else if (const auto* input = qobject_cast<const SInput*>(w))
            controls.append({w, input->boxRect()});
    }
    for (const auto& [control, box] : controls) {
        const int right = control->mapTo(panel, QPoint(qRound(box.right()), 0)).x();
        QVERIFY2(right == *edge || std::abs(right - *edge) > 8,
                 qPrintable(QStringLiteral("%1 (%2) ends at %3, the switches at %4")
                                .arg(control->objectName(), QString::fromLatin1(control->metaObject()->className()))
                                .arg(right)
                                .arg(*edge)));
    }
}

void TestMainGallery::themeSwitch_data()
{
    QTest::addColumn<Screen>("screen");
    QTest::addColumn<bool>("settings");
    QTest::newRow("history") << Screen::history << false;
    QTest::newRow("notes") << Screen::notes << false;
    QTest::newRow("vocabulary") << Screen::vocabulary << false;
    QTest::newRow("phone") << Screen::phone << false;
    QTest::newRow("settings") << Screen::history << true;
}

void TestMainGallery::themeSwitch()
{
    QFETCH(Screen, screen);
    QFETCH(bool, settings);
    fixture();
    m_state->setScreen(screen);
    m_state->setSettingsOpen(settings);
    // Notes opens on a new note stamped with the minute it was made in: two
    // windows opened across a minute's turn would differ by their clocks.
    auto pinNoteTimes = [this] {
        m_state->updateNotes([](NotesStore& notes) {
            for (Note& note : notes.notes)
                note.created = note.updated = now;
        });
    };
    for (const bool toDark : {true, false}) {
        open(!toDark);
        pinNoteTimes();
        Theme::instance().setMode(toDark ? Theme::Mode::Dark : Theme::Mode::Light);
        const QImage switched = picture();
        open(toDark);
        pinNoteTimes();
        const QImage fresh = picture();
        const int differing = ThemePixels::differing(switched, fresh);
        if (differing > 0) {
            switched.save(GalleryFile::path(m_folder, QStringLiteral("switch-%1-switched").arg(QTest::currentDataTag())));
            fresh.save(GalleryFile::path(m_folder, QStringLiteral("switch-%1-fresh").arg(QTest::currentDataTag())));
        }
        QVERIFY2(differing == 0, qPrintable(QStringLiteral("%1 pixels differ after switching to %2")
                                                .arg(differing)
                                                .arg(toDark ? QStringLiteral("dark") : QStringLiteral("light"))));
    }
}

QTEST_MAIN(TestMainGallery)
#include "TestMainGallery.moc"
