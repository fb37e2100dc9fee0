#include "core/AppState.h"
#include "core/L10n.h"
#include "design/Onest.h"
#include "design/components/Badge.h"
#include "design/components/SButton.h"
#include "design/components/SIconButton.h"
#include "design/components/SInput.h"
#include "design/components/SSegmented.h"
#include "design/components/SSelect.h"
#include "design/components/TextLabel.h"
#include "screens/MainView.h"
#include "screens/PhoneScreen.h"
#include "screens/SnippetRow.h"
#include "screens/SnippetsTab.h"
#include "screens/VocabularyScreen.h"
#include "screens/WordRow.h"
#include "screens/WordsTab.h"

#include "AnsweringFilePicker.h"
#include "FakeClock.h"
#include "TempDataDir.h"

#include <QLineEdit>
#include <QTranslator>
#include <QScopeGuard>
#include <QtTest>

#include <memory>

namespace {

using Words = QList<VocabularyWord>;

VocabularyWord word(const QString& text, const QString& language = {})
{
    return VocabularyWord{QUuid::createUuid(), text, language};
}

QStringList shown(const Words& words)
{
    QStringList out;
    for (const VocabularyWord& w : words)
        out << (w.language.isEmpty() ? w.word : w.word + QLatin1Char('|') + w.language);
    return out;
}

QStringList shown(const QList<Snippet>& snippets)
{
    QStringList out;
    for (const Snippet& s : snippets)
        out << s.trigger + QStringLiteral(" > ") + s.text;
    return out;
}

QString toast(const AppState& state)
{
    if (!state.toast())
        return QStringLiteral("none");
    const char* tones[] = {"success", "danger", "warning", "info"};
    return state.toast()->title + QStringLiteral(" / ") + state.toast()->detail + QStringLiteral(" / ")
        + QLatin1String(tones[int(state.toast()->tone)]);
}

void type(SInput* input, const QString& text)
{
    input->setText(text);
}

void returnIn(SInput* input)
{
    QTest::keyClick(input->lineEdit(), Qt::Key_Return);
}

// One screen on a fresh data folder and a fake clock.
struct Rig
{
    TempDataDir dir;
    FakeClock clock;
    AppState state{clock};
    AppActions actions;
    std::unique_ptr<VocabularyScreen> screen;

    explicit Rig(const Words& words = {}, const QList<Snippet>& snippets = {})
    {
        state.updateConfig([&](Config& c) {
            c.vocabulary = words;
            c.snippets = snippets;
        });
        screen = std::make_unique<VocabularyScreen>(state, actions);
        screen->resize(900, 700);
        screen->show();
        settle();
    }

    // Lets posted deletions and layout requests run, as the event loop would.
    static void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    template <class T>
    T* find(const QString& name) const
    {
        T* found = screen->findChild<T*>(name);
        if (!found)
            qWarning() << "no" << name;
        return found;
    }

    void click(const QString& name) const
    {
        settle();
        QWidget* w = find<QWidget>(name);
        QVERIFY(w && w->isVisible());
        QTest::mouseClick(w, Qt::LeftButton);
        settle();
    }

    QList<WordRow*> wordRows() const
    {
        settle();
        QList<WordRow*> rows;
        for (WordRow* row : screen->findChildren<WordRow*>())
            if (row->isVisible())
                rows << row;
        std::sort(rows.begin(), rows.end(), [](WordRow* a, WordRow* b) { return a->y() < b->y(); });
        return rows;
    }
};

} // namespace

class TestVocabularyScreen final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void framesOneTabAtATime();
    void addsWords_data();
    void addsWords();
    void rowsShowTheListAndDelete();
    void clearsWithTwoSteps();
    void importsAndExports_data();
    void importsAndExports();
    void addsSnippets_data();
    void addsSnippets();
    void snippetKeysAndRows();
    void snippetRowsEndInsideTheCard_data();
    void snippetRowsEndInsideTheCard();
    void opensInTheMainWindow();
    void countsInEveryLanguage_data();
    void countsInEveryLanguage();
    void wordFieldKeepsItsRoom_data();
    void wordFieldKeepsItsRoom();
};

