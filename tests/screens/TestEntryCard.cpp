#include "TempDataDir.h"

#include "core/Config.h"
#include "design/Onest.h"
#include "design/components/SButton.h"
#include "design/components/SIconButton.h"
#include "screens/EntryCard.h"
#include "screens/TranscriptText.h"

#include <QDir>
#include <QtTest>

Q_DECLARE_METATYPE(HistoryEntry)

namespace {

// The audio file "clip.m4a" exists in the test's data folder; "gone.m4a" does not.
HistoryEntry entry(HistoryEntry::Status status, const QString& text, bool offline = false,
                   const QString& audio = QStringLiteral("clip.m4a"))
{
    HistoryEntry e;
    e.status = status;
    e.text = text;
    e.offline = offline;
    e.duration = 12;
    if (!audio.isEmpty())
        e.audioFile = audio;
    return e;
}

HistoryEntry at(const QString& source, std::optional<QString> app, QTime time, std::optional<double> latency,
                double duration, const QString& text)
{
    HistoryEntry e;
    e.source = source;
    e.appName = app;
    e.date = QDateTime(QDate(2026, 3, 14), time);
    e.latency = latency;
    e.duration = duration;
    e.text = text;
    return e;
}

} // namespace

// What a card shows, over the states of an entry, and its meta line.
class TestEntryCard final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void look_data();
    void look();
    void meta_data();
    void meta();
    void widgetFollowsTheLook();

private:
    std::unique_ptr<TempDataDir> m_data;
};

void TestEntryCard::initTestCase()
{
    Onest::registerFaces();
    m_data = std::make_unique<TempDataDir>();
    QVERIFY(QDir().mkpath(Config::audioDirectory()));
    m_data->write(QStringLiteral("audio/clip.m4a"), "audio");
}

void TestEntryCard::look_data()
{
    using S = HistoryEntry::Status;
    QTest::addColumn<HistoryEntry>("entry");
    QTest::addColumn<bool>("editing");
    QTest::addColumn<bool>("retrying");
    QTest::addColumn<int>("transcript"); // none, text, editor
    QTest::addColumn<QString>("boxIcon");
    QTest::addColumn<QString>("boxTitle");
    QTest::addColumn<QString>("boxButton");
    QTest::addColumn<bool>("canRetry");
    QTest::addColumn<bool>("missing");
    QTest::addColumn<bool>("badge");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<qreal>("opacity");

    const QStringList all{"pencil", "copy", "trash-2"};
    const QStringList del{"trash-2"};
    const QString hello = QStringLiteral("Hello there");
    QTest::newRow("done with text") << entry(S::done, hello) << false << false << 1 << "" << "" << "" << false << false << false << all << 1.0;
    QTest::newRow("done, editing") << entry(S::done, hello) << true << false << 2 << "" << "" << "" << false << false << false << QStringList() << 1.0;
    QTest::newRow("done, empty") << entry(S::done, "") << false << false << 0 << "" << "" << "" << false << false << false << del << 1.0;
    QTest::newRow("done, only spaces counts as text") << entry(S::done, "   ") << false << false << 1 << "" << "" << "" << false << false << false << all << 1.0;
    QTest::newRow("failed, empty") << entry(S::failed, "") << false << false << 0 << "circle-alert" << "Not transcribed" << "Retry" << true << false << false << del << 1.0;
    QTest::newRow("failed with text") << entry(S::failed, hello) << false << false << 1 << "circle-alert" << "Not transcribed" << "Retry" << true << false << false << all << 1.0;
    QTest::newRow("failed with text, editing keeps the box") << entry(S::failed, hello) << true << false << 2 << "circle-alert" << "Not transcribed" << "Retry" << true << false << false << QStringList() << 1.0;
    QTest::newRow("failed offline") << entry(S::failed, "", true) << false << false << 0 << "wifi-off" << "No internet — not transcribed" << "Retry" << true << false << false << del << 1.0;
    QTest::newRow("failed offline, retrying") << entry(S::failed, "", true) << false << true << 0 << "loader" << "Transcribing again…" << "Retry" << false << false << false << del << 1.0;
    QTest::newRow("failed without audio") << entry(S::failed, "", false, QString()) << false << false << 0 << "circle-alert" << "Not transcribed" << "Retry" << false << true << false << del << 1.0;
    QTest::newRow("failed, audio file gone") << entry(S::failed, "", false, "gone.m4a") << false << false << 0 << "circle-alert" << "Not transcribed" << "Retry" << false << true << false << del << 1.0;
    QTest::newRow("discarded, audio file gone") << entry(S::discarded, "", false, "gone.m4a") << false << false << 0 << "archive" << "Never transcribed" << "Transcribe" << false << true << true << del << 0.7;
    QTest::newRow("discarded, empty") << entry(S::discarded, "") << false << false << 0 << "archive" << "Never transcribed" << "Transcribe" << true << false << true << del << 0.7;
    QTest::newRow("discarded, retrying") << entry(S::discarded, "") << false << true << 0 << "loader" << "Transcribing again…" << "Transcribe" << false << false << true << del << 0.7;
    QTest::newRow("discarded with text") << entry(S::discarded, hello) << false << false << 1 << "" << "" << "" << false << false << true << all << 0.7;
    QTest::newRow("discarded with text, editing") << entry(S::discarded, hello) << true << false << 2 << "" << "" << "" << false << false << true << QStringList() << 0.7;
}

