#include "shell/PhoneLinkController.h"

#include "core/L10n.h"
#include "core/Log.h"
#include "core/TextUtil.h"
#include "core/Vocabulary.h"
#include "engine/GeminiClient.h"
#include "phone/PhoneAudio.h"
#include "phone/PhoneHttp.h"
#include "shell/DictationController.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QRandomGenerator>
#include <QUuid>
#include <QtConcurrent>

#include <array>

namespace {

std::optional<quint16> portNumber(qint64 value)
{
    if (value < 0 || value > 65535)
        return std::nullopt;
    return quint16(value);
}

} // namespace

// One phone recording on its way through the pipeline. Dropping the last
// copy unanswered answers the phone with a failure (AudioReply).
struct PhoneLinkController::Upload
{
    Config config; // the settings when it arrived; every step uses these
    AudioReply reply;
    QString wav;  // the converted recording
    QString sent; // the file sent to the service: wav or a trimmed copy
    double seconds = 0;
    PhoneAudio::Conversion::Failure failure = PhoneAudio::Conversion::Failure::None;

    void removeFiles(bool keepWav) const
    {
        if (!keepWav && !wav.isEmpty())
            QFile::remove(wav);
        if (!sent.isEmpty() && sent != wav)
            QFile::remove(sent);
    }
};

PhoneLinkController::PhoneLinkController(const Parts& parts, QObject* parent)
    : QObject(parent)
    , m_state(parts.state)
    , m_dictation(parts.dictation)
    , m_clock(parts.clock)
    , m_updateApplied(parts.updateApplied)
    , m_phase(std::make_shared<std::atomic<Phase>>(parts.state.phase()))
{
    connect(&m_state, &AppState::phaseChanged, this, [this] { m_phase->store(m_state.phase()); });
    // A new address on the same network, or a machine without NetworkManager,
    // must still move the links and the certificate along.
    m_addressWatch = parts.addressWatch;
    if (!m_addressWatch) {
        QString error;
        m_addressWatch = AddressWatch::create(&error);
        if (!m_addressWatch)
            Log::write(QStringLiteral("phone link: ") + error);
    }
    if (m_addressWatch)
        connect(m_addressWatch.get(), &AddressWatch::changed, this, &PhoneLinkController::networkChanged);
    m_server.setStatusText([phase = m_phase] { return statusText(phase->load()); });
    connect(&m_server, &PhoneServer::seen, this, [this] { m_state.setPhoneLastSeen(m_clock.now()); });
    const QPointer<PhoneLinkController> self(this);
    m_server.setAudioHandler([self](const QByteArray& audio, const QString& contentType, AudioReply reply) {
        if (self)
            self->transcribeFromPhone(audio, contentType, std::move(reply));
    });
}

PhoneLinkController::~PhoneLinkController()
{
    if (m_publishTimer)
        m_clock.cancel(*m_publishTimer);
}

QString PhoneLinkController::makeToken()
{
    static constexpr char alphabet[] = "abcdefghijkmnpqrstuvwxyz23456789";
    static_assert(sizeof(alphabet) - 1 == 32);
    std::array<quint32, tokenLength> random{};
    QRandomGenerator::system()->fillRange(random.data(), random.size());
    QString token;
    token.reserve(tokenLength);
    for (quint32 value : random)
        token += QLatin1Char(alphabet[value % 32]);
    return token;
}

QString PhoneLinkController::statusText(Phase phase)
{
    switch (phase) {
    case Phase::idle:
        return QStringLiteral("Ready");
    case Phase::recording:
        return QStringLiteral("The computer is recording");
    case Phase::working:
        return QStringLiteral("Transcribing");
    case Phase::failed:
        return QStringLiteral("Last attempt failed");
    }
    return QStringLiteral("Ready");
}

void PhoneLinkController::copyLinkSettings(const Config& from, Config& to)
{
    to.phoneServerEnabled = from.phoneServerEnabled;
    to.phonePort = from.phonePort;
    to.phonePlainEnabled = from.phonePlainEnabled;
    to.phonePlainPort = from.phonePlainPort;
    to.phoneToken = from.phoneToken;
}