void TestVocabularyScreen::initTestCase()
{
    Onest::registerFaces();
    L10n::setInterfaceLanguage(QStringLiteral("en"));
    // English as the application runs it: its table holds the plural forms.
    static QTranslator english;
    QVERIFY(english.load(QStringLiteral(":/i18n/kesto_en.qm")));
    QCoreApplication::installTranslator(&english);
}

void TestVocabularyScreen::framesOneTabAtATime()
{
    Rig rig;
    auto* tabs = rig.find<SSegmented>("vocabularyTabs");
    auto* subtitle = rig.find<TextLabel>("vocabularySubtitle");
    QCOMPARE(tabs->selection().toInt(), int(VocabularyScreen::Tab::words));
    QCOMPARE(subtitle->text(), QStringLiteral("Kesto Viruz always spells these words right — names, terms, brands."));
    QVERIFY(qobject_cast<WordsTab*>(rig.screen->tabContent()));

    type(rig.find<SInput>("wordInput"), QStringLiteral("typed, not added"));
    rig.find<SSelect>("wordLanguage")->setSelection(QStringLiteral("ru-RU"));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->segmentRect(1).center().toPoint());
    Rig::settle();
    QCOMPARE(subtitle->text(), QStringLiteral("Say a short phrase — the full text is typed."));
    QVERIFY(qobject_cast<SnippetsTab*>(rig.screen->tabContent()));
    QCOMPARE(rig.screen->findChildren<WordsTab*>().size(), 0);

    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->segmentRect(0).center().toPoint());
    Rig::settle();
    QCOMPARE(rig.find<SInput>("wordInput")->text(), QString());
    QCOMPARE(rig.find<SSelect>("wordLanguage")->label(), QStringLiteral("All languages"));
    QCOMPARE(subtitle->text(), QStringLiteral("Kesto Viruz always spells these words right — names, terms, brands."));

    // In a wide window the column keeps its width at the leading edge.
    rig.screen->resize(1400, 700);
    QCoreApplication::processEvents();
    QCOMPARE(rig.screen->tabContent()->width(), 880);
    QCOMPARE(rig.screen->tabContent()->mapTo(rig.screen.get(), QPoint(0, 0)).x(), 32);
}

void TestVocabularyScreen::addsWords_data()
{
    QTest::addColumn<Words>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("toast");
    QTest::addColumn<QString>("inputAfter");

    const Words stored{word("Kesto"), word("Zarvina", "uz-UZ")};
    QTest::newRow("one word thrice in different cases") << Words() << "Tosh, TOSH ,tosh" << ""
        << QStringList{"Tosh"} << "Added to the vocabulary / Tosh / success" << "";
    QTest::newRow("only commas and spaces") << stored << " , ,, " << "" << QStringList{"Kesto", "Zarvina|uz-UZ"}
        << "none" << " , ,, ";
    QTest::newRow("second already stored in another case") << stored << "Gemini, kesto" << ""
        << QStringList{"Gemini", "Kesto", "Zarvina|uz-UZ"} << "Added to the vocabulary / Gemini / success" << "";
    QTest::newRow("all stored, for any language") << stored << "KESTO, zarvina, Kesto" << "ru-RU"
        << QStringList{"Kesto", "Zarvina|uz-UZ"} << "Already in the vocabulary / KESTO, zarvina, Kesto / info" << "";
    QTest::newRow("new words on top in typed order with the language") << stored << "Oybek,  Qodiriy" << "ru-RU"
        << QStringList{"Oybek|ru-RU", "Qodiriy|ru-RU", "Kesto", "Zarvina|uz-UZ"}
        << "Added to the vocabulary / Oybek, Qodiriy / success" << "";
    QTest::newRow("canonically equal spellings") << Words{word(QStringLiteral("Caf\u00e9"))} << QStringLiteral("cafe\u0301")
        << "" << QStringList{QStringLiteral("Caf\u00e9")}
        << QStringLiteral("Already in the vocabulary / cafe\u0301 / info") << "";
}

