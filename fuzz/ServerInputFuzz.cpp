// Arbitrary bytes from a client as the session server cuts them: bare records, then framed packets, fed in
// pieces of varying size.
#include "InputFramer.h"
#include "protocol/PayloadReader.h"

#include <QtGlobal>

namespace {

class DecodingSink final : public orv::server::InputFramer::Sink {
public:
    void onVersion(const orv::TVersionRecord& r) override { touch(r.Version() + r.BuildDate()); }
    void onSignIn(const orv::TSignInRecord& r) override { touch(r.UserName() + r.Password()); }
    void onPacket(const orv::TPacketHeader& header, const QByteArray& stream) override {
        if (stream.size() != qsizetype(orv::TPacketHeader::kSize + header.payloadSize()))
            __builtin_trap();
        orv::PayloadReader r(stream);
        r.seek(orv::TPacketHeader::kSize);
        try {
            r.i32();
        } catch (const orv::EPayloadError&) {
        }
    }
    void onMalformed(const QString& reason) override { touch(reason); }
    // Refuses even commands, so both ways through the framer are taken.
    QString refusal(const orv::TPacketHeader& header) override {
        return header.Command % 2 ? QString() : QString("refused");
    }

private:
    void touch(const QString& s) { m_length += s.size(); }
    qsizetype m_length = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DecodingSink sink;
    orv::server::InputFramer framer(sink);
    // The first byte chooses the piece size, so partial records and packets are exercised too.
    const std::size_t piece = size ? 1 + data[0] % 97 : 1;
    for (std::size_t pos = size ? 1 : 0; pos < size; pos += piece) {
        const std::size_t n = std::min(piece, size - pos);
        framer.feed(QByteArray(reinterpret_cast<const char*>(data + pos), qsizetype(n)));
    }
    return 0;
}
