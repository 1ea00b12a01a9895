#include "voice/VoiceModule.h"

#include "link/Dispatcher.h"
#include "link/ErrorMessages.h"
#include "link/LinkMessageIds.h"
#include "link/SessionState.h"
#include "platform/AppMessage.h"
#include "platform/Dialogs.h"
#include "platform/MessageRouter.h"
#include "platform/SettingsStore.h"
#include "platform/VirtualKeys.h"
#include "protocol/AudioControlMessages.h"
#include "protocol/CommandCatalogue.h"
#include "session/MainPanes.h"
#include "session/ParticipantDirectory.h"
#include "session/RoomEvents.h"
#include "session/RoomNotices.h"
#include "session/SessionContext.h"
#include "session/Settings.h"
#include "voice/AudioControlPane.h"
#include "voice/AudioDeviceList.h"
#include "voice/AudioWizardWindow.h"
#include "voice/CodecCatalogue.h"
#include "voice/DelayMeter.h"
#include "voice/MixerOperations.h"
#include "voice/RemoteAudioWindow.h"
#include "voice/VoiceMessageIds.h"

#include <QCoreApplication>
#include <QDebug>
#include <QProcess>
#include <QStandardPaths>

namespace orv {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("orv::TVoiceModule", text);
}

// Remote audio control without a roster: nobody to control.
const IParticipantDirectory& NoDirectory() {
    static const struct : IParticipantDirectory {
        std::optional<TParticipantInfo> Lookup(std::uint16_t) const override { return std::nullopt; }
        std::vector<TParticipantInfo> InDisplayOrder() const override { return {}; }
    } none;
    return none;
}

// The playback queue length the wizard leaves behind, by the "optimize for" choice.
std::uint8_t QueueForOptimizeOption(std::int32_t option) {
    switch (option) {
    case 3:
        return 6;
    case 4:
        return 2;
    default:
        return 10;
    }
}

} // namespace

