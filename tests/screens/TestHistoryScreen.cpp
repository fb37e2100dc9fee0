#include "core/AppState.h"
#include "core/L10n.h"
#include "design/Onest.h"
#include "design/components/EmptyStateView.h"
#include "design/components/SButton.h"
#include "design/components/SIconButton.h"
#include "screens/AudioBox.h"
#include "screens/EditBox.h"
#include "screens/HistoryScreen.h"
#include "screens/IconSpinner.h"
#include "screens/LazyList.h"
#include "screens/TranscriptText.h"

#include "FakeClock.h"
#include "TempDataDir.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QScrollBar>
#include <QTranslator>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(HistoryEntry)

namespace {

const QDateTime now(QDate(2026, 3, 14), QTime(9, 30));

HistoryEntry made(const QString& text, const QDateTime& date, HistoryEntry::Status status = HistoryEntry::Status::done,
                  const QString& source = QStringLiteral("mac"), std::optional<QString> app = std::nullopt)
{
    HistoryEntry e;
    e.text = text;
    e.date = date;
    e.status = status;
    e.source = source;
    e.appName = app;
    e.duration = 4;
    return e;
}

// A row that notes every width it is measured at.
class MeasuredRow final : public QWidget {
public:
    MeasuredRow(QList<int>& widths, QWidget* parent)
        : QWidget(parent)
        , m_widths(widths)
    {
    }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override
    {
        m_widths << width;
        return 80;
    }

private:
    QList<int>& m_widths;
};

QList<QString> texts(const QList<HistoryEntry>& entries)
{
    QList<QString> out;
    for (const HistoryEntry& e : entries)
        out << e.text;
    return out;
}

} // namespace

class TestHistoryScreen final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Onest::registerFaces(); }
    void init();
    void cleanup();

    void filter_data();
    void filter();
    void minutes_data();
    void minutes();
    void statsLine();
    void statsLineInRussian_data();
    void statsLineInRussian();
    void dayGroups();
    void emptyStates_data();
    void emptyStates();
    void editAndSave();
    void editingAnotherEntryReplacesTheBuffer();
    void rowsRebuildWithoutLosingTheEditor();
    void copyPutsTheTextOnTheClipboard();
    void deleteRemovesTheAudio();
    void cardsShowTheirParts();
    void retryReachesTheController();
    void clearTakesTwoSteps();
    void clearDisarmsByItself();
    void thousandEntriesBuildOnlyWhatIsNear();
    void searchWhileTypingAndErasing();
    void builtRowsFollowTheWidth();
    void rowsAreMeasuredOnlyAtTheWidthTheyTake();

private:
    void setEntries(const QList<HistoryEntry>& entries);
    HistoryScreen* open();
    QString keptAudio(const QUuid& id);
    // The entries the list holds cards for, and those the filter gives.
    QStringList shownKeys() const;
    QStringList filteredKeys() const;

    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<HistoryScreen> m_screen;
};

void TestHistoryScreen::init()
{
    m_data = std::make_unique<TempDataDir>();
    m_clock = std::make_unique<FakeClock>(now);
    m_state = std::make_unique<AppState>(*m_clock);
}

void TestHistoryScreen::cleanup()
{
    m_screen.reset();
    m_state.reset();
    m_clock.reset();
    m_data.reset();
}

void TestHistoryScreen::setEntries(const QList<HistoryEntry>& entries)
{
    m_state->updateHistory([&entries](History& history) {
        history.entries = entries;
        history.save();
    });
}

HistoryScreen* TestHistoryScreen::open()
{
    m_screen = std::make_unique<HistoryScreen>(*m_state, m_state->actions());
    m_screen->resize(900, 700);
    m_screen->show();
    if (!QTest::qWaitForWindowExposed(m_screen.get()))
        return nullptr;
    return m_screen.get();
}

QString TestHistoryScreen::keptAudio(const QUuid& id)
{
    const QString recording = m_data->filePath(QStringLiteral("take.m4a"));
    m_data->write(QStringLiteral("take.m4a"), QByteArray(64, 'a'));
    return History::keepAudio(recording, id).value_or(QString());
}

