#include "voice/RemoteAudioSubject.h"

#include "link/SessionState.h"
#include "session/ParticipantDirectory.h"
#include "session/RoomNotices.h"
#include "session/SessionContext.h"
#include "voice/AudioDeviceList.h"
#include "voice/MixerOperations.h"
#include "voice/RemoteAudioControl.h"

#include <QCoreApplication>

namespace orv {

TRemoteAudioSubject::TRemoteAudioSubject(TSessionContext& context, const IParticipantDirectory& directory,
                                         IAudioSystem& audio, IAudioMixer& mixer,
                                         TRemoteAudioSubjectHooks hooks)
    : m_context(context), m_directory(directory), m_audio(audio), m_mixer(mixer), m_hooks(std::move(hooks)) {}

QByteArray TRemoteAudioSubject::input() {
    return ListInputDevices(m_audio).DeviceAt(m_hooks.inputDevice());
}

QByteArray TRemoteAudioSubject::output() {
    return ListOutputDevices(m_audio).DeviceAt(m_hooks.outputDevice());
}

void TRemoteAudioSubject::OnRequest(const TRemoteAudioRecord& request) {
    if (m_context.state.IsPlayback())
        return;
    if (request.Command() == RemoteAudioCommand::Reconnect)
        m_hooks.reconnectAudio();
    else if (request.Command() == RemoteAudioCommand::Apply)
        apply(request);
    answer(request);
}

void TRemoteAudioSubject::apply(const TRemoteAudioRecord& request) {
    // Only lines the device lists have; a number from the network past them would name no device.
    if (request.SpeakerDevice() >= 0 && request.SpeakerDevice() < ListOutputDevices(m_audio).lines.size())
        m_hooks.outputDevice() = request.SpeakerDevice();
    if (request.MicrophoneDevice() >= 0 &&
        request.MicrophoneDevice() < ListInputDevices(m_audio).lines.size())
        m_hooks.inputDevice() = request.MicrophoneDevice();
    SetSpeakerVolume(m_mixer, output(), request.SpeakerLevel());
    SetMicrophoneVolume(m_mixer, input(), request.MicrophoneLevel());
    m_hooks.showLevels(request.SpeakerLevel(), request.MicrophoneLevel());
    if (request.QueueLength() > 0)
        m_hooks.setQueueLength(request.QueueLength());
    if (request.Boost() != -1 && SetMicrophoneBoost(m_mixer, input(), request.Boost() == 1 ? 1 : 0)) {
        const std::uint16_t own = m_context.state.account.UserId();
        const std::optional<TParticipantInfo> me = m_directory.Lookup(own);
        m_context.notices.AddChatLine(
            0, me ? me->displayName : m_context.state.account.FullName(), TChatLineKind::System, kBlack,
            QCoreApplication::translate("orv::TVoiceModule", "Adjusted your microphone boost level."));
    }
}

void TRemoteAudioSubject::answer(TRemoteAudioRecord record) {
    record.SetVoiceStatus(m_hooks.voiceConnected() ? 1 : 0);
    std::uint16_t level = 0;
    const bool speaker = GetSpeakerVolume(m_mixer, output(), level);
    record.SetSpeakerDevice(speaker ? m_hooks.outputDevice() : -1);
    record.SetSpeakerLevel(speaker ? level : 0);
    level = 0;
    const bool microphone = GetMicrophoneVolume(m_mixer, input(), level);
    record.SetMicrophoneDevice(microphone ? m_hooks.inputDevice() : -1);
    record.SetMicrophoneLevel(microphone ? level : 0);
    record.SetQueueLength(m_hooks.queueLength());
    std::int32_t boost = -1;
    if (!GetMicrophoneBoost(m_mixer, input(), boost))
        boost = -1;
    record.SetBoost(boost);
    SendRemoteAudio(m_context, record);
}

} // namespace orv
