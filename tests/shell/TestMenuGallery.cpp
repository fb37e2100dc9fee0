#include "GalleryFile.h"

#include "core/AppState.h"
#include "core/L10n.h"
#include "design/Onest.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/ToolTipLook.h"
#include "design/components/Alert.h"
#include "design/components/SInput.h"
#include "screens/FolderRow.h"
#include "screens/NotesColumn.h"
#include "screens/NotesScreen.h"
#include "screens/PhoneRecordingList.h"
#include "screens/QRBox.h"
#include "shell/MainWindow.h"
#include "shell/StatusItem.h"
#include "shell/StatusMenu.h"
#include "shell/WindowFactory.h"

#include "FakeClock.h"
#include "TempDataDir.h"
#include "ThemePixels.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// Every menu of the application and its one alert, as the real windows open
// them, in three languages, light and dark, saved under KESTO_GALLERY_DIR:
// a text field's own menu, a Notes folder's menu and its delete question, the
// phone link's QR code and recording menus, and the tray menu. Each is drawn
// in the theme: the card's fill and outline, and nothing of Qt's stock
// palette.
class TestMenuGallery final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void pictures_data();
    void pictures();

private:
    QMenu* openMenu(QWidget* widget, const QPoint& at);
    void checkMenu(QMenu* menu, const QString& name);
    void save(const QImage& picture, const QString& name);

    QString m_folder;
    QString m_suffix;
};

namespace {

const QDateTime now(QDate(2026, 3, 14), QTime(16, 40));

HistoryEntry fromPhone(const QString& text, const QDateTime& date)
{
    HistoryEntry e;
    e.text = text;
    e.source = QStringLiteral("phone");
    e.date = date;
    return e;
}

} // namespace

void TestMenuGallery::initTestCase()
{
    Onest::registerFaces();
    ToolTipLook::install();
    m_folder = qEnvironmentVariable("KESTO_GALLERY_DIR", QDir::currentPath() + QStringLiteral("/gallery"));
}

void TestMenuGallery::cleanup()
{
    Theme::instance().setMode(Theme::Mode::Light);
    L10n::install(QStringLiteral("en"));
    qunsetenv("XDG_CONFIG_HOME");
}

void TestMenuGallery::pictures_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("dark");
    for (const char* language : {"en", "ru", "uz"}) {
        QTest::addRow("%s-light", language) << QString::fromLatin1(language) << false;
        QTest::addRow("%s-dark", language) << QString::fromLatin1(language) << true;
    }
}

QMenu* TestMenuGallery::openMenu(QWidget* widget, const QPoint& at)
{
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &request);
    // Null when none opened; the check of the menu says so.
    for (int i = 0; i < 100 && !qobject_cast<QMenu*>(QApplication::activePopupWidget()); ++i)
        QTest::qWait(20);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

void TestMenuGallery::save(const QImage& picture, const QString& name)
{
    QVERIFY2(picture.save(GalleryFile::path(m_folder, name + m_suffix)), qPrintable(name));
}

void TestMenuGallery::checkMenu(QMenu* menu, const QString& name)
{
    QVERIFY2(menu, qPrintable(name + QStringLiteral(": no menu opened")));
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(!menu->actions().isEmpty());
    const QImage picture = menu->grab().toImage();
    const QString stock = ThemePixels::stockPaletteProblem(picture);
    QVERIFY2(stock.isEmpty(), qPrintable(name + QStringLiteral(": ") + stock));
    // The theme's card: its fill around the items, its outline at the edge.
    const QColor fill = ThemePixels::at(picture, QPoint(menu->width() / 2, 2));
    QVERIFY2(ThemePixels::same(fill, Palette::surfaceCard.color(), 2),
             qPrintable(name + QStringLiteral(": filled with ") + fill.name()));
    const QColor edge = ThemePixels::at(picture, QPoint(0, menu->height() / 2));
    QVERIFY2(ThemePixels::same(edge, Palette::borderDefault.color(), 2),
             qPrintable(name + QStringLiteral(": outlined with ") + edge.name()));
    save(picture, name);
    menu->close();
    QTRY_VERIFY(!QApplication::activePopupWidget());
}