TVoiceModule::TVoiceModule(TSessionContext& context, const TVoiceModuleParts& parts)
    : m_context(context), m_parts(parts), m_speak(new QAction(tr("Speak"))),
      m_mute(new QAction(tr("Mute Microphone"))), m_soundSettings(new QAction(tr("Sound Settings..."))),
      m_findProgram([](const QString& name) { return QStandardPaths::findExecutable(name); }),
      m_startProgram([](const QString& program, const QStringList& arguments) {
          return QProcess::startDetached(program, arguments);
      }),
      m_pane(new TAudioControlPane), m_talk(context, *m_speak, [this] { return m_voice.get(); }),
      m_pushToTalk(context, *m_speak, m_talk, parts.timers),
      m_roomVoice(
          context, parts.timers, [this] { ReconnectAudio(); },
          [this](int talkers) {
              if (m_voice)
                  m_voice->SetTalkers(talkers, m_queueLength);
          }),
      m_remoteControl(context, parts.directory ? *parts.directory : NoDirectory(), parts.timers),
      m_wizardAction(new QAction(tr("Audio Setup Wizard"))), m_wizardTool(new QAction(tr("Audio Wiz"))),
      m_remoteAction(new QAction(tr("Remote Audio Control"))),
      m_delayMeter(parts.timers.CreateTimer(TTimerMode::Repeating, [this] { MeasureDelay(); })),
      m_bufferingWait(parts.timers.CreateTimer(TTimerMode::SingleShot,
                                               [this] {
                                                   if (m_voice)
                                                       m_voice->SetPaused(false);
                                               })),
      m_recorded(std::make_unique<TRecordedVoicePlayer>(
          TPlaybackDevice{parts.audio, context.clock, parts.timers, {}}, parts.codecs)) {
    m_speak->setObjectName("acCaptureVoice");
    // F3 toggles on its release (push-to-talk), not as a shortcut on its press.
    m_speak->setToolTip(tr("Speak (F3)"));
    m_speak->setEnabled(false);
    QObject::connect(m_speak, &QAction::triggered, m_speak, [this] {
        // The action checks itself on a click; the talk protocol decides.
        m_speak->setChecked(!m_speak->isChecked());
        m_talk.ToggleSpeak();
    });
    m_mute->setObjectName("acMuteMicrophone");
    m_mute->setCheckable(true);
    m_mute->setToolTip(tr("Silences your microphone; you keep the floor"));
    QObject::connect(m_mute, &QAction::triggered, m_mute, [this](bool on) { m_talk.SetMuted(on); });
    m_talk.SetChangedHandler([this] { showFloor(); });
    m_pane->SetMuteAction(m_mute);
    m_pane->shown = [this] { RefreshMixerControls(); };
    m_soundSettings->setObjectName("acSoundSettings");
    m_soundSettings->setToolTip(tr("Opens the desktop's sound settings: devices and their levels"));
    QObject::connect(m_soundSettings, &QAction::triggered, m_soundSettings,
                     [this] { OpenSoundSettings(TSoundSettingsPage::General); });
    m_pane->speakerChanged = [this](std::uint16_t level) {
        SetSpeakerVolume(m_parts.mixer, ListOutputDevices(m_parts.audio).DeviceAt(m_outputDevice), level);
    };
    m_pane->microphoneChanged = [this](std::uint16_t level) {
        SetMicrophoneVolume(m_parts.mixer, ListInputDevices(m_parts.audio).DeviceAt(m_inputDevice), level);
    };
    m_pane->boostToggled = [this] { toggleBoost(); };
    m_pane->bufferingChanged = [this](int length) { ChangeBuffering(length); };
    m_pane->connectAudio = [this] { ReconnectAudio(); };
    context.panes.InstallToolAction(m_speak);
    context.panes.InstallAudioPane(m_pane);

    m_wizardAction->setObjectName("acAudioWizard");
    QObject::connect(m_wizardAction, &QAction::triggered, m_wizardAction, [this] { RunAudioWizard(); });
    m_wizardTool->setObjectName("acAudioSetup");
    m_wizardTool->setToolTip(tr("Run the Audio Setup Wizard"));
    QObject::connect(m_wizardTool, &QAction::triggered, m_wizardTool, [this] { AskAndRunAudioWizard(); });
    m_remoteAction->setObjectName("acRemoteAudio");
    QObject::connect(m_remoteAction, &QAction::triggered, m_remoteAction, [this] {
        refreshActions();
        m_remoteControl.QuerySelected();
    });
    for (QAction* item : m_pane->MenuActions())
        context.panes.InstallMenuAction(TMainMenu::Audio, item);
    context.panes.InstallMenuAction(TMainMenu::Audio, m_mute);
    context.panes.InstallMenuAction(TMainMenu::Audio, m_soundSettings);
    context.panes.InstallMenuAction(TMainMenu::Audio, m_wizardAction);
    context.panes.InstallMenuAction(TMainMenu::Actions, m_remoteAction);
    context.panes.InstallToolAction(m_wizardTool);
    refreshActions();

    m_remoteWindow = std::make_unique<TfrmRemoteAudio>(m_remoteControl);
    m_remoteSubject = std::make_unique<TRemoteAudioSubject>(
        context, parts.directory ? *parts.directory : NoDirectory(), parts.audio, parts.mixer,
        TRemoteAudioSubjectHooks{[this] { return m_voice && m_voice->IsConnected(); },
                                 [this] { ReconnectAudio(); }, [this] { return std::int32_t(m_queueLength); },
                                 [this](std::int32_t length) { m_queueLength = ClampQueueLength(length); },
                                 [this]() -> std::int32_t& { return m_inputDevice; },
                                 [this]() -> std::int32_t& { return m_outputDevice; },
                                 [this](std::uint16_t speaker, std::uint16_t microphone) {
                                     m_pane->ShowSpeakerLevel(speaker);
                                     m_pane->ShowMicrophoneLevel(microphone);
                                 }});
    m_runWizard = [](TAudioWizardParts& wizard) { TfrmAudioWizard::Run(wizard); };
    showFloor();
}

