#include "core/L10n.h"
#include "design/components/SInput.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

// The texts of a menu's actions, without separators and shortcut keys.
QStringList texts(QMenu* menu)
{
    QStringList found;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator())
            found.append(action->text().section(u'\t', 0, 0));
    }
    return found;
}

} // namespace

// Qt's own texts read in the interface language, offscreen: the right-click
// menus of a text field and a text view, the file dialog's buttons and
// labels, and a message box's buttons.
class TestQtTexts final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { L10n::install(QStringLiteral("en")); }
    void inTheInterfaceLanguage_data();
    void inTheInterfaceLanguage();
};

void TestQtTexts::inTheInterfaceLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("fieldMenu");
    QTest::addColumn<QString>("linkItem");
    QTest::addColumn<QString>("save");
    QTest::addColumn<QString>("cancel");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("yes");

    QTest::newRow("Russian") << "ru"
                             << QStringList{u"&Отменить действие"_qs, u"&Повторить действие"_qs, u"&Вырезать"_qs,
                                            u"&Копировать"_qs, u"В&ставить"_qs, u"Удалить"_qs, u"Выделить всё"_qs}
                             << u"Скопировать &адрес ссылки"_qs << u"&Сохранить"_qs << u"Отмена"_qs
                             << u"&Имя файла:"_qs << u"&Да"_qs;
    QTest::newRow("Uzbek") << "uz"
                           << QStringList{u"&Bekor qilish"_qs, u"&Qaytarish"_qs, u"&Kesib olish"_qs, u"&Nusxa olish"_qs,
                                          u"&Qoʻyish"_qs, u"Oʻchirish"_qs, u"Hammasini belgilash"_qs}
                           << u"&Havola manzilidan nusxa olish"_qs << u"&Saqlash"_qs << u"Bekor qilish"_qs
                           << u"Fayl &nomi:"_qs << u"&Ha"_qs;
    QTest::newRow("English") << "en"
                             << QStringList{u"&Undo"_qs, u"&Redo"_qs, u"Cu&t"_qs, u"&Copy"_qs, u"&Paste"_qs,
                                            u"Delete"_qs, u"Select All"_qs}
                             << u"Copy &Link Location"_qs << u"&Save"_qs << u"Cancel"_qs << u"File &name:"_qs
                             << u"&Yes"_qs;
}

void TestQtTexts::inTheInterfaceLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, fieldMenu);
    QFETCH(QString, linkItem);
    QFETCH(QString, save);
    QFETCH(QString, cancel);
    QFETCH(QString, fileName);
    QFETCH(QString, yes);

    L10n::install(language);

    SInput field(QStringLiteral("Search"), ControlSize::Md);
    field.show();
    const std::unique_ptr<QMenu> fieldContext(field.lineEdit()->createStandardContextMenu());
    QCOMPARE(texts(fieldContext.get()), fieldMenu);

    // A read-only text view's menu, with the item a link adds.
    QTextEdit view;
    view.setTextInteractionFlags(Qt::TextBrowserInteraction);
    view.setHtml(QStringLiteral("<a href=\"https://example.org\">link</a>"));
    view.resize(300, 120);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTextCursor inLink(view.document());
    inLink.setPosition(2);
    const QPoint onLink = view.cursorRect(inLink).center();
    QVERIFY(!view.anchorAt(onLink).isEmpty());
    const std::unique_ptr<QMenu> viewContext(view.createStandardContextMenu(onLink));
    QStringList viewTexts = texts(viewContext.get());
    QVERIFY2(viewTexts.contains(linkItem), qPrintable(viewTexts.join(u", ")));
    for (const QString& item : {fieldMenu.at(3), fieldMenu.at(6)})
        QVERIFY2(viewTexts.contains(item), qPrintable(viewTexts.join(u", ")));

    QFileDialog dialog(nullptr, QString(), QDir::tempPath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.show();
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    QVERIFY(buttons);
    QStringList buttonTexts;
    for (const QAbstractButton* button : buttons->buttons())
        buttonTexts.append(button->text());
    QVERIFY2(buttonTexts.contains(save) && buttonTexts.contains(cancel), qPrintable(buttonTexts.join(u", ")));
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        labels.append(label->text());
    QVERIFY2(labels.contains(fileName), qPrintable(labels.join(u", ")));

    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Yes)->text(), yes);
}

QTEST_MAIN(TestQtTexts)
#include "TestQtTexts.moc"
