// The server's relay of remote audio records (122): a moderator's request goes to its subject alone, the
// subject's answer to the moderator alone; a participant's request, a record naming nobody in the room and a
// record to the sender itself go nowhere.
#include "protocol/AudioControlMessages.h"
#include "protocol/CommandCatalogue.h"
#include "support/VoiceRoom.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace orv {
namespace {

using test::VoiceRoom;

TRemoteAudioRecord Record(std::uint16_t requester, std::uint16_t subject, std::uint16_t mark) {
    TRemoteAudioRecord r;
    r.SetRequester(requester);
    r.SetSubject(subject);
    r.SetSpeakerDevice(-1);
    r.SetSpeakerLevel(mark); // tells the records apart
    r.SetReserved(-1);
    r.SetMicrophoneDevice(2);
    r.SetMicrophoneLevel(1234);
    r.SetBoost(-1);
    r.SetCommand(1);
    r.SetQueueLength(7);
    return r;
}

TEST(RemoteAudioRelay, RequestsReachTheirSubjectAndAnswersTheirModeratorAndNothingElseGoesAnywhere) {
    VoiceRoom room(1);
    constexpr std::uint16_t T = VoiceRoom::kTeacher, A = VoiceRoom::kAlice, B = VoiceRoom::kBob, Nobody = 99;
    struct Row {
        std::uint16_t sender, requester, subject;
        std::uint16_t receiver; // 0: nobody
    };
    const Row rows[] = {
        {T, T, A, A},      // a moderator's query
        {A, T, A, T},      // the subject answers
        {B, B, A, 0},      // a participant may not ask
        {B, T, A, 0},      // nor speak for the moderator
        {T, T, Nobody, 0}, // nobody of that id in the room
        {T, T, T, 0},      // to the sender itself
        {A, A, A, 0},      // an answer to oneself
        {T, T, B, B},      // another subject
        {B, T, B, T},      // and its answer
    };
    std::map<std::uint16_t, std::vector<std::uint16_t>> expected, received;
    // Reads `who`'s control connection up to a packet `until` accepts, noting every record on the way.
    const auto readUntil = [&](std::uint16_t who,
                               const std::function<bool(const test::ReceivedPacket&)>& until) {
        for (;;) {
            const test::ReceivedPacket p = room.control[who]->readPacket();
            if (p.header.Command == cmRemoteAudio) {
                PayloadReader reader(p.payload);
                const std::uint16_t mark = TRemoteAudioRecord::decode(reader).SpeakerLevel();
                received[who].push_back(mark);
                if (mark >= 100 && mark < 100 + std::size(rows)) {
                    // The record travels as it was sent, under the sender's id.
                    const Row& row = rows[mark - 100];
                    EXPECT_EQ(p.header.UserId, row.sender);
                    EXPECT_EQ(p.payload, Record(row.requester, row.subject, mark).encode());
                }
            }
            if (until(p))
                return;
        }
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& r = rows[i];
        const auto mark = std::uint16_t(100 + i);
        room.control[r.sender]->sendPacket(cmRemoteAudio, Record(r.requester, r.subject, mark).encode());
        if (r.receiver)
            expected[r.receiver].push_back(mark);
    }
    // Each sender's release, answered to itself alone, comes back once the server has relayed all it sent.
    for (const std::uint16_t sender : {T, A, B}) {
        room.control[sender]->sendPacket(cmReleaseMicrophone);
        readUntil(sender, [&](const test::ReceivedPacket& p) {
            return p.header.Command == cmReleaseMicrophone && p.header.UserId == sender;
        });
    }
    // Then one record more to each, after which nothing else is coming for it.
    constexpr std::uint16_t kLast = 999;
    room.control[T]->sendPacket(cmRemoteAudio, Record(T, A, kLast).encode());
    room.control[T]->sendPacket(cmRemoteAudio, Record(T, B, kLast).encode());
    room.control[A]->sendPacket(cmRemoteAudio, Record(T, A, kLast).encode());
    for (const std::uint16_t receiver : {T, A, B}) {
        expected[receiver].push_back(kLast);
        readUntil(receiver, [&](const test::ReceivedPacket&) {
            return !received[receiver].empty() && received[receiver].back() == kLast;
        });
        EXPECT_EQ(received[receiver], expected[receiver]) << "at " << receiver;
    }
}

} // namespace
} // namespace orv
