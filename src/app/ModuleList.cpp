#include "app/ModuleList.h"

#include "app/ConnectionModule.h"
#include "app/DownloadActions.h"
#include "app/LinkUplinkQueue.h"
#include "app/MainViews.h"
#include "app/MainViewsModule.h"
#include "app/MainWindow.h"
#include "app/MainWindowModule.h"
#include "app/PlaybackShell.h"
#include "app/ProgramFolders.h"
#include "app/SettingsWindow.h"
#include "app/SignInModule.h"
#include "app/WelcomeModule.h"
#include "app/WhiteboardPlacement.h"
#include "appshare/AppShareModule.h"
#include "appshare/AppShareToolsWindow.h"
#include "appshare/AppShareViewWindow.h"
#include "appshare/SnapshotCommentDialog.h"
#include "board/BoardModule.h"
#include "board/BoardWindow.h"
#include "chat/ChatModule.h"
#include "moderation/KickReasonDialog.h"
#include "moderation/ModerationModule.h"
#include "platform/Timer.h"
#include "platform/WaylandDesktop.h"
#include "platform/X11Desktop.h"
#include "playback/PlaybackModule.h"
#include "polls/PollsModule.h"
#include "resources/LibraryModule.h"
#include "resources/ResourcesModule.h"
#include "roster/ParticipantListPane.h"
#include "roster/RosterModule.h"
#include "roster/RosterPictures.h"
#include "session/SessionContext.h"
#include "slides/SlidesModule.h"
#include "video/VideoModule.h"
#include "video/VideoWindow.h"
#include "voice/VoiceModule.h"
#include "webtour/WebTourModule.h"

#include <QIcon>

