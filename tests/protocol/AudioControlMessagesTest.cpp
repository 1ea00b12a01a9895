#include "protocol/AudioControlMessages.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(AudioControlMessages, RemoteAudioRecordHasItsThirtySixByteLayout) {
    TRemoteAudioRecord r;
    r.SetRequester(0x0102);
    r.SetSubject(0x0304);
    r.SetVoiceStatus(1);
    r.SetSpeakerDevice(-1);
    r.SetSpeakerLevel(0xA1B2);
    r.SetReserved(0x05060708);
    r.SetMicrophoneDevice(2);
    r.SetMicrophoneLevel(0xC3D4);
    r.SetBoost(-1);
    r.SetCommand(RemoteAudioCommand::Apply);
    r.SetQueueLength(6);
    const QByteArray expected = QByteArray::fromHex("0201"
                                                    "0403"
                                                    "01000000"
                                                    "ffffffff"
                                                    "b2a1"
                                                    "08070605"
                                                    "02000000"
                                                    "d4c3"
                                                    "ffffffff"
                                                    "01000000"
                                                    "06000000");
    ASSERT_EQ(expected.size(), 36);
    EXPECT_EQ(r.encode(), expected);
    PayloadReader reader(expected);
    const TRemoteAudioRecord back = TRemoteAudioRecord::decode(reader);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(back, r);

    PayloadReader cut(expected.left(35));
    EXPECT_THROW(TRemoteAudioRecord::decode(cut), EPayloadError);
}

TEST(AudioControlMessages, AQueryLeavesEverythingUnchanged) {
    const TRemoteAudioRecord q = TRemoteAudioRecord::Request(7, 9, RemoteAudioCommand::Query);
    EXPECT_EQ(q.encode(), QByteArray::fromHex("0700"
                                              "0900"
                                              "00000000"
                                              "ffffffff"
                                              "0000"
                                              "ffffffff"
                                              "ffffffff"
                                              "0000"
                                              "ffffffff"
                                              "00000000"
                                              "00000000"));
    EXPECT_EQ(TRoomVoiceValue{-2}.encode(), QByteArray::fromHex("feffffff"));
}

} // namespace
} // namespace orv
