#include "link/SessionSender.h"

#include "link/SessionLink.h"
#include "link/SessionState.h"

namespace orv {

bool TSessionSender::Send(std::uint16_t command, const QByteArray& payload) {
    const TAccountRecord& account = m_state.account;
    return m_link.Send(BuildPacket(command, account.UserId(), std::uint16_t(account.Room()), payload));
}

} // namespace orv
