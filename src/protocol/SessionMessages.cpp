#include "protocol/SessionMessages.h"

#include "protocol/WireFormat.h"

namespace orv {

TTimeZoneReport TTimeZoneReport::ForLocalTime(const QDateTime& local) {
    return {-local.offsetFromUtc() / 60};
}

QByteArray TTimeZoneReport::encode() const {
    return wire::bytesOf(bias);
}

TTimeZoneReport TTimeZoneReport::decode(PayloadReader& reader) {
    return {reader.i32()};
}

QByteArray TViewMessage::encode() const {
    return wire::bytesOf(view);
}

TViewMessage TViewMessage::decode(PayloadReader& reader) {
    return {reader.i32()};
}

QByteArray TProfileUpdate::encode() const {
    return account.toByteArray();
}

TProfileUpdate TProfileUpdate::decode(PayloadReader& reader) {
    TProfileUpdate message;
    message.account.readFrom(reader);
    return message;
}

} // namespace orv
