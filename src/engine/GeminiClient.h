#pragma once

#include "engine/GeminiCall.h"
#include "engine/NoteFiler.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

struct Config;

// The one component that talks to the Gemini REST API. A value built from the
// settings of the moment for each piece of work; it keeps nothing between
// requests. Operations run asynchronously on the main thread and return a
// handle that can cancel them.
struct GeminiClient
{
    using Progress = GeminiProgress;

    QString apiKey;
    QString model;
    QString prompt;            // the user's own instructions, first in every prompt
    QString thinkingLevel;     // "" for no thinking settings
    QString transcriptionMode; // "smart" or "verbatim"
    bool removeFillers = false;
    bool punctuation = true;
    bool resolveCorrections = false;
    QStringList languageCodes;
    QStringList customVocabulary; // the words that apply to languageCodes
    GeminiTransport transport;

    GeminiClient() = default;
    explicit GeminiClient(const Config& config);

    // The transcript of a local M4A or WAV file.
    GeminiCall transcribe(const QString& audioPath, const GeminiOnProgress& onProgress,
                          const GeminiDone<QString>& done) const;
    // The transcript and the filing answer of a dictated note in one request.
    GeminiCall transcribeNote(const QString& audioPath, const NoteFiler::Context& context,
                              const GeminiOnProgress& onProgress, const GeminiDone<NoteFiler::Transcript>& done) const;
    // The names of the models the key may use, sorted.
    GeminiCall listModels(const GeminiDone<QStringList>& done) const;
    // Opens the connection ahead of an upload; the answer is ignored.
    void warmUp() const;

    // The generation settings of a generateContent body.
    QJsonObject generationConfig() const;
    // The prompt sent beside the audio, ending with closing.
    QString instructions(const QString& closing) const;

    // POSTs body as JSON to an API path ("/v1beta/..."), retrying 429, 5xx
    // and transport failures up to four attempts in all; the reply body of
    // the first 200. An attempt without its whole reply 120 s after it was
    // sent counts as timed out, and nothing runs on 180 s after the first
    // was sent, however slowly the service answers.
    static GeminiCall post(const GeminiTransport& transport, const QString& path, const QString& apiKey,
                           const QJsonObject& body, const GeminiOnProgress& onProgress,
                           const GeminiDone<QByteArray>& done);
    // The service's message in a failed reply, else the body as text.
    static QString errorMessage(const QByteArray& body);
    // The transcript in a generateContent reply.
    static GeminiResult<QString> generatedText(const QByteArray& body);
    // The transcript in an interactions reply.
    static GeminiResult<QString> interactionText(const QByteArray& body);
    // The names in a model list reply, sorted.
    static GeminiResult<QStringList> modelNames(const QByteArray& body);
    // The default model among names: current when listed, else a general
    // flash model, else any gemini model.
    static std::optional<QString> pickModel(const QStringList& names, const QString& current);
    // "audio/mp4" for .m4a in any case, else "audio/wav".
    static QString mimeType(const QString& audioPath);
    // The API path of a model's generateContent, the name percent-encoded.
    static QString generateContentPath(const QString& model);
    // Whether thinking settings may be sent to a model.
    static bool acceptsThinking(const QString& model, const QString& thinkingLevel);
};