bool PhoneLinkController::linkSettingsDiffer(const Config& a, const Config& b)
{
    return a.phoneServerEnabled != b.phoneServerEnabled || a.phonePort != b.phonePort
           || a.phonePlainEnabled != b.phonePlainEnabled || a.phonePlainPort != b.phonePlainPort
           || a.phoneToken != b.phoneToken;
}

void PhoneLinkController::applyChanges(const std::optional<Config>& previous, const Config& current)
{
    if (!previous || linkSettingsDiffer(*previous, current))
        applyPhoneServer();
}

void PhoneLinkController::applyPhoneServer()
{
    // Links of an earlier start must not be published over this one's.
    if (m_publishTimer) {
        m_clock.cancel(*m_publishTimer);
        m_publishTimer.reset();
    }
    if (!m_state.config().phoneServerEnabled) {
        stop();
        m_state.setPhoneRunning(false);
        m_state.setPhoneLinks({}, {});
        m_state.setPhoneLastSeen(std::nullopt);
        m_state.setPhoneError(QString());
        m_phoneAddresses.clear();
        return;
    }

    if (m_state.config().phoneToken.isEmpty()) {
        const QString token = makeToken();
        m_state.updateConfig([&](Config& config) { config.phoneToken = token; });
        m_state.config().save();
        if (m_updateApplied)
            m_updateApplied([&](Config& applied) { applied.phoneToken = token; });
    }

    const Config& config = m_state.config();
    const std::optional<quint16> port = portNumber(config.phonePort);
    const std::optional<quint16> plainPort = portNumber(config.phonePlainPort);
    if (!port || (config.phonePlainEnabled && !plainPort)) {
        const qint64 bad = port ? config.phonePlainPort : config.phonePort;
        Log::write(QStringLiteral("phone server: port ") + QString::number(bad) + QStringLiteral(" is not valid"));
        m_server.stop();
        m_phoneAddresses.clear();
        m_state.setPhoneRunning(false);
        m_state.setPhoneLinks({}, {});
        m_state.setPhoneError(L10n::tr("Port %1 is not a valid port number.").arg(bad));
        return;
    }

    m_server.start(*port, config.phonePlainEnabled ? plainPort : std::nullopt, config.phoneToken);
    m_phoneAddresses = m_server.addresses();
    const QStringList addresses = m_phoneAddresses;
    m_publishTimer = m_clock.schedule(publishDelayMs, this, [this, addresses] {
        m_publishTimer.reset();
        publishLinks(addresses);
    });
}

void PhoneLinkController::publishLinks(const QStringList& addresses)
{
    m_state.setPhoneRunning(m_server.isRunning());
    m_state.setPhoneError(m_server.lastError());
    QStringList page;
    QStringList shortcut;
    for (const QString& address : addresses)
        page << m_server.pageUrl(address);
    if (m_state.config().phonePlainEnabled) {
        for (const QString& address : addresses)
            shortcut << m_server.uploadUrl(address);
    }
    m_state.setPhoneLinks(page, shortcut);
}

void PhoneLinkController::newPhoneCode()
{
    m_state.setPhoneLastSeen(std::nullopt);
    const QString token = makeToken();
    m_state.updateConfig([&](Config& config) {
        config.phoneToken = token;
        config.phoneServerEnabled = true;
    });
    m_state.config().save();
    // Only the link's own settings count as applied: other changes still
    // waiting for the debounced apply must get their steps.
    if (m_updateApplied) {
        const Config current = m_state.config();
        m_updateApplied([&](Config& applied) { copyLinkSettings(current, applied); });
    }
    applyPhoneServer();
}

void PhoneLinkController::networkChanged()
{
    if (!m_state.config().phoneServerEnabled)
        return;
    if (m_server.currentAddresses() == m_phoneAddresses)
        return;
    Log::write(QStringLiteral("network changed; restarting the phone server"));
    applyPhoneServer();
}

void PhoneLinkController::stop()
{
    if (m_publishTimer) {
        m_clock.cancel(*m_publishTimer);
        m_publishTimer.reset();
    }
    m_server.stop();
}