void TVoiceModule::OpenSoundSettings(TSoundSettingsPage page) {
    const std::optional<TSoundSettingsCommand> command = FindSoundSettings(page, m_findProgram);
    if (!command) {
        m_context.dialogs.Information(tr("No sound settings program was found on this desktop.\nInstall "
                                         "\"pavucontrol\" or your desktop's sound settings to adjust the "
                                         "audio devices and their levels."));
        return;
    }
    if (!m_startProgram(command->program, command->arguments))
        m_context.dialogs.Error(tr("The sound settings could not be started: %1").arg(command->program));
}

void TVoiceModule::SetPictureSource(std::function<QIcon(int)> pictures) {
    m_pictures = std::move(pictures);
    showFloor();
}

void TVoiceModule::showFloor() {
    const TFloorState floor = m_talk.Floor();
    const TSpeakLook look = SpeakLook(floor, m_context.state.OwnMicAllowed, m_talk.Muted());
    const QString text = tr(look.text);
    if (m_speak) {
        if (m_pictures)
            m_speak->setIcon(m_pictures(look.picture));
        m_speak->setToolTip(tr("Speak (F3)") + " - " + text);
    }
    if (m_mute) {
        m_mute->setEnabled(floor == TFloorState::OnAir);
        m_mute->setChecked(m_talk.Muted());
    }
    if (m_pane)
        m_pane->ShowOnAir(text, floor == TFloorState::OnAir, m_talk.Muted());
}

TAudioControlPane& TVoiceModule::Pane() {
    return *m_pane.data();
}

TVoiceModule::~TVoiceModule() {
    StopVoice();
}

void TVoiceModule::refreshActions() {
    const bool live = !m_context.state.IsPlayback();
    m_wizardAction->setEnabled(live);
    m_wizardTool->setEnabled(live);
    // The selection is looked at again when the action runs.
    m_remoteAction->setEnabled(live && m_context.state.inRoom && m_context.state.IsModerator());
}

void TVoiceModule::AskAndRunAudioWizard() {
    if (m_context.state.IsPlayback())
        return;
    if (m_context.dialogs.Confirm(tr("Orvane will now run the Audio Wizard. \r\nThis Wizard will help you to "
                                     "adjust your volume settings.")))
        RunAudioWizard();
}

void TVoiceModule::saveDevices() {
    if (!m_parts.store)
        return;
    m_parts.store->WriteInteger("", "AudioOutDeviceID", m_outputDevice);
    m_parts.store->WriteInteger("", "AudioInDeviceID", m_inputDevice);
    m_parts.store->Flush();
}

void TVoiceModule::RunAudioWizard() {
    if (m_context.state.IsPlayback())
        return;
    try {
        if (m_sendStatus)
            m_sendStatus(usBusy);
        m_talk.StopIfTalking();
        m_delayMeter->Stop();
        StopVoice();
        TAudioWizardParts wizard{m_parts.audio,
                                 m_parts.mixer,
                                 m_context.clock,
                                 m_parts.timers,
                                 m_context.dialogs,
                                 m_parts.codecs,
                                 std::uint8_t(m_context.state.audioCodec),
                                 m_outputDevice,
                                 m_inputDevice,
                                 [this] { saveDevices(); },
                                 [this](TSoundSettingsPage page) { OpenSoundSettings(page); }};
        m_runWizard(wizard);
        RefreshMixerControls();
        m_queueLength = QueueForOptimizeOption(m_optimizeOption);
        m_recorded->SetDevice(ListOutputDevices(m_parts.audio).DeviceAt(m_outputDevice));
        saveDevices();
        ReconnectAudio();
        if (m_sendStatus)
            m_sendStatus(usOnline);
        m_pane->ShowBuffering(m_queueLength);
        if (m_context.state.inRoom)
            m_delayMeter->Start(kDelayMeterMs);
    } catch (const std::exception& e) {
        qWarning() << "audio wizard:" << e.what();
        m_context.dialogs.Error(tr("Unable to launch the Audio Setup Wizard."));
    }
}

