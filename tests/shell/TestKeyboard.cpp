#include "core/AppState.h"
#include "design/Onest.h"
#include "design/components/SButton.h"
#include "design/components/SIconButton.h"
#include "design/components/SInput.h"
#include "design/components/SSegmented.h"
#include "screens/EditBox.h"
#include "screens/EntryCard.h"
#include "screens/MainView.h"
#include "screens/Sidebar.h"
#include "screens/TranscriptText.h"
#include "shell/MainWindow.h"
#include "shell/UpdateWindow.h"
#include "shell/WindowFactory.h"

#include "FakeClock.h"
#include "TempDataDir.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <memory>

// The main window used by keys alone, as they reach the focused widget: the
// settings panel holds the keyboard, segmented controls are reached and
// changed, Tab leaves a note's title, Escape cancels, and a deletion by keys
// keeps the place in the list.
class TestKeyboard final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void settingsPanelHoldsTheKeyboard();
    void segmentedControlByKeys_data();
    void segmentedControlByKeys();
    void tabLeavesANoteTitleForItsBody();
    void escapeCancels_data();
    void escapeCancels();
    void updateWindowEscape_data();
    void updateWindowEscape();
    void keyboardDeleteKeepsThePlace_data();
    void keyboardDeleteKeepsThePlace();

private:
    void open();
    // A key as the user presses it: to the focused widget, else the window.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Tab until target has the focus; false when it never comes.
    bool tabTo(QWidget* target, int most = 80);
    template <class T = QWidget>
    T* find(const QString& name) const
    {
        return m_window->findChild<T*>(name);
    }
    QList<EntryCard*> cards() const;

    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<MainWindow> m_window;
    QList<QUuid> m_entries;
};

void TestKeyboard::initTestCase()
{
    Onest::registerFaces();
}

void TestKeyboard::init()
{
    m_data = std::make_unique<TempDataDir>();
    m_config = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", m_config->path().toUtf8());
    m_clock = std::make_unique<FakeClock>(QDateTime(QDate(2026, 3, 14), QTime(16, 40)));
    m_state = std::make_unique<AppState>(*m_clock);
    QList<HistoryEntry> entries;
    m_entries.clear();
    for (int i = 0; i < 3; ++i) {
        HistoryEntry e;
        e.text = QStringLiteral("Entry number %1").arg(i + 1);
        e.date = m_clock->now().addSecs(-60 * (i + 1));
        e.status = HistoryEntry::Status::done;
        e.source = QStringLiteral("mac");
        e.duration = 3;
        entries << e;
        m_entries << e.id;
    }
    m_state->updateHistory([&entries](History& history) { history.entries = entries; });
    m_state->updateConfig([](Config& c) {
        for (const QString& word : {QStringLiteral("alpha"), QStringLiteral("bravo"), QStringLiteral("charlie")})
            c.vocabulary.append(VocabularyWord{QUuid::createUuid(), word, QString()});
    });
}

void TestKeyboard::cleanup()
{
    m_window.reset();
    m_state.reset();
    m_clock.reset();
    m_data.reset();
    m_config.reset();
    qunsetenv("XDG_CONFIG_HOME");
}

void TestKeyboard::open()
{
    m_window.reset(static_cast<MainWindow*>(WindowFactory::standard().mainWindow(*m_state)));
    m_window->resize(1100, 760);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestKeyboard::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* to = QApplication::focusWidget();
    if (!to)
        to = QApplication::activeWindow();
    if (!to) {
        const QWidgetList windows = QApplication::topLevelWidgets();
        auto shown = std::find_if(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); });
        to = shown == windows.end() ? nullptr : *shown;
    }
    QVERIFY(to);
    QTest::keyClick(to, key, modifiers);
    QCoreApplication::processEvents();
}

bool TestKeyboard::tabTo(QWidget* target, int most)
{
    for (int i = 0; i < most && QApplication::focusWidget() != target; ++i)
        press(Qt::Key_Tab);
    return QApplication::focusWidget() == target;
}

