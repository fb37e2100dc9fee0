#include "design/Icon.h"
#include "design/Onest.h"
#include "design/Theme.h"
#include "design/components/Avatar.h"
#include "design/components/Badge.h"
#include "design/components/Chip.h"
#include "design/components/EmptyStateView.h"
#include "design/components/IconTile.h"
#include "design/components/InfoNote.h"
#include "design/components/Keycap.h"
#include "design/components/Overline.h"
#include "design/components/SButton.h"
#include "design/components/SIconButton.h"
#include "design/components/SInput.h"
#include "design/components/SSegmented.h"
#include "design/components/SSelect.h"
#include "design/components/SSwitch.h"
#include "design/components/SwitchRow.h"
#include "design/components/ToastView.h"
#include "design/components/TrafficLights.h"
#include "design/components/Wordmark.h"

#include "GallerySheet.h"

#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QtTest>

// Every control in every variant, size and state, light and dark, saved as
// pictures under KESTO_GALLERY_DIR for a person to look at. The test fails
// when a control paints nothing or a single flat colour.
class TestGallery final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup() { Theme::instance().setMode(Theme::Mode::Light); }

    void buttons_data() { themes(); }
    void buttons();
    void iconButtons_data() { themes(); }
    void iconButtons();
    void inputs_data() { themes(); }
    void inputs();
    void selects_data() { themes(); }
    void selects();
    void openSelect_data() { themes(); }
    void openSelect();
    void switches_data() { themes(); }
    void switches();
    void chips_data() { themes(); }
    void chips();
    void badges_data() { themes(); }
    void badges();
    void tiles_data() { themes(); }
    void tiles();
    void display_data() { themes(); }
    void display();
    void icons_data() { themes(); }
    void icons();

private:
    static void themes();
    void applyTheme();
    void finish(GallerySheet& sheet);

    QString m_folder;
};

namespace {

const QStringList pushStates = {QStringLiteral("normal"), QStringLiteral("hot"), QStringLiteral("pressed"),
                                QStringLiteral("disabled"), QStringLiteral("focused")};

// The state of column i of pushStates.
template <class Control>
std::function<void(Control&)> pushState(int column)
{
    switch (column) {
    case 1:
        return [](Control& c) { GallerySheet::hover(c); };
    case 2:
        return [](Control& c) { GallerySheet::press(c); };
    case 3:
        return [](Control& c) { GallerySheet::disable(c); };
    case 4:
        return [](Control& c) { GallerySheet::focus(c); };
    default:
        return {};
    }
}

const QList<std::pair<ControlSize, QString>> sizes = {
    {ControlSize::Sm, QStringLiteral("sm")}, {ControlSize::Md, QStringLiteral("md")}, {ControlSize::Lg, QStringLiteral("lg")}};

const ChoiceOptions languages = {{QStringLiteral("en"), QStringLiteral("English")},
                                 {QStringLiteral("uz"), QStringLiteral("O\u2018zbekcha")},
                                 {QStringLiteral("ru"), QStringLiteral("\u0420\u0443\u0441\u0441\u043a\u0438\u0439")}};

const QString longText = QStringLiteral(
    "The recording was kept in History so that you can transcribe it again once the connection is back.");

} // namespace

void TestGallery::initTestCase()
{
    Onest::registerFaces();
    m_folder = qEnvironmentVariable("KESTO_GALLERY_DIR");
    if (m_folder.isEmpty())
        m_folder = QDir::temp().filePath(QStringLiteral("kesto-gallery"));
}

void TestGallery::themes()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
}

void TestGallery::applyTheme()
{
    QFETCH(bool, dark);
    Theme::instance().setMode(dark ? Theme::Mode::Dark : Theme::Mode::Light);
}

