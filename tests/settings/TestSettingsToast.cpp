#include "GalleryFile.h"
#include "TempDataDir.h"

#include "core/AppState.h"
#include "design/Onest.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/components/ToastView.h"
#include "screens/MainView.h"
#include "screens/SettingsOverlay.h"
#include "screens/ToastLayer.h"
#include "settings/SettingsPanel.h"

#include <QScrollArea>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool near(QRgb a, const QColor& b)
{
    return std::abs(qRed(a) - b.red()) <= 6 && std::abs(qGreen(a) - b.green()) <= 6 && std::abs(qBlue(a) - b.blue()) <= 6;
}

} // namespace

// A toast raised while the settings are open shows over them, whole, and
// covers none of the panel's controls: at a roomy window and at the smallest
// one, on every tab, with a short note and with a long error.
class TestSettingsToast final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Onest::registerFaces(); }
    void cleanup() { Theme::instance().setMode(Theme::Mode::Light); }
    void toastOverSettings_data();
    void toastOverSettings();
};

void TestSettingsToast::toastOverSettings_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<SettingsTab>("tab");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<bool>("error");
    const QList<std::pair<SettingsTab, const char*>> tabs{{SettingsTab::general, "general"},
                                                          {SettingsTab::shortcuts, "shortcuts"},
                                                          {SettingsTab::ai, "ai"},
                                                          {SettingsTab::microphone, "microphone"},
                                                          {SettingsTab::advanced, "advanced"}};
    for (const QSize size : {QSize(1200, 800), QSize(960, 640)}) {
        for (const auto& [tab, name] : tabs) {
            QTest::addRow("%dx%d-%s-light", size.width(), size.height(), name) << size << tab << false << false;
            QTest::addRow("%dx%d-%s-dark", size.width(), size.height(), name) << size << tab << true << false;
            QTest::addRow("%dx%d-%s-error-light", size.width(), size.height(), name) << size << tab << false << true;
        }
    }
}

void TestSettingsToast::toastOverSettings()
{
    QFETCH(QSize, size);
    QFETCH(SettingsTab, tab);
    QFETCH(bool, dark);
    QFETCH(bool, error);
    Theme::instance().setMode(dark ? Theme::Mode::Dark : Theme::Mode::Light);
    TempDataDir data;
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    AppState state;
    state.updateConfig([dark](Config& c) {
        c.theme = dark ? ThemeMode::dark : ThemeMode::light;
        c.phoneServerEnabled = true;
        c.phonePlainEnabled = true;
    });
    AppActions actions;
    MainView view(state, actions, [&](QWidget* parent) { return new SettingsPanel(state, actions, parent); });
    view.resize(size);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    state.setSettingsTab(tab);
    state.setSettingsOpen(true);
    if (error)
        state.showToast(QStringLiteral("Export failed"),
                        QStringLiteral("The archive could not be written to the folder you chose: there is no space "
                                       "left on the device (/home/user/Documents/Kesto Viruz backups)"),
                        ToastTone::danger);
    else
        state.showToast(QStringLiteral("Data deleted"), QStringLiteral("History, notes and vocabulary were cleared"),
                        ToastTone::success);
    QCoreApplication::processEvents();

    ToastView* toast = view.toastLayer()->toast();
    QVERIFY(toast);
    SettingsOverlay* overlay = view.settingsOverlay();
    QVERIFY(overlay);
    // In front of the overlay, and not blurred with the content.
    const QObjectList layers = view.children();
    QVERIFY(layers.indexOf(view.toastLayer()) > layers.indexOf(overlay));
    QVERIFY(!view.content()->isAncestorOf(toast));

    const QRectF card = toast->cardRect().translated(toast->mapTo(&view, QPoint()));
    QVERIFY2(QRectF(view.rect()).contains(card), qPrintable(QStringLiteral("card at %1,%2 %3x%4")
                                                                .arg(card.x()).arg(card.y()).arg(card.width()).arg(card.height())));
    // Clear of every control of the panel that shows: buttons, fields,
    // switches, tabs, the Close button.
    const QWidget* panel = overlay->panel();
    int controls = 0;
    for (QWidget* control : panel->findChildren<QWidget*>()) {
        if (!control->isVisible() || control->focusPolicy() == Qt::NoFocus || qobject_cast<QScrollArea*>(control))
            continue;
        const QRect shown = control->visibleRegion().boundingRect();
        if (shown.isEmpty())
            continue;
        ++controls;
        const QRectF at(QRectF(shown).translated(control->mapTo(&view, QPoint())));
        QVERIFY2(!at.intersects(card), qPrintable(QStringLiteral("the toast at %1,%2 %3x%4 covers %5 (%6) at %7,%8 %9x%10")
                                                      .arg(card.x()).arg(card.y()).arg(card.width()).arg(card.height())
                                                      .arg(control->objectName(), control->metaObject()->className())
                                                      .arg(at.x()).arg(at.y()).arg(at.width()).arg(at.height())));
    }
    QVERIFY(controls > 5);

    // On the window's picture the toast's icon shows in its own colour,
    // undimmed by the backdrop.
    const QImage picture = view.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const qreal ratio = picture.devicePixelRatio();
    const QRect inPixels((card.topLeft() * ratio).toPoint(), (card.size() * ratio).toSize());
    int icon = 0;
    for (int y = inPixels.top(); y <= inPixels.bottom(); ++y)
        for (int x = inPixels.left(); x <= inPixels.right(); ++x)
            icon += near(picture.pixel(x, y), (error ? Palette::negative : Palette::positive).color());
    QVERIFY2(icon > 12, qPrintable(QString::number(icon)));

    // For a person to look at, when a gallery folder is named.
    const QString folder = qEnvironmentVariable("KESTO_GALLERY_DIR");
    if (!folder.isEmpty()) {
        QVERIFY(picture.save(
            GalleryFile::path(folder, QStringLiteral("settings-toast-") + QString::fromLatin1(QTest::currentDataTag()))));
    }
    qunsetenv("XDG_CONFIG_HOME");
}

QTEST_MAIN(TestSettingsToast)
#include "TestSettingsToast.moc"