QList<EntryCard*> TestKeyboard::cards() const
{
    QList<EntryCard*> list = m_window->findChildren<EntryCard*>(QStringLiteral("entryCard"));
    list.erase(std::remove_if(list.begin(), list.end(), [](EntryCard* c) { return !c->isVisible(); }), list.end());
    std::sort(list.begin(), list.end(), [](EntryCard* a, EntryCard* b) { return a->y() < b->y(); });
    return list;
}

void TestKeyboard::settingsPanelHoldsTheKeyboard()
{
    open();
    // A field behind had the focus when the settings opened.
    m_window->view()->sidebar()->search()->lineEdit()->setFocus(Qt::MouseFocusReason);
    m_state->setSettingsOpen(true);
    QCoreApplication::processEvents();
    // Building the panel may leave the offscreen window inactive.
    QApplication::setActiveWindow(m_window.get());
    QWidget* overlay = m_window->view()->settingsOverlay();
    QVERIFY(overlay);
    QWidget* content = m_window->view()->content();
    QVERIFY(!content->isAncestorOf(QApplication::focusWidget()));

    // Round and round the panel both ways, Space on every stop: nothing
    // behind it is ever focused or changed.
    QSet<QWidget*> visited;
    for (const Qt::KeyboardModifiers direction : {Qt::NoModifier, Qt::ShiftModifier}) {
        for (int i = 0; i < 60; ++i) {
            press(Qt::Key_Tab, direction);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY2(focus && overlay->isAncestorOf(focus),
                     qPrintable(QStringLiteral("Tab %1 reached %2").arg(i + 1).arg(focus ? focus->objectName() : QStringLiteral("nothing"))));
            visited << focus;
            // The segmented and switch controls, not buttons that leave.
            if (focus->objectName() != QLatin1String("closeSettings") && qobject_cast<SSegmented*>(focus))
                press(Qt::Key_Space);
        }
    }
    QVERIFY(visited.size() > 5);
    QCOMPARE(m_state->history().entries.size(), 3);
    QCOMPARE(m_state->screen(), Screen::history);
    QVERIFY(m_state->settingsOpen());

    // Closed, the keyboard is back on the window, not on a control of the
    // closed panel.
    press(Qt::Key_Escape);
    QVERIFY(!m_state->settingsOpen());
    QVERIFY(!overlay->isAncestorOf(QApplication::focusWidget()));
}

void TestKeyboard::segmentedControlByKeys_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("place"); // 0: vocabulary screen, 1: settings general, 2: settings shortcuts
    QTest::newRow("Dictionary / Snippets") << QStringLiteral("vocabularyTabs") << 0;
    QTest::newRow("theme") << QStringLiteral("theme") << 1;
    QTest::newRow("hold / press once") << QStringLiteral("mode") << 2;
}

void TestKeyboard::segmentedControlByKeys()
{
    QFETCH(QString, name);
    QFETCH(int, place);
    if (place == 0)
        m_state->setScreen(Screen::vocabulary);
    open();
    if (place > 0) {
        m_state->setSettingsTab(place == 1 ? SettingsTab::general : SettingsTab::shortcuts);
        m_state->setSettingsOpen(true);
        QCoreApplication::processEvents();
        QApplication::setActiveWindow(m_window.get());
    }
    auto* control = find<SSegmented>(name);
    QVERIFY(control);
    QVERIFY2(tabTo(control), "Tab never reaches the control");
    QVERIFY(control->hasFocusRing());

    // What the control stands for, read where it takes effect.
    auto value = [&]() -> QVariant {
        if (name == QLatin1String("theme"))
            return rawValue(m_state->config().theme);
        if (name == QLatin1String("mode"))
            return rawValue(m_state->config().hotkeyMode);
        return find<SSegmented>(name)->selection();
    };
    const ChoiceOptions options = control->options();
    const auto indexOf = [&options](const QVariant& v) {
        for (int i = 0; i < options.size(); ++i)
            if (options.at(i).value == v)
                return i;
        return -1;
    };
    const int last = int(options.size()) - 1;
    QVERIFY(last >= 1);
    // Like a radio group: Home and End go to the ends, the arrows step and
    // stop there.
    press(Qt::Key_Home);
    QCOMPARE(indexOf(value()), 0);
    press(Qt::Key_Left);
    QCOMPARE(indexOf(value()), 0);
    press(Qt::Key_Right);
    QCOMPARE(indexOf(value()), 1);
    press(Qt::Key_End);
    QCOMPARE(indexOf(value()), last);
    press(Qt::Key_Right);
    QCOMPARE(indexOf(value()), last);
    press(Qt::Key_Left);
    QCOMPARE(indexOf(value()), last - 1);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(control));
}