void TestHistoryScreen::filter_data()
{
    using S = HistoryEntry::Status;
    QTest::addColumn<bool>("showDiscarded");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("found");

    QTest::newRow("blank query lists all but cancelled") << false << "" << QStringList{"Café au lait", "CAFÉ NOIR", "tea time", ""};
    QTest::newRow("case and accents aside") << false << "cafe" << QStringList{"Café au lait", "CAFÉ NOIR"};
    QTest::newRow("accented query finds plain text") << false << "NOÍR" << QStringList{"CAFÉ NOIR"};
    QTest::newRow("phone origin") << false << "From phone" << QStringList{"CAFÉ NOIR"};
    QTest::newRow("product name for no application") << false << "Kesto Viruz" << QStringList{"tea time"};
    QTest::newRow("across text and origin") << false << "time kes" << QStringList{"tea time"};
    QTest::newRow("application name") << false << "telegr" << QStringList{""};
    QTest::newRow("Cyrillic") << false << "ПРИВЕТ" << QStringList{"привет, мир 👋"};
    QTest::newRow("cancelled never without the toggle") << false << "discarded" << QStringList{};
    QTest::newRow("cancelled with the toggle") << true << "cafe" << QStringList{"Café au lait", "CAFÉ NOIR", "cafe discarded"};
    QTest::newRow("no match") << true << "xyz" << QStringList{};
    Q_UNUSED(S::done);
}

void TestHistoryScreen::filter()
{
    using S = HistoryEntry::Status;
    QFETCH(bool, showDiscarded);
    QFETCH(QString, query);
    QFETCH(QStringList, found);
    const QList<HistoryEntry> entries{
        made("Café au lait", now, S::done, "mac", QStringLiteral("Safari")),
        made("CAFÉ NOIR", now, S::done, "phone"),
        made("tea time", now),
        made("cafe discarded", now, S::discarded),
        made("", now, S::failed, "mac", QStringLiteral("Telegram")),
        made("привет, мир 👋", now, S::discarded),
    };
    QList<HistoryEntry> withCyrillic = entries;
    withCyrillic[5].status = S::done;
    const QList<HistoryEntry>& source = QTest::currentDataTag() == QLatin1String("Cyrillic") ? withCyrillic : entries;
    QCOMPARE(texts(HistoryScreen::visible(source, showDiscarded, query)), found);
}

void TestHistoryScreen::minutes_data()
{
    QTest::addColumn<int>("week");
    QTest::addColumn<int>("minutes");
    QTest::newRow("nothing") << 0 << 0;
    QTest::newRow("150 words: 2.75 rounds up") << 150 << 3;
    QTest::newRow("900 words: 16.5 rounds away from zero") << 900 << 17;
    QTest::newRow("60 words: 1.1") << 60 << 1;
    QTest::newRow("a long week") << 12000 << 220;
}

void TestHistoryScreen::minutes()
{
    QFETCH(int, week);
    QFETCH(int, minutes);
    QCOMPARE(HistoryScreen::minutesSaved(week), minutes);
}

void TestHistoryScreen::statsLine()
{
    using S = HistoryEntry::Status;
    QCOMPARE(HistoryScreen::statsLine({120, 900}), QStringLiteral("Today 120 words · this week 900 words — about 17 minutes saved"));
    QCOMPARE(HistoryScreen::statsLine({0, 1500}), QStringLiteral("Today 0 words · this week 1,500 words — about 28 minutes saved"));

    // Only done entries count, whatever the search or the toggle.
    setEntries({made("one two three", now), made("four five", now.addDays(-1)), made("six", now, S::failed),
                made("seven eight", now, S::discarded), made("old words here", now.addDays(-30))});
    QVERIFY(open());
    const QString expected = HistoryScreen::statsLine(m_state->history().stats(now));
    QVERIFY(expected.startsWith(QStringLiteral("Today 3 words")));
    QCOMPARE(m_screen->stats(), expected);
    m_state->setSearch(QStringLiteral("zzz"));
    QTest::mouseClick(m_screen->discardedButton(), Qt::LeftButton);
    QCOMPARE(m_screen->stats(), expected);
}

