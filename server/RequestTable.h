#pragma once
// Which handler answers which framed request, and the payload size it takes.

#include "ServiceHost.h"

#include <array>

namespace orv::server {

class RequestTable {
public:
    struct Entry {
        IServiceHost::Handler handler;
        int payloadSize = IServiceHost::kAnySize;
    };

    // Throws std::logic_error for a code already taken or one a client never sends on this connection:
    // either is a mistake in a service, better found at start-up than by a client.
    void add(std::initializer_list<TCommandCode> codes, int payloadSize,
             const IServiceHost::Handler& handler);
    // Null when no service answers the code.
    const Entry* find(std::uint16_t code) const;

private:
    std::array<Entry, kCommandCodeLimit> m_entries;
};

} // namespace orv::server
