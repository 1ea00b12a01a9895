#pragma once
// The board's packets go to the server only in a live session: a replay sends nothing.

#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "session/SessionContext.h"

namespace orv {

// False when nothing was sent: a replay, or the connection is down.
inline bool SendUnlessReplaying(TSessionContext& context, std::uint16_t command,
                                const QByteArray& payload = {}) {
    return !context.state.IsPlayback() && context.sender.Send(command, payload);
}

} // namespace orv