void PhoneLinkController::transcribeFromPhone(const QByteArray& data, const QString& contentType, AudioReply reply)
{
    auto upload = std::make_shared<Upload>();
    upload->config = m_state.config();
    upload->reply = std::move(reply);
    // Decoding runs off the main thread. The application, not this object,
    // receives the result, so a file converted after this is gone is
    // still removed.
    const QPointer<PhoneLinkController> self(this);
    QtConcurrent::run([data, contentType] { return PhoneAudio::convertToWav(data, contentType); })
        .then(QCoreApplication::instance(), [self, upload](const PhoneAudio::Conversion& conversion) {
            upload->wav = conversion.path;
            upload->seconds = conversion.seconds;
            upload->failure = conversion.failure;
            if (self)
                self->converted(upload);
            else
                upload->removeFiles(false);
        });
}

void PhoneLinkController::converted(const std::shared_ptr<Upload>& upload)
{
    if (upload->failure == PhoneAudio::Conversion::Failure::TooLong) {
        upload->reply(AudioOutcome::failure(PhoneAudio::tooLongText()));
        return;
    }
    if (upload->wav.isEmpty()) {
        upload->reply(AudioOutcome::failure(L10n::tr("The recording could not be read as audio.")));
        return;
    }
    // The busy rule holds for the phase of the moment the audio is ready.
    const Phase phase = m_state.phase();
    if (phase == Phase::recording || phase == Phase::working) {
        upload->removeFiles(false);
        // Log lines keep their established wording; the user sees "computer".
        Log::write(QStringLiteral("phone audio turned down: the computer is busy"));
        upload->reply(AudioOutcome::failure(L10n::tr("The computer is busy. Try again in a moment.")));
        return;
    }
    m_dictation.setPhase(Phase::working);
    const QPointer<PhoneLinkController> self(this);
    m_dictation.prepareAudio(upload->wav, upload->config, [self, upload](const QString& sent) {
        upload->sent = sent;
        if (self)
            self->transcribe(upload);
        else
            upload->removeFiles(false);
    });
}

void PhoneLinkController::transcribe(const std::shared_ptr<Upload>& upload)
{
    const QPointer<PhoneLinkController> self(this);
    GeminiClient(upload->config)
        .transcribe(upload->sent, m_dictation.transcriptionProgress(), [self, upload](const GeminiResult<QString>& result) {
            if (!self) {
                upload->removeFiles(false);
                return;
            }
            if (result)
                self->finish(upload, *result.value, QString());
            else
                self->finish(upload, std::nullopt, result.error.description());
        });
}

void PhoneLinkController::finish(const std::shared_ptr<Upload>& upload, const std::optional<QString>& transcript,
                                 const QString& error)
{
    if (!transcript) {
        Log::write(QStringLiteral("phone transcription failed: ") + Log::loggable(error));
        m_dictation.fail(error);
        upload->removeFiles(false);
        upload->reply(AudioOutcome::failure(error));
        return;
    }
    const Config& config = upload->config;
    m_state.setProcessingStage(DictationStage::finishing, m_clock.now());
    const QString text = Snippet::expand(*transcript, config.snippets);
    // The model's text is escaped: a line break in it must not forge a log line.
    Log::write(QStringLiteral("phone transcript: ") + Log::loggable(TextUtil::leftGraphemes(text, 120)));

    HistoryEntry entry;
    entry.date = m_clock.now();
    entry.text = text;
    entry.duration = upload->seconds;
    entry.model = config.model;
    entry.source = QStringLiteral("phone");
    entry.status = HistoryEntry::Status::done;
    if (config.keepAudio)
        entry.audioFile = History::keepOrLink(upload->wav, entry.id);
    m_dictation.addToHistory(entry);

    m_state.setMessage(QString());
    m_dictation.showDone(L10n::tr("From phone"), History::wordCount(text), false);
    if (config.phoneInserts)
        m_dictation.insert(text);
    m_dictation.play(QStringLiteral("Pop"));
    upload->removeFiles(entry.audioFile.has_value());
    upload->reply(AudioOutcome::transcript(text));
}
