#include "core/AppState.h"
#include "core/L10n.h"
#include "design/Onest.h"
#include "design/ToolTipText.h"
#include "design/components/SButton.h"
#include "design/components/TextLabel.h"
#include "screens/PhoneConnectCard.h"
#include "screens/PhoneErrorNote.h"
#include "screens/PhonePulseDot.h"
#include "screens/PhoneRecordingList.h"
#include "screens/PhoneRecordings.h"
#include "screens/PhoneScreen.h"
#include "screens/QRBox.h"
#include "screens/QRCode.h"
#include "screens/QRCodeView.h"
#include "screens/QRPlaceholder.h"

#include "FakeClock.h"
#include "TempDataDir.h"

#include <QClipboard>
#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QProcess>
#include <QToolTip>
#include <QtTest>

#include <memory>

namespace {

struct Rig
{
    TempDataDir dir;
    FakeClock clock;
    AppState state{clock};
    AppActions actions;
    int newCodes = 0;
    std::unique_ptr<PhoneScreen> screen;

    Rig()
    {
        actions.newPhoneCode = [this] {
            ++newCodes;
            state.setPhoneLastSeen(std::nullopt);
        };
    }

    void open()
    {
        screen = std::make_unique<PhoneScreen>(state, actions);
        screen->resize(1000, 800);
        screen->show();
        QCoreApplication::processEvents();
    }

    template <class T>
    T* find(const QString& name) const { return screen->findChild<T*>(name); }
    bool shows(const QString& name) const
    {
        QWidget* w = find<QWidget>(name);
        return w && w->isVisibleTo(screen.get());
    }
};

HistoryEntry entry(const QString& text, const QString& source, const QDateTime& date = QDateTime::currentDateTime())
{
    HistoryEntry e;
    e.text = text;
    e.source = source;
    e.date = date;
    return e;
}

// What zbarimg reads in a picture of the widget, on a white margin.
QString decode(QWidget& widget)
{
    QImage picture(widget.size() * 4, QImage::Format_ARGB32);
    picture.setDevicePixelRatio(4);
    picture.fill(Qt::white);
    widget.render(&picture);
    QImage framed(picture.width() + 160, picture.height() + 160, QImage::Format_RGB32);
    framed.fill(Qt::white);
    QPainter(&framed).drawImage(80, 80, picture);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("qr.png"));
    framed.save(file);
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--quiet"), QStringLiteral("--raw"), file});
    if (!zbar.waitForFinished(30000))
        return QStringLiteral("zbarimg did not finish");
    return QString::fromUtf8(zbar.readAllStandardOutput()).trimmed();
}

} // namespace

class TestPhoneScreen final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void qrCodeDecodesToTheLink_data();
    void qrCodeDecodesToTheLink();
    void qrCodeIsCachedAndSnapped();
    void qrBoxOffersTheLink();
    void showsEachStateOfTheLink_data();
    void showsEachStateOfTheLink();
    void contactGoesStaleWithoutAChange();
    void buttonsActOnTheLink();
    void announcesContact_data();
    void announcesContact();
    void listsPhoneRecordings();
};

void TestPhoneScreen::initTestCase()
{
    Onest::registerFaces();
    L10n::setInterfaceLanguage(QStringLiteral("en"));
    if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty())
        QFAIL("zbarimg is missing (Debian's zbar-tools)");
}

void TestPhoneScreen::qrCodeDecodesToTheLink_data()
{
    QTest::addColumn<QString>("link");
    QTest::newRow("short") << QStringLiteral("https://192.168.1.5:8443/?t=abcdefghijkmnpqr");
    QString longLink = QStringLiteral("https://[fd12:3456:789a:1::2]:8443/?t=abcdefghijkmnpqr&page=");
    while (longLink.size() < 300)
        longLink += QStringLiteral("kesto-viruz/");
    QTest::newRow("long") << longLink;
}