void TestKeyboard::tabLeavesANoteTitleForItsBody()
{
    m_state->setScreen(Screen::notes);
    open();
    auto* create = find(QStringLiteral("createNoteButton"));
    QVERIFY(create);
    QTest::mouseClick(create, Qt::LeftButton, {}, create->rect().center());
    QTRY_VERIFY(find<QTextEdit>(QStringLiteral("noteTitle")));
    auto* title = find<QTextEdit>(QStringLiteral("noteTitle"));
    auto* body = find<QTextEdit>(QStringLiteral("noteBody"));
    // A new note's title takes the focus by itself.
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(title));
    QTest::keyClicks(title, QStringLiteral("Plan"));
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(body));
    QCOMPARE(title->toPlainText(), QStringLiteral("Plan"));

    // The body keeps Tab for its text; Ctrl+Shift+Tab goes back to the title.
    press(Qt::Key_Tab);
    QCOMPARE(body->toPlainText(), QStringLiteral("\t"));
    press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(title));
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(QApplication::focusWidget() != title);
    QCOMPARE(title->toPlainText(), QStringLiteral("Plan"));
}

void TestKeyboard::escapeCancels_data()
{
    QTest::addColumn<QString>("place");
    QTest::newRow("a card's edit box") << QStringLiteral("edit");
    QTest::newRow("an armed Confirm on Clear") << QStringLiteral("clear");
    QTest::newRow("the sidebar search") << QStringLiteral("search");
}

void TestKeyboard::escapeCancels()
{
    QFETCH(QString, place);
    open();
    if (place == QLatin1String("edit")) {
        QList<EntryCard*> list = cards();
        QVERIFY(!list.isEmpty());
        auto* edit = list.first()->actionButton(QStringLiteral("pencil"));
        QVERIFY(tabTo(edit));
        press(Qt::Key_Space);
        EditBox* box = cards().first()->editBox();
        QVERIFY(box);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(box->editor()));
        QTest::keyClicks(box->editor(), QStringLiteral(" changed"));
        // Tab goes on to Cancel, and no tab is typed.
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(cards().first()->cancelButton()));
        QVERIFY(!box->text().contains(u'\t'));
        press(Qt::Key_Tab, Qt::ShiftModifier);
        press(Qt::Key_Escape);
        QVERIFY(!cards().first()->editBox());
        QCOMPARE(m_state->history().entries.first().text, QStringLiteral("Entry number 1"));
    } else if (place == QLatin1String("clear")) {
        auto* clear = find(QStringLiteral("clearButton"));
        QVERIFY(tabTo(clear));
        press(Qt::Key_Space);
        QCOMPARE(find<QWidget>(QStringLiteral("clearButton"))->property("text").toString(), QStringLiteral("Confirm"));
        press(Qt::Key_Escape);
        m_clock->advance(1500);
        press(Qt::Key_Space);
        // The Space armed it again, and cleared nothing.
        QCOMPARE(m_state->history().entries.size(), 3);
    } else {
        SInput* search = m_window->view()->sidebar()->search();
        m_state->requestSearchFocus();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(search->lineEdit()));
        QTest::keyClicks(search->lineEdit(), QStringLiteral("number 2"));
        QCOMPARE(m_state->search(), QStringLiteral("number 2"));
        press(Qt::Key_Escape);
        QCOMPARE(m_state->search(), QString());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(search->lineEdit()));
        press(Qt::Key_Escape);
        QVERIFY(QApplication::focusWidget() != search->lineEdit());
    }
}

