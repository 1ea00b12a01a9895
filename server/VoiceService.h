#pragma once
// The talk protocol on the control connection: a participant asks for a microphone (6) and gives it back
// (7). The floor needs a microphone grant (else 26) and a free microphone (else 54). A grant and a release
// go to the whole room and show as speaking in the room's states; a refusal goes to the asker alone. A
// speaker who leaves the room gives the microphone back. Moderators set the room's codec (124) and talker
// count (125) for everybody, and read and set a participant's audio (122), whose client answers the
// moderator through the server. The codec stays while the room is recorded: a recording replays with the
// codec it started with.

#include "RoomRecording.h"
#include "Service.h"
#include "ServiceHost.h"

#include <optional>

namespace orv::server {

class VoiceService final : public Service {
public:
    VoiceService(IServiceHost& host, const IRoomRecording& recording);

private:
    void take(ClientConnection& from);
    void release(ClientConnection& from);
    int microphones(std::int32_t room) const;
    void setCodec(ClientConnection& from, const TIncomingPacket& packet);
    void setTalkers(ClientConnection& from, const TIncomingPacket& packet);
    void relayRemoteAudio(ClientConnection& from, const TIncomingPacket& packet);

    IServiceHost& m_host;
    const IRoomRecording& m_recording;
};

} // namespace orv::server