void TestPhoneScreen::qrCodeDecodesToTheLink()
{
    QFETCH(QString, link);
    QRBox box;
    box.setLink(link, false);
    QVERIFY(qobject_cast<QRCodeView*>(box.content()));
    QCOMPARE(decode(box), link);
}

void TestPhoneScreen::qrCodeIsCachedAndSnapped()
{
    const auto first = QRCode::cached(QStringLiteral("https://10.0.0.2:8443/?t=a"));
    QVERIFY(first && first->size >= 21);
    QCOMPARE(QRCode::cached(QStringLiteral("https://10.0.0.2:8443/?t=a")), first);
    // Too long for any symbol: no code, and the last one is still kept.
    QVERIFY(!QRCode::cached(QString(4000, QLatin1Char('x'))));
    QCOMPARE(QRCode::cached(QStringLiteral("https://10.0.0.2:8443/?t=a")), first);

    // 25 modules on 190 points at twice the pixels: edges on half points, no gaps.
    QCOMPARE(QRCodeView::edge(1, 25, 190, 2), 7.5);
    QCOMPARE(QRCodeView::edge(2, 25, 190, 2), 15.0);
    QCOMPARE(QRCodeView::edge(25, 25, 190, 2), 190.0);
    for (int i = 0; i < 25; ++i) {
        const qreal width = QRCodeView::edge(i + 1, 25, 190, 2) - QRCodeView::edge(i, 25, 190, 2);
        QVERIFY2(width == 7.5 || width == 8.0, qPrintable(QString::number(width)));
    }
}

void TestPhoneScreen::qrBoxOffersTheLink()
{
    QRBox box;
    box.setLink(std::nullopt, true);
    QVERIFY(box.toolTip().isEmpty());
    std::unique_ptr<QMenu> none(box.makeMenu());
    QVERIFY(none->actions().isEmpty());

    const QString link = QStringLiteral("https://10.0.0.2:8443/?t=a&b=<c>");
    box.setLink(link, false);
    QCOMPARE(box.toolTip(), ToolTipText::plain(link));
    QVERIFY(box.toolTip().contains(QStringLiteral("&amp;b=&lt;c&gt;")));
    std::unique_ptr<QMenu> menu(box.makeMenu());
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions().first()->text(), QStringLiteral("Copy link"));
    menu->actions().first()->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), link);
}

void TestPhoneScreen::showsEachStateOfTheLink_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<QStringList>("links");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("seenSecondsAgo"); // -1: never
    QTest::addColumn<QString>("qr");         // code, loader or still
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("errorNote");

    const QStringList link{QStringLiteral("https://192.168.1.5:8443/?t=abcdefghijkmnpqr")};
    QTest::newRow("off") << false << QStringList() << "" << -1 << "still" << "" << "turnOn" << false;
    QTest::newRow("off with a stale error") << false << QStringList() << "port in use" << -1 << "still" << ""
                                            << "turnOn" << false;
    QTest::newRow("starting") << true << QStringList() << "" << -1 << "loader" << "Waiting for the phone"
                              << "newCode" << false;
    QTest::newRow("links published") << true << link << "" << -1 << "code" << "Waiting for the phone" << "newCode"
                                     << false;
    QTest::newRow("connected 44 s ago") << true << link << "" << 44 << "code" << "Phone connected — you can talk"
                                        << "disconnect" << false;
    QTest::newRow("disconnected 45 s ago") << true << link << "" << 45 << "code" << "Waiting for the phone"
                                           << "newCode" << false;
    QTest::newRow("server error") << true << QStringList() << "Could not listen on port 8443: <in use>" << -1
                                  << "still" << "Waiting for the phone" << "newCode" << true;
}

