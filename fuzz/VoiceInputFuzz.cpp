// Arbitrary bytes on the server's voice port, as the voice framer cuts them, fed in pieces of varying size:
// one sign-on first, then only frames that hold what their header declares, none beyond a voice frame's
// size, and nothing after a malformed stream.
#include "VoiceInputFramer.h"

#include <QtGlobal>

namespace {

class CheckingSink final : public orv::server::VoiceInputFramer::Sink {
public:
    void onSignOn(const orv::TVoiceSignOn& signOn) override {
        if (m_signOns++ != 0 || m_broken)
            __builtin_trap();
        m_length += signOn.Password().size() + signOn.UserName().size();
    }
    void onFrame(const orv::TPacketHeader& header, const QByteArray& packet) override {
        if (m_signOns != 1 || m_broken || header.DataSize > orv::kMaxVoicePayload ||
            packet.size() != qsizetype(orv::TPacketHeader::kSize + header.payloadSize()))
            __builtin_trap();
    }
    void onMalformed(const QString& reason) override {
        if (m_signOns != 1 || m_broken)
            __builtin_trap();
        m_broken = true;
        m_length += reason.size();
    }

private:
    int m_signOns = 0;
    bool m_broken = false;
    qsizetype m_length = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckingSink sink;
    orv::server::VoiceInputFramer framer(sink);
    // The first byte chooses the piece size, so a sign-on and frames split anywhere are exercised too.
    const std::size_t piece = size ? 1 + data[0] % 211 : 1;
    for (std::size_t pos = size ? 1 : 0; pos < size; pos += piece) {
        const std::size_t n = std::min(piece, size - pos);
        framer.feed(reinterpret_cast<const char*>(data + pos), qsizetype(n));
    }
    return 0;
}