void TestHistoryScreen::statsLineInRussian_data()
{
    QTest::addColumn<int>("week");
    QTest::addColumn<QString>("line");
    QTest::newRow("one minute") << 40 << QStringLiteral("Сегодня 0 слов · за неделю 40 слов — сэкономлена примерно 1 минута");
    QTest::newRow("few minutes") << 150 << QStringLiteral("Сегодня 0 слов · за неделю 150 слов — сэкономлено примерно 3 минуты");
    QTest::newRow("many minutes") << 900 << QStringLiteral("Сегодня 0 слов · за неделю 900 слов — сэкономлено примерно 17 минут");
}

void TestHistoryScreen::statsLineInRussian()
{
    QFETCH(int, week);
    QFETCH(QString, line);
    QTranslator kesto;
    QVERIFY(kesto.load(QStringLiteral(":/i18n/kesto_ru.qm")));
    QCoreApplication::installTranslator(&kesto);
    L10n::setInterfaceLanguage(QStringLiteral("ru"));
    const QString shown = HistoryScreen::statsLine({0, week});
    L10n::setInterfaceLanguage(QString());
    QCoreApplication::removeTranslator(&kesto);
    QCOMPARE(shown, line);
}

void TestHistoryScreen::dayGroups()
{
    setEntries({made("a", now), made("b", now.addSecs(-3600)), made("c", now.addDays(-1)),
                made("d", QDateTime(QDate(2026, 3, 2), QTime(12, 0)))});
    QVERIFY(open());
    QCOMPARE(m_screen->dayTitles(), (QStringList{"Today", "Yesterday", "Mar 2"}));
    const QList<LazyList::Row> rows = m_screen->list()->rows();
    QCOMPARE(rows.size(), 7);
    QList<int> gaps;
    for (const LazyList::Row& row : rows)
        gaps << row.gapAbove;
    // The first day title has no room above it, later ones 26; each card 10.
    QCOMPARE(gaps, (QList<int>{0, 10, 10, 26, 10, 26, 10}));
}

void TestHistoryScreen::emptyStates_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<bool>("toggleMode");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("detail");
    QTest::newRow("hold") << "" << false << "history" << "No recordings yet." << "Hold the key and talk — the text is kept here.";
    QTest::newRow("toggle") << "" << true << "history" << "No recordings yet." << "Press the key and talk — the text is kept here.";
    QTest::newRow("spaces are no search") << "   " << false << "history" << "No recordings yet." << "Hold the key and talk — the text is kept here.";
    QTest::newRow("nothing found") << "zebra" << false << "search-x" << "Nothing found." << "Try another word or clear the search.";
}

void TestHistoryScreen::emptyStates()
{
    QFETCH(QString, search);
    QFETCH(bool, toggleMode);
    QFETCH(QString, icon);
    QFETCH(QString, title);
    QFETCH(QString, detail);
    // Only a cancelled recording: listed nowhere with the toggle off, but Clear can go.
    setEntries({made("cancelled", now, HistoryEntry::Status::discarded)});
    m_state->updateConfig([toggleMode](Config& c) { c.hotkeyMode = toggleMode ? HotkeyMode::toggle : HotkeyMode::hold; });
    m_state->setSearch(search);
    QVERIFY(open());
    QVERIFY(m_screen->emptyState()->isVisible());
    QVERIFY(!m_screen->list()->isVisible());
    QCOMPARE(m_screen->emptyState()->icon(), icon);
    QCOMPARE(m_screen->emptyState()->title(), title);
    QCOMPARE(m_screen->emptyState()->detail(), detail);
    QVERIFY(m_screen->clearButton()->isEnabled());
}