void TestVocabularyScreen::addsWords()
{
    QFETCH(Words, before);
    QFETCH(QString, typed);
    QFETCH(QString, language);
    QFETCH(QStringList, after);
    QFETCH(QString, toast);
    QFETCH(QString, inputAfter);
    Rig rig(before);
    rig.find<SSelect>("wordLanguage")->setSelection(language);
    auto* input = rig.find<SInput>("wordInput");
    type(input, typed);
    rig.click("addWords");

    QCOMPARE(shown(rig.state.config().vocabulary), after);
    QCOMPARE(::toast(rig.state), toast);
    QCOMPARE(input->text(), inputAfter);

    // Return in the field adds exactly as the button does.
    Rig again(before);
    again.find<SSelect>("wordLanguage")->setSelection(language);
    type(again.find<SInput>("wordInput"), typed);
    returnIn(again.find<SInput>("wordInput"));
    QCOMPARE(shown(again.state.config().vocabulary), after);
}

void TestVocabularyScreen::rowsShowTheListAndDelete()
{
    Rig rig({word("Kesto"), word("Privet", "ru-RU"), word("Hallo", "de-DE"), word("Xx", "xx-XX")});
    QList<WordRow*> rows = rig.wordRows();
    QCOMPARE(rows.size(), 4);
    QStringList badges;
    for (WordRow* row : rows)
        badges << row->findChild<Badge*>("language")->text();
    QCOMPARE(badges, (QStringList{"All languages", "Russian", "Deutsch", "xx-XX"}));
    QCOMPARE(rig.find<TextLabel>("wordCount")->text(), QStringLiteral(" 4"));
    QVERIFY(!rig.find<QWidget>("wordsEmpty")->isVisibleTo(rig.screen.get()));

    QTest::mouseClick(rows.at(1)->deleteButton(), Qt::LeftButton);
    Rig::settle();
    QCOMPARE(shown(rig.state.config().vocabulary), (QStringList{"Kesto", "Hallo|de-DE", "Xx|xx-XX"}));
    QCOMPARE(rig.wordRows().size(), 3);
    QCOMPARE(rig.find<TextLabel>("wordCount")->text(), QStringLiteral(" 3"));
    QVERIFY(rig.state.toast() == std::nullopt);

    // A change from elsewhere shows at once.
    rig.state.updateConfig([](Config& c) { c.vocabulary.clear(); });
    Rig::settle();
    QCOMPARE(rig.wordRows().size(), 0);
    QCOMPARE(rig.find<TextLabel>("wordCount")->text(), QStringLiteral(" 0"));
    QVERIFY(rig.find<QWidget>("wordsEmpty")->isVisibleTo(rig.screen.get()));
    QVERIFY(!rig.find<SButton>("clearWords")->isEnabled());
}

void TestVocabularyScreen::clearsWithTwoSteps()
{
    Rig rig({word("Kesto"), word("Tosh")}, {Snippet{QUuid::createUuid(), "x", "y"}});
    auto* clear = rig.find<SButton>("clearWords");
    auto* confirm = rig.find<SButton>("confirmClearWords");
    QVERIFY(clear->isVisible() && clear->isEnabled() && !confirm->isVisible());

    rig.click("clearWords");
    QVERIFY(confirm->isVisible() && !clear->isVisible());
    rig.clock.advance(300);
    rig.click("confirmClearWords"); // too soon: ignored, stays armed
    QVERIFY(confirm->isVisible());
    QCOMPARE(rig.state.config().vocabulary.size(), 2);

    rig.clock.advance(3800); // 4.1 s after arming it disarmed by itself
    QVERIFY(clear->isVisible() && !confirm->isVisible());
    QCOMPARE(rig.state.config().vocabulary.size(), 2);

    rig.click("clearWords");
    rig.clock.advance(600);
    rig.click("confirmClearWords");
    QVERIFY(rig.state.config().vocabulary.isEmpty());
    QCOMPARE(rig.state.config().snippets.size(), 1);
    QVERIFY(clear->isVisible() && !clear->isEnabled());
    QVERIFY(rig.state.toast() == std::nullopt);

    // Emptied from elsewhere while armed: disarmed.
    rig.state.updateConfig([](Config& c) { c.vocabulary = {word("a")}; });
    rig.click("clearWords");
    rig.state.updateConfig([](Config& c) { c.vocabulary.clear(); });
    QVERIFY(clear->isVisible() && !confirm->isVisible());
}

