#pragma once
// Voice: the voice connection of the room, the talk protocol, the Speak action and the audio control pane.
// Owns the voice settings.

#include "platform/AudioMixer.h"
#include "protocol/RosterRecords.h"
#include "session/Module.h"
#include "session/SettingsEffects.h"
#include "voice/PushToTalk.h"
#include "voice/RecordedVoicePlayer.h"
#include "voice/RemoteAudioControl.h"
#include "voice/RemoteAudioSubject.h"
#include "voice/RoomVoiceSettings.h"
#include "voice/SoundSettingsProgram.h"
#include "voice/TalkProtocol.h"
#include "voice/VoiceSpeakControl.h"
#include "voice/VoiceThread.h"

#include <QAction>
#include <QIcon>
#include <QPointer>

#include <functional>
#include <memory>

namespace orv {

class TAudioControlPane;
class TfrmRemoteAudio;
class TSettingsStore;
struct TAudioWizardParts;
struct TSessionContext;

struct TVoiceModuleParts {
    IAudioSystem& audio;
    IAudioMixer& mixer;
    ITimerFactory& timers;
    const CodecRegistry& codecs = CodecRegistry::Installed();
    // Who is in the room and who is selected, for remote audio control; none: nobody.
    const IParticipantDirectory* directory = nullptr;
    // Where the audio wizard keeps the devices chosen; none: they last for the run.
    TSettingsStore* store = nullptr;
};

class TVoiceModule final : public ISessionModule, private ISettingsEffects {
public:
    static constexpr std::uint32_t kDelayMeterMs = 5000;

    TVoiceModule(TSessionContext& context, const TVoiceModuleParts& parts);
    ~TVoiceModule() override;

    TVoiceModule(const TVoiceModule&) = delete;
    TVoiceModule& operator=(const TVoiceModule&) = delete;

    void RegisterHandlers(TPacketDispatcher& dispatcher) override;
    void RegisterMessages(TMessageRouter& mainWindow) override;
    void RegisterRoomEntry(TRoomEntrySteps& steps) override;
    void EndSession() override;
    void OwnRoleChanged() override { refreshActions(); }
    std::optional<TSettingOwner> SettingsOwner() const override { return TSettingOwner::Voice; }
    void ApplySettings(const TSettings& settings) override;
    ISettingsEffects* SettingsEffects() override { return this; }

    // 0 on success, 35 when the audio could not be set up, 13 when the connection or the sign-on failed, or
    // the server's refusal.
    int StartVoice(std::uint8_t codec, const QString& host, std::int32_t port, std::uint16_t userId,
                   const QString& password, std::uint16_t roomId);
    void StopVoice();
    // Stops and starts voice with the room's current settings and tells the user how it went.
    int ReconnectAudio();
    // The pane's volume controls as the mixer has them.
    void RefreshMixerControls();
    // The delay meter's reading, every few seconds while in a room.
    void MeasureDelay();
    // The "Set Buffering" slider moved: received frames wait while the old queue plays out.
    void ChangeBuffering(int queueLength);

    // The audio setup wizard, between a stopped and a re-established voice link.
    void RunAudioWizard();
    // "Audio Setup": asks first.
    void AskAndRunAudioWizard();
    // Runs the wizard window modally; tests replace it.
    void SetWizardRunner(std::function<void(TAudioWizardParts&)> runner) { m_runWizard = std::move(runner); }
    // Tells the others the user is busy in the wizard, and back online.
    void SetOnlineStatusSender(std::function<void(TUserOnlineStatus)> send) {
        m_sendStatus = std::move(send);
    }