void TestHistoryScreen::editAndSave()
{
    HistoryEntry a = made("first take", now, HistoryEntry::Status::done, "mac", QStringLiteral("Safari"));
    setEntries({a});
    QVERIFY(open());
    m_screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
    EntryCard* card = m_screen->card(a.id);
    QVERIFY(card);
    QTest::mouseClick(card->actionButton(QStringLiteral("pencil")), Qt::LeftButton);
    QCOMPARE(m_screen->editingID(), a.id);
    QVERIFY(card->editBox());
    QCOMPARE(card->editBox()->text(), a.text);
    QVERIFY(card->editBox()->editor()->hasFocus());

    // A blank buffer stores nothing and keeps the editor open.
    card->editBox()->editor()->selectAll();
    QTest::keyClicks(card->editBox()->editor(), QStringLiteral("   "));
    QVERIFY(!card->saveButton()->isEnabled());
    QMetaObject::invokeMethod(card, "saveClicked");
    QCOMPARE(m_screen->editingID(), a.id);
    QCOMPARE(m_state->history().entries.first().text, a.text);

    card->editBox()->editor()->selectAll();
    QTest::keyClicks(card->editBox()->editor(), QStringLiteral("  second take"));
    QTest::keyClick(card->editBox()->editor(), Qt::Key_Return);
    QVERIFY(card->saveButton()->isEnabled());
    QSignalSpy toasts(m_state.get(), &AppState::toastChanged);
    QTest::mouseClick(card->saveButton(), Qt::LeftButton);
    QCOMPARE(m_state->history().entries.first().text, QStringLiteral("second take"));
    QCOMPARE(m_state->history().entries.first().appName, a.appName);
    QVERIFY(!m_screen->editingID());
    QCOMPARE(toasts.count(), 0);
    QCOMPARE(m_screen->card(a.id)->transcript()->toPlainText(), QStringLiteral("second take"));
    // Saved to the file as well.
    QCOMPARE(History::load().entries.first().text, QStringLiteral("second take"));

    // Cancel keeps the stored text.
    QTest::mouseClick(m_screen->card(a.id)->actionButton(QStringLiteral("pencil")), Qt::LeftButton);
    QTest::keyClicks(m_screen->card(a.id)->editBox()->editor(), QStringLiteral(" more"));
    QTest::mouseClick(m_screen->card(a.id)->cancelButton(), Qt::LeftButton);
    QVERIFY(!m_screen->editingID());
    QCOMPARE(m_state->history().entries.first().text, QStringLiteral("second take"));
}

void TestHistoryScreen::editingAnotherEntryReplacesTheBuffer()
{
    HistoryEntry a = made("alpha", now);
    HistoryEntry b = made("bravo", now.addSecs(-60));
    setEntries({a, b});
    QVERIFY(open());
    QTest::mouseClick(m_screen->card(a.id)->actionButton(QStringLiteral("pencil")), Qt::LeftButton);
    QTest::keyClicks(m_screen->card(a.id)->editBox()->editor(), QStringLiteral(" changed"));
    QTest::mouseClick(m_screen->card(b.id)->actionButton(QStringLiteral("pencil")), Qt::LeftButton);
    QCOMPARE(m_screen->editText(), QStringLiteral("bravo"));
    QVERIFY(!m_screen->card(a.id)->editBox());
    QCOMPARE(m_screen->card(a.id)->transcript()->toPlainText(), QStringLiteral("alpha"));
    QCOMPARE(m_screen->card(b.id)->editBox()->text(), QStringLiteral("bravo"));

    // Deleting another entry leaves the editor open; deleting the edited one closes it.
    QTest::mouseClick(m_screen->card(a.id)->actionButton(QStringLiteral("trash-2")), Qt::LeftButton);
    QCOMPARE(m_screen->editingID(), b.id);
    m_screen->card(b.id)->editBox()->editor()->setFocus();
    QMetaObject::invokeMethod(m_screen->card(b.id), "deleteClicked");
    QVERIFY(!m_screen->editingID());
    QVERIFY(m_state->history().entries.isEmpty());
}

