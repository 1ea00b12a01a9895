#pragma once
// Moderation on the control connection: permissions, removal, account types, signals and requests. The
// clearing of motions and requests (cmClearMotions) and the webcam notices (cmVideoStarted, cmVideoStopped,
// the header's user) are header-only.

#include "protocol/FixedRecord.h"
#include "protocol/PayloadReader.h"

#include <QByteArray>
#include <QString>

namespace orv {

// Request types. 0 to 3 and 10 up become notes; 4 to 9 act on the sender's roster entry.
namespace RequestType {
constexpr std::uint8_t Speak = 0;
constexpr std::uint8_t UseBoard = 1;
constexpr std::uint8_t Repeat = 2;
constexpr std::uint8_t AnotherThing = 3;
constexpr std::uint8_t Hand = 4;
constexpr std::uint8_t Nothing = 5;
constexpr std::uint8_t Clap = 6;
constexpr std::uint8_t Smile = 7;
constexpr std::uint8_t Microphone = 8;
constexpr std::uint8_t Camera = 9;
} // namespace RequestType

// cmRequest: one participant's request.
class TRequestRecord : public TFixedRecord<217> {
public:
    // The low 16 bits of the sender's request counter.
    std::uint16_t Sequence() const { return get<std::uint16_t, 0>(); }
    void SetSequence(std::uint16_t v) { set<std::uint16_t, 0>(v); }
    std::uint16_t From() const { return get<std::uint16_t, 2>(); }
    void SetFrom(std::uint16_t v) { set<std::uint16_t, 2>(v); }
    std::uint16_t Target() const { return get<std::uint16_t, 4>(); }
    void SetTarget(std::uint16_t v) { set<std::uint16_t, 4>(v); }
    // Local time of sending, as a stamp.
    double Time() const { return get<double, 6>(); }
    void SetTime(double v) { set<double, 6>(v); }
    std::uint8_t Type() const { return get<std::uint8_t, 14>(); }
    void SetType(std::uint8_t v) { set<std::uint8_t, 14>(v); }
    QString Text() const { return text<15, 200>(); }
    void SetText(const QString& v) { setText<15, 200>(v); }

    static TRequestRecord decode(PayloadReader& reader) {
        TRequestRecord r;
        r.readFrom(reader);
        return r;
    }
};
static_assert(sizeof(TRequestRecord) == 217);

// cmGiveMicrophone, cmBanMicrophone: to the server whom to give it or take it from; from the server whose
// microphone right changed.
struct TMicrophoneRightMessage {
    static constexpr std::size_t kSize = 2;
    std::uint16_t userId = 0;

    QByteArray encode() const;
    static TMicrophoneRightMessage decode(PayloadReader& reader);
};

// cmRemoveParticipant: to the server whom to remove and why; from the server the same layout tells the
// removed participant (the header's UserId removed them).
struct TRemovalMessage {
    static constexpr std::size_t kReasonCapacity = 49;
    static constexpr std::size_t kSize = 2 + kReasonCapacity + 1;
    std::uint16_t userId = 0;
    QString reason; // cut to kReasonCapacity characters on the wire

    QByteArray encode() const;
    static TRemovalMessage decode(PayloadReader& reader);
};

// cmSetAccountType: a user's new type (1000 a moderator, 0 a participant), asked for or done.
struct TAccountTypeMessage {
    static constexpr std::size_t kSize = 8;
    std::int32_t userId = 0;
    std::int32_t userType = 0;

    QByteArray encode() const;
    static TAccountTypeMessage decode(PayloadReader& reader);
};

// cmSignal: the sender's motion value (a Motion value or 0).
struct TSignalMessage {
    static constexpr std::size_t kSize = 4;
    std::int32_t value = 0;

    QByteArray encode() const;
    static TSignalMessage decode(PayloadReader& reader);
};

} // namespace orv
