#pragma once
// Version check, sign-in and the start-up information; heartbeats are accepted silently.

#include "link/SignInRecords.h"

#include "ServerConfig.h"

namespace orv::server {

class ClientConnection;
class SessionServer;

// Result codes the sign-in exchanges answer with.
namespace SignInResult {
constexpr std::uint16_t WrongCredentials = 1;
constexpr std::uint16_t Blocked = 10;
constexpr std::uint16_t VersionTooOld = 21;
constexpr std::uint16_t AccountExpired = 28;
} // namespace SignInResult

// The account record a configured account signs in with.
TAccountRecord makeAccountRecord(const AccountConfig& account);

class SignInService {
public:
    explicit SignInService(SessionServer& server);
    void answerVersion(ClientConnection& client, const TVersionRecord& version);
    void answerSignIn(ClientConnection& client, const TSignInRecord& signIn);

private:
    void answerStartupInfo(ClientConnection& client);
    SessionServer& m_server;
};

} // namespace orv::server
