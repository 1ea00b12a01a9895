#pragma once
// The libraries on the control connection: the lists of documents, library images and presentations, the
// deletes, the resources presented to everybody (a document to open, a library image or a slide for a
// board) and which kind each code stands for. The loaded acknowledgement is TAcknowledgeMessage.

#include "protocol/CommandCatalogue.h"
#include "protocol/PayloadReader.h"
#include "protocol/ResourceRecords.h"
#include "protocol/TransferMessages.h"

#include <QByteArray>

#include <optional>
#include <vector>

namespace orv {

// cmDocumentList, cmImageList, cmPresentationList (replies; the requests have no payload): a whole record
// whose first 32 bits hold the count N, then N records.
struct TResourceListMessage {
    std::vector<TResourceRecord> records;

    QByteArray encode() const;
    // Never more records than the payload holds after the count's record: (size - 773) / 773 at most. A
    // payload without the count's record, or a count below 1, is an empty list.
    static TResourceListMessage decode(PayloadReader& reader);
};

// cmPushDocument, cmPushImage, cmPushPresentation: the board current at the presenter and the record.
struct TResourcePushMessage {
    static constexpr std::size_t kSize = 4 + TResourceRecord::kSize;

    std::int32_t board = 0;
    TResourceRecord record;

    QByteArray encode() const;
    static TResourcePushMessage decode(PayloadReader& reader);
};

// cmDeleteDocument, cmDeleteImage, cmDeleteWebLink, cmDeletePresentation: the record of the resource, as
// its list gave it. The answer is a header alone, whose ResultCode says whether it was deleted.
struct TResourceDeleteMessage {
    static constexpr std::size_t kSize = TResourceRecord::kSize;

    TResourceRecord record;

    QByteArray encode() const { return record.toByteArray(); }
    static TResourceDeleteMessage decode(PayloadReader& reader);
};

// The list request of a library kind: documents, library images, web links, presentations; none for others.
std::optional<TCommandCode> ListCommand(TTransferKind kind);
std::optional<TCommandCode> DeleteCommand(TTransferKind kind);
std::optional<TTransferKind> ListKindOf(std::uint16_t command);
std::optional<TTransferKind> DeleteKindOf(std::uint16_t command);
// The push of a kind: documents, library images, web links and slides.
std::optional<TCommandCode> PushCommand(TTransferKind kind);
std::optional<TTransferKind> PushKindOf(std::uint16_t command);

} // namespace orv