void TestHistoryScreen::rowsRebuildWithoutLosingTheEditor()
{
    HistoryEntry a = made("alpha", now);
    HistoryEntry b = made("bravo", now.addSecs(-60));
    setEntries({a, b});
    QVERIFY(open());
    m_screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
    QTest::mouseClick(m_screen->card(a.id)->actionButton(QStringLiteral("pencil")), Qt::LeftButton);
    EditBox* box = m_screen->card(a.id)->editBox();
    QTest::keyClicks(box->editor(), QStringLiteral(" typed"));
    QTextCursor caret = box->editor()->textCursor();
    caret.setPosition(2);
    box->editor()->setTextCursor(caret);
    TranscriptText* other = m_screen->card(b.id)->transcript();

    // Another entry changes, a retry starts, the search narrows nothing away.
    m_state->updateHistory([&b](History& history) {
        b.text = QStringLiteral("bravo, corrected");
        history.update(b);
    });
    m_state->setRetrying(b.id, true);
    m_state->setSearch(QStringLiteral("a"));
    QCOMPARE(m_screen->card(a.id)->editBox(), box);
    QCOMPARE(box->text(), QStringLiteral("alpha typed"));
    QCOMPARE(box->editor()->textCursor().position(), 2);
    QVERIFY(box->editor()->hasFocus());
    QCOMPARE(m_screen->card(b.id)->transcript(), other);
    QCOMPARE(other->toPlainText(), QStringLiteral("bravo, corrected"));
}

void TestHistoryScreen::copyPutsTheTextOnTheClipboard()
{
    HistoryEntry a = made("three  words\nhere", now, HistoryEntry::Status::done, "mac", QStringLiteral("Slack"));
    setEntries({a});
    QVERIFY(open());
    QTest::mouseClick(m_screen->card(a.id)->actionButton(QStringLiteral("copy")), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), a.text);
    QVERIFY(m_state->toast());
    QCOMPARE(m_state->toast()->title, QStringLiteral("Copied"));
    QCOMPARE(m_state->toast()->detail, QStringLiteral("3 words · Slack"));
    QCOMPARE(m_state->toast()->tone, ToastTone::success);
}

void TestHistoryScreen::deleteRemovesTheAudio()
{
    HistoryEntry phone = made("", QDateTime(now.date(), QTime(9, 5)), HistoryEntry::Status::failed, "phone");
    phone.audioFile = keptAudio(phone.id);
    const QString audio = Config::audioDirectory() + QStringLiteral("/") + *phone.audioFile;
    QVERIFY(QFile::exists(audio));
    HistoryEntry other = made("stays", now.addSecs(-60));
    setEntries({phone, other});
    QVERIFY(open());
    QTest::mouseClick(m_screen->card(phone.id)->actionButton(QStringLiteral("trash-2")), Qt::LeftButton);
    QVERIFY(!QFile::exists(audio));
    QCOMPARE(m_state->history().entries.size(), 1);
    QCOMPARE(History::load().entries.size(), 1);
    QCOMPARE(m_state->toast()->title, QStringLiteral("Deleted"));
    QCOMPARE(m_state->toast()->detail, QStringLiteral("From phone · 09:05"));
    QCOMPARE(m_state->toast()->tone, ToastTone::info);
    QVERIFY(!m_screen->card(phone.id));
}

void TestHistoryScreen::cardsShowTheirParts()
{
    // Cards are built before the list shows them: every part must show with them.
    const HistoryEntry done = made("Words the card must show", now);
    HistoryEntry failed = made("", now.addSecs(-60), HistoryEntry::Status::failed);
    failed.audioFile = keptAudio(failed.id);
    setEntries({done, failed});
    QVERIFY(open());
    QWidget* text = m_screen->card(done.id)->transcript();
    QVERIFY(text);
    QTRY_VERIFY(text->isVisible() && text->height() > 0);
    QWidget* box = m_screen->card(failed.id)->audioBox();
    QVERIFY(box);
    QTRY_VERIFY(box->isVisible() && box->height() > 0);
}

