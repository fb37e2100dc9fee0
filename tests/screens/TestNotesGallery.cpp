#include "GalleryFile.h"

#include "design/Onest.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/components/SInput.h"
#include "screens/FolderRow.h"
#include "screens/NoteFindBar.h"
#include "screens/NoteTextView.h"

#include "NotesScreenRig.h"
#include "ThemePixels.h"

#include <QDir>
#include <QLineEdit>

// Pictures of the Notes screen, light and dark, under KESTO_GALLERY_DIR:
// folders and notes with long, Cyrillic and emoji names, a note open in the
// editor, a folder being renamed, an empty folder and a dictation into the
// open note being processed.
class TestNotesGallery final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Onest::registerFaces(); }
    void init();
    void cleanup();
    void pictures_data();
    void pictures();

private:
    void save(const QString& name);

    const QSize size{1180, 760};

    std::unique_ptr<NotesScreenRig> m_rig;
    NotesStore m_store;
    NoteFolder m_work;
    NoteFolder m_empty;
    Note m_weekly;
};

void TestNotesGallery::init()
{
    m_rig = std::make_unique<NotesScreenRig>();
    NotesFixture& fx = m_rig->fx;
    m_work = NotesFixture::folder(QStringLiteral("Work"));
    const NoteFolder projects = NotesFixture::folder(QStringLiteral("Loyihalar va mijozlar bilan uchrashuvlar boʻyicha qaydlar"));
    const NoteFolder personal = NotesFixture::folder(QStringLiteral("Личное"));
    m_empty = NotesFixture::folder(QStringLiteral("Ideas 💡"));
    m_weekly = fx.note(m_work, QStringLiteral("Weekly sync with the design team about the new onboarding flow"),
                       QStringLiteral("Agreed to ship the first-run wizard in two steps.\n\n"
                                      "– Languages and the microphone first; the API key after the first try.\n"
                                      "– Keycaps show the Linux names: Ctrl, Super, Right Alt.\n"
                                      "Next review on Thursday at 10:00.\n")
                           + QStringLiteral("Dictated later: the pill stays small while it listens, and the transcript "
                                            "lands in the note the moment the model is done.\n")
                                 .repeated(14),
                       12);
    m_store = NotesStore{
        {m_work, projects, personal, m_empty},
        {m_weekly,
         fx.note(personal, QStringLiteral("Список покупок"), QStringLiteral("Молоко, хлеб, яйца и сыр к ужину"), 3),
         fx.note(m_work, QStringLiteral("Trip to Samarkand 🏔️"), QStringLiteral("\n\nPack boots\nBook the hostel"), 40),
         fx.note(projects, QString(), QStringLiteral("Mijoz bilan keyingi uchrashuv dushanba kuni"), 90),
         fx.note(m_work, QStringLiteral("Budget"), QString(), 60 * 30)}};
}

void TestNotesGallery::cleanup()
{
    m_rig.reset();
    Theme::instance().setMode(Theme::Mode::Light);
}

void TestNotesGallery::pictures_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
}

void TestNotesGallery::save(const QString& name)
{
    m_rig->screen->resize(size);
    QCoreApplication::processEvents();
    // Drawn as the main view draws it: over the background the main view
    // paints, and nothing else; the screen and its parts paint the rest.
    const qreal ratio = m_rig->screen->devicePixelRatioF();
    QImage picture(size * ratio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Palette::bgApp.color());
    m_rig->screen->render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
    const QString stock = ThemePixels::stockPaletteProblem(picture);
    QVERIFY2(stock.isEmpty(), qPrintable(name + QStringLiteral(": ") + stock));
    const QString folder = qEnvironmentVariable("KESTO_GALLERY_DIR", QDir::current().filePath(QStringLiteral("gallery")));
    const QString file = GalleryFile::path(
        folder, QStringLiteral("%1-%2").arg(name, Theme::instance().isDark() ? QStringLiteral("dark") : QStringLiteral("light")));
    QVERIFY2(picture.save(file), qPrintable(file));
}

void TestNotesGallery::pictures()
{
    QFETCH(bool, dark);
    Theme::instance().setMode(dark ? Theme::Mode::Dark : Theme::Mode::Light);
    QVERIFY(m_rig->show(m_store, size));
    NotesModel& model = m_rig->model();

    // A new note just made: placeholders, the caret in the title.
    save(QStringLiteral("notes-new"));

    model.pickFolder(std::nullopt);
    model.pickNote(m_weekly.id);
    QTRY_VERIFY(m_rig->editor() && m_rig->editor()->isVisible());
    NoteTextView* body = m_rig->editor()->bodyView();
    body->setFocus();
    body->moveCursor(QTextCursor::End);
    save(QStringLiteral("notes-screen"));

    model.pickFolder(m_work.id);
    model.pickNote(m_weekly.id);
    body = m_rig->editor()->bodyView();
    body->setFocus();
    body->moveCursor(QTextCursor::Start);
    body->moveCursor(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
    save(QStringLiteral("notes-editor"));
    m_rig->editor()->findBar()->open();
    QTest::keyClicks(m_rig->editor()->findBar()->field()->lineEdit(), QStringLiteral("Keycaps"));
    save(QStringLiteral("notes-find"));
    m_rig->editor()->findBar()->close();

    model.setRenaming(m_work.id, true);
    QTRY_VERIFY(m_rig->column().folderRow(m_work.id)->field()->hasFocus());
    save(QStringLiteral("notes-renaming"));
    model.setRenaming(m_work.id, false);

    model.pickFolder(m_empty.id);
    save(QStringLiteral("notes-empty-folder"));

    model.pickFolder(m_work.id);
    m_rig->fx.state->setTarget(Target::note(m_weekly.id));
    m_rig->fx.state->setPhase(Phase::working);
    m_rig->fx.state->setProcessingStage(DictationStage::organizing, m_rig->fx.clock.now());
    m_rig->fx.clock.advance(3000);
    save(QStringLiteral("notes-dictating"));
    m_rig->fx.state->setPhase(Phase::idle);
}

QTEST_MAIN(TestNotesGallery)
#include "TestNotesGallery.moc"
