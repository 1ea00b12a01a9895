// Arbitrary bytes as a wave image (the wizard's sample reader), or as a remote audio record or a room voice
// notice from the network: the first byte chooses. Nothing may read past the bytes, and a device line from
// the record must never become one the device lists do not have.
#include "protocol/AudioControlMessages.h"
#include "session/ParticipantDirectory.h"
#include "support/FakeAudio.h"
#include "support/FakeMixer.h"
#include "support/FakeSession.h"
#include "support/FakeTimers.h"
#include "voice/RemoteAudioSubject.h"
#include "voice/RoomVoiceSettings.h"
#include "voice/WaveImage.h"

#include <QCoreApplication>

namespace {
int argc = 1;
char name[] = "audio_control";
char* argv[] = {name, nullptr};

struct NoDirectory final : orv::IParticipantDirectory {
    std::optional<orv::TParticipantInfo> Lookup(std::uint16_t) const override { return std::nullopt; }
    std::vector<orv::TParticipantInfo> InDisplayOrder() const override { return {}; }
};
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static QCoreApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orv;
    static test::FakeSession session;
    static test::FakeTimers timers(session.clock);
    static test::FakeAudioSystem audio(session.clock);
    static test::FakeMixer mixer;
    static NoDirectory directory;
    static std::int32_t input = 0, output = 0, queue = 2;
    static TRemoteAudioSubject subject(
        session.context, directory, audio, mixer,
        {[] { return false; }, [] {}, [] { return queue; }, [](std::int32_t q) { queue = q; },
         []() -> std::int32_t& { return input; }, []() -> std::int32_t& { return output; },
         [](std::uint16_t, std::uint16_t) {}});
    static TRoomVoiceSettings settings(session.context, timers, [] {});
    if (audio.inputs.empty()) {
        session.state.account.SetUserId(2);
        audio.inputs = {{"m", "Mic"}};
        audio.outputs = {{"s", "Speakers"}, {"t", "Headset"}};
        mixer.volumes[{TAudioDirection::Input, "m"}] = 1;
        mixer.controls = std::vector<TMixerControl>{{"Boost", 0, true, 0, 1, {0}}};
    }
    if (size < 1)
        return 0;
    const QByteArray rest(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    try {
        switch (data[0] % 4) {
        case 0:
            if (const auto wave = ReadWaveImage(rest))
                if (wave->format.blockAlign == 0 || wave->data.size() % wave->format.blockAlign != 0 ||
                    wave->data.size() > rest.size())
                    __builtin_trap();
            break;
        case 1:
            if (rest.size() >= qsizetype(TRemoteAudioRecord::kSize)) {
                PayloadReader reader(rest);
                subject.OnRequest(TRemoteAudioRecord::decode(reader));
            }
            break;
        case 2: {
            TPacketHeader header;
            header.UserId = data[0] >> 2;
            header.ResultCode = data[0] >> 6;
            settings.OnRoomCodec(header, PayloadReader(rest));
            break;
        }
        default:
            settings.OnTalkerCount(PayloadReader(rest));
        }
    } catch (const EPayloadError&) {
    }
    if (input < 0 || input > 1 || output < 0 || output > 2 || queue < 1)
        __builtin_trap();
    session.sender.sent.clear();
    session.notices.chatLines.clear();
    session.notices.lines.clear();
    session.sink.clear();
    timers.advance(3000);
    return 0;
}