void TestPhoneScreen::showsEachStateOfTheLink()
{
    QFETCH(bool, on);
    QFETCH(QStringList, links);
    QFETCH(QString, error);
    QFETCH(int, seenSecondsAgo);
    QFETCH(QString, qr);
    QFETCH(QString, status);
    QFETCH(QString, button);
    QFETCH(bool, errorNote);
    Rig rig;
    rig.state.updateConfig([on](Config& c) { c.phoneServerEnabled = on; });
    rig.state.setPhoneLinks(links, {});
    rig.state.setPhoneError(error);
    if (seenSecondsAgo >= 0)
        rig.state.setPhoneLastSeen(rig.clock.now().addSecs(-seenSecondsAgo));
    rig.open();

    QWidget* content = rig.screen->connectCard()->qrBox()->content();
    const auto* placeholder = qobject_cast<QRPlaceholder*>(content);
    const QString shown = qobject_cast<QRCodeView*>(content) ? QStringLiteral("code")
        : placeholder && placeholder->isStill()              ? QStringLiteral("still")
        : placeholder                                        ? QStringLiteral("loader")
                                                             : QStringLiteral("nothing");
    QCOMPARE(shown, qr);
    if (on)
        QCOMPARE(rig.find<TextLabel>("phoneStatus")->text(), status);
    QVERIFY(!rig.shows("phoneStatus") || on);
    for (const QString& name : {QStringLiteral("turnOn"), QStringLiteral("newCode"), QStringLiteral("disconnect")})
        QCOMPARE(rig.shows(name), name == button);
    QCOMPARE(rig.shows("phoneError"), errorNote);
    if (errorNote)
        QCOMPARE(rig.screen->errorNote()->text(), error);
    QVERIFY(rig.state.toast() == std::nullopt);
}

void TestPhoneScreen::contactGoesStaleWithoutAChange()
{
    Rig rig;
    rig.state.updateConfig([](Config& c) { c.phoneServerEnabled = true; });
    rig.state.setPhoneLastSeen(rig.clock.now());
    rig.open();
    auto* status = rig.find<TextLabel>("phoneStatus");
    QCOMPARE(status->text(), QStringLiteral("Phone connected — you can talk"));
    rig.clock.advance(44000);
    QCOMPARE(status->text(), QStringLiteral("Phone connected — you can talk"));
    rig.clock.advance(2000);
    QCOMPARE(status->text(), QStringLiteral("Waiting for the phone"));
    QVERIFY(rig.shows("newCode"));
}

void TestPhoneScreen::buttonsActOnTheLink()
{
    Rig rig;
    rig.open();
    QSignalSpy changed(&rig.state, &AppState::configChanged);
    QTest::mouseClick(rig.find<QWidget>("turnOn"), Qt::LeftButton);
    QVERIFY(rig.state.config().phoneServerEnabled);
    QCOMPARE(changed.count(), 1);
    QVERIFY(rig.shows("newCode") && !rig.shows("turnOn"));
    QCOMPARE(rig.newCodes, 0);

    QTest::mouseClick(rig.find<QWidget>("newCode"), Qt::LeftButton);
    QCOMPARE(rig.newCodes, 1);
    rig.state.setPhoneLastSeen(rig.clock.now());
    QTest::mouseClick(rig.find<QWidget>("disconnect"), Qt::LeftButton);
    QCOMPARE(rig.newCodes, 2);
    QVERIFY(rig.shows("newCode") && !rig.shows("disconnect"));
    QCOMPARE(changed.count(), 1);
}

void TestPhoneScreen::announcesContact_data()
{
    QTest::addColumn<int>("before"); // seconds before now; -1: absent
    QTest::addColumn<int>("after");  // -1: absent
    QTest::addColumn<bool>("toast");
    QTest::newRow("first contact") << -1 << 0 << true;
    QTest::newRow("after 44.9 s") << 44900 << 0 << false;
    QTest::newRow("after exactly 45 s") << 45000 << 0 << true;
    QTest::newRow("cleared") << 1000 << -1 << false;
}

