#include "protocol/ModerationMessages.h"

#include "protocol/WireFormat.h"

#include <array>

namespace orv {

QByteArray TMicrophoneRightMessage::encode() const {
    return wire::bytesOf(userId);
}

TMicrophoneRightMessage TMicrophoneRightMessage::decode(PayloadReader& reader) {
    return {reader.u16()};
}

QByteArray TRemovalMessage::encode() const {
    std::array<std::uint8_t, kReasonCapacity + 1> field{};
    wire::storeShortString(field.data(), kReasonCapacity, reason);
    return wire::bytesOf(userId) +
           QByteArray(reinterpret_cast<const char*>(field.data()), qsizetype(field.size()));
}

TRemovalMessage TRemovalMessage::decode(PayloadReader& reader) {
    TRemovalMessage m;
    m.userId = reader.u16();
    std::array<std::uint8_t, kReasonCapacity + 1> field{};
    reader.copyTo(field.data(), field.size());
    m.reason = wire::loadShortString(field.data(), kReasonCapacity);
    return m;
}

QByteArray TAccountTypeMessage::encode() const {
    return wire::bytesOf(userId) + wire::bytesOf(userType);
}

TAccountTypeMessage TAccountTypeMessage::decode(PayloadReader& reader) {
    TAccountTypeMessage m;
    m.userId = reader.i32();
    m.userType = reader.i32();
    return m;
}

QByteArray TSignalMessage::encode() const {
    return wire::bytesOf(value);
}

TSignalMessage TSignalMessage::decode(PayloadReader& reader) {
    return {reader.i32()};
}

} // namespace orv
