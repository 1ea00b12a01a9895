// Arbitrary bytes as the payload of a web links list, a tour page or a tour address: the count must never
// size memory beyond the payload or read past it, and what decodes encodes back to the bytes it came from.
#include "protocol/WebTourMessages.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orv;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        PayloadReader reader(bytes);
        const TWebLinkList list = TWebLinkList::decode(reader);
        if (list.links.size() > size / TResourceRecord::kSize)
            std::abort();
        if (!list.links.empty() && list.encode() != bytes.left(qsizetype(reader.position())))
            std::abort();
    } catch (const EPayloadError&) {
    }
    try {
        PayloadReader reader(bytes);
        const TWebLinkPush push = TWebLinkPush::decode(reader);
        if (push.encode() != bytes.left(qsizetype(TWebLinkPush::kSize)))
            std::abort();
    } catch (const EPayloadError&) {
    }
    try {
        PayloadReader reader(bytes);
        const TWebTourAddress address = TWebTourAddress::decode(reader);
        if (address.address.size() > qsizetype(TWebTourAddress::kCapacity))
            std::abort();
    } catch (const EPayloadError&) {
    }
    return 0;
}