void TVoiceModule::RegisterHandlers(TPacketDispatcher& dispatcher) {
    dispatcher.RegisterHandler({cmTakeMicrophone},
                               [this](const TIncomingPacket& p) { m_talk.OnTake(p.header); });
    dispatcher.RegisterHandler({cmReleaseMicrophone},
                               [this](const TIncomingPacket& p) { m_talk.OnRelease(p.header); });
    dispatcher.RegisterHandler({cmSetAudioCodec}, [this](const TIncomingPacket& p) {
        m_roomVoice.OnRoomCodec(p.header, p.payload());
    });
    dispatcher.RegisterHandler({cmSetMicrophoneCount},
                               [this](const TIncomingPacket& p) { m_roomVoice.OnTalkerCount(p.payload()); });
    dispatcher.RegisterHandler({cmRemoteAudio},
                               [this](const TIncomingPacket& p) { onRemoteAudio(p.payload()); });
}

void TVoiceModule::onRemoteAudio(PayloadReader reader) {
    // Remote control speaks to a live room only.
    if (m_context.state.IsPlayback())
        return;
    const TRemoteAudioRecord record = TRemoteAudioRecord::decode(reader);
    const std::uint16_t own = m_context.state.account.UserId();
    if (record.Requester() == own)
        m_remoteControl.OnReply(record);
    else if (record.Subject() == own)
        m_remoteSubject->OnRequest(record);
}

void TVoiceModule::showCodecRefused(int result) {
    if (result == 42)
        m_context.dialogs.Information(tr("Orvane can't update the audio compressor while a recording is in "
                                         "progress.\r\nPlease stop the recorder and try again."));
    else
        m_context.dialogs.Error(tr("The server did not change the audio compressor.") + "\n" +
                                ErrorText(result));
}

void TVoiceModule::RegisterMessages(TMessageRouter& mainWindow) {
    mainWindow.Register(MainMsg::VoiceLinkState,
                        [this](std::intptr_t state, std::intptr_t) { showLinkState(int(state)); });
    mainWindow.Register(MainMsg::LinkState, [this](std::intptr_t value, std::intptr_t) {
        m_controlLost = value != LinkStateValue::Up && value != LinkStateValue::RoomEntryRefused;
    });
    m_context.events.microphoneRight.Listen([this](std::uint16_t, bool) {
        m_talk.RefreshEnabled();
        refreshActions();
    });
    mainWindow.Register(MainMsg::CodecChangeRefused,
                        [this](std::intptr_t result, std::intptr_t) { showCodecRefused(int(result)); });
    mainWindow.Register(MainMsg::MicrophoneLevel, [this](std::intptr_t level, std::intptr_t) {
        // A level posted just before the floor ended is late: the meter is hidden by then.
        if (m_pane && m_talk.Floor() == TFloorState::OnAir)
            m_pane->ShowMicrophoneMeter(int(level));
    });
    mainWindow.Register(MainMsg::PushToTalkKey, [this](std::intptr_t key, std::intptr_t flags) {
        m_pushToTalk.OnHookReport(key, flags);
    });
}

void TVoiceModule::RegisterRoomEntry(TRoomEntrySteps& steps) {
    steps.Add(TRoomEntryStep::Voice, [this] {
        refreshActions();
        startAfterRoomEntry();
    });
    steps.Add(TRoomEntryStep::DelayTimer, [this] {
        if (!m_context.state.IsPlayback())
            m_delayMeter->Start(kDelayMeterMs);
    });
}

void TVoiceModule::EndSession() {
    m_roomVoice.Stop();
    m_remoteControl.Closed();
    if (m_remoteWindow)
        m_remoteWindow->hide();
    m_delayMeter->Stop();
    m_bufferingWait->Stop();
    StopVoice();
    if (m_speak) {
        m_talk.Reset();
        m_speak->setEnabled(false);
    }
    showLinkState(-1);
}

void TVoiceModule::ApplySettings(const TSettings& s) {
    m_muteWhileTalking = s.MuteSpeakersWhileTalking;
    m_settingsQueueLength = s.InputAudioQueueSize;
    m_inputDevice = s.AudioInDeviceID;
    m_outputDevice = s.AudioOutDeviceID;
    m_optimizeOption = s.AudioOptimizeOption;
    m_pushToTalk.SetKey(s.PushToTalkKey);
    m_recorded->SetDevice(ListOutputDevices(m_parts.audio).DeviceAt(m_outputDevice));
    m_cleaning = {s.EchoCancellation, s.NoiseSuppression};
    if (m_voice)
        m_voice->SetMuteWhileTalking(m_muteWhileTalking);
}

