#pragma once
// Version check, sign-in and the start-up information; heartbeats are accepted silently.

#include "protocol/SignInRecords.h"

#include "ServerConfig.h"
#include "Service.h"

namespace orv::server {

class ClientConnection;
class IServiceHost;

// The account record a configured account signs in with.
TAccountRecord makeAccountRecord(const AccountConfig& account);

class SignInService final : public Service {
public:
    explicit SignInService(IServiceHost& host);

private:
    void answerVersion(ClientConnection& client, const TVersionRecord& version);
    void answerSignIn(ClientConnection& client, const TSignInRecord& signIn);
    void answerStartupInfo(ClientConnection& client);

    IServiceHost& m_host;
};

} // namespace orv::server
