#pragma once
// Remote audio control, the participant's side: a moderator's record is applied (levels, devices, boost,
// queue length) or asks for a reconnection, and every record is answered with the audio state as it is
// afterwards. Mixer reads that fail go back as -1, so the moderator's window disables those controls.

#include "platform/AudioDevices.h"
#include "platform/AudioMixer.h"
#include "protocol/AudioControlMessages.h"

#include <cstdint>
#include <functional>

namespace orv {

struct TSessionContext;
class IParticipantDirectory;

// The voice module's state the subject reads and changes.
struct TRemoteAudioSubjectHooks {
    std::function<bool()> voiceConnected;
    std::function<void()> reconnectAudio;
    std::function<std::int32_t()> queueLength;
    std::function<void(std::int32_t)> setQueueLength;
    // The device lines in use, read and changed.
    std::function<std::int32_t&()> inputDevice;
    std::function<std::int32_t&()> outputDevice;
    // The main window's sliders follow the levels set, without running their handlers.
    std::function<void(std::uint16_t speaker, std::uint16_t microphone)> showLevels;
};

class TRemoteAudioSubject {
public:
    TRemoteAudioSubject(TSessionContext& context, const IParticipantDirectory& directory, IAudioSystem& audio,
                        IAudioMixer& mixer, TRemoteAudioSubjectHooks hooks);

    void OnRequest(const TRemoteAudioRecord& request);

private:
    void apply(const TRemoteAudioRecord& request);
    void answer(TRemoteAudioRecord record);
    QByteArray input();
    QByteArray output();

    TSessionContext& m_context;
    const IParticipantDirectory& m_directory;
    IAudioSystem& m_audio;
    IAudioMixer& m_mixer;
    TRemoteAudioSubjectHooks m_hooks;
};

} // namespace orv