void TestVocabularyScreen::importsAndExports_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<Words>("before");
    QTest::addColumn<QString>("file");      // "" cancels; "missing" names no file
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("toast");

    const Words two{word("Kesto"), word("Tosh", "uz-UZ")};
    QTest::newRow("import cancelled") << "importWords" << two << "" << QByteArray() << shown(two) << "none";
    QTest::newRow("import three new, known skipped") << "importWords" << two << "w.txt"
        << QByteArray("Oybek\nkesto\nQodiriy,ru-RU\nNavoiy\n")
        << QStringList{"Oybek", "Qodiriy|ru-RU", "Navoiy", "Kesto", "Tosh|uz-UZ"} << "Imported / 3 new words / success";
    QTest::newRow("import one new") << "importWords" << two << "w.csv" << QByteArray("Oybek\n")
        << QStringList{"Oybek", "Kesto", "Tosh|uz-UZ"} << "Imported / 1 new word / success";
    QTest::newRow("import an export's words and snippets") << "importWords" << two << "vocabulary.json"
        << QByteArray(R"({"snippets": [{"text": "Kind regards", "trigger": "sign off"}],
                          "vocabulary": [{"language": "", "word": "Oybek"}, {"language": "", "word": "kesto"}]})")
        << QStringList{"Oybek", "Kesto", "Tosh|uz-UZ"} << "Imported / 1 new word · 1 new snippet / success";
    QTest::newRow("import nothing new") << "importWords" << two << "w.txt" << QByteArray("TOSH\n") << shown(two)
        << "Imported / No new words / info";
    QTest::newRow("import unreadable") << "importWords" << two << "missing" << QByteArray() << shown(two)
        << "Could not import / The file could not be read. / danger";
    QTest::newRow("import not UTF-8") << "importWords" << two << "latin.txt" << QByteArray("Caf\xE9\n") << shown(two)
        << "Could not import / The file is not UTF-8 text. / danger";
    QTest::newRow("export empty list") << "exportWords" << Words() << "lugat.txt" << QByteArray() << QStringList()
        << "Nothing to export / The vocabulary is empty. / info";
    QTest::newRow("export cancelled") << "exportWords" << two << "" << QByteArray() << shown(two) << "none";
    QTest::newRow("export written") << "exportWords" << two << "lugat.txt" << QByteArray("Kesto\nTosh,uz-UZ\n")
        << shown(two) << "Exported / lugat.txt · 2 words / success";
    QTest::newRow("export unwritable") << "exportWords" << two << "missing/lugat.txt" << QByteArray() << shown(two)
        << "Could not export / The file could not be saved. The folder does not exist any more. / danger";
}

void TestVocabularyScreen::importsAndExports()
{
    QFETCH(QString, button);
    QFETCH(Words, before);
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, after);
    QFETCH(QString, toast);
    Rig rig(before);
    AnsweringFilePicker picker;
    const bool importing = button == QStringLiteral("importWords");
    if (!file.isEmpty()) {
        picker.answer = rig.dir.filePath(file);
        if (importing && !content.isEmpty())
            rig.dir.write(file, content);
    }

    rig.click(button);

    QCOMPARE(shown(rig.state.config().vocabulary), after);
    QCOMPARE(::toast(rig.state), toast);
    if (before.isEmpty()) {
        QVERIFY2(picker.asked.isEmpty(), "no dialog for an empty list");
    } else if (importing) {
        QCOMPARE(picker.asked, QStringList{"open Word lists and exports (*.txt *.csv *.json *.zip)"});
    } else {
        QCOMPARE(picker.asked, QStringList{"save Text files (*.txt)"});
        QCOMPARE(QFileInfo(picker.suggested).fileName(), QStringLiteral("lugat.txt"));
        if (toast.startsWith(QStringLiteral("Exported")))
            QCOMPARE(rig.dir.read(file), content);
    }
}