void TestGallery::finish(GallerySheet& sheet)
{
    const QStringList problems = sheet.finish(m_folder);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void TestGallery::buttons()
{
    applyTheme();
    GallerySheet sheet(QStringLiteral("buttons"), pushStates);
    const QList<std::pair<ButtonVariant, QString>> variants = {
        {ButtonVariant::Primary, QStringLiteral("primary")}, {ButtonVariant::Secondary, QStringLiteral("secondary")},
        {ButtonVariant::Soft, QStringLiteral("soft")},       {ButtonVariant::Ghost, QStringLiteral("ghost")},
        {ButtonVariant::Danger, QStringLiteral("danger")}};
    for (const auto& [variant, variantName] : variants) {
        for (const auto& [size, sizeName] : sizes) {
            const int row = sheet.row(variantName + u' ' + sizeName);
            for (int column = 0; column < pushStates.size(); ++column)
                sheet.put(row, column, new SButton(QStringLiteral("Save"), variant, size), pushState<SButton>(column));
        }
    }
    for (const auto& [variant, variantName] : variants) {
        const int row = sheet.row(variantName + QStringLiteral(" icons"));
        for (int column = 0; column < pushStates.size(); ++column) {
            auto* button = new SButton(QStringLiteral("Copy"), variant, ControlSize::Md);
            button->setIcon(QStringLiteral("copy"));
            button->setIconRight(QStringLiteral("chevron-down"));
            sheet.put(row, column, button, pushState<SButton>(column));
        }
    }
    const int block = sheet.row(QStringLiteral("block, long"));
    auto* wide = new SButton(QStringLiteral("Continue"), ButtonVariant::Primary, ControlSize::Lg);
    wide->setBlock(true);
    wide->setIconRight(QStringLiteral("arrow-right"));
    wide->setFixedWidth(260);
    sheet.put(block, 0, wide);
    auto* cut = new SButton(QStringLiteral("Transcribe every recording again"), ButtonVariant::Secondary);
    cut->setFixedWidth(150);
    sheet.put(block, 1, cut);
    finish(sheet);
}

void TestGallery::iconButtons()
{
    applyTheme();
    GallerySheet sheet(QStringLiteral("icon-buttons"), pushStates);
    const QList<std::pair<IconButtonVariant, QString>> variants = {{IconButtonVariant::Ghost, QStringLiteral("ghost")},
                                                                   {IconButtonVariant::Outline, QStringLiteral("outline")},
                                                                   {IconButtonVariant::Primary, QStringLiteral("primary")}};
    for (const auto& [variant, name] : variants) {
        for (const int diameter : {28, 36}) {
            const int row = sheet.row(name + u' ' + QString::number(diameter));
            for (int column = 0; column < pushStates.size(); ++column)
                sheet.put(row, column, new SIconButton(QStringLiteral("trash-2"), variant, diameter),
                          pushState<SIconButton>(column));
        }
    }
    const int row = sheet.row(QStringLiteral("icon size 16"));
    auto* stop = new SIconButton(QStringLiteral("square"), IconButtonVariant::Primary, 36);
    stop->setIconSize(14);
    sheet.put(row, 0, stop);
    auto* cancel = new SIconButton(QStringLiteral("x"), IconButtonVariant::Ghost, 34);
    cancel->setIconSize(16);
    sheet.put(row, 1, cancel, pushState<SIconButton>(1));
    finish(sheet);
}

void TestGallery::inputs()
{
    applyTheme();
    QStringList columns;
    for (const auto& size : sizes)
        columns << size.second;
    GallerySheet sheet(QStringLiteral("inputs"), columns);
    using Setup = std::function<void(SInput&)>;
    using Apply = std::function<void(SInput&)>;
    struct Case {
        QString name;
        Setup setup;
        Apply state;
    };
    const QList<Case> cases = {
        {QStringLiteral("placeholder"), {}, {}},
        {QStringLiteral("text"), [](SInput& i) { i.setText(QStringLiteral("Davud Karimov")); }, {}},
        {QStringLiteral("hot"), {}, [](SInput& i) { GallerySheet::hover(i); }},
        {QStringLiteral("focused"), [](SInput& i) { i.setText(QStringLiteral("Tashkent")); },
         [](SInput& i) { GallerySheet::focus(*i.lineEdit()); }},
        {QStringLiteral("error"), [](SInput& i) { i.setText(QStringLiteral("AIza-wrong")), i.setError(true); }, {}},
        {QStringLiteral("error focused"), [](SInput& i) { i.setText(QStringLiteral("AIza-wrong")), i.setError(true); },
         [](SInput& i) { GallerySheet::focus(*i.lineEdit()); }},
        {QStringLiteral("sunken"), [](SInput& i) { i.setSunken(true), i.setIcon(QStringLiteral("search")); }, {}},
        {QStringLiteral("sunken focused"), [](SInput& i) { i.setSunken(true), i.setIcon(QStringLiteral("search")); },
         [](SInput& i) { GallerySheet::focus(*i.lineEdit()); }},
        {QStringLiteral("secure"), [](SInput& i) { i.setSecure(true), i.setText(QStringLiteral("AIzaSyD-secret")); }, {}},
        {QStringLiteral("icon, suffix"),
         [](SInput& i) { i.setIcon(QStringLiteral("globe")), i.setSuffix(QStringLiteral("port")), i.setText(QStringLiteral("8765")); },
         {}},
        {QStringLiteral("disabled"), [](SInput& i) { i.setText(QStringLiteral("Read only")); },
         [](SInput& i) { GallerySheet::disable(i); }},
    };
    for (const Case& c : cases) {
        const int row = sheet.row(c.name);
        for (int column = 0; column < sizes.size(); ++column) {
            auto* input = new SInput(QStringLiteral("Search History"), sizes.at(column).first);
            input->setFixedWidth(240);
            if (c.setup)
                c.setup(*input);
            sheet.put(row, column, input, c.state);
        }
    }
    finish(sheet);
}

void TestGallery::selects()
{
    applyTheme();
    QStringList columns;
    for (const auto& size : sizes)
        columns << size.second;
    GallerySheet sheet(QStringLiteral("selects"), columns);
    struct Case {
        QString name;
        QString icon;
        QVariant selection;
        std::function<void(SSelect&)> state;
    };
    const QList<Case> cases = {
        {QStringLiteral("normal"), {}, QStringLiteral("uz"), {}},
        {QStringLiteral("hot"), {}, QStringLiteral("en"), [](SSelect& s) { GallerySheet::hover(s); }},
        {QStringLiteral("pressed"), {}, QStringLiteral("en"), [](SSelect& s) { GallerySheet::press(s); }},
        {QStringLiteral("focused"), {}, QStringLiteral("ru"), [](SSelect& s) { GallerySheet::focus(s); }},
        {QStringLiteral("disabled"), {}, QStringLiteral("en"), [](SSelect& s) { GallerySheet::disable(s); }},
        {QStringLiteral("icon"), QStringLiteral("languages"), QStringLiteral("ru"), {}},
        {QStringLiteral("no match"), {}, QStringLiteral("de"), {}},
    };
    for (const Case& c : cases) {
        const int row = sheet.row(c.name);
        for (int column = 0; column < sizes.size(); ++column) {
            auto* select = new SSelect(languages, c.selection, sizes.at(column).first);
            select->setIcon(c.icon);
            select->setFixedWidth(220);
            sheet.put(row, column, select, c.state);
        }
    }
    finish(sheet);
}

void TestGallery::openSelect()
{
    // A select with its menu open over it, the chosen item over the field,
    // the keyboard's item hovered: window and menu in one picture.
    applyTheme();
    QWidget page;
    page.setAutoFillBackground(true);
    QPalette palette = page.palette();
    palette.setColor(QPalette::Window, Palette::bgApp.color());
    page.setPalette(palette);
    page.resize(300, 220);
    ChoiceOptions options = languages;
    options.append({QStringLiteral("de"), QStringLiteral("Deutsch & more")});
    auto* select = new SSelect(options, QStringLiteral("uz"), ControlSize::Sm, &page);
    select->setGeometry(24, 60, 220, select->sizeHint().height());
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QTest::mouseClick(select, Qt::LeftButton);
    QMenu* menu = select->menu();
    QVERIFY(menu);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QTest::keyClick(menu, Qt::Key_Down);

    QImage picture = page.grab().toImage();
    {
        QPainter painter(&picture);
        painter.drawImage(QPointF(menu->pos() - page.mapToGlobal(QPoint())), menu->grab().toImage());
    }
    const QString file = GalleryFile::path(
        m_folder, QStringLiteral("select-open-") + (Theme::instance().isDark() ? QStringLiteral("dark") : QStringLiteral("light")));
    QVERIFY(picture.save(file));
    menu->close();
}

void TestGallery::switches()
{
    applyTheme();
    GallerySheet sheet(QStringLiteral("switches"), pushStates);
    for (const bool on : {false, true}) {
        const int row = sheet.row(on ? QStringLiteral("switch on") : QStringLiteral("switch off"));
        for (int column = 0; column < pushStates.size(); ++column)
            sheet.put(row, column, new SSwitch(on), pushState<SSwitch>(column));
    }

    const int rows = sheet.row(QStringLiteral("switch rows"));
    auto addRow = [&](int column, SwitchRow* switchRow) {
        switchRow->setFixedWidth(300);
        sheet.put(rows, column, switchRow);
    };
    addRow(0, new SwitchRow(QStringLiteral("Play sounds")));
    addRow(1, new SwitchRow(QStringLiteral("Pause media"), QStringLiteral("While recording, pause what is playing."), true));
    addRow(2, new SwitchRow(QStringLiteral("Keep audio"), longText, false));

    const int segmented = sheet.row(QStringLiteral("segmented"));
    sheet.put(segmented, 0, new SSegmented(languages, QStringLiteral("en")));
    sheet.put(segmented, 1, new SSegmented(languages, QStringLiteral("uz")), std::function<void(SSegmented&)>([](SSegmented& s) {
                  GallerySheet::hover(s, s.segmentRect(2).center());
              }));
    sheet.put(segmented, 2, new SSegmented(languages, QStringLiteral("none")));
    sheet.put(segmented, 3, new SSegmented({}, {}));
    finish(sheet);
}

void TestGallery::chips()
{
    applyTheme();
    GallerySheet sheet(QStringLiteral("chips"), pushStates);
    for (const bool selected : {false, true}) {
        for (const bool icon : {false, true}) {
            const int row = sheet.row(QString(selected ? "selected" : "unselected") + (icon ? ", icon" : ""));
            for (int column = 0; column < pushStates.size(); ++column)
                sheet.put(row, column, new Chip(QStringLiteral("English"), selected, icon ? QStringLiteral("globe") : QString()),
                          pushState<Chip>(column));
        }
    }
    finish(sheet);
}

void TestGallery::badges()
{
    applyTheme();
    GallerySheet sheet(QStringLiteral("badges"), {QStringLiteral("normal"), QStringLiteral("dot"), QStringLiteral("small"),
                                                  QStringLiteral("small, dot"), QStringLiteral("long, 120 wide")});
    const QList<std::pair<BadgeTone, QString>> tones = {
        {BadgeTone::Success, QStringLiteral("success")}, {BadgeTone::Danger, QStringLiteral("danger")},
        {BadgeTone::Warning, QStringLiteral("warning")}, {BadgeTone::Info, QStringLiteral("info")},
        {BadgeTone::Neutral, QStringLiteral("neutral")}};
    for (const auto& [tone, name] : tones) {
        const int row = sheet.row(name);
        sheet.put(row, 0, new Badge(QStringLiteral("Connected"), tone));
        sheet.put(row, 1, new Badge(QStringLiteral("Recording"), tone, false, true));
        sheet.put(row, 2, new Badge(QStringLiteral("Key saved"), tone, true));
        sheet.put(row, 3, new Badge(QStringLiteral("Offline"), tone, true, true));
        auto* cut = new Badge(longText, tone, false, true);
        cut->setFixedWidth(120);
        sheet.put(row, 4, cut);
    }
    finish(sheet);
}

void TestGallery::tiles()
{
    applyTheme();
    GallerySheet sheet(QStringLiteral("tiles"), {QStringLiteral("28"), QStringLiteral("32"), QStringLiteral("36"),
                                                 QStringLiteral("40"), QStringLiteral("radius 0"),
                                                 QStringLiteral("icon 24 in 32")});
    const QList<std::pair<Tone, QString>> tones = {
        {Tone::blue, QStringLiteral("blue")},       {Tone::green, QStringLiteral("green")},
        {Tone::red, QStringLiteral("red")},         {Tone::amber, QStringLiteral("amber")},
        {Tone::purple, QStringLiteral("purple")},   {Tone::teal, QStringLiteral("teal")},
        {Tone::pink, QStringLiteral("pink")},       {Tone::neutral, QStringLiteral("neutral")},
        {Tone::white, QStringLiteral("white")},     {Tone::brand, QStringLiteral("brand")}};
    for (const auto& [tone, name] : tones) {
        const int row = sheet.row(name);
        int column = 0;
        for (const int size : {28, 32, 36, 40})
            sheet.put(row, column++, new IconTile(QStringLiteral("mic"), tone, size));
        auto* sharp = new IconTile(QStringLiteral("folder"), tone, 40);
        sharp->setRadius(0.0);
        sheet.put(row, column++, sharp);
        auto* big = new IconTile(QStringLiteral("sparkles"), tone, 32);
        big->setIconSize(24.0);
        sheet.put(row, column++, big);
    }
    const int avatars = sheet.row(QStringLiteral("avatars"));
    sheet.put(avatars, 0, new Avatar(QStringLiteral("davud karimov"), 28));
    sheet.put(avatars, 1, new Avatar(QStringLiteral("Zola"), 32));
    sheet.put(avatars, 2, new Avatar(QStringLiteral("e\u0301mile zola"), 36));
    sheet.put(avatars, 3, new Avatar(QString(), 40));
    finish(sheet);
}

void TestGallery::display()
{
    applyTheme();
    GallerySheet sheet(QStringLiteral("display"),
                       {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
    const int keys = sheet.row(QStringLiteral("keycaps"));
    sheet.put(keys, 0, new Keycap(QStringLiteral("Ctrl")));
    sheet.put(keys, 1, new Keycap(QStringLiteral("Super"), false, true));
    sheet.put(keys, 2, new Keycap(QStringLiteral("V"), true));
    sheet.put(keys, 3, new Keycap(QStringLiteral("Right Alt"), true, true));

    const int labels = sheet.row(QStringLiteral("overline, marks"));
    sheet.put(labels, 0, new Overline(QStringLiteral("Interface language")));
    sheet.put(labels, 1, new TrafficLights);
    sheet.put(labels, 2, new Wordmark(QStringLiteral("davud"), 20));
    sheet.put(labels, 3, new Wordmark(QStringLiteral("viruz"), 32));

    const int notes = sheet.row(QStringLiteral("info notes"));
    auto note = [&](int column, InfoNote* infoNote) {
        infoNote->setFixedWidth(300);
        sheet.put(notes, column, infoNote);
    };
    note(0, new InfoNote(QStringLiteral("info"), QStringLiteral("Keys stay on this computer."), 16, true));
    note(1, new InfoNote(QStringLiteral("lock"), longText, 18, false));

    const int toasts = sheet.row(QStringLiteral("toasts"));
    const QList<std::pair<ToastTone, QString>> tones = {{ToastTone::success, QStringLiteral("Copied")},
                                                        {ToastTone::danger, QStringLiteral("Could not transcribe")},
                                                        {ToastTone::warning, QStringLiteral("Microphone is silent")},
                                                        {ToastTone::info, QStringLiteral("Saved")}};
    for (int column = 0; column < tones.size(); ++column) {
        auto* toast = new ToastView(tones.at(column).second,
                                    column == 3 ? QString() : (column == 1 ? longText : QStringLiteral("12 words \u00B7 0:07")),
                                    tones.at(column).first);
        toast->setFixedWidth(320);
        sheet.put(toasts, column, toast);
    }

    const int empty = sheet.row(QStringLiteral("empty states"));
    sheet.put(empty, 0, new EmptyStateView(QStringLiteral("history"), QStringLiteral("No dictations yet")));
    auto* detailed = new EmptyStateView(QStringLiteral("search-x"), QStringLiteral("Nothing found"), longText);
    detailed->setFixedWidth(400);
    sheet.put(empty, 1, detailed);
    finish(sheet);
}

void TestGallery::icons()
{
    applyTheme();
    const int perRow = 10;
    QStringList columns;
    for (int i = 0; i < perRow; ++i)
        columns << QString::number(i);
    GallerySheet sheet(QStringLiteral("icons"), columns);
    const QStringList names = Icon::names();
    int row = 0;
    for (int i = 0; i < names.size(); ++i) {
        if (i % perRow == 0)
            row = sheet.row(names.at(i));
        // Each icon on a tile of its own, so an icon that draws nothing shows up.
        auto* tile = new IconTile(names.at(i), Tone::neutral, 40);
        tile->setIconSize(24.0);
        tile->setToolTip(names.at(i));
        sheet.put(row, i % perRow, tile);
    }
    finish(sheet);
    // A tile always paints its ground, so check the icons themselves too.
    for (const QString& name : names) {
        const QPixmap icon = Icon::pixmap(name, 24, Qt::black);
        QVERIFY2(!GallerySheet::inspect(icon.toImage()).contains(QLatin1String("nothing")), qPrintable(name));
    }
}

QTEST_MAIN(TestGallery)
#include "TestGallery.moc"
