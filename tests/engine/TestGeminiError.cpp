#include "engine/GeminiError.h"

#include <QtTest>

class TestGeminiError : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void description_data();
    void description();
};

void TestGeminiError::description_data()
{
    QTest::addColumn<GeminiError>("error");
    QTest::addColumn<QString>("text");

    QTest::newRow("http") << GeminiError::http(429, "Resource exhausted")
                          << "Gemini returned 429: Resource exhausted";
    QTest::newRow("http message with placeholders")
        << GeminiError::http(400, "bad %1 and %2") << "Gemini returned 400: bad %1 and %2";
    QTest::newRow("bad response") << GeminiError::badResponse("blocked (SAFETY)")
                                  << "Could not read the Gemini response: blocked (SAFETY)";
    QTest::newRow("no key") << GeminiError::noApiKey()
                            << "No API key. Add it in Settings, or set GEMINI_API_KEY.";
    QTest::newRow("empty") << GeminiError::emptyResponse() << "Gemini returned no text.";
    // The network layer's own words never reach the user.
    using Cause = GeminiError::Cause;
    QTest::newRow("refused") << GeminiError::network(Cause::refused, "Connection refused", true)
                             << "Could not reach Gemini: the connection was refused.";
    QTest::newRow("other") << GeminiError::network(Cause::other, "SSL handshake failed", false)
                           << "Could not reach Gemini.";
}

void TestGeminiError::description()
{
    QFETCH(GeminiError, error);
    QFETCH(QString, text);
    QCOMPARE(error.description(), text);
}

QTEST_GUILESS_MAIN(TestGeminiError)
#include "TestGeminiError.moc"