void TestHistoryScreen::retryReachesTheController()
{
    HistoryEntry failed = made("", now, HistoryEntry::Status::failed);
    failed.offline = true;
    failed.audioFile = keptAudio(failed.id);
    setEntries({failed});
    QList<QUuid> retried;
    AppActions actions;
    actions.retry = [&retried](const QUuid& id) { retried << id; };
    m_state->setActions(actions);
    QVERIFY(open());
    AudioBox* box = m_screen->card(failed.id)->audioBox();
    QVERIFY(box);
    QCOMPARE(box->look().title, QStringLiteral("No internet — not transcribed"));
    QTest::mouseClick(box->button(), Qt::LeftButton);
    QCOMPARE(retried, QList<QUuid>{failed.id});

    m_state->setRetrying(failed.id, true);
    box = m_screen->card(failed.id)->audioBox();
    QCOMPARE(box->look().title, QStringLiteral("Transcribing again…"));
    QCOMPARE(box->look().icon, QStringLiteral("loader"));
    QVERIFY(!box->button()->isEnabled());
    QVERIFY(box->findChild<IconSpinner*>());

    // Done again: the text shows, whole, and the box goes.
    failed.status = HistoryEntry::Status::done;
    failed.text = QStringLiteral("Back from the network, with words enough to take several lines of the card. ").repeated(6);
    m_state->updateHistory([&failed](History& history) { history.update(failed); });
    m_state->setRetrying(failed.id, false);
    QCoreApplication::processEvents();
    EntryCard* card = m_screen->card(failed.id);
    QVERIFY(!card->audioBox());
    QCOMPARE(card->transcript()->toPlainText(), failed.text);
    QCOMPARE(card->height(), card->heightForWidth(card->width()));
    QWidget* text = card->transcript();
    QVERIFY2(text->height() >= text->heightForWidth(text->width()),
             qPrintable(QStringLiteral("%1 high for %2").arg(text->height()).arg(text->heightForWidth(text->width()))));
}

void TestHistoryScreen::clearTakesTwoSteps()
{
    HistoryEntry a = made("keep me?", now);
    a.audioFile = keptAudio(a.id);
    HistoryEntry cancelled = made("", now, HistoryEntry::Status::discarded);
    setEntries({a, cancelled});
    QVERIFY(open());
    m_state->setSearch(QStringLiteral("keep"));
    QTest::mouseClick(m_screen->card(a.id)->actionButton(QStringLiteral("pencil")), Qt::LeftButton);
    SButton* clear = m_screen->clearButton();
    QCOMPARE(clear->text(), QStringLiteral("Clear"));
    QTest::mouseClick(clear, Qt::LeftButton);
    QCOMPARE(clear->text(), QStringLiteral("Confirm"));
    QCOMPARE(clear->variant(), ButtonVariant::Danger);

    // A double click lands within 0.5 s and is ignored.
    m_clock->advance(300);
    QTest::mouseClick(clear, Qt::LeftButton);
    QVERIFY(m_screen->clearArmed());
    QCOMPARE(m_state->history().entries.size(), 2);

    m_clock->advance(500);
    QTest::mouseClick(clear, Qt::LeftButton);
    QVERIFY(m_state->history().entries.isEmpty());
    QVERIFY(!QFile::exists(Config::audioDirectory() + QStringLiteral("/") + *a.audioFile));
    QVERIFY(!m_screen->editingID());
    QCOMPARE(m_state->toast()->title, QStringLiteral("History cleared"));
    QCOMPARE(m_state->toast()->detail, QStringLiteral("You cannot undo this"));
    QCOMPARE(m_state->toast()->tone, ToastTone::info);
    QCOMPARE(clear->text(), QStringLiteral("Clear"));
    QVERIFY(!clear->isEnabled());
    QCOMPARE(m_state->search(), QStringLiteral("keep"));
}

