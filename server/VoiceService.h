#pragma once
// The talk protocol on the control connection: a participant asks for a microphone (6) and gives it back
// (7). A grant and a release go to the whole room; a refusal (no microphone free) to the asker alone. A
// speaker who leaves the room gives the microphone back.

#include "Service.h"
#include "ServiceHost.h"

namespace orv::server {

class VoiceService final : public Service {
public:
    explicit VoiceService(IServiceHost& host);

private:
    void take(ClientConnection& from);
    void release(ClientConnection& from);
    int microphones(std::int32_t room) const;

    IServiceHost& m_host;
};

} // namespace orv::server