void TestPhoneScreen::announcesContact()
{
    QFETCH(int, before);
    QFETCH(int, after);
    QFETCH(bool, toast);
    Rig rig;
    rig.state.updateConfig([](Config& c) { c.phoneServerEnabled = true; });
    const QDateTime now = rig.clock.now();
    if (before >= 0)
        rig.state.setPhoneLastSeen(now.addMSecs(-before));
    rig.open();
    QVERIFY2(rig.state.toast() == std::nullopt, "nothing when the screen appears");

    rig.state.setPhoneLastSeen(after >= 0 ? std::optional<QDateTime>(now.addMSecs(-after)) : std::nullopt);
    QCOMPARE(rig.state.toast().has_value(), toast);
    if (toast) {
        QCOMPARE(rig.state.toast()->title, QStringLiteral("Phone connected"));
        QCOMPARE(rig.state.toast()->detail, QString());
        QCOMPARE(rig.state.toast()->tone, ToastTone::success);
    }

    // While another screen is shown nothing is announced, and nothing is replayed after.
    rig.clock.advance(5000);
    QVERIFY(!rig.state.toast());
    rig.screen->hide();
    rig.state.setPhoneLastSeen(std::nullopt);
    rig.state.setPhoneLastSeen(rig.clock.now());
    QVERIFY(!rig.state.toast());
    rig.screen->show();
    rig.state.setPhoneLastSeen(rig.clock.now().addSecs(1));
    QVERIFY(!rig.state.toast());
}

void TestPhoneScreen::listsPhoneRecordings()
{
    Rig rig;
    rig.open();
    PhoneRecordingList* list = rig.screen->recordings()->list();
    QCOMPARE(list->entries().size(), 0);
    QCOMPARE(list->height(), PhoneRecordingList::lineHeight);

    const QString spoken = QStringLiteral("Salom <b>dunyo</b>\nikkinchi qator");
    QList<HistoryEntry> entries;
    entries << entry(spoken, "phone") << entry("typed here", "mac") << entry("other case", "Phone");
    HistoryEntry failed = entry(QString(), "phone", QDateTime::currentDateTime().addDays(-1));
    failed.status = HistoryEntry::Status::failed;
    entries << failed;
    for (int i = 0; i < 600; ++i)
        entries << entry(QStringLiteral("note %1").arg(i), "phone", QDateTime::currentDateTime().addDays(-3));
    rig.state.updateHistory([&entries](History& h) { h.entries = entries; });

    QCOMPARE(list->entries().size(), 602);
    QCOMPARE(list->entries().at(0).text, spoken);
    QCOMPARE(list->entries().at(1).status, HistoryEntry::Status::failed);
    // Lines are painted, not built: nothing per entry exists as a widget.
    QCOMPARE(list->findChildren<QWidget*>().size(), 0);
    QCOMPARE(list->height(), 602 * PhoneRecordingList::lineHeight);

    // The tooltip is the whole transcript as text; the menu copies it with its line breaks.
    const QPoint onFirst(100, 20);
    QHelpEvent help(QEvent::ToolTip, onFirst, list->mapToGlobal(onFirst));
    QApplication::sendEvent(list, &help);
    QCOMPARE(QToolTip::text(), ToolTipText::plain(spoken));
    QVERIFY(QToolTip::text().contains(QStringLiteral("&lt;b&gt;")));
    std::unique_ptr<QMenu> menu(list->makeMenu(0));
    QCOMPARE(menu->actions().first()->text(), QStringLiteral("Copy text"));
    menu->actions().first()->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), spoken);
    QCOMPARE(list->lineAt(PhoneRecordingList::lineHeight + 1), 1);
    QCOMPARE(list->lineAt(602 * PhoneRecordingList::lineHeight), -1);
    QVERIFY(!rig.state.toast());
}

QTEST_MAIN(TestPhoneScreen)
#include "TestPhoneScreen.moc"
