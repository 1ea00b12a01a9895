#pragma once
// The exchange of the bulk-transfer connections: one request (header and resource record, an upload's file
// bytes after them) and one reply per connection. The transfer kind selects the request's command code.

#include "protocol/CommandCatalogue.h"
#include "protocol/PacketHeader.h"
#include "protocol/PayloadReader.h"
#include "protocol/ResourceRecords.h"

#include <QByteArray>

#include <limits>
#include <optional>

namespace orv {

enum TTransferKind : std::int32_t {
    tkDocument = 0,     // shared document
    tkLibraryImage = 1, // image of the board image library
    tkWebLink = 2,      // web link (uploaded without a file)
    tkPicture = 3,      // participant picture
    tkPresentation = 4, // presentation descriptor
    tkSlide = 5,        // presentation slide
};

// The request code of an upload of the kind; none for a value that is no kind.
std::optional<TCommandCode> UploadCommand(std::int32_t kind);
// The request code of a download of the kind; none for the kinds that are never downloaded.
std::optional<TCommandCode> DownloadCommand(std::int32_t kind);
std::optional<TTransferKind> UploadKindOf(std::uint16_t command);
std::optional<TTransferKind> DownloadKindOf(std::uint16_t command);
// What a successful upload's reply names: the list that changed (documents, images, presentations), or
// the request's own code where no list the client reloads changed.
TCommandCode UploadReplyCommand(TTransferKind kind);

// The largest file a transfer can describe: DataSize, a signed 32-bit count, covers the record too.
inline constexpr std::int64_t kMaxTransferFileSize =
    std::numeric_limits<std::int32_t>::max() - std::int64_t(TResourceRecord::kSize);

// The opening of every transfer: the header and the record.
struct TTransferRequest {
    static constexpr std::size_t kSize = TPacketHeader::kSize + TResourceRecord::kSize;

    TPacketHeader header;
    TResourceRecord record;

    // The header and the record as they go on the wire; DataSize is the header's own.
    QByteArray encode() const;
    static TTransferRequest decode(PayloadReader& reader);
};

// An upload of `record` (its FileSize filled): DataSize covers the record and the file.
TTransferRequest MakeUploadRequest(TTransferKind kind, std::uint16_t userId, std::uint16_t roomId,
                                   const TResourceRecord& record);
// A download request: ResourceId -1, the name, local path and description, every other byte zero.
// `kind` must be one that is downloaded.
TTransferRequest MakeDownloadRequest(TTransferKind kind, std::uint16_t userId, std::uint16_t roomId,
                                     const QString& name, const QString& localPath,
                                     const QString& description);

// The file bytes that follow the record in a packet of this header: the record's FileSize when DataSize
// holds the record and 0 <= FileSize <= DataSize - 773; none otherwise.
std::optional<std::int32_t> ContentSize(const TPacketHeader& header, const TResourceRecord& record);

} // namespace orv
