#pragma once
// The participants' records: one participant record per person in the participant list and in a join
// notice, one status record per person in the status list. Each keeps its exact byte image, so reserved
// bytes travel unchanged.

#include "protocol/FixedRecord.h"

namespace orv {

// One byte each on the wire. A byte outside an enumeration's values is carried but never acted on.
enum TMicrophoneStatus : std::uint8_t { msNone, msRequesting, msGranted, msForbidden, msSpeaking };
enum TCameraStatus : std::uint8_t { csNone, csRequesting, csGranted, csForbidden, csBroadcast };
// usAway: the participant stepped out; usBusy: the participant runs the audio setup wizard.
enum TUserOnlineStatus : std::uint8_t { usOnline = 0, usAway = 1, usBusy = 2 };

constexpr bool IsKnown(TMicrophoneStatus s) {
    return s <= msSpeaking;
}
constexpr bool IsKnown(TCameraStatus s) {
    return s <= csBroadcast;
}
constexpr bool IsKnown(TUserOnlineStatus s) {
    return s <= usBusy;
}

// A user type from this value up is a moderator's.
constexpr std::int32_t kModeratorUserType = 1000;

// The motion bit set of the status list and of signals; the client sends one value or 0.
namespace Motion {
constexpr std::int32_t None = 0;
constexpr std::int32_t Hand = 1;
constexpr std::int32_t Smile = 2;
constexpr std::int32_t Clap = 4;
constexpr std::int32_t Yes = 8;
constexpr std::int32_t No = 16;
} // namespace Motion

// One participant as the server describes it.
class TParticipantRecord : public TFixedRecord<759> {
public:
    std::uint16_t UserId() const { return get<std::uint16_t, 0>(); }
    void SetUserId(std::uint16_t v) { set<std::uint16_t, 0>(v); }
    // The short name shown as the sender of chat messages.
    QString FirstName() const { return text<2, 20>(); }
    void SetFirstName(const QString& v) { setText<2, 20>(v); }
    // The display name of the roster entry.
    QString FullName() const { return text<23, 128>(); }
    void SetFullName(const QString& v) { setText<23, 128>(v); }
    QString Email() const { return text<152, 128>(); }
    void SetEmail(const QString& v) { setText<152, 128>(v); }
    QString Location() const { return text<281, 54>(); }
    void SetLocation(const QString& v) { setText<281, 54>(v); }
    std::int32_t UserType() const { return get<std::int32_t, 336>(); }
    void SetUserType(std::int32_t v) { set<std::int32_t, 336>(v); }
    QString Gender() const { return text<340, 11>(); }
    void SetGender(const QString& v) { setText<340, 11>(v); }
    QString Profession() const { return text<352, 100>(); }
    void SetProfession(const QString& v) { setText<352, 100>(v); }
    // Not displayed.
    QString FurtherText() const { return text<453, 128>(); }
    void SetFurtherText(const QString& v) { setText<453, 128>(v); }
    QString Languages() const { return text<582, 108>(); }
    void SetLanguages(const QString& v) { setText<582, 108>(v); }
    // Years; shown only from 1 to 99.
    std::int32_t Age() const { return get<std::int32_t, 691>(); }
    void SetAge(std::int32_t v) { set<std::int32_t, 691>(v); }
    // Minutes, UTC = local time + bias.
    std::int32_t TimeBias() const { return get<std::int32_t, 703>(); }
    void SetTimeBias(std::int32_t v) { set<std::int32_t, 703>(v); }
    TUserOnlineStatus OnlineStatus() const { return TUserOnlineStatus(get<std::uint8_t, 707>()); }
    void SetOnlineStatus(TUserOnlineStatus v) { set<std::uint8_t, 707>(v); }

    bool IsModerator() const { return UserType() >= kModeratorUserType; }
};
static_assert(sizeof(TParticipantRecord) == 759);

// One participant's microphone, camera, board access and motions, as the status list gives them.
class TParticipantStatusRecord : public TFixedRecord<13> {
public:
    std::uint16_t UserId() const { return get<std::uint16_t, 0>(); }
    void SetUserId(std::uint16_t v) { set<std::uint16_t, 0>(v); }
    TMicrophoneStatus MicrophoneStatus() const { return TMicrophoneStatus(get<std::uint8_t, 3>()); }
    void SetMicrophoneStatus(TMicrophoneStatus v) { set<std::uint8_t, 3>(v); }
    TCameraStatus CameraStatus() const { return TCameraStatus(get<std::uint8_t, 4>()); }
    void SetCameraStatus(TCameraStatus v) { set<std::uint8_t, 4>(v); }
    // Access to the public boards.
    bool BoardAllowed() const { return get<std::uint8_t, 5>() != 0; }
    void SetBoardAllowed(bool v) { set<std::uint8_t, 5>(v ? 1 : 0); }
    std::int32_t Motions() const { return get<std::int32_t, 7>(); }
    void SetMotions(std::int32_t v) { set<std::int32_t, 7>(v); }
};
static_assert(sizeof(TParticipantStatusRecord) == 13);

} // namespace orv
