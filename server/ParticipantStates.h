#pragma once
// Each room member's states as the status list reports them: microphone, camera, public boards and motions.
// The roster keeps them; moderation changes them as its commands, signals and requests take effect.

#include "protocol/RosterRecords.h"

namespace orv::server {

class ClientConnection;

class IParticipantStates {
public:
    virtual ~IParticipantStates() = default;
    // None for a connection in no room.
    virtual TParticipantStatusRecord* statesOf(const ClientConnection& member) = 0;
};

} // namespace orv::server
