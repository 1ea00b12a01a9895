// Arbitrary bytes as the payload of a library list reply, of a present and of a delete: a list never holds
// more records than the payload has whole records after the count's, each record keeps its bytes exactly,
// and the list written again reads back the same.
#include "protocol/LibraryMessages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    constexpr std::size_t kRecord = orv::TResourceRecord::kSize;
    orv::PayloadReader reader(bytes);
    const orv::TResourceListMessage list = orv::TResourceListMessage::decode(reader);
    const std::size_t fits = size < kRecord ? 0 : (size - kRecord) / kRecord;
    if (list.records.size() > fits)
        __builtin_trap();
    for (std::size_t i = 0; i < list.records.size(); ++i)
        if (list.records[i].toByteArray() != bytes.mid(qsizetype((i + 1) * kRecord), qsizetype(kRecord)))
            __builtin_trap();
    const QByteArray written = list.encode();
    orv::PayloadReader again(written);
    if (orv::TResourceListMessage::decode(again).records != list.records)
        __builtin_trap();
    try {
        orv::PayloadReader push(bytes);
        const orv::TResourcePushMessage m = orv::TResourcePushMessage::decode(push);
        if (m.encode() != bytes.left(qsizetype(orv::TResourcePushMessage::kSize)))
            __builtin_trap();
        orv::PayloadReader erase(bytes);
        orv::TResourceDeleteMessage::decode(erase);
    } catch (const orv::EPayloadError&) {
        // Too short for the message: refused.
    }
    return 0;
}