void TestMenuGallery::pictures()
{
    QFETCH(QString, language);
    QFETCH(bool, dark);
    L10n::install(language);
    Theme::instance().setMode(dark ? Theme::Mode::Dark : Theme::Mode::Light);
    m_suffix = QStringLiteral("-%1-%2").arg(language, dark ? QStringLiteral("dark") : QStringLiteral("light"));

    TempDataDir data;
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    FakeClock clock(now);
    AppState state(clock);
    const NoteFolder work{QUuid::createUuid(), QStringLiteral("Work & plans")};
    state.updateNotes([&](NotesStore& notes) {
        Note first;
        first.folderID = work.id;
        first.title = QStringLiteral("Weekly sync");
        Note second = first;
        second.id = QUuid::createUuid();
        second.title = QStringLiteral("Budget");
        notes.folders = {work, NoteFolder{QUuid::createUuid(), QStringLiteral("Личное")}};
        notes.notes = {first, second};
    });
    state.updateConfig([](Config& c) { c.phoneServerEnabled = true; });
    state.setPhoneRunning(true);
    state.setPhoneLinks({QStringLiteral("https://192.168.1.5:8443/?t=abcdefghijkmnpqr")}, {});
    state.updateHistory([](History& h) {
        h.entries = {fromPhone(QStringLiteral("Ertaga soat o'nda uchrashuvni unutmang."), now.addSecs(-600)),
                     fromPhone(QStringLiteral("Buy milk, bread and coffee on the way home"), now.addDays(-1))};
    });

    std::unique_ptr<MainWindow> window(static_cast<MainWindow*>(WindowFactory::standard().mainWindow(state)));
    window->resize(1200, 800);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    // A text field's Cut, Copy, Paste: the sidebar's search field.
    auto* search = window->findChild<SInput*>(QStringLiteral("search"));
    QVERIFY(search);
    search->lineEdit()->setText(QStringLiteral("sync"));
    search->lineEdit()->selectAll();
    checkMenu(openMenu(search->lineEdit(), QPoint(10, 10)), QStringLiteral("menu-text-field"));

    // A folder's Rename and Delete, and the question before a folder with
    // notes goes.
    state.setScreen(Screen::notes);
    QTRY_VERIFY(window->findChild<NotesScreen*>() && window->findChild<NotesScreen*>()->isVisible());
    NotesScreen* notes = window->findChild<NotesScreen*>();
    FolderRow* row = notes->column()->folderRow(work.id);
    QVERIFY(row);
    QMenu* folderMenu = openMenu(row, QPoint(10, 10));
    QAction* remove = folderMenu ? folderMenu->findChild<QAction*>(QStringLiteral("deleteAction")) : nullptr;
    checkMenu(folderMenu, QStringLiteral("menu-folder"));
    QVERIFY(remove);
    remove->trigger();
    QTRY_VERIFY(notes->deleteAlert() && notes->deleteAlert()->isVisible());
    Alert* alert = notes->deleteAlert();
    QCoreApplication::processEvents();
    const QImage shown = window->grab().toImage();
    const QString stock = ThemePixels::stockPaletteProblem(shown);
    QVERIFY2(stock.isEmpty(), qPrintable(QStringLiteral("alert: ") + stock));
    const QRect card = alert->cardRect().translated(alert->mapTo(window.get(), QPoint()));
    QVERIFY(std::abs(card.center().x() - window->rect().center().x()) <= 1);
    QVERIFY(std::abs(card.center().y() - window->rect().center().y()) <= 1);
    const QColor cardFill = ThemePixels::at(shown, QPoint(card.left() + 6, card.center().y()));
    QVERIFY2(ThemePixels::same(cardFill, Palette::surfaceCard.color(), 2), qPrintable(cardFill.name()));
    if (language != QStringLiteral("en"))
        QVERIFY2(!alert->title().startsWith(QStringLiteral("Delete")), "the translation is not loaded");
    save(shown, QStringLiteral("alert-delete-folder"));
    alert->done(-1);
    QTRY_VERIFY(!notes->deleteAlert());

    // The phone link's QR code and a recording from the phone.
    state.setScreen(Screen::phone);
    QTRY_VERIFY(window->findChild<QRBox*>() && window->findChild<QRBox*>()->isVisible());
    checkMenu(openMenu(window->findChild<QRBox*>(), QPoint(20, 20)), QStringLiteral("menu-qr-code"));
    auto* recordings = window->findChild<PhoneRecordingList*>();
    QVERIFY(recordings && recordings->isVisible());
    checkMenu(openMenu(recordings, QPoint(20, 10)), QStringLiteral("menu-phone-recording"));

    // The tray's menu, where the application draws it.
    StatusMenuInput input;
    input.lastTranscript = QStringLiteral("Buy milk, bread and coffee on the way home");
    input.inputs = {{QStringLiteral("mic-1"), QStringLiteral("Built-in Audio Analog Stereo")},
                    {QStringLiteral("mic-2"), QStringLiteral("USB Headset")}};
    input.inputDeviceID = QStringLiteral("mic-1");
    input.microphoneName = QStringLiteral("Built-in Audio Analog Stereo");
    input.versionLabel = StatusMenu::versionLabel();
    StatusItem tray;
    tray.refresh(Phase::idle, true, StatusMenu::build(input));
    tray.menu()->popup(window->mapToGlobal(QPoint(40, 40)));
    checkMenu(tray.menu(), QStringLiteral("menu-tray"));
}

QTEST_MAIN(TestMenuGallery)
#include "TestMenuGallery.moc"
