#include "screens/FoldedText.h"

#include <QtTest>

class TestFoldedText final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void characterByCharacterMatchesTheWhole_data();
    void characterByCharacterMatchesTheWhole();
    void find_data();
    void find();
};

void TestFoldedText::characterByCharacterMatchesTheWhole_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folded");

    QTest::newRow("ASCII capitals") << "The CAFE on Main St." << "the cafe on main st.";
    QTest::newRow("composed accents") << "Café, Zoë, RÉSUMÉ" << "cafe, zoe, resume";
    QTest::newRow("combining accents") << QString("Cafe\u0301 e\u0323\u0301") << "cafe e";
    QTest::newRow("Cyrillic") << "Привет, Ёлка" << "привет, елка";
    QTest::newRow("sharp s kept") << "Straße STRASSE" << "straße strasse";
    QTest::newRow("dotted capital I") << "İstanbul" << "istanbul";
    QTest::newRow("ligature kept") << QString("O\uFB03CE") << QString("o\uFB03ce");
    QTest::newRow("Greek with a subscript iota") << QString("\u1FB7 ΑΘΗΝΑ") << "α αθηνα";
    // Each syllable comes apart into three letters of three bytes each.
    QTest::newRow("Hangul syllables") << QString("\uD55C\uAE00") << QString("\u1112\u1161\u11AB\u1100\u1173\u11AF");
    QTest::newRow("emoji outside the basic plane") << "ok 👋 OK" << "ok 👋 ok";
    // Spacing marks that decomposition puts in order: the text goes the whole way.
    QTest::newRow("spacing virama") << QString("A\uA953\u0301B") << QString("a\uA953b");
    const char32_t stemAfterDot[] = {U'x', 0x1D16D, 0x1D165};
    const char32_t stemBeforeDot[] = {U'x', 0x1D165, 0x1D16D};
    QTest::newRow("spacing marks reordered") << QString::fromUcs4(stemAfterDot, 3) << QString::fromUcs4(stemBeforeDot, 3);
    QTest::newRow("empty") << "" << "";
}

void TestFoldedText::characterByCharacterMatchesTheWhole()
{
    QFETCH(QString, text);
    QFETCH(QString, folded);
    QCOMPARE(FoldedText::of(text), FoldedText::ofWhole(text));
    QCOMPARE(QString::fromUtf8(FoldedText::of(text)), folded);
}

void TestFoldedText::find_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("at");

    QTest::newRow("first place") << "a cafe, a CAFÉ" << "cafe" << 0 << 2;
    QTest::newRow("from past the first") << "a cafe, a CAFÉ" << "café" << 3 << 10;
    QTest::newRow("from right at it") << "a cafe, a CAFÉ" << "cafe" << 10 << 10;
    QTest::newRow("none after from") << "a cafe, a CAFÉ" << "cafe" << 11 << -1;
    QTest::newRow("not there") << "a cafe" << "tea" << 0 << -1;
    QTest::newRow("bytes of Cyrillic") << "да, ПРИВЕТ" << "привет" << 0 << 6;
    QTest::newRow("empty needle at from") << "abc" << "" << 2 << 2;
    QTest::newRow("from past the end") << "abc" << "" << 4 << -1;
    QTest::newRow("needle longer than the text") << "ab" << "abc" << 0 << -1;
}

void TestFoldedText::find()
{
    QFETCH(QString, text);
    QFETCH(QString, needle);
    QFETCH(int, from);
    QFETCH(int, at);
    QCOMPARE(FoldedText::find(FoldedText::of(text), FoldedText::of(needle), from), at);
}

QTEST_GUILESS_MAIN(TestFoldedText)
#include "TestFoldedText.moc"
