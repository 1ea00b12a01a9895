#pragma once
// The exchanges before the session link runs. They go straight on the socket: the client's records travel
// bare, and the server answers with a bare header (Command 0) whose ResultCode decides what follows.
//
//   version check   client: TVersionRecord            server: header, and with an update offer TUpdateOffer
//                                                      followed by the installer's bytes
//   sign-in         client: TSignInRecord             server: header, and on success the TAccountRecord
//   start-up info   client: header-only cmStartupInfo server: cmStartupInfo with TStartupInfo, then the
//                                                      banner's bytes; DataSize covers both

#include "protocol/PacketHeader.h"
#include "protocol/PayloadReader.h"
#include "protocol/SignInRecords.h"

#include <QByteArray>

namespace orv {

// The version record this client sends.
TVersionRecord ClientVersionRecord();

// A header with no command of its own, answering a bare record.
QByteArray EncodeBareReply(std::uint16_t resultCode, std::int32_t dataSize = 0);

// What follows a version check's reply when an update is offered; the installer's bytes follow it.
struct TUpdateOffer {
    static constexpr std::size_t kSize = TVersionRecord::kSize + 4;

    TVersionRecord version;
    std::uint32_t fileSize = 0;

    QByteArray encode() const;
    static TUpdateOffer decode(PayloadReader& reader);
};

// The sign-in reply: a refusal is the header alone; success announces and appends the account record.
QByteArray EncodeSignInReply(std::uint16_t resultCode, const TAccountRecord& account);

// The start-up information reply's payload is the record itself, followed by the banner's bytes.
// A reply the client may read the record from: no error and a payload announced.
bool StartupInfoAccepted(const TPacketHeader& header);

} // namespace orv
