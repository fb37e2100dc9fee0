#include "core/AppState.h"
#include "core/L10n.h"
#include "design/Onest.h"
#include "design/Theme.h"
#include "design/components/SInput.h"
#include "screens/VocabularyScreen.h"

#include "FakeClock.h"
#include "ScreenPicture.h"
#include "TempDataDir.h"

#include <QtTest>

// Both tabs of the Vocabulary screen with fixture data, light and dark.
class TestVocabularyGallery final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        Onest::registerFaces();
        L10n::setInterfaceLanguage(QStringLiteral("en"));
    }
    void cleanup() { Theme::instance().setMode(Theme::Mode::Light); }
    void pictures_data();
    void pictures();
};

void TestVocabularyGallery::pictures_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("empty");
    for (bool dark : {false, true}) {
        const char* theme = dark ? "dark" : "light";
        QTest::addRow("words %s", theme) << dark << int(VocabularyScreen::Tab::words) << false;
        QTest::addRow("words empty %s", theme) << dark << int(VocabularyScreen::Tab::words) << true;
        QTest::addRow("snippets %s", theme) << dark << int(VocabularyScreen::Tab::snippets) << false;
        QTest::addRow("snippets empty %s", theme) << dark << int(VocabularyScreen::Tab::snippets) << true;
    }
}

void TestVocabularyGallery::pictures()
{
    QFETCH(bool, dark);
    QFETCH(int, tab);
    QFETCH(bool, empty);
    Theme::instance().setMode(dark ? Theme::Mode::Dark : Theme::Mode::Light);
    TempDataDir dir;
    FakeClock clock;
    AppState state(clock);
    AppActions actions;
    state.updateConfig([empty](Config& c) {
        c.vocabulary.clear();
        c.snippets.clear();
        if (empty)
            return;
        c.vocabulary = {{QUuid::createUuid(), "Zarvina", "uz-UZ"},
                        {QUuid::createUuid(), "Gemini", ""},
                        {QUuid::createUuid(), "Кесто Вируз", "ru-RU"},
                        {QUuid::createUuid(), "Kubernetes", "en-US"},
                        {QUuid::createUuid(), "Shavkat Mirziyoyev", "de-DE"}};
        c.snippets = {{QUuid::createUuid(), "my address", "Tashkent, Yunusobod district, 19-kvartal, house 7"},
                      {QUuid::createUuid(), "sign", "Best regards,\nAziza"},
                      {QUuid::createUuid(), "a very long trigger phrase that does not fit", "A long text that wraps "
                       "onto a second line in the row, because snippets are often whole paragraphs of text that "
                       "the user would rather not type every time."}};
    });
    auto* screen = new VocabularyScreen(state, actions, nullptr, VocabularyScreen::Tab(tab));
    if (!empty && tab == int(VocabularyScreen::Tab::words))
        screen->findChild<SInput*>("wordInput")->setText(QStringLiteral("Toshkent, Samarqand"));
    const QString name = QStringLiteral("vocabulary-") + (tab == int(VocabularyScreen::Tab::words) ? "words" : "snippets")
        + (empty ? "-empty" : "");
    QVERIFY(!ScreenPicture::save(screen, name, QSize(1000, empty ? 420 : 760)).isEmpty());
}

QTEST_MAIN(TestVocabularyGallery)
#include "TestVocabularyGallery.moc"