    TVoiceThread* Voice() { return m_voice.get(); }
    // Where a replayed recording's voice plays.
    IRecordedVoice& RecordedVoice() { return m_recordedShown; }
    TTalkProtocol& Talk() { return m_talk; }
    QAction& SpeakAction() { return *m_speak; }
    // Silences the microphone while on the air, keeping the floor.
    QAction& MuteAction() { return *m_mute; }
    // The desktop's sound settings, or a box saying there are none.
    void OpenSoundSettings(TSoundSettingsPage page);
    QAction& SoundSettingsAction() { return *m_soundSettings; }
    // How programs are found and started; tests replace them.
    void SetProgramStarter(std::function<QString(const QString&)> find,
                           std::function<bool(const QString&, const QStringList&)> start) {
        m_findProgram = std::move(find);
        m_startProgram = std::move(start);
    }
    // Where the Speak action's pictures come from: the main picture list by index.
    void SetPictureSource(std::function<QIcon(int)> pictures);
    TRoomVoiceSettings& RoomVoice() { return m_roomVoice; }
    TRemoteAudioControl& RemoteAudio() { return m_remoteControl; }
    TfrmRemoteAudio* RemoteAudioWindow() { return m_remoteWindow.get(); }
    TPushToTalk& PushToTalk() { return m_pushToTalk; }
    QAction& RemoteAudioAction() { return *m_remoteAction; }
    QAction& WizardAction() { return *m_wizardAction; }
    // The Speak action for moderation to drive.
    ISpeakAction& SpeakControl() { return m_speakControl; }
    TAudioControlPane& Pane();
    std::uint8_t QueueLength() const { return m_queueLength; }
    int LinkState() const { return m_linkState; }

private:
    void startAfterRoomEntry();
    void showLinkState(int state);
    void toggleBoost();
    void onRemoteAudio(PayloadReader reader);
    void showCodecRefused(int result);
    void saveDevices();
    void refreshActions();
    void showFloor();

    // ISettingsEffects: the settings window asks the server; the notices coming back change the values.
    void SetMicrophoneCount(int count) override { m_roomVoice.SendTalkerCount(count); }
    void SetAudioCodec(int codec) override { m_roomVoice.SendRoomCodec(codec); }
    void ReconnectVoice() override;
    void ApplyAudioBufferSize(int size) override;
    void ApplySharingRefreshRate(int) override {}

    TSessionContext& m_context;
    TVoiceModuleParts m_parts;
    // Owned by the main window, which may go first at the program's end.
    QPointer<QAction> m_speak;
    QPointer<QAction> m_mute;
    QPointer<QAction> m_soundSettings;
    std::function<QString(const QString&)> m_findProgram;
    std::function<bool(const QString&, const QStringList&)> m_startProgram;
    std::function<QIcon(int)> m_pictures;
    QPointer<TAudioControlPane> m_pane;
    TTalkProtocol m_talk;
    TVoiceSpeakControl m_speakControl{m_speak, m_talk};
    TPushToTalk m_pushToTalk;
    TRoomVoiceSettings m_roomVoice;
    TRemoteAudioControl m_remoteControl;
    std::unique_ptr<TfrmRemoteAudio> m_remoteWindow;
    std::unique_ptr<TRemoteAudioSubject> m_remoteSubject;
    QPointer<QAction> m_wizardAction;
    QPointer<QAction> m_wizardTool;
    QPointer<QAction> m_remoteAction;
    std::function<void(TAudioWizardParts&)> m_runWizard;
    std::function<void(TUserOnlineStatus)> m_sendStatus;
    std::unique_ptr<TVoiceThread> m_voice;
    std::unique_ptr<ITimer> m_delayMeter;
    std::unique_ptr<ITimer> m_bufferingWait;
    std::unique_ptr<TRecordedVoicePlayer> m_recorded;
    // The recorded players, with the recording's codec shown in the pane as it begins.
    struct ShownRecordedVoice final : IRecordedVoice {
        TVoiceModule& module;
        explicit ShownRecordedVoice(TVoiceModule& m) : module(m) {}
        void Begin(std::int32_t codecIndex) override;
        void PlayFrame(std::uint16_t speaker, QByteArrayView frame) override {
            module.m_recorded->PlayFrame(speaker, frame);
        }
        void End() override { module.m_recorded->End(); }
    } m_recordedShown{*this};
    std::uint8_t m_queueLength = 2;
    int m_linkState = -1;
    bool m_controlLost = false;
    // What the settings say.
    bool m_muteWhileTalking = false;
    std::int32_t m_settingsQueueLength = 2;
    std::int32_t m_inputDevice = 0;
    std::int32_t m_outputDevice = 0;
    std::int32_t m_optimizeOption = 3;
    VoiceCleaning m_cleaning;
};

} // namespace orv