void TestHistoryScreen::clearDisarmsByItself()
{
    setEntries({made("stays", now)});
    QVERIFY(open());
    QTest::mouseClick(m_screen->clearButton(), Qt::LeftButton);
    m_clock->advance(3999);
    QVERIFY(m_screen->clearArmed());
    m_clock->advance(1);
    QVERIFY(!m_screen->clearArmed());
    QCOMPARE(m_screen->clearButton()->text(), QStringLiteral("Clear"));
    QCOMPARE(m_state->history().entries.size(), 1);
}

void TestHistoryScreen::thousandEntriesBuildOnlyWhatIsNear()
{
    QList<HistoryEntry> entries;
    for (int i = 0; i < History::capacity; ++i)
        entries << made(QStringLiteral("Entry %1 with a transcript long enough to wrap onto a second line of the card "
                                       "at this width, and some more words to be sure of it.")
                            .arg(i),
                        now.addSecs(-i * 3600));
    setEntries(entries);
    QVERIFY(open());
    LazyList* list = m_screen->list();
    QVERIFY2(list->builtCount() < 60, qPrintable(QString::number(list->builtCount())));
    QVERIFY(m_screen->card(entries.first().id));
    QVERIFY(!m_screen->card(entries.last().id));

    QScrollBar* bar = list->verticalScrollBar();
    for (int step = 0; step < 2000 && bar->value() < bar->maximum(); ++step)
        bar->setValue(bar->value() + list->viewport()->height());
    QCOMPARE(bar->value(), bar->maximum());
    EntryCard* last = m_screen->card(entries.last().id);
    QVERIFY(last);
    QVERIFY(last->geometry().bottom() <= list->widget()->height());
    QVERIFY2(list->builtCount() < 80, qPrintable(QString::number(list->builtCount())));
    QVERIFY(!m_screen->card(entries.first().id));
}

QStringList TestHistoryScreen::shownKeys() const
{
    QStringList keys;
    for (const LazyList::Row& row : m_screen->list()->rows())
        if (row.key.startsWith(QLatin1String("entry:")))
            keys << row.key;
    return keys;
}

QStringList TestHistoryScreen::filteredKeys() const
{
    QStringList keys;
    const QString query = m_state->search().trimmed();
    for (const HistoryEntry& e : HistoryScreen::visible(m_state->history().entries, m_screen->showsDiscarded(), query))
        keys << QStringLiteral("entry:") + e.id.toString(QUuid::WithoutBraces);
    return keys;
}

void TestHistoryScreen::searchWhileTypingAndErasing()
{
    using S = HistoryEntry::Status;
    // The word at several places in a text, in capitals and with accents.
    const QStringList texts{"the invoice for the café", "INVOICES and voices", "a voice, then an invoice",
                            "nothing to see",           "Invóice twice: invoice", "voice"};
    QList<HistoryEntry> entries;
    for (int i = 0; i < 48; ++i)
        entries << made(texts.at(i % texts.size()) + QStringLiteral(" %1").arg(i), now.addSecs(-i * 7000),
                        i % 7 == 3 ? S::discarded : S::done);
    setEntries(entries);
    QVERIFY(open());

    // Letters typed at the end, at the front and in the middle, erased and
    // replaced: each key shows what the filter gives for that text.
    const QStringList typed{"v",     "vo",    "voi",  "nvoi", "invoi", "invoice", "invoic", "nvoic", "voic",
                            "voice", "vice",  "",     "cafe", "café ", "xyz",     "i",      "in",    "inv"};
    for (const QString& query : typed) {
        m_state->setSearch(query);
        QCOMPARE(shownKeys(), filteredKeys());
    }

    // History changes under a search, then the search is erased.
    m_state->setSearch(QStringLiteral("invoice"));
    m_state->updateHistory([](History& history) {
        history.entries[0].text = QStringLiteral("the bill");
        history.entries.removeAt(4);
        HistoryEntry fresh;
        fresh.text = QStringLiteral("one more INVOICE");
        fresh.date = now.addSecs(60);
        history.entries.prepend(fresh);
    });
    QCOMPARE(shownKeys(), filteredKeys());
    QVERIFY(!shownKeys().contains(QStringLiteral("entry:") + entries.at(0).id.toString(QUuid::WithoutBraces)));
    for (const QString& query : QStringList{"invoic", "nvoi", "", "invoice"}) {
        m_state->setSearch(query);
        QCOMPARE(shownKeys(), filteredKeys());
    }

    // The cancelled entries come and go with the toggle, the search kept.
    QTest::mouseClick(m_screen->discardedButton(), Qt::LeftButton);
    QVERIFY(m_screen->showsDiscarded());
    QCOMPARE(shownKeys(), filteredKeys());
    m_state->setSearch(QStringLiteral("invoices"));
    QCOMPARE(shownKeys(), filteredKeys());
    QTest::mouseClick(m_screen->discardedButton(), Qt::LeftButton);
    QCOMPARE(shownKeys(), filteredKeys());
}

