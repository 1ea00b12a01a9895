#pragma once
// What a service may use of the server: registering the requests it answers, the configuration, the log,
// room membership and sending. Services never see each other or the connection list.

#include "protocol/CommandCatalogue.h"
#include "protocol/IncomingPacket.h"
#include "protocol/ResultCodes.h"
#include "protocol/SignInRecords.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <initializer_list>
#include <vector>

namespace orv::server {

class ClientConnection;
class ResourceStore;
class RoomMembers;
class RoomRights;
class VoiceFloor;
struct ServerConfig;

// A packet a service sends; the host fills in the header's UserId and RoomId.
struct OutgoingPacket {
    std::uint16_t command = 0;
    QByteArray payload;
    std::uint16_t resultCode = ResultCode::Success;
};

// One packet of a room's state as someone entering now would be sent it: `from` is the participant the
// packet comes from, 0 for a reply to the one entering.
struct RoomStatePacket {
    std::uint16_t from = 0;
    OutgoingPacket packet;
};

// A change of room membership, told to the services once it has happened.
enum class MemberChange { Entered, Left };

class IServiceHost {
public:
    // The requester's connection and its packet; the packet is valid only while the handler runs.
    using Handler = std::function<void(ClientConnection& requester, const TIncomingPacket& packet)>;
    using VersionHandler = std::function<void(ClientConnection& client, const TVersionRecord& record)>;
    using SignInHandler = std::function<void(ClientConnection& client, const TSignInRecord& record)>;
    using MembershipHandler =
        std::function<void(ClientConnection& member, std::int32_t room, MemberChange change)>;
    // A whole packet (header and payload) as it went to a room's members.
    using RoomTrafficHandler = std::function<void(std::int32_t room, const QByteArray& packet)>;
    // Adds what the service would tell `viewer` on entering `room` now, in the order it would arrive.
    using RoomStateHandler = std::function<void(const ClientConnection& viewer, std::int32_t room,
                                                std::vector<RoomStatePacket>& state)>;

    static constexpr int kAnySize = -1;

    virtual ~IServiceHost() = default;

    // A framed request whose payload is not `payloadSize` bytes (unless kAnySize) is malformed and drops the
    // client, as does a payload the handler cannot decode (EPayloadError). Several codes may share a handler;
    // a code answered twice, or one the client never sends here, is a programming error (std::logic_error).
    virtual void registerHandler(std::initializer_list<TCommandCode> codes, int payloadSize,
                                 Handler handler) = 0;
    // The bare records that open a connection have one answerer each.
    virtual void registerVersionHandler(VersionHandler handler) = 0;
    virtual void registerSignInHandler(SignInHandler handler) = 0;
    // Told after a client entered a room and after it left one: for another room, for a newer sign-in of the
    // same user, or because its connection closed. A member that left is no longer among members(), and its
    // account record still names the room it left. Every service that registers is told.
    virtual void registerMembershipHandler(MembershipHandler handler) = 0;
    // Told of every packet sent to a room, or to all in a room but its sender (not of replies and packets to
    // one user).
    virtual void registerRoomTrafficHandler(RoomTrafficHandler handler) = 0;
    // Asked, in the order services registered, when a room's state is wanted whole (a recording's start).
    virtual void registerRoomStateHandler(RoomStateHandler handler) = 0;
    // The room as `viewer` would be brought up to date on entering it now: what every service registered.
    virtual std::vector<RoomStatePacket> roomState(const ClientConnection& viewer,
                                                   std::int32_t room) const = 0;

    virtual const ServerConfig& config() const = 0;
    virtual void log(const QString& line) const = 0;
    // The rooms' documents, images, web links and presentations, and the participants' pictures.
    virtual ResourceStore& resources() = 0;
    // Who holds a microphone in each room; the voice port relays only them.
    virtual VoiceFloor& voiceFloor() = 0;
    // Who may do what in each room, and the room's state as the status list reports it.
    virtual RoomRights& rights() = 0;

    // Makes the connection the user's one session; an older connection of the same user is told and closed.
    virtual void signIn(ClientConnection& client, const TAccountRecord& account) = 0;
    // Moves the client into `room`: its account record's room field and the membership change together.
    virtual void enterRoom(ClientConnection& client, std::int32_t room) = 0;
    virtual const RoomMembers& members() const = 0;

    // A packet's header names the participant it comes from, so receivers know who acted: the requester for
    // a reply, `from` otherwise. Closing connections are skipped. What is not a framed packet (the bare
    // replies of the sign-in exchange, files) goes on the requester's own connection.
    virtual void reply(ClientConnection& requester, const OutgoingPacket& packet) = 0;
    // False when the user has no session here.
    virtual bool sendToUser(std::uint16_t userId, const ClientConnection& from,
                            const OutgoingPacket& packet) = 0;
    virtual void sendToRoom(std::int32_t room, const ClientConnection& from,
                            const OutgoingPacket& packet) = 0;
    // Everyone in the sender's room but the sender; nobody when the sender is in no room.
    virtual void sendToOthersInRoom(const ClientConnection& sender, const OutgoingPacket& packet) = 0;
};

} // namespace orv::server
