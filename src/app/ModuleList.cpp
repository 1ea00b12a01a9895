#include "app/ModuleList.h"

#include "app/ConnectionModule.h"
#include "app/DownloadActions.h"
#include "app/MainViews.h"
#include "app/MainViewsModule.h"
#include "app/MainWindow.h"
#include "app/MainWindowModule.h"
#include "app/PlaybackShell.h"
#include "app/ProgramFolders.h"
#include "app/SettingsWindow.h"
#include "app/SignInModule.h"
#include "app/WelcomeModule.h"
#include "board/BoardModule.h"
#include "chat/ChatModule.h"
#include "moderation/KickReasonDialog.h"
#include "moderation/ModerationModule.h"
#include "platform/Timer.h"
#include "playback/PlaybackModule.h"
#include "polls/PollsModule.h"
#include "resources/ResourcesModule.h"
#include "roster/RosterModule.h"
#include "session/SessionContext.h"
#include "video/VideoModule.h"
#include "video/VideoWindow.h"
#include "voice/VoiceModule.h"

namespace orv {

TModuleList CreateModules(const TModuleListParts& parts, const TSignInModuleParts& signInParts,
                          TSignInModule*& signIn) {
    TModuleList modules;
    auto signInModule = std::make_unique<TSignInModule>(signInParts);
    signIn = signInModule.get();
    modules.push_back(std::move(signInModule));
    modules.push_back(std::make_unique<TMainWindowModule>(parts.main, parts.link, parts.context.mainWindow));
    modules.push_back(std::make_unique<TConnectionModule>(parts.main, parts.context, parts.link, *signIn,
                                                          parts.endSession));
    modules.push_back(std::make_unique<TMainViewsModule>(parts.main, parts.context));
    modules.push_back(std::make_unique<TWelcomeModule>(parts.main, parts.context.state));
    auto roster = std::make_unique<TRosterModule>(parts.context);
    const IParticipantDirectory& participants = roster->Directory();
    IParticipantMarks& marks = roster->Marks();
    Roster& participantRoster = roster->Participants();
    RosterHandlers& rosterHandlers = roster->Handlers();
    modules.push_back(std::move(roster));
    auto moderation = std::make_unique<TModerationModule>(
        parts.context, participantRoster, [&main = parts.main] { return TKickReasonDialog::Ask(&main); });
    moderation->SetOwnRoleChanged(parts.ownRoleChanged);
    moderation->Moderation().SetCloseMainWindow([&main = parts.main] { main.ForceClose(); });
    TModeration& moderationLogic = moderation->Moderation();
    modules.push_back(std::move(moderation));
    modules.push_back(std::make_unique<TChatModule>(parts.context, participants, &parts.store));
    auto board = std::make_unique<TBoardModule>(parts.context);
    auto downloads = std::make_unique<DesktopDownloadActions>(board->Boards(), parts.context.dialogs);
    TBoardModule& boards = *board;
    boards.SetShowBoardView([&main = parts.main] { main.ShowView(vwWhiteBoard); });
    boards.SetStore(&parts.store);
    modules.push_back(std::move(board));
    modules.push_back(
        std::make_unique<TPollsModule>(parts.context, participants, marks, &parts.store, parts.timers));
    auto resources = std::make_unique<TResourcesModule>(
        parts.context, TResourceFolders{parts.folders.userImages}, std::move(downloads));
    boards.SetTransfers(resources.get(), parts.folders.temporary);
    modules.push_back(std::move(resources));
    auto voice = std::make_unique<TVoiceModule>(
        parts.context, TVoiceModuleParts{parts.audio, parts.mixer, parts.timers, CodecRegistry::Installed(),
                                         &participants, &parts.store});
    voice->SetOnlineStatusSender(
        [&handlers = rosterHandlers](TUserOnlineStatus status) { handlers.SendOnlineStatus(status); });
    voice->PushToTalk().SetHookInstalled(parts.keyboardHooked);
    parts.main.SetKeyPreview([&pushToTalk = voice->PushToTalk()](std::int32_t key, bool released) {
        pushToTalk.OnWindowKey(key, released);
    });
    IRecordedVoice& recordedVoice = voice->RecordedVoice();
    // Moderation ends before voice: modules end in the order they were listed.
    moderationLogic.SetSpeakAction(&voice->SpeakControl());
    modules.push_back(std::move(voice));
    modules.push_back(
        std::make_unique<TVideoModule>(parts.context, participants, NewVideoWindow, [&main = parts.main] {
            emit main.settingsRequested(TfrmSettings::VideoPage);
        }));
    std::vector<ISessionModule*> all;
    for (const auto& m : modules)
        all.push_back(m.get());
    auto playback = std::make_unique<TPlaybackModule>(
        PlaybackModuleParts(parts, signInParts, boards, recordedVoice, std::move(all)));
    signIn->SetPlayback(playback.get());
    InstallRecorderToolBar(parts, playback->Recorder());
    modules.push_back(std::move(playback));
    return modules;
}

} // namespace orv
