#pragma once
// Version check, sign-in and the start-up information; heartbeats are accepted silently.

#include "protocol/SignInRecords.h"

#include "ServerConfig.h"

namespace orv::server {

class ClientConnection;
class SessionServer;

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
