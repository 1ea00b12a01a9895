#pragma once
// The outbound queue of the control connection as a subsystem that sends much may see it: how full it is,
// how full it may get, and removing queued packets of one command.

#include <cstddef>
#include <cstdint>

namespace orv {

class IUplinkQueue {
public:
    virtual ~IUplinkQueue() = default;
    // Bytes queued and not yet written.
    virtual std::size_t QueuedSize() const = 0;
    // The uplink budget: a third of the declared connection speed; 0 before it is known.
    virtual std::int32_t OverflowSize() const = 0;
    // Drops every queued packet of the command.
    virtual void PurgeCommand(std::uint16_t command) = 0;
    // The control connection is up.
    virtual bool Up() const = 0;
};

} // namespace orv
