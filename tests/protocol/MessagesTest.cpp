#include "protocol/CommandCatalogue.h"
#include "protocol/Constants.h"
#include "protocol/ResultCodes.h"
#include "protocol/RoomMessages.h"
#include "protocol/SessionMessages.h"
#include "protocol/SignInMessages.h"
#include "support/QtPrinters.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace orv {
namespace {

template <typename Message> Message roundTrip(const Message& message, std::size_t expectedSize) {
    const QByteArray bytes = message.encode();
    EXPECT_EQ(std::size_t(bytes.size()), expectedSize);
    PayloadReader reader(bytes);
    Message back = Message::decode(reader);
    EXPECT_TRUE(reader.atEnd());
    return back;
}

TEST(SignInMessages, VersionOfferAndRepliesHaveTheirFixedLayout) {
    const TVersionRecord client = ClientVersionRecord();
    EXPECT_EQ(client.Version(), kClientVersion);
    EXPECT_EQ(client.BuildDate(), kClientBuildDate);
    EXPECT_EQ(client.toByteArray().left(6), QByteArray("\x05"
                                                       "4.9.1"));

    TUpdateOffer offer{client, 0x01020304};
    offer.version.SetVersion("5.0");
    const QByteArray bytes = offer.encode();
    EXPECT_EQ(bytes.mid(32), QByteArray("\x04\x03\x02\x01"));
    const TUpdateOffer back = roundTrip(offer, TUpdateOffer::kSize);
    EXPECT_EQ(back.version.Version(), "5.0");
    EXPECT_EQ(back.fileSize, 0x01020304u);

    TAccountRecord account;
    account.SetUserId(7);
    const QByteArray accepted = EncodeSignInReply(0, account);
    ASSERT_EQ(accepted.size(), qsizetype(TPacketHeader::kSize + TAccountRecord::kSize));
    const TPacketHeader header = TPacketHeader::decode(accepted);
    EXPECT_EQ(header.Command, 0);
    EXPECT_EQ(header.DataSize, std::int32_t(TAccountRecord::kSize));
    EXPECT_EQ(accepted.mid(TPacketHeader::kSize), account.toByteArray());

    const QByteArray refused = EncodeSignInReply(ResultCode::Blocked, account);
    ASSERT_EQ(refused.size(), qsizetype(TPacketHeader::kSize));
    EXPECT_EQ(TPacketHeader::decode(refused).ResultCode, ResultCode::Blocked);
    EXPECT_EQ(TPacketHeader::decode(refused).DataSize, 0);
}

TEST(SignInMessages, RecordsKeepTheirFieldsAtTheirOffsets) {
    TSignInRecord signIn;
    signIn.SetPassword("pw");
    signIn.SetUserName("ann");
    TAccountRecord account;
    account.SetUserName("ann");
    account.SetAccountType(1000);
    account.SetRoomRole(7);
    TStartupInfo startup;
    startup.SetBannerFileSize(0x0A0B0C0D);
    startup.SetStretchFlag(true);
    struct Case {
        QByteArray bytes;
        int offset;
        QByteArray expected;
    } cases[] = {
        {signIn.toByteArray(), 2, QByteArray("\x02pw")},
        {signIn.toByteArray(), 13,
         QByteArray("\x03"
                    "ann")},
        {account.toByteArray(), 645, QByteArray("\xE8\x03\x00\x00", 4)},
        {account.toByteArray(), 949, QByteArray("\x07\x00\x00\x00", 4)},
        {account.toByteArray(), 1026,
         QByteArray("\x03"
                    "ann")},
        {startup.toByteArray(), 514, QByteArray("\x0D\x0C\x0B\x0A\x01")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.bytes.mid(c.offset, c.expected.size()), c.expected) << "offset " << c.offset;
    EXPECT_EQ(signIn.toByteArray().size(), 64);
    EXPECT_EQ(account.toByteArray().size(), 1077);
    EXPECT_EQ(startup.toByteArray().size(), 519);
}

TEST(SessionMessages, NoticesWithoutPayloadComeFromTheServer) {
    for (const TCommandCode code : {cmDuplicateSignIn, cmProbe}) {
        const QByteArray packet = BuildPacket(code, 7, 100);
        ASSERT_EQ(packet.size(), qsizetype(TPacketHeader::kSize));
        const TPacketHeader header = TPacketHeader::decode(packet);
        EXPECT_EQ(header.Command, code);
        EXPECT_EQ(header.DataSize, 0);
        EXPECT_EQ(FindCommand(code)->direction, TCommandDirection::FromServer) << code;
    }
}

TEST(SignInMessages, StartupInfoIsReadOnlyWhenAcceptedWithAPayload) {
    struct Case {
        std::int32_t dataSize;
        std::uint16_t code;
        bool accepted;
    } cases[] = {{519, 0, true}, {600, 0, true}, {0, 0, false}, {-1, 0, false}, {519, 33, false}};
    for (const Case& c : cases) {
        TPacketHeader h;
        h.DataSize = c.dataSize;
        h.ResultCode = c.code;
        EXPECT_EQ(StartupInfoAccepted(h), c.accepted) << c.dataSize << " " << c.code;
    }
}

TEST(RoomMessages, RoundTripByteForByte) {
    TRoomListReply list;
    for (int i = 0; i < 3; ++i) {
        TRoomListEntry e;
        e.SetNumber(100 + i);
        e.SetName(QString("Room %1").arg(i));
        e.SetState(RoomState::Expired);
        list.entries.push_back(e);
    }
    const TRoomListReply listBack = roundTrip(list, 3 * TRoomListEntry::kSize);
    ASSERT_EQ(listBack.entries.size(), 3u);
    EXPECT_EQ(listBack.entries[2], list.entries[2]);

    EXPECT_EQ(roundTrip(TEnterRoomRequest{-5}, 4).room, -5);

    TRoomEntryReply entry;
    entry.ports.SetVoicePort(5001);
    entry.ports.SetBulkPort(5002);
    entry.room.SetNumber(100);
    entry.room.SetMicrophoneCount(3);
    entry.account.SetUserId(9);
    const QByteArray bytes = entry.encode();
    EXPECT_EQ(bytes.mid(25, 4), QByteArray("\x89\x13\x00\x00", 4)); // the voice port at its offset
    const TRoomEntryReply entryBack = roundTrip(entry, TRoomConnection::kSize + 1418 + 1077);
    EXPECT_EQ(entryBack.ports, entry.ports);
    EXPECT_EQ(entryBack.room, entry.room);
    EXPECT_EQ(entryBack.account, entry.account);

    TRoomInfo info{entry.room};
    EXPECT_EQ(roundTrip(info, 1418).room, entry.room);
}

TEST(RoomMessages, ShortPayloadsFailWholeOrKeepOnlyWholeEntries) {
    TRoomEntryReply entry;
    const QByteArray cut = entry.encode().chopped(1);
    PayloadReader reader(cut);
    EXPECT_THROW(TRoomEntryReply::decode(reader), EPayloadError);

    const QByteArray listBytes = QByteArray(TRoomListEntry::kSize + 100, '\0');
    PayloadReader listReader(listBytes);
    EXPECT_EQ(TRoomListReply::decode(listReader).entries.size(), 1u);

    PayloadReader empty(QByteArray{});
    EXPECT_TRUE(TRoomListReply::decode(empty).entries.empty());
    EXPECT_THROW(TEnterRoomRequest::decode(empty), EPayloadError);
}

TEST(SessionMessages, TimeZoneBiasIsUtcMinusLocal) {
    const QDateTime utc(QDate(2026, 7, 1), QTime(12, 0), QTimeZone::utc());
    EXPECT_EQ(TTimeZoneReport::ForLocalTime(utc.toTimeZone(QTimeZone("Europe/Berlin"))).bias, -120);
    EXPECT_EQ(TTimeZoneReport::ForLocalTime(utc.toTimeZone(QTimeZone("America/New_York"))).bias, 240);
    EXPECT_EQ(TTimeZoneReport::ForLocalTime(utc).bias, 0);
    EXPECT_EQ(roundTrip(TTimeZoneReport{-330}, 4).bias, -330);
    EXPECT_EQ(roundTrip(TViewMessage{2}, 4).view, 2);
}

} // namespace
} // namespace orv
