#include "core/Log.h"
#include "design/Onest.h"
#include "design/TypeModifier.h"

#include "TempDataDir.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>

// Its own program: the faces register once per process.
class TestFontFallback final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void missingFilesFallBackWithOneLogLine();
};

void TestFontFallback::missingFilesFallBackWithOneLogLine()
{
    TempDataDir data;
    QTemporaryDir empty;
    QVERIFY(!Onest::registerFaces(empty.path()));
    QVERIFY(!Onest::registerFaces(empty.path() + QStringLiteral("/still-missing")));

    const QString sans = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    QCOMPARE(Onest::family(false), sans);
    // Text still lays out, in the system face.
    const TypeModifier type{14, QFont::DemiBold, 20.0};
    QCOMPARE(QFontInfo(type.font()).family(), QFontInfo(QFont(sans)).family());
    QVERIFY(type.measure(QStringLiteral("Hello")).width() > 10);

    Log::flush();
    const QStringList lines = QString::fromUtf8(data.read(QStringLiteral("kesto.log"))).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    QVERIFY(lines.constFirst().contains(QStringLiteral("Onest-Regular.ttf")));
    QVERIFY(lines.constFirst().contains(QStringLiteral("system sans-serif")));
}

QTEST_MAIN(TestFontFallback)
#include "TestFontFallback.moc"