void TestVocabularyScreen::addsSnippets_data()
{
    QTest::addColumn<QList<Snippet>>("before");
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<bool>("inputsCleared");

    const QList<Snippet> stored{{QUuid::createUuid(), "my address", "Tashkent"}, {QUuid::createUuid(), "sign", "Regards"}};
    QTest::newRow("trimmed, inner spaces kept") << stored << "  my phone  " << " +998 90 123 "
        << QStringList{"my phone > +998 90 123", "my address > Tashkent", "sign > Regards"} << true;
    QTest::newRow("trigger of spaces") << stored << "   " << "text" << shown(stored) << false;
    QTest::newRow("empty text") << stored << "go" << "" << shown(stored) << false;
    QTest::newRow("same trigger other case replaces, on top") << stored << "SIGN" << "Best"
        << QStringList{"SIGN > Best", "my address > Tashkent"} << true;
    QTest::newRow("two stored twins both go")
        << QList<Snippet>{{QUuid::createUuid(), "Hi", "a"}, {QUuid::createUuid(), "x", "b"}, {QUuid::createUuid(), "hI", "c"}}
        << "hi" << "d" << QStringList{"hi > d", "x > b"} << true;
}

void TestVocabularyScreen::addsSnippets()
{
    QFETCH(QList<Snippet>, before);
    QFETCH(QString, trigger);
    QFETCH(QString, text);
    QFETCH(QStringList, after);
    QFETCH(bool, inputsCleared);
    Rig rig({}, before);
    rig.screen->showTab(VocabularyScreen::Tab::snippets);
    auto* triggerInput = rig.find<SInput>("triggerInput");
    auto* textInput = rig.find<SInput>("snippetInput");
    type(triggerInput, trigger);
    type(textInput, text);
    rig.click("addSnippet");

    QCOMPARE(shown(rig.state.config().snippets), after);
    QCOMPARE(triggerInput->text().isEmpty() && textInput->text().isEmpty(), inputsCleared);
    if (inputsCleared)
        QVERIFY(rig.state.config().snippets.first().id != before.first().id);
    QVERIFY(rig.state.toast() == std::nullopt);
}

void TestVocabularyScreen::snippetKeysAndRows()
{
    const QString longTrigger = QStringLiteral("a very long trigger that never fits <b>here</b>");
    Rig rig({}, {{QUuid::createUuid(), "a", "one"}, {QUuid::createUuid(), longTrigger, "two"}});
    rig.screen->showTab(VocabularyScreen::Tab::snippets);
    rig.screen->activateWindow();
    auto* triggerInput = rig.find<SInput>("triggerInput");
    auto* textInput = rig.find<SInput>("snippetInput");

    // Return in the trigger moves on; Return in the text adds and stays there.
    triggerInput->requestFocus();
    type(triggerInput, QStringLiteral("x"));
    returnIn(triggerInput);
    QVERIFY(textInput->lineEdit()->hasFocus());
    QCOMPARE(rig.state.config().snippets.size(), 2);
    type(textInput, QStringLiteral("ex"));
    returnIn(textInput);
    QCOMPARE(shown(rig.state.config().snippets).first(), QStringLiteral("x > ex"));
    QVERIFY(textInput->lineEdit()->hasFocus());

    // Chips are alike in width; the tooltip shows the whole trigger as text.
    Rig::settle();
    QList<SnippetRow*> rows = rig.screen->findChildren<SnippetRow*>();
    QCOMPARE(rows.size(), 3);
    for (SnippetRow* row : rows)
        QCOMPARE(row->chip()->width(), 130);
    SnippetRow* longRow = *std::find_if(rows.begin(), rows.end(), [&](SnippetRow* r) { return r->snippet().trigger == longTrigger; });
    QVERIFY(longRow->chip()->toolTip().contains(QStringLiteral("&lt;b&gt;here&lt;/b&gt;")));

    // Deleting keeps the others in order; the last one gone shows the empty text.
    QTest::mouseClick(longRow->deleteButton(), Qt::LeftButton);
    Rig::settle();
    QCOMPARE(shown(rig.state.config().snippets), (QStringList{"x > ex", "a > one"}));
    rig.state.updateConfig([](Config& c) { c.snippets.clear(); });
    Rig::settle();
    QVERIFY(rig.find<QWidget>("snippetsEmpty")->isVisibleTo(rig.screen.get()));
    QCOMPARE(rig.screen->findChildren<SnippetRow*>().size(), 0);
}

