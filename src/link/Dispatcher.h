#pragma once
// The one table from command code to packet handler. Every subsystem registers its own handlers here;
// packets from the reader and from recorded sessions alike are dispatched on the main thread, one at a time.

#include "protocol/CommandCatalogue.h"
#include "protocol/IncomingPacket.h"

#include <QByteArray>

#include <array>
#include <functional>
#include <initializer_list>

namespace orv {

using TPacketHandler = std::function<void(const TIncomingPacket&)>;

class TPacketDispatcher {
public:
    // Several codes may share a handler, which then branches on the header's Command.
    void RegisterHandler(std::initializer_list<TCommandCode> codes, const TPacketHandler& handler);
    void UnregisterHandler(TCommandCode code);
    bool HasHandler(std::uint16_t code) const;

    // Calls the handler for the header's code; unknown codes are ignored. A handler's errors are caught here:
    // a payload that ends too soon drops the packet, nothing propagates to the caller.
    void DispatchPacket(const TPacketHeader& header, QByteArrayView stream);

    // The packet being handled; only meaningful inside a handler.
    const TPacketHeader& CurrentHeader() const { return m_currentHeader; }
    QByteArrayView CurrentPacket() const { return m_currentPacket; }

private:
    std::array<TPacketHandler, kCommandCodeLimit> m_handlers;
    TPacketHeader m_currentHeader;
    QByteArrayView m_currentPacket;
};

} // namespace orv
