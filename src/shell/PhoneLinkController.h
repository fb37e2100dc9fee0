#pragma once

#include "core/AppState.h"
#include "phone/PhoneServer.h"
#include "platform/AddressWatch.h"
#include "platform/Clock.h"

#include <QObject>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class DictationController;

// The application's side of the phone link: runs the phone server with the
// settings' ports and token, publishes the links the phone screen shows,
// makes new access codes, and transcribes what the phone uploads like a
// dictation, into History. Main thread only, except the status text the
// server asks for on its own thread.
class PhoneLinkController final : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        AppState& state;
        DictationController& dictation;
        Clock& clock;
        // Changes the settings as last applied, so that the next apply does
        // not restart what the link has just restarted itself.
        std::function<void(const std::function<void(Config&)>&)> updateApplied;
        // Reports address changes; none: the kernel's own.
        std::shared_ptr<AddressWatch> addressWatch = nullptr;
    };

    static constexpr qint64 publishDelayMs = 600;
    static constexpr int tokenLength = 16;

    explicit PhoneLinkController(const Parts& parts, QObject* parent = nullptr);
    ~PhoneLinkController() override;

    // Starts, restarts or stops the server to match the settings.
    void applyPhoneServer();
    // The applying step of the settings: the server is touched on the first
    // apply and when a setting of the link changed.
    void applyChanges(const std::optional<Config>& previous, const Config& current);
    // A fresh token; the old one stops working at once.
    void newPhoneCode();
    // The network changed: restart when the link's addresses did.
    void networkChanged();
    void stop();

    // The upload handler: transcribes the recording and answers the phone.
    void transcribeFromPhone(const QByteArray& data, const QString& contentType, AudioReply reply);

    static QString makeToken();
    static QString statusText(Phase phase);
    // Copies the settings of the link, and nothing else, from one record to another.
    static void copyLinkSettings(const Config& from, Config& to);
    static bool linkSettingsDiffer(const Config& a, const Config& b);

    // The local addresses at the last start; empty while the link is off.
    QStringList phoneAddresses() const { return m_phoneAddresses; }
    PhoneServer& server() { return m_server; }

private:
    struct Upload;

    void publishLinks(const QStringList& addresses);
    void converted(const std::shared_ptr<Upload>& upload);
    void transcribe(const std::shared_ptr<Upload>& upload);
    void finish(const std::shared_ptr<Upload>& upload, const std::optional<QString>& text, const QString& error);

    AppState& m_state;
    DictationController& m_dictation;
    Clock& m_clock;
    std::function<void(const std::function<void(Config&)>&)> m_updateApplied;
    // The phase as the server's thread may read it.
    std::shared_ptr<std::atomic<Phase>> m_phase;
    QStringList m_phoneAddresses;
    std::optional<Clock::TimerId> m_publishTimer;
    std::shared_ptr<AddressWatch> m_addressWatch;
    PhoneServer m_server; // last: stopped before anything its callbacks use goes
};
