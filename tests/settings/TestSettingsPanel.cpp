#include "SettingsTestSupport.h"
#include "TempDataDir.h"

#include "core/AppState.h"
#include "design/Onest.h"
#include "design/components/SIconButton.h"
#include "design/components/TextLabel.h"
#include "settings/SettingsNavItem.h"
#include "settings/SettingsPanel.h"

#include <QScrollArea>
#include <QScrollBar>

using namespace SettingsTest;

// The panel's frame: which tab it shows and highlights, switching, closing
// and reopening, and its width rules.
class TestSettingsPanel final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Onest::registerFaces(); }
    void opensOnTheRememberedTab_data();
    void opensOnTheRememberedTab();
    void switchesTabs();
    void closingKeepsTheTabAndDropsTheContent();
    void narrowPanelKeepsTheNavigationWidth();
};

namespace {

QString title(SettingsPanel& panel)
{
    return find<TextLabel>(&panel, QStringLiteral("settingsTitle"))->text();
}

QStringList highlighted(SettingsPanel& panel)
{
    QStringList on;
    for (SettingsNavItem* item : panel.findChildren<SettingsNavItem*>()) {
        if (item->isOn())
            on << item->objectName();
    }
    return on;
}

} // namespace

void TestSettingsPanel::opensOnTheRememberedTab_data()
{
    QTest::addColumn<std::optional<SettingsTab>>("remembered");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("item");
    QTest::newRow("fresh state") << std::optional<SettingsTab>() << QStringLiteral("General") << QStringLiteral("nav-general");
    QTest::newRow("advanced last") << std::optional<SettingsTab>(SettingsTab::advanced) << QStringLiteral("Advanced")
                                   << QStringLiteral("nav-advanced");
    QTest::newRow("ai at start-up") << std::optional<SettingsTab>(SettingsTab::ai) << QStringLiteral("AI and languages")
                                    << QStringLiteral("nav-ai");
}

void TestSettingsPanel::opensOnTheRememberedTab()
{
    QFETCH(std::optional<SettingsTab>, remembered);
    QFETCH(QString, title);
    QFETCH(QString, item);
    TempDataDir data;
    AppState state;
    if (remembered)
        state.setSettingsTab(*remembered);
    state.setSettingsOpen(true);
    SettingsPanel panel(state, state.actions());
    QCOMPARE(::title(panel), title);
    QCOMPARE(highlighted(panel), QStringList{item});
    QCOMPARE(panel.content()->objectName(), QStringLiteral("tab-") + item.mid(4));
}

void TestSettingsPanel::switchesTabs()
{
    TempDataDir data;
    AppState state;
    state.setSettingsOpen(true);
    SettingsPanel panel(state, state.actions());
    panel.resize(940, 660);
    panel.show();

    QTest::mouseClick(find<SettingsNavItem>(&panel, QStringLiteral("nav-shortcuts")), Qt::LeftButton);
    QCOMPARE(state.settingsTab(), SettingsTab::shortcuts);
    QCOMPARE(title(panel), QStringLiteral("Shortcuts"));
    QCOMPARE(panel.content()->objectName(), QStringLiteral("tab-shortcuts"));

    // The controller switches while the panel is open.
    state.setSettingsTab(SettingsTab::microphone);
    QCOMPARE(title(panel), QStringLiteral("Microphone"));
    QCOMPARE(highlighted(panel), QStringList{QStringLiteral("nav-microphone")});

    // Choosing the shown tab again keeps its view and scroll position.
    state.setSettingsTab(SettingsTab::advanced);
    QScrollBar* bar = panel.scrollArea()->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 0);
    bar->setValue(bar->maximum());
    QWidget* shown = panel.content();
    QTest::mouseClick(find<SettingsNavItem>(&panel, QStringLiteral("nav-advanced")), Qt::LeftButton);
    QCOMPARE(panel.content(), shown);
    QCOMPARE(bar->value(), bar->maximum());

    // Leaving and coming back starts at the top again.
    QTest::mouseClick(find<SettingsNavItem>(&panel, QStringLiteral("nav-general")), Qt::LeftButton);
    QTest::mouseClick(find<SettingsNavItem>(&panel, QStringLiteral("nav-advanced")), Qt::LeftButton);
    QCOMPARE(panel.scrollArea()->verticalScrollBar()->value(), 0);
}

void TestSettingsPanel::closingKeepsTheTabAndDropsTheContent()
{
    TempDataDir data;
    AppState state;
    state.setSettingsTab(SettingsTab::ai);
    state.setSettingsOpen(true);
    SettingsPanel panel(state, state.actions());

    QTest::mouseClick(find<SIconButton>(&panel, QStringLiteral("settingsClose")), Qt::LeftButton);
    QVERIFY(!state.settingsOpen());
    QCOMPARE(state.settingsTab(), SettingsTab::ai);
    QVERIFY(!panel.content());

    state.setSettingsOpen(true);
    QVERIFY(panel.content());
    QCOMPARE(panel.content()->objectName(), QStringLiteral("tab-ai"));
}

void TestSettingsPanel::narrowPanelKeepsTheNavigationWidth()
{
    TempDataDir data;
    AppState state;
    state.setSettingsOpen(true);
    SettingsPanel panel(state, state.actions());
    panel.resize(700, 600);
    panel.show();
    QCOMPARE(find<QWidget>(&panel, QStringLiteral("settingsNav"))->width(), SettingsPanel::navWidth);
    QCOMPARE(panel.scrollArea()->width(), 700 - SettingsPanel::navWidth);
}

QTEST_MAIN(TestSettingsPanel)
#include "TestSettingsPanel.moc"