namespace orv {

TModuleList CreateModules(const TModuleListParts& parts, const TSignInModuleParts& signInParts,
                          TSignInModule*& signIn) {
    TModuleList modules;
    auto signInModule = std::make_unique<TSignInModule>(signInParts);
    signIn = signInModule.get();
    modules.push_back(std::move(signInModule));
    modules.push_back(std::make_unique<TMainWindowModule>(parts.main, parts.link, parts.context.events));
    modules.push_back(std::make_unique<TConnectionModule>(parts.main, parts.context, parts.link, *signIn,
                                                          parts.endSession));
    modules.push_back(std::make_unique<TMainViewsModule>(parts.main, parts.context));
    modules.push_back(std::make_unique<TWelcomeModule>(parts.main, parts.context.state));
    auto roster = std::make_unique<TRosterModule>(parts.context, &parts.timers);
    TRosterModule& rosterModule = *roster;
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
    const TModerationModule::Actions& moderationActions = moderation->ActionList();
    modules.push_back(std::move(moderation));
    auto chat = std::make_unique<TChatModule>(parts.context, participants, &parts.store, &parts.timers);
    QAction* privateNote = chat->PrivateNoteAction();
    // Requests that are notes join the notes list.
    moderationLogic.Requests().SetAdded([&notes = chat->Notes()](const TRequestListEntry& request) {
        notes.OnRequestNote(request.time, request.sender, request.text);
    });
    modules.push_back(std::move(chat));
    auto board = std::make_unique<TBoardModule>(parts.context);
    auto downloads = std::make_unique<DesktopDownloadActions>(board->Boards(), parts.context.dialogs);
    TBoardModule& boards = *board;
    boards.SetShowBoardView([&main = parts.main] { main.ShowView(vwWhiteBoard); });
    boards.SetStore(&parts.store);
    boards.SetMarks(&marks);
    modules.push_back(std::move(board));
    modules.push_back(
        std::make_unique<TPollsModule>(parts.context, participants, marks, &parts.store, parts.timers));
    auto resources = std::make_unique<TResourcesModule>(
        parts.context, TResourceFolders{parts.folders.userImages}, std::move(downloads));
    boards.SetTransfers(resources.get(), parts.folders.temporary);
    IResourceTransfers& transfers = *resources;
    auto library =
        std::make_unique<TLibraryModule>(parts.context, *resources, participants, marks,
                                         TLibraryFolders{parts.folders.temporary, parts.folders.localData});
    library->Library().SetBoards(&boards.Sharing());
    rosterModule.SetTransfers(resources.get(), parts.folders.userImages);
    modules.push_back(std::move(resources));
    // After the transfers: their end releases an export that waits for an upload.
    auto slides = std::make_unique<TSlidesModule>(
        parts.context,
        TSlidesModuleParts{boards.Sharing(), marks, transfers, parts.folders.temporary, {}, {}});
    slides->SetWizardParent(&parts.main);
    if (TfrmBoard* window = boards.Window())
        window->AddTopBarWidget(slides->TakeSlideControls());
    // The presentations page of the library starts presentations and the upload wizard.
    IPresentations& presentations = *slides;
    library->Library().SetStartPresentation([&presentations](const std::optional<TResourceRecord>& record) {
        presentations.OpenPresentation(record ? &*record : nullptr);
    });
    library->Library().SetUploadPresentation([&presentations] { presentations.ShowUploadWizard(); });
    modules.push_back(std::move(library));
    modules.push_back(std::move(slides));
    auto webTour = std::make_unique<TWebTourModule>(parts.context, &marks,
                                                    std::make_unique<TWhiteboardPlacement>(boards));
    webTour->SetShowViews([&main = parts.main] { main.ShowView(vwWebBrowser); },
                          [&main = parts.main] { main.ShowView(vwWhiteBoard); });
    modules.push_back(std::move(webTour));
    auto voice = std::make_unique<TVoiceModule>(
        parts.context, TVoiceModuleParts{parts.audio, parts.mixer, parts.timers, CodecRegistry::Installed(),
                                         &participants, &parts.store});
    voice->SetOnlineStatusSender(
        [&handlers = rosterHandlers](TUserOnlineStatus status) { handlers.SendOnlineStatus(status); });
    voice->PushToTalk().SetHookInstalled(parts.keyboardHooked);
    voice->SetPictureSource([](int picture) { return QIcon(RosterPicture(picture)); });
    parts.main.SetKeyPreview([&pushToTalk = voice->PushToTalk()](std::int32_t key, bool released) {
        pushToTalk.OnWindowKey(key, released);
    });
    IRecordedVoice& recordedVoice = voice->RecordedVoice();
    QAction& remoteAudio = voice->RemoteAudioAction();
    // Moderation ends before voice: modules end in the order they were listed.
    moderationLogic.SetSpeakAction(&voice->SpeakControl());
    modules.push_back(std::move(voice));
    auto video =
        std::make_unique<TVideoModule>(parts.context, participants, NewVideoWindow, [&main = parts.main] {
            emit main.settingsRequested(TfrmSettings::VideoPage);
        });
    TAppShareParts share{WaylandDesktop::InSession()
                             ? std::shared_ptr<IDesktopAccess>(std::make_shared<WaylandDesktop>())
                             : std::shared_ptr<IDesktopAccess>(std::make_shared<X11Desktop>()),
                         std::make_shared<TLinkUplinkQueue>(parts.link),
                         participants,
                         parts.timers,
                         [&main = parts.main](IAppShareViewInput& input) {
                             auto* view = new TfrmAppShareViewWindow(input);
                             main.InstallView(vwApplicationShare, view);
                             return static_cast<IAppShareView*>(view);
                         },
                         [](IAppShareToolsActions& actions) -> std::unique_ptr<IAppShareTools> {
                             return std::make_unique<TfrmAppShareToolsWindow>(actions);
                         },
                         [&main = parts.main](std::int32_t view) { main.ShowView(view); },
                         [&main = parts.main](bool strip) { main.SetSharingStrip(strip); },
                         [&main = parts.main] { emit main.settingsRequested(TfrmSettings::SharingPage); },
                         [&main = parts.main] { return AskSnapshotComment(&main); },
                         &transfers,
                         parts.folders.temporary};
    auto appShare = std::make_unique<TAppShareModule>(parts.context, std::move(share));
    // The participant list's user menu gathers what each subsystem does with one participant.
    const auto& acts = moderationActions;
    TParticipantListParts listParts;
    listParts.userMenu = {rosterModule.ShowProfileAction(),
                          privateNote,
                          video->ViewWebCamAction(),
                          nullptr,
                          acts.toggleModeratorStatus,
                          nullptr,
                          appShare->Host().GiveControlAction(),
                          appShare->Host().TakeControlAction(),
                          nullptr,
                          acts.giveVoice,
                          acts.banVoice,
                          &remoteAudio,
                          nullptr,
                          acts.giveBoard,
                          acts.banBoard,
                          nullptr,
                          acts.kick};
    listParts.headerActions = {acts.raiseHand, acts.smile, acts.clapHands,
                               acts.sayYes,    acts.sayNo, acts.clearMotions};
    const std::pair<QAction*, int> pictures[] = {{acts.raiseHand, MotionPicture::Hand},
                                                 {acts.smile, MotionPicture::Smile},
                                                 {acts.clapHands, MotionPicture::Clap},
                                                 {acts.sayYes, MotionPicture::Yes},
                                                 {acts.sayNo, MotionPicture::No}};
    for (const auto& [action, picture] : pictures)
        action->setIcon(QIcon(RosterPicture(picture)));
    listParts.mikeClicked = [&moderationLogic](std::uint16_t user) { moderationLogic.ClickMicrophone(user); };
    listParts.camClicked = [&participantRoster, videoModule = video.get()](std::uint16_t user) {
        const TUserNode* entry = participantRoster.FindEntry(user);
        if (entry && entry->CameraStatus() == csBroadcast)
            videoModule->ViewWebCam(user);
    };
    rosterModule.SetListParts(listParts);
    modules.push_back(std::move(video));
    modules.push_back(std::move(appShare));
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
