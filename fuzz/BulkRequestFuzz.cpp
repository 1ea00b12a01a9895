// Arbitrary bytes on the server's bulk-transfer port, as the request framer cuts them, fed in pieces of
// varying size: at most one request, and never more content than it declared.
#include "BulkRequestFramer.h"

#include <QtGlobal>

namespace {

class CheckingSink final : public orv::server::BulkRequestFramer::Sink {
public:
    void onRequest(const orv::TTransferRequest& request) override {
        if (m_requests++ != 0)
            __builtin_trap();
        const bool upload = orv::UploadKindOf(request.header.Command).has_value();
        m_declared = upload ? request.header.DataSize - qint64(orv::TResourceRecord::kSize) : 0;
        if (m_declared < 0 || m_declared != (upload ? request.record.FileSize() : 0))
            __builtin_trap();
        m_length += request.record.FileName().size();
    }
    void onContent(const char*, qsizetype size) override {
        m_content += size;
        if (m_requests != 1 || m_content > m_declared || m_ended)
            __builtin_trap();
    }
    void onContentEnd() override {
        if (m_requests != 1 || m_content != m_declared || m_ended)
            __builtin_trap();
        m_ended = true;
    }
    void onMalformed(const QString& reason) override {
        if (m_requests != 0)
            __builtin_trap();
        m_length += reason.size();
    }

private:
    int m_requests = 0;
    qint64 m_declared = 0;
    qint64 m_content = 0;
    bool m_ended = false;
    qsizetype m_length = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckingSink sink;
    orv::server::BulkRequestFramer framer(sink);
    // The first byte chooses the piece size, so partial requests are exercised too.
    const std::size_t piece = size ? 1 + data[0] % 211 : 1;
    for (std::size_t pos = size ? 1 : 0; pos < size; pos += piece) {
        const std::size_t n = std::min(piece, size - pos);
        framer.feed(reinterpret_cast<const char*>(data + pos), qsizetype(n));
    }
    return 0;
}
