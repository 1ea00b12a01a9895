#pragma once
// Cuts whole packets out of a byte stream that arrives in pieces of any size: several packets in one piece,
// or one packet over many. Memory grows only with the bytes that arrived, never with what a header claims; a
// size beyond the limit is refused as soon as its header is complete. Every stream reader of the program uses
// it.

#include "protocol/PacketHeader.h"

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <functional>
#include <vector>

namespace orv {

// Whole packets cut in one go. They share the buffer they arrived in, so cutting copies nothing per packet;
// a packet is valid as long as its batch is.
class TPacketBatch {
public:
    std::size_t size() const { return m_spans.size(); }
    bool empty() const { return m_spans.empty(); }
    // Header and payload of the i-th packet.
    QByteArrayView operator[](std::size_t i) const {
        return QByteArrayView(m_bytes).sliced(m_spans[i].start, m_spans[i].length);
    }
    void clear() {
        m_bytes.clear();
        m_spans.clear();
    }

private:
    friend class TPacketCutter;
    struct TSpan {
        qsizetype start;
        qsizetype length;
    };
    QByteArray m_bytes;
    std::vector<TSpan> m_spans;
};

class TPacketCutter {
public:
    enum class TCut { NeedMore, Packet, Refused };
    // Asked once a header is complete, before its payload arrives; false refuses the packet.
    using THeaderCheck = std::function<bool(const TPacketHeader&)>;

    // Refuses a payload above `maxPayload`, and a header `check` turns down.
    explicit TPacketCutter(std::int32_t maxPayload, THeaderCheck check = {})
        : m_maxPayload(maxPayload), m_check(std::move(check)) {}

    void Append(const char* data, std::size_t size);
    void Append(const QByteArray& bytes) { Append(bytes.constData(), std::size_t(bytes.size())); }

    // The next whole packet (header and payload) into `packet`. After Refused the cutter takes no more.
    TCut Next(QByteArray& packet);
    // Every whole packet held, into `batch` (which is replaced). Refused as for Next; then the packets
    // before the refused one are in `batch`.
    TCut TakeAll(TPacketBatch& batch);

    // The bytes held that are not cut yet.
    std::size_t Pending() const { return std::size_t(m_buffer.size()) - m_read; }
    // Takes the bytes not cut yet, for a reader that goes on reading another way.
    QByteArray TakePending();

private:
    // The length of the whole packet starting `at`, 0 while it is incomplete, -1 when it is refused.
    qsizetype WholeAt(std::size_t at);

    std::int32_t m_maxPayload;
    THeaderCheck m_check;
    bool m_headerChecked = false; // the header of the next packet passed the check
    QByteArray m_buffer;
    std::size_t m_read = 0; // where the uncut bytes start
    bool m_refused = false;
};

} // namespace orv
