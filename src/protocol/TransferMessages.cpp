#include "protocol/TransferMessages.h"

#include <array>

namespace orv {
namespace {

struct KindCodes {
    TTransferKind kind;
    TCommandCode upload;
    std::optional<TCommandCode> download;
    TCommandCode uploadReply;
};

constexpr std::array<KindCodes, 6> kKinds{{
    {tkDocument, cmUploadDocument, cmDownloadDocument, cmUploadDocumentDone},
    {tkLibraryImage, cmUploadImage, cmDownloadImage, cmUploadImageDone},
    {tkWebLink, cmAddWebLink, std::nullopt, cmAddWebLink},
    {tkPicture, cmUploadPicture, cmDownloadPicture, cmUploadPicture},
    {tkPresentation, cmUploadKind4, std::nullopt, cmUploadPresentationDone},
    {tkSlide, cmUploadPresentation, cmDownloadPresentation, cmUploadPresentation},
}};

const KindCodes* find(std::int32_t kind) {
    return kind >= 0 && kind < std::int32_t(kKinds.size()) ? &kKinds[std::size_t(kind)] : nullptr;
}

} // namespace

std::optional<TCommandCode> UploadCommand(std::int32_t kind) {
    const KindCodes* k = find(kind);
    return k ? std::optional(k->upload) : std::nullopt;
}

std::optional<TCommandCode> DownloadCommand(std::int32_t kind) {
    const KindCodes* k = find(kind);
    return k ? k->download : std::nullopt;
}

std::optional<TTransferKind> UploadKindOf(std::uint16_t command) {
    for (const KindCodes& k : kKinds)
        if (k.upload == command)
            return k.kind;
    return std::nullopt;
}

std::optional<TTransferKind> DownloadKindOf(std::uint16_t command) {
    for (const KindCodes& k : kKinds)
        if (k.download == command)
            return k.kind;
    return std::nullopt;
}

TCommandCode UploadReplyCommand(TTransferKind kind) {
    return find(kind)->uploadReply;
}

QByteArray TTransferRequest::encode() const {
    return header.toByteArray() + record.toByteArray();
}

TTransferRequest TTransferRequest::decode(PayloadReader& reader) {
    std::uint8_t bytes[TPacketHeader::kSize];
    reader.copyTo(bytes, sizeof bytes);
    TTransferRequest request;
    request.header = TPacketHeader::decode(bytes);
    request.record.readFrom(reader);
    return request;
}

TTransferRequest MakeUploadRequest(TTransferKind kind, std::uint16_t userId, std::uint16_t roomId,
                                   const TResourceRecord& record) {
    TTransferRequest request;
    FillHeader(*UploadCommand(kind), userId, roomId, request.header);
    request.header.DataSize = std::int32_t(TResourceRecord::kSize) + record.FileSize();
    request.record = record;
    return request;
}

TTransferRequest MakeDownloadRequest(TTransferKind kind, std::uint16_t userId, std::uint16_t roomId,
                                     const QString& name, const QString& localPath,
                                     const QString& description) {
    TTransferRequest request;
    FillHeader(*DownloadCommand(kind), userId, roomId, request.header);
    request.header.DataSize = std::int32_t(TResourceRecord::kSize);
    request.record.SetResourceId(-1);
    request.record.SetFileName(name);
    request.record.SetLocalPath(localPath);
    request.record.SetDescription(description);
    return request;
}

std::optional<std::int32_t> ContentSize(const TPacketHeader& header, const TResourceRecord& record) {
    const std::int64_t room = std::int64_t(header.DataSize) - std::int64_t(TResourceRecord::kSize);
    const std::int32_t size = record.FileSize();
    if (room < 0 || size < 0 || size > room)
        return std::nullopt;
    return size;
}

} // namespace orv
