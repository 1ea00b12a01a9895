#include "protocol/RosterMessages.h"
#include "protocol/WireFormat.h"
#include "support/QtPrinters.h"
#include "support/RecordImage.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::put;
using test::putValue;

template <typename R> R fromImage(const QByteArray& image) {
    PayloadReader reader(image);
    R record;
    record.readFrom(reader);
    EXPECT_TRUE(reader.atEnd());
    return record;
}

TEST(RosterRecords, ParticipantRecordReadsEveryFieldAtItsOffsetAndKeepsTheReservedBytes) {
    QByteArray image(759, '\0');
    putValue<std::uint16_t>(image, 0, 0xBEEF);
    put(image, 2, "Tess");
    put(image, 23, "Tess Marlowe");
    put(image, 152, "tess@example.org");
    put(image, 281, "Lisbon");
    putValue<std::int32_t>(image, 336, 1000);
    put(image, 340, "F");
    put(image, 352, "Teacher");
    put(image, 453, "notes");
    put(image, 582, "English, Portuguese");
    putValue<std::int32_t>(image, 691, 42);
    image[695] = '\x11'; // reserved
    putValue<std::int32_t>(image, 703, -780);
    image[707] = char(usAway);
    image[758] = '\x22'; // reserved

    const auto record = fromImage<TParticipantRecord>(image);
    EXPECT_EQ(record.UserId(), 0xBEEF);
    EXPECT_EQ(record.FirstName(), "Tess");
    EXPECT_EQ(record.FullName(), "Tess Marlowe");
    EXPECT_EQ(record.Email(), "tess@example.org");
    EXPECT_EQ(record.Location(), "Lisbon");
    EXPECT_EQ(record.UserType(), 1000);
    EXPECT_TRUE(record.IsModerator());
    EXPECT_EQ(record.Gender(), "F");
    EXPECT_EQ(record.Profession(), "Teacher");
    EXPECT_EQ(record.FurtherText(), "notes");
    EXPECT_EQ(record.Languages(), "English, Portuguese");
    EXPECT_EQ(record.Age(), 42);
    EXPECT_EQ(record.TimeBias(), -780);
    EXPECT_EQ(record.OnlineStatus(), usAway);
    EXPECT_EQ(record.toByteArray(), image);

    // Setters write the same image back.
    TParticipantRecord built = record;
    built.SetFullName("Tess Marlowe");
    built.SetOnlineStatus(usAway);
    built.SetTimeBias(-780);
    EXPECT_EQ(built.toByteArray(), image);
}

TEST(RosterRecords, StatusRecordReadsItsFieldsAndKeepsTheReservedBytes) {
    const QByteArray image("\x07\x01\xAA\x04\x02\x01\xBB\x10\x00\x00\x00\xCC\xDD", 13);
    const auto record = fromImage<TParticipantStatusRecord>(image);
    EXPECT_EQ(record.UserId(), 0x0107);
    EXPECT_EQ(record.MicrophoneStatus(), msSpeaking);
    EXPECT_EQ(record.CameraStatus(), csGranted);
    EXPECT_TRUE(record.BoardAllowed());
    EXPECT_EQ(record.Motions(), Motion::No);

    TParticipantStatusRecord built = record;
    built.SetMicrophoneStatus(msGranted);
    built.SetMotions(Motion::Hand);
    EXPECT_EQ(built.toByteArray().toHex(), QByteArray("0701aa020201bb01000000ccdd"));
}

TEST(RosterMessages, ParticipantListCountsTheRecordsInItsLeadingBlock) {
    TParticipantListReply list;
    for (std::uint16_t id : {3, 5, 8}) {
        TParticipantRecord r;
        r.SetUserId(id);
        r.SetFullName(QString("User %1").arg(id));
        list.participants.push_back(r);
    }
    const QByteArray bytes = list.encode();
    ASSERT_EQ(bytes.size(), 4 * 759);
    EXPECT_EQ(bytes.left(4), QByteArray("\x03\x00\x00\x00", 4));
    EXPECT_EQ(bytes.mid(759, 759), list.participants[0].toByteArray());

    PayloadReader reader(bytes);
    const TParticipantListReply back = TParticipantListReply::decode(reader);
    EXPECT_TRUE(reader.atEnd());
    ASSERT_EQ(back.participants.size(), 3u);
    EXPECT_EQ(back.participants[2], list.participants[2]);
}

TEST(RosterMessages, ListAndStatusesReadOnlyTheWholeRecordsThatArePresent) {
    const auto listOf = [](std::uint16_t count, int recordBytes) {
        QByteArray bytes(759 + recordBytes, '\0');
        putValue(bytes, 0, count);
        return bytes;
    };
    const struct Case {
        const char* what;
        QByteArray payload;
        std::size_t records;
    } lists[] = {
        {"count 0", listOf(0, 0), 0},
        {"count 0 with records after it", listOf(0, 759), 0},
        {"count above the records", listOf(3, 2 * 759 + 100), 2},
        {"count below the records", listOf(1, 2 * 759), 1},
        {"a huge count", listOf(65535, 759), 1},
    };
    for (const Case& c : lists) {
        PayloadReader reader(c.payload);
        EXPECT_EQ(TParticipantListReply::decode(reader).participants.size(), c.records) << c.what;
    }
    for (const int size : {0, 2, 758}) {
        const QByteArray payload(size, '\x05');
        PayloadReader reader(payload);
        EXPECT_THROW(TParticipantListReply::decode(reader), EPayloadError) << "leading block of " << size;
    }

    const struct StatusCase {
        int bytes;
        std::size_t records;
    } statuses[] = {{0, 0}, {12, 0}, {13, 1}, {27, 2}, {39, 3}};
    for (const StatusCase& c : statuses) {
        const QByteArray payload(c.bytes, '\x01');
        PayloadReader reader(payload);
        EXPECT_EQ(TParticipantStatesReply::decode(reader).states.size(), c.records) << c.bytes << " bytes";
    }
}

TEST(RosterMessages, JoinStatusListAndOnlineStatusRoundTrip) {
    TParticipantJoined joined;
    joined.participant.SetUserId(4);
    joined.participant.SetOnlineStatus(usBusy);
    const QByteArray joinBytes = joined.encode();
    PayloadReader joinReader(joinBytes);
    EXPECT_EQ(TParticipantJoined::decode(joinReader).participant, joined.participant);
    const QByteArray cut = joinBytes.chopped(1);
    PayloadReader shortJoin(cut);
    EXPECT_THROW(TParticipantJoined::decode(shortJoin), EPayloadError);

    TParticipantStatesReply states;
    states.states.resize(2);
    states.states[1].SetUserId(9);
    states.states[1].SetCameraStatus(csBroadcast);
    const QByteArray statusBytes = states.encode();
    ASSERT_EQ(statusBytes.size(), 26);
    PayloadReader statusReader(statusBytes);
    EXPECT_EQ(TParticipantStatesReply::decode(statusReader).states, states.states);

    const QByteArray away = TOnlineStatusMessage{usAway}.encode();
    EXPECT_EQ(away, QByteArray("\x01"));
    PayloadReader awayReader(away);
    EXPECT_EQ(TOnlineStatusMessage::decode(awayReader).status, usAway);
}

} // namespace
} // namespace orv