void TestVocabularyScreen::snippetRowsEndInsideTheCard_data()
{
    QTest::addColumn<QStringList>("texts");
    const QString lines = QStringLiteral("Street 1\nHouse 2\nFlat 3\nCity\nPost code 100000\nCountry");
    QTest::newRow("line breaks") << QStringList{lines, QStringLiteral("short"), lines, lines, QStringLiteral("last")};
    QTest::newRow("blank lines") << QStringList{QStringLiteral("a\n\n\n\n\n\nb"), QStringLiteral("after")};
    QTest::newRow("long words") << QStringList{QStringLiteral("w").repeated(400), QStringLiteral("after")};
}

void TestVocabularyScreen::snippetRowsEndInsideTheCard()
{
    QFETCH(QStringList, texts);
    QList<Snippet> snippets;
    for (int i = 0; i < texts.size(); ++i)
        snippets << Snippet{QUuid::createUuid(), QStringLiteral("t%1").arg(i), texts.at(i)};
    Rig rig({}, snippets);
    rig.screen->resize(900, 2400);
    auto check = [&rig, &texts](const char* when) {
        for (int i = 0; i < 3; ++i)
            Rig::settle();
        auto* list = rig.find<QWidget>("snippetRows");
        QVERIFY(list);
        QWidget* card = list->parentWidget();
        const QList<SnippetRow*> rows = rig.screen->findChildren<SnippetRow*>();
        QCOMPARE(rows.size(), texts.size());
        for (SnippetRow* row : rows) {
            const QRect inCard(row->mapTo(card, QPoint(0, 0)), row->size());
            QVERIFY2(card->rect().contains(inCard), qPrintable(QStringLiteral("%1: row %2 ends at %3, the card at %4")
                                                                  .arg(when, row->snippet().trigger)
                                                                  .arg(inCard.bottom())
                                                                  .arg(card->height())));
            QVERIFY2(row->height() >= row->heightForWidth(row->width()), when);
        }
    };
    rig.screen->showTab(VocabularyScreen::Tab::snippets);
    check("shown");
    rig.screen->showTab(VocabularyScreen::Tab::words);
    Rig::settle();
    rig.screen->showTab(VocabularyScreen::Tab::snippets);
    check("shown again");
    rig.screen->resize(700, 2400);
    check("narrower");
}

void TestVocabularyScreen::opensInTheMainWindow()
{
    TempDataDir dir;
    FakeClock clock;
    AppState state(clock);
    AppActions actions;
    MainView view(state, actions);
    view.resize(1100, 700);
    view.show();
    state.setScreen(Screen::vocabulary);
    auto* vocabulary = qobject_cast<VocabularyScreen*>(view.screen());
    QVERIFY(vocabulary);
    vocabulary->showTab(VocabularyScreen::Tab::snippets);

    state.setScreen(Screen::phone);
    QVERIFY(qobject_cast<PhoneScreen*>(view.screen()));
    state.setScreen(Screen::vocabulary);
    vocabulary = qobject_cast<VocabularyScreen*>(view.screen());
    QVERIFY(vocabulary);
    QCOMPARE(vocabulary->tab(), VocabularyScreen::Tab::words);

    // A phone's contact while the Vocabulary screen shows is not announced.
    state.setPhoneLastSeen(clock.now());
    QVERIFY(!state.toast());
}