void TVoiceModule::startAfterRoomEntry() {
    if (m_context.state.IsPlayback())
        return;
    const std::int32_t roomQueue = m_context.state.room.AudioQueueSize();
    m_queueLength = ClampQueueLength(roomQueue >= 1 ? roomQueue : m_settingsQueueLength);
    m_pane->ShowBuffering(m_queueLength);
    m_talk.RefreshEnabled();
    const TSessionState& s = m_context.state;
    if (s.voicePort == 0) {
        // A server without a voice service names no port: the room is silent, which is no error.
        qInfo() << "voice: the server offers no voice connection";
        return;
    }
    const int result = StartVoice(std::uint8_t(s.audioCodec), s.serverHost, s.voicePort, s.account.UserId(),
                                  s.account.Password(), std::uint16_t(s.room.Number()));
    if (result != VoiceStart::Ok)
        m_context.dialogs.Error(tr("Audio error %1").arg(result) + "\n" + tr("Error description is: ") +
                                "\n" + ErrorText(result));
}

void TVoiceModule::ShownRecordedVoice::Begin(std::int32_t codecIndex) {
    if (module.m_pane)
        module.m_pane->SetCodecName(CodecName(std::uint8_t(std::clamp(codecIndex, 0, 255))));
    if (module.m_pane)
        module.RefreshMixerControls();
    module.m_recorded->Begin(codecIndex);
}

int TVoiceModule::StartVoice(std::uint8_t codec, const QString& host, std::int32_t port, std::uint16_t userId,
                             const QString& password, std::uint16_t roomId) {
    m_pane->SetCodecName(CodecName(codec));
    RefreshMixerControls();
    try {
        TVoiceSetup setup;
        setup.codec = codec;
        setup.talkers = std::clamp(m_context.state.microphoneCount, 1, 5);
        setup.userId = userId;
        setup.roomId = roomId;
        setup.queueLength = m_queueLength;
        setup.inputDevice = ListInputDevices(m_parts.audio).DeviceAt(m_inputDevice);
        setup.outputDevice = ListOutputDevices(m_parts.audio).DeviceAt(m_outputDevice);
        setup.cleaning = m_cleaning;
        auto voice = std::make_unique<TVoiceThread>(
            setup, TVoiceDevices{m_parts.audio, m_context.clock, m_parts.timers, m_parts.codecs},
            m_context.mainWindow);
        RefreshMixerControls();
        if (!voice->InitResult())
            return VoiceStart::AudioSetupFailed;
        TVoiceEndpoint endpoint;
        endpoint.host = host;
        endpoint.port = port > 0 && port <= 65535 ? std::uint16_t(port) : 0;
        endpoint.proxy = m_context.state.proxy;
        endpoint.tls = m_context.state.tls;
        endpoint.password = password;
        const int result = voice->Connect(endpoint);
        if (result != VoiceStart::Ok)
            return result;
        voice->SetMuteWhileTalking(m_muteWhileTalking);
        voice->Start();
        m_voice = std::move(voice);
        m_context.mainWindow.post(MainMsg::VoiceLinkState, VoiceLink::Connected, 0);
        return VoiceStart::Ok;
    } catch (const std::exception& e) {
        qWarning() << "voice: starting failed:" << e.what();
        return VoiceStart::AudioSetupFailed;
    }
}

void TVoiceModule::StopVoice() {
    if (!m_voice)
        return;
    m_voice->Stop();
    m_voice.reset();
}

