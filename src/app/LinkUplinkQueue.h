#pragma once
// The control connection's outbound queue as application sharing sees it.

#include "link/SessionLink.h"
#include "session/UplinkQueue.h"

namespace orv {

class TLinkUplinkQueue final : public IUplinkQueue {
public:
    explicit TLinkUplinkQueue(TSessionLink& link) : m_link(link) {}
    std::size_t QueuedSize() const override { return m_link.Writer() ? m_link.Writer()->QueuedSize() : 0; }
    std::int32_t OverflowSize() const override { return m_link.OverflowSize(); }
    void PurgeCommand(std::uint16_t command) override {
        if (m_link.Writer())
            m_link.Writer()->PurgeCommand(command);
    }
    bool Up() const override { return m_link.Up(); }

private:
    TSessionLink& m_link;
};

} // namespace orv