void TestVocabularyScreen::countsInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("exported");
    QTest::newRow("en 1") << "en" << 1 << "1 new word" << "lugat.txt · 1 word";
    QTest::newRow("en 5") << "en" << 5 << "5 new words" << "lugat.txt · 5 words";
    QTest::newRow("uz 1") << "uz" << 1 << "1 ta yangi soʻz" << "lugat.txt · 1 ta soʻz";
    QTest::newRow("uz 5") << "uz" << 5 << "5 ta yangi soʻz" << "lugat.txt · 5 ta soʻz";
    QTest::newRow("ru 1") << "ru" << 1 << "1 новое слово" << "lugat.txt · 1 слово";
    QTest::newRow("ru 3") << "ru" << 3 << "3 новых слова" << "lugat.txt · 3 слова";
    QTest::newRow("ru 5") << "ru" << 5 << "5 новых слов" << "lugat.txt · 5 слов";
    QTest::newRow("ru 21") << "ru" << 21 << "21 новое слово" << "lugat.txt · 21 слово";
    QTest::newRow("ru 11") << "ru" << 11 << "11 новых слов" << "lugat.txt · 11 слов";
}

void TestVocabularyScreen::countsInEveryLanguage()
{
    QFETCH(QString, language);
    QFETCH(int, count);
    QFETCH(QString, words);
    QFETCH(QString, exported);
    QTranslator table;
    QVERIFY(table.load(QStringLiteral(":/i18n/kesto_") + language + QStringLiteral(".qm")));
    QCoreApplication::installTranslator(&table);
    const QString counted = L10n::tr("%n new words", nullptr, count);
    const QString file = L10n::tr("%1 · %n words", nullptr, count).arg(QStringLiteral("lugat.txt"));
    QCoreApplication::removeTranslator(&table);
    QCOMPARE(counted, words);
    QCOMPARE(file, exported);
}

void TestVocabularyScreen::wordFieldKeepsItsRoom_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("width");
    // The screen beside the sidebar in a window of 1200 and of 960 points.
    for (const char* language : {"en", "ru", "uz"}) {
        QTest::addRow("%s, 1200", language) << QString::fromLatin1(language) << 944;
        QTest::addRow("%s, 960", language) << QString::fromLatin1(language) << 704;
    }
}

void TestVocabularyScreen::wordFieldKeepsItsRoom()
{
    QFETCH(QString, language);
    QFETCH(int, width);
    QTranslator table;
    QVERIFY(table.load(QStringLiteral(":/i18n/kesto_") + language + QStringLiteral(".qm")));
    QCoreApplication::installTranslator(&table);
    const auto removed = qScopeGuard([&table] { QCoreApplication::removeTranslator(&table); });
    Rig rig;
    rig.screen->resize(width, 700);
    Rig::settle();
    auto* input = rig.find<SInput>("wordInput");
    auto* select = rig.find<SSelect>("wordLanguage");
    // The field where words are typed is the widest thing of its row, and
    // at the usual width its whole hint shows.
    QVERIFY2(input->width() > 2 * select->width(),
             qPrintable(QStringLiteral("field %1, select %2").arg(input->width()).arg(select->width())));
    if (width >= 944) {
        const QFontMetricsF metrics(Onest::font(14, QFont::Normal));
        const qreal room = input->lineEdit()->width() - 2;
        QVERIFY2(metrics.horizontalAdvance(input->placeholder()) <= room,
                 qPrintable(QStringLiteral("%1 in %2").arg(metrics.horizontalAdvance(input->placeholder())).arg(room)));
    }
}

QTEST_MAIN(TestVocabularyScreen)
#include "TestVocabularyScreen.moc"
