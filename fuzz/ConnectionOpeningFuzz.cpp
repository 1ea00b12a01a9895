// Arbitrary first bytes of a connection as the server's listener peeks them: the decision between an
// encrypted and a plain connection never crashes, never reads past what was peeked, and never changes once
// made, however many more bytes arrive.
#include "ConnectionOpening.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using orv::server::OpeningKind;
    const auto* bytes = reinterpret_cast<const char*>(data);
    OpeningKind decided = OpeningKind::Undecided;
    for (std::size_t n = 0; n <= size; ++n) {
        const OpeningKind kind = orv::server::classifyOpening(QByteArrayView(bytes, qsizetype(n)));
        if (decided != OpeningKind::Undecided && kind != decided)
            std::abort();
        if (kind == OpeningKind::Undecided && n >= std::size_t(orv::server::kOpeningBytes))
            std::abort(); // the peeked bytes are always enough
        decided = kind;
    }
    return 0;
}
