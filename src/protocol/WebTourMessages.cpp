#include "protocol/WebTourMessages.h"

#include "protocol/WireFormat.h"

namespace orv {

TResourceRecord MakeWebLinkRecord(const QString& address, const QString& name, const QString& owner) {
    TResourceRecord record;
    record.SetResourceId(0);
    record.SetFileName(address);
    record.SetLocalPath(address);
    record.SetFileSize(0);
    record.SetFileExt(QString::fromLatin1(kWebLinkExt));
    record.SetDescription(name);
    record.SetOwnerName(owner);
    record.SetUploaded(0);
    record.SetItemCount(0);
    return record;
}

QByteArray TWebLinkList::encode() const {
    QByteArray out = wire::bytesOf(static_cast<std::int32_t>(links.size()));
    for (const TResourceRecord& link : links)
        out += link.toByteArray();
    return out;
}

TWebLinkList TWebLinkList::decode(PayloadReader& reader) {
    const std::int32_t count = reader.i32();
    TWebLinkList list;
    if (count <= 0)
        return list;
    if (static_cast<std::size_t>(count) > reader.remaining() / TResourceRecord::kSize)
        throw EPayloadError("web link count beyond the payload");
    list.links.resize(static_cast<std::size_t>(count));
    for (TResourceRecord& link : list.links)
        link.readFrom(reader);
    return list;
}

QByteArray TWebTourAddress::encode() const {
    QByteArray out(qsizetype(kSize), Qt::Uninitialized);
    wire::storeShortString(reinterpret_cast<std::uint8_t*>(out.data()), kCapacity, address);
    return out;
}

TWebTourAddress TWebTourAddress::decode(PayloadReader& reader) {
    return {reader.shortString(kCapacity)};
}

} // namespace orv
