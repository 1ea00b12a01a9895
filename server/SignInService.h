#pragma once
// Version check, sign-in and the start-up information; heartbeats are accepted silently.

#include "protocol/SignInRecords.h"

#include "ServerConfig.h"
#include "Service.h"
#include "SignInThrottle.h"

#include <functional>

#include <map>

namespace orv::server {

class ClientConnection;
class IServiceHost;

// The account record a configured account signs in with; it carries back the password given at sign-in.
TAccountRecord makeAccountRecord(const AccountConfig& account, const QString& password);
// The profile's fields of `edited` (names, contact data, gender, birth date, profession, languages) written
// over `record`; identity, rights and password stay as they are.
void applyProfile(TAccountRecord& record, const TAccountRecord& edited);

class SignInService final : public Service {
public:
    // `clock`: monotonic milliseconds, for slowing guessers down.
    explicit SignInService(IServiceHost& host, std::function<std::int64_t()> clock = {});

private:
    void answerVersion(ClientConnection& client, const TVersionRecord& version);
    void answerSignIn(ClientConnection& client, const TSignInRecord& signIn);
    void answerStartupInfo(ClientConnection& client);
    void keepProfile(ClientConnection& client, const TAccountRecord& edited);
    void refuse(ClientConnection& client, const QString& userName, std::uint16_t code, std::int64_t delayMs);

    IServiceHost& m_host;
    std::function<std::int64_t()> m_clock;
    SignInThrottle m_throttle;
    // Profiles users sent, by user id, applied from their next sign-in on (for as long as the server runs).
    std::map<std::uint16_t, TAccountRecord> m_profiles;
};

} // namespace orv::server