void TestEntryCard::look()
{
    QFETCH(HistoryEntry, entry);
    QFETCH(bool, editing);
    QFETCH(bool, retrying);
    QFETCH(int, transcript);
    QFETCH(QString, boxIcon);
    QFETCH(QString, boxTitle);
    QFETCH(QString, boxButton);
    QFETCH(bool, canRetry);
    QFETCH(bool, missing);
    QFETCH(bool, badge);
    QFETCH(QStringList, buttons);
    QFETCH(qreal, opacity);

    const EntryCard::Look look = EntryCard::look(entry, editing, retrying);
    QCOMPARE(int(look.transcript), transcript);
    QCOMPARE(look.box.has_value(), !boxIcon.isEmpty());
    if (look.box) {
        QCOMPARE(look.box->icon, boxIcon);
        QCOMPARE(look.box->title, boxTitle);
        QCOMPARE(look.box->button, boxButton);
        QCOMPARE(look.box->canRetry, canRetry);
        QCOMPARE(look.box->missing, missing);
        QCOMPARE(look.box->spinning, retrying);
        QCOMPARE(look.box->warning, entry.status == HistoryEntry::Status::failed);
    }
    QCOMPARE(look.badge, badge);
    QCOMPARE(look.buttons, buttons);
    QCOMPARE(look.opacity, opacity);
}

void TestEntryCard::meta_data()
{
    QTest::addColumn<HistoryEntry>("entry");
    QTest::addColumn<QString>("meta");
    QString thirtyFour;
    for (int i = 0; i < 34; ++i)
        thirtyFour += QStringLiteral("word ");
    QString hundredTwenty;
    for (int i = 0; i < 120; ++i)
        hundredTwenty += QStringLiteral("so\n");
    QTest::newRow("latency before length")
        << at("mac", QStringLiteral("Safari"), QTime(14, 5), 1.4, 12, thirtyFour) << "Safari · 14:05 · 1.4 s · 0:12 · 34 words";
    QTest::newRow("phone, no latency") << at("phone", std::nullopt, QTime(9, 30), std::nullopt, 65, hundredTwenty)
                                       << "From phone · 09:30 · 1:05 · 120 words";
    QTest::newRow("no application, no text") << at("mac", std::nullopt, QTime(8, 0), std::nullopt, 3.9, "")
                                             << "Kesto Viruz · 08:00 · 0:03";
    QTest::newRow("spaces are 0 words") << at("mac", QStringLiteral("Slack"), QTime(23, 59), std::nullopt, 0, "   ")
                                        << "Slack · 23:59 · 0:00 · 0 words";
}

void TestEntryCard::meta()
{
    QFETCH(HistoryEntry, entry);
    QFETCH(QString, meta);
    QCOMPARE(EntryCard::metaText(entry), meta);
}

void TestEntryCard::widgetFollowsTheLook()
{
    HistoryEntry failed = entry(HistoryEntry::Status::failed, QStringLiteral("Half a sentence"), true);
    EntryCard card({failed, false, false, {}});
    card.resize(600, card.heightForWidth(600));
    card.show();
    QVERIFY(card.transcript());
    QCOMPARE(card.transcript()->toPlainText(), failed.text);
    QVERIFY(card.transcript()->isReadOnly());
    QVERIFY(card.audioBox());
    QCOMPARE(card.audioBox()->detail(), QStringLiteral("Audio saved on your computer · 0:12"));
    QVERIFY(card.audioBox()->button()->isVisible());
    // Its audio removed by hand: said so, and nothing offered that would fail.
    HistoryEntry gone = failed;
    gone.audioFile = QStringLiteral("gone.m4a");
    card.setModel({gone, false, false, {}});
    QCOMPARE(card.audioBox()->detail(), QStringLiteral("The audio file is missing · 0:12"));
    QVERIFY(!card.audioBox()->button()->isVisible());
    card.setModel({failed, false, false, {}});
    QVERIFY(card.audioBox()->button()->isVisible());
    QVERIFY(card.actionButton(QStringLiteral("pencil")));
    QCOMPARE(card.actionButton(QStringLiteral("copy"))->help(), QStringLiteral("Copy"));
    QVERIFY(!card.graphicsEffect());

    // A transcript given as markup stays plain text.
    HistoryEntry done = failed;
    done.status = HistoryEntry::Status::done;
    done.text = QStringLiteral("<b>bold</b> &amp; <a href=x>link</a>");
    QPointer<TranscriptText> text = card.transcript();
    card.setModel({done, false, false, {}});
    QVERIFY(!card.audioBox());
    QCOMPARE(card.transcript(), text.data());
    QCOMPARE(card.transcript()->toPlainText(), done.text);

    card.setModel({done, true, false, QStringLiteral("   ")});
    QVERIFY(!card.transcript());
    QVERIFY(card.editBox());
    QVERIFY(!card.saveButton()->isEnabled());
    QVERIFY(card.cancelButton()->isEnabled());
    QVERIFY(!card.actionButton(QStringLiteral("pencil")));

    done.status = HistoryEntry::Status::discarded;
    card.setModel({done, false, false, {}});
    QVERIFY(card.graphicsEffect());
}

QTEST_MAIN(TestEntryCard)
#include "TestEntryCard.moc"