int TVoiceModule::ReconnectAudio() {
    if (m_context.state.IsPlayback())
        return VoiceStart::Ok;
    m_talk.StopIfTalking();
    StopVoice();
    const TSessionState& s = m_context.state;
    const int result = StartVoice(std::uint8_t(s.audioCodec), s.serverHost, s.voicePort, s.account.UserId(),
                                  s.account.Password(), std::uint16_t(s.room.Number()));
    if (result == VoiceStart::Ok) {
        m_context.notices.AddChatLine(0, tr("System"), TChatLineKind::System, kSystemLineColor,
                                      tr("The audio connection was re-established."));
        return result;
    }
    showLinkState(VoiceLink::ReconnectFailed);
    if (result != VoiceStart::ConnectFailed) {
        if (m_context.dialogs.ErrorQuestion(tr(
                "Orvane is unable to restore your audio. Do you want to try to reconnect to the session?")))
            m_context.mainWindow.post(MainMsg::LinkState, LinkStateValue::VoiceReconnectAgreed, 0);
    } else if (m_controlLost) {
        if (m_context.dialogs.ErrorQuestion(
                tr("Orvane is unable to restore your audio.") + "\n" +
                tr("Your connection to the server was lost.") + "\n" +
                tr("This may be because you have temporarily lost your Internet connection. ") + "\n" +
                tr("Do you want to try to reconnect to the session?")))
            m_context.mainWindow.post(MainMsg::LinkState, LinkStateValue::VoiceReconnectAgreed, 0);
    } else {
        m_context.dialogs.Error(
            tr("Orvane is unable to restore your audio.") + "\n" +
            tr("This may be because you have temporaryly lost your Internet connection. ") + "\n" +
            tr("Please wait for a few seconds and try again. "));
    }
    return result;
}

void TVoiceModule::showLinkState(int state) {
    m_linkState = state;
    if (m_pane)
        m_pane->ShowConnectAudio(state > 0 && !m_context.state.IsPlayback());
}

void TVoiceModule::RefreshMixerControls() {
    const QByteArray input = ListInputDevices(m_parts.audio).DeviceAt(m_inputDevice);
    const QByteArray output = ListOutputDevices(m_parts.audio).DeviceAt(m_outputDevice);
    std::uint16_t level = 0;
    const bool micRead = GetMicrophoneVolume(m_parts.mixer, input, level);
    m_pane->ShowMicrophoneLevel(micRead ? std::optional(level) : std::nullopt);
    std::int32_t boost = 0;
    const bool boostRead = micRead && GetMicrophoneBoost(m_parts.mixer, input, boost);
    m_pane->ShowBoost(boostRead ? std::optional(boost == 1) : std::nullopt);
    const bool speakerRead = GetSpeakerVolume(m_parts.mixer, output, level);
    m_pane->ShowSpeakerLevel(speakerRead ? std::optional(level) : std::nullopt);
}

void TVoiceModule::toggleBoost() {
    const QByteArray input = ListInputDevices(m_parts.audio).DeviceAt(m_inputDevice);
    std::int32_t boost = 0;
    if (!GetMicrophoneBoost(m_parts.mixer, input, boost)) {
        m_pane->ShowBoost(std::nullopt);
        return;
    }
    boost = boost == 1 ? 0 : 1;
    if (boost == 1)
        m_context.dialogs.Information(
            tr("Boosting your microphone may cause increasing of background noises and echoing."));
    if (SetMicrophoneBoost(m_parts.mixer, input, boost))
        m_pane->ShowBoost(boost == 1);
    else
        m_pane->ShowBoost(boost != 1);
}

void TVoiceModule::MeasureDelay() {
    if (m_context.state.IsPlayback() || !m_voice || !m_voice->IsConnected())
        return;
    const std::optional<int> longest = m_voice->Players().LongestQueue();
    if (longest)
        m_pane->ShowDelay(ReadDelay(*longest));
}

void TVoiceModule::ChangeBuffering(int queueLength) {
    const std::uint8_t old = m_queueLength;
    m_queueLength = ClampQueueLength(queueLength);
    if (!m_voice)
        return;
    // Frames wait while what the old queue holds plays out.
    m_voice->SetPaused(true);
    m_voice->Players().SetQueueLength(m_queueLength);
    m_bufferingWait->Start(std::uint32_t(old) * 500);
}

void TVoiceModule::ReconnectVoice() {
    ReconnectAudio();
}

void TVoiceModule::ApplyAudioBufferSize(int size) {
    m_queueLength = ClampQueueLength(size);
    m_pane->ShowBuffering(m_queueLength);
    if (m_voice)
        m_voice->Players().SetQueueLength(m_queueLength);
}

} // namespace orv