void TestKeyboard::updateWindowEscape_data()
{
    QTest::addColumn<int>("stage");
    QTest::addColumn<QString>("answer");
    using Stage = UpdateWindowState::Stage;
    QTest::newRow("offered: later") << int(Stage::available) << QStringLiteral("later");
    QTest::newRow("downloading: cancel") << int(Stage::downloading) << QStringLiteral("cancel");
    QTest::newRow("checking: close") << int(Stage::checking) << QStringLiteral("close");
    QTest::newRow("up to date: close") << int(Stage::upToDate) << QStringLiteral("close");
    QTest::newRow("verifying: nothing") << int(Stage::verifying) << QString();
    QTest::newRow("installing: nothing") << int(Stage::installing) << QString();
}

void TestKeyboard::updateWindowEscape()
{
    QFETCH(int, stage);
    QFETCH(QString, answer);
    UpdateWindow window;
    UpdateWindowState state;
    state.stage = UpdateWindowState::Stage(stage);
    state.newVersion = QStringLiteral("2.0");
    state.runningVersion = QStringLiteral("1.0");
    state.total = 100;
    window.display(state);
    QStringList answers;
    connect(&window, &UpdateWindow::remindLater, this, [&answers] { answers << QStringLiteral("later"); });
    connect(&window, &UpdateWindow::cancelDownload, this, [&answers] { answers << QStringLiteral("cancel"); });
    connect(&window, &UpdateWindow::closeRequested, this, [&answers] { answers << QStringLiteral("close"); });
    connect(&window, &UpdateWindow::install, this, [&answers] { answers << QStringLiteral("install"); });
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    press(Qt::Key_Escape);
    QCOMPARE(answers, answer.isEmpty() ? QStringList() : QStringList{answer});
}

void TestKeyboard::keyboardDeleteKeepsThePlace_data()
{
    QTest::addColumn<bool>("words");
    QTest::newRow("a History card") << false;
    QTest::newRow("a word") << true;
}

void TestKeyboard::keyboardDeleteKeepsThePlace()
{
    QFETCH(bool, words);
    if (words)
        m_state->setScreen(Screen::vocabulary);
    open();
    auto rowsNow = [&]() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QList<QWidget*> rows;
        if (words) {
            rows = m_window->findChildren<QWidget*>(QStringLiteral("wordRow"));
            rows.removeIf([](QWidget* w) { return !w->isVisible(); });
            std::sort(rows.begin(), rows.end(), [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
        } else {
            for (EntryCard* card : cards())
                rows << card;
        }
        return rows;
    };
    const QString deleteName = words ? QStringLiteral("deleteWord") : QStringLiteral("action-trash-2");
    QList<QWidget*> rows = rowsNow();
    QCOMPARE(rows.size(), 3);

    // The first row's delete by keys: the row that moves up holds the focus,
    // and Tab goes on into it, never onto a destructive control first.
    QVERIFY(tabTo(rows.at(0)->findChild<QWidget*>(deleteName)));
    press(Qt::Key_Space);
    rows = rowsNow();
    QCOMPARE(words ? m_state->config().vocabulary.size() : m_state->history().entries.size(), 2);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(QApplication::focusWidget(), rows.at(0));
    press(Qt::Key_Tab);
    QVERIFY(rows.at(0)->isAncestorOf(QApplication::focusWidget()));

    // The last row's: the one above it takes the place.
    QVERIFY(tabTo(rows.at(1)->findChild<QWidget*>(deleteName)));
    press(Qt::Key_Space);
    rows = rowsNow();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(QApplication::focusWidget(), rows.at(0));
    if (!words)
        QCOMPARE(m_state->history().entries.first().id, m_entries.at(1));
}

QTEST_MAIN(TestKeyboard)
#include "TestKeyboard.moc"
