#include "protocol/SignInMessages.h"

#include "protocol/Constants.h"
#include "protocol/WireFormat.h"

namespace orv {

TVersionRecord ClientVersionRecord() {
    TVersionRecord version;
    version.SetVersion(kClientVersion);
    version.SetBuildDate(kClientBuildDate);
    return version;
}

QByteArray EncodeBareReply(std::uint16_t resultCode, std::int32_t dataSize) {
    TPacketHeader h;
    FillHeader(0, 0, 0, h);
    h.ResultCode = resultCode;
    h.DataSize = dataSize;
    return h.toByteArray();
}

QByteArray TUpdateOffer::encode() const {
    return version.toByteArray() + wire::bytesOf(fileSize);
}

TUpdateOffer TUpdateOffer::decode(PayloadReader& reader) {
    TUpdateOffer offer;
    offer.version.readFrom(reader);
    offer.fileSize = reader.u32();
    return offer;
}

QByteArray EncodeSignInReply(std::uint16_t resultCode, const TAccountRecord& account) {
    if (resultCode != 0)
        return EncodeBareReply(resultCode, 0);
    return EncodeBareReply(0, TAccountRecord::kSize) + account.toByteArray();
}

bool StartupInfoAccepted(const TPacketHeader& header) {
    return header.DataSize > 0 && header.ResultCode == 0;
}

} // namespace orv