void TestHistoryScreen::builtRowsFollowTheWidth()
{
    QList<HistoryEntry> entries;
    for (int i = 0; i < 200; ++i)
        entries << made(QStringLiteral("Entry %1 ").arg(i)
                            + QStringLiteral("with words enough to wrap at a narrow width. ").repeated(1 + i % 4),
                        now.addSecs(-i * 3600));
    setEntries(entries);
    QVERIFY(open());
    LazyList* list = m_screen->list();
    QScrollBar* bar = list->verticalScrollBar();
    bar->setValue(bar->maximum() / 3);
    const QMargins outset = EntryCard::outset();
    // Every built card sits where the list says its row is, as tall as it
    // is at the list's width, below the row before it.
    const auto check = [&] {
        int bottom = -1;
        int built = 0;
        for (int i = 0; i < list->rows().size(); ++i) {
            auto* card = qobject_cast<EntryCard*>(list->rowWidget(list->rows().at(i).key));
            if (!card)
                continue;
            ++built;
            const QRect row = list->rowRect(i);
            if (card->geometry().marginsRemoved(outset) != row || row.top() <= bottom
                || row.height() != card->heightForWidth(card->width()) - outset.top() - outset.bottom())
                return false;
            bottom = row.bottom();
        }
        return built > 0;
    };
    QVERIFY(check());
    for (const int width : {520, 1300, 700}) {
        m_screen->resize(width, 700);
        QCoreApplication::processEvents();
        QVERIFY2(check(), qPrintable(QString::number(width)));
        m_state->setSearch(QStringLiteral("Entry 1"));
        QVERIFY2(check(), qPrintable(QString::number(width)));
        m_state->setSearch(QString());
        QVERIFY2(check(), qPrintable(QString::number(width)));
    }
}

void TestHistoryScreen::rowsAreMeasuredOnlyAtTheWidthTheyTake()
{
    // Measuring a long text is the dear part of building a row: before the
    // list has its width, nothing is measured at a width no row takes (a
    // scroll bar coming may still narrow them a little).
    QList<int> widths;
    const QMargins outset(3, 2, 3, 4);
    LazyList list({[&widths](int, QWidget* parent) { return new MeasuredRow(widths, parent); }, [](int, QWidget*) {},
                   [](int, int) { return 80; }});
    list.setPadding(QMargins(40, 0, 40, 20));
    QList<LazyList::Row> rows;
    for (int i = 0; i < 100; ++i)
        rows.append({QString::number(i), 12, outset});
    list.setRows(rows);
    list.resize(600, 400);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QVERIFY(list.builtCount() > 0);
    const int rowWidth = list.rowRect(0).width() + outset.left() + outset.right();
    QVERIFY(rowWidth > 400);
    for (const int width : widths)
        QVERIFY2(width >= rowWidth, qPrintable(QString::number(width)));
}

QTEST_MAIN(TestHistoryScreen)
#include "TestHistoryScreen.moc"
