#include "protocol/LibraryMessages.h"

#include "protocol/WireFormat.h"

#include <algorithm>

namespace orv {

namespace {

struct LibraryKindCodes {
    TTransferKind kind;
    TCommandCode list, erase, push; // 0 where the kind has none
};

constexpr LibraryKindCodes kLibraryKinds[] = {
    {tkDocument, cmDocumentList, cmDeleteDocument, cmPushDocument},
    {tkLibraryImage, cmImageList, cmDeleteImage, cmPushImage},
    {tkWebLink, cmWebLinkList, cmDeleteWebLink, cmPushWebLink},
    {tkPresentation, cmPresentationList, cmDeletePresentation, TCommandCode(0)},
    {tkSlide, TCommandCode(0), TCommandCode(0), cmPushPresentation},
};

template <TCommandCode LibraryKindCodes::*Field> std::optional<TCommandCode> codeOf(TTransferKind kind) {
    for (const LibraryKindCodes& k : kLibraryKinds)
        if (k.kind == kind && k.*Field != 0)
            return k.*Field;
    return std::nullopt;
}

template <TCommandCode LibraryKindCodes::*Field> std::optional<TTransferKind> kindOf(std::uint16_t command) {
    for (const LibraryKindCodes& k : kLibraryKinds)
        if (command != 0 && k.*Field == command)
            return k.kind;
    return std::nullopt;
}

} // namespace

QByteArray TResourceListMessage::encode() const {
    TResourceRecord count;
    count.SetResourceId(std::int32_t(records.size()));
    QByteArray bytes = count.toByteArray();
    for (const TResourceRecord& r : records)
        bytes += r.toByteArray();
    return bytes;
}

TResourceListMessage TResourceListMessage::decode(PayloadReader& reader) {
    TResourceListMessage m;
    if (reader.remaining() < TResourceRecord::kSize)
        return m;
    TResourceRecord first;
    first.readFrom(reader);
    const std::int32_t count = first.ResourceId(); // the count is the record's first 32 bits
    const std::size_t fits = reader.remaining() / TResourceRecord::kSize;
    const std::size_t n = count > 0 ? std::min(std::size_t(count), fits) : 0;
    m.records.resize(n);
    for (TResourceRecord& r : m.records)
        r.readFrom(reader);
    return m;
}

QByteArray TResourcePushMessage::encode() const {
    return wire::bytesOf(board) + record.toByteArray();
}

TResourcePushMessage TResourcePushMessage::decode(PayloadReader& reader) {
    TResourcePushMessage m;
    m.board = reader.i32();
    m.record.readFrom(reader);
    return m;
}

TResourceDeleteMessage TResourceDeleteMessage::decode(PayloadReader& reader) {
    TResourceDeleteMessage m;
    m.record.readFrom(reader);
    return m;
}

std::optional<TCommandCode> ListCommand(TTransferKind kind) {
    return codeOf<&LibraryKindCodes::list>(kind);
}
std::optional<TCommandCode> DeleteCommand(TTransferKind kind) {
    return codeOf<&LibraryKindCodes::erase>(kind);
}
std::optional<TCommandCode> PushCommand(TTransferKind kind) {
    return codeOf<&LibraryKindCodes::push>(kind);
}
std::optional<TTransferKind> ListKindOf(std::uint16_t command) {
    return kindOf<&LibraryKindCodes::list>(command);
}
std::optional<TTransferKind> DeleteKindOf(std::uint16_t command) {
    return kindOf<&LibraryKindCodes::erase>(command);
}
std::optional<TTransferKind> PushKindOf(std::uint16_t command) {
    return kindOf<&LibraryKindCodes::push>(command);
}

} // namespace orv
