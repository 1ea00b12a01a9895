#include "moderation/Moderation.h"

#include "link/Dispatcher.h"
#include "link/ErrorMessages.h"
#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "platform/AppMessage.h"
#include "platform/Dialogs.h"
#include "platform/MessageRouter.h"
#include "protocol/Stamp.h"
#include "roster/Roster.h"
#include "session/RoomEvents.h"
#include "session/RoomNotices.h"
#include "session/SessionContext.h"
#include "session/Settings.h"
#include "session/SpeakAction.h"

#include <QDateTime>

#include <limits>

namespace orv {
namespace {

struct TTone {
    int frequencyHz;
    int durationMs;
};
constexpr TTone kMotionBeep{500, 30};
constexpr TTone kRequestBeep{200, 50};

bool IsEntryRequest(std::uint8_t type) {
    return type >= RequestType::Hand && type <= RequestType::Camera;
}

} // namespace

TModeration::TModeration(TSessionContext& context, Roster& roster) : m_context(context), m_roster(roster) {}

void TModeration::RegisterHandlers(TPacketDispatcher& dispatcher) {
    dispatcher.RegisterHandler({cmGiveMicrophone, cmBanMicrophone}, [this](const TIncomingPacket& p) {
        if (refused(p.header))
            return;
        auto reader = p.payload();
        const std::uint16_t user = TMicrophoneRightMessage::decode(reader).userId;
        const bool given = p.header.Command == cmGiveMicrophone;
        if (user == m_context.state.account.UserId())
            m_context.state.OwnMicAllowed = given;
        m_context.events.microphoneRight.Raise(user, given);
    });
    dispatcher.RegisterHandler({cmRemoveParticipant}, [this](const TIncomingPacket& p) {
        if (refused(p.header))
            return;
        auto reader = p.payload();
        m_removalReason = TRemovalMessage::decode(reader).reason;
        m_context.events.removed.Raise(p.header.UserId);
    });
    dispatcher.RegisterHandler({cmSetAccountType}, [this](const TIncomingPacket& p) {
        if (refused(p.header))
            return;
        auto reader = p.payload();
        const TAccountTypeMessage m = TAccountTypeMessage::decode(reader);
        if (m.userId < 0 || m.userId > std::numeric_limits<std::uint16_t>::max())
            return; // names nobody
        m_context.events.accountType.Raise(std::uint16_t(m.userId), m.userType);
    });
    dispatcher.RegisterHandler({cmSignal}, [this](const TIncomingPacket& p) {
        auto reader = p.payload();
        OnSignal(p.header.UserId, TSignalMessage::decode(reader).value);
    });
    dispatcher.RegisterHandler({cmRequest}, [this](const TIncomingPacket& p) {
        auto reader = p.payload();
        OnRequest(TRequestRecord::decode(reader));
    });
    dispatcher.RegisterHandler({cmClearMotions}, [this](const TIncomingPacket& p) {
        if (!refused(p.header))
            OnClearMotions();
    });
    dispatcher.RegisterHandler({cmVideoStarted, cmVideoStopped}, [this](const TIncomingPacket& p) {
        m_context.events.webcam.Raise(p.header.UserId, p.header.Command == cmVideoStarted);
    });
}

void TModeration::RegisterMessages(TMessageRouter&) {
    TRoomEvents& events = m_context.events;
    events.microphoneRight.Listen(
        [this](std::uint16_t user, bool given) { ApplyMicrophoneRight(!given, user); });
    events.boardRight.Listen([this](std::uint16_t user, bool given) {
        if (TUserNode* entry = m_roster.FindEntry(user))
            entry->SetBoardAllowed(given);
    });
    events.accountType.Listen(
        [this](std::uint16_t user, std::int32_t type) { ApplyAccountType(user, type); });
    events.webcam.Listen([this](std::uint16_t user, bool started) { ApplyWebcam(user, started); });
    events.speakerMark.Listen([this](std::uint16_t user, int mark) { ApplySpeaking(user, mark); });
    events.removed.Listen([this](std::uint16_t moderator) { ShowRemoval(moderator); });
}

void TModeration::ApplySettings(const TSettings& settings) {
    m_beepOnMotions = settings.BeepOnUserMotions;
}

void TModeration::DeriveOwnRights() {
    TSessionState& state = m_context.state;
    const bool moderator = state.IsModerator();
    state.OwnMicAllowed = moderator;
    state.OwnBoardAllowed = moderator;
    state.OwnCamAllowed = moderator && state.room.VideoFlag();
}

bool TModeration::refused(const TPacketHeader& header) const {
    if (header.ResultCode == ResultCode::Success)
        return false;
    if (!m_context.state.IsPlayback())
        m_context.dialogs.Error(AccessDeniedMessage(header.ResultCode));
    return true;
}

// Senders.

bool TModeration::SendPermission(TPermission permission, std::uint16_t userId) {
    static constexpr TCommandCode kCodes[] = {cmGiveMicrophone, cmGiveBoard, cmBanMicrophone, cmBanBoard};
    const TCommandCode code = kCodes[int(permission) - 1];
    return m_context.sender.Send(code, TMicrophoneRightMessage{userId}.encode());
}

bool TModeration::SendRemoval(std::uint16_t userId, const QString& reason) {
    const QString cut = reason.trimmed().left(int(TRemovalMessage::kReasonCapacity));
    return m_context.sender.Send(cmRemoveParticipant, TRemovalMessage{userId, cut}.encode());
}

bool TModeration::SendUserType(std::uint16_t userId, std::int32_t userType) {
    return m_context.sender.Send(cmSetAccountType, TAccountTypeMessage{userId, userType}.encode());
}

bool TModeration::SendMotion(std::int32_t value) {
    return m_context.sender.Send(cmSignal, TSignalMessage{value}.encode());
}

bool TModeration::SendRequest(std::uint8_t type) {
    TRequestRecord record;
    record.SetSequence(std::uint16_t(m_requestCounter + 1));
    record.SetFrom(m_context.state.account.UserId());
    record.SetTime(stampFromLocal(QDateTime::currentDateTime()));
    record.SetType(type);
    if (!m_context.sender.Send(cmRequest, record.toByteArray()))
        return false;
    ++m_requestCounter;
    return true;
}

bool TModeration::SendClearMotions() {
    return m_context.sender.Send(cmClearMotions);
}

bool TModeration::ToggleMotion(std::int32_t value) {
    const TUserNode* own = m_roster.OwnEntry();
    if (m_context.state.IsPlayback() || !own)
        return false;
    return SendMotion((own->MotionMask() & value) ? Motion::None : value);
}

bool TModeration::ClearMotions() {
    if (!m_context.state.IsModerator())
        return false;
    m_roster.HideLoadMarks();
    return SendClearMotions();
}

bool TModeration::ToggleModeratorStatus() {
    const TUserNode* entry = selectedOther();
    if (!entry)
        return false;
    return SendUserType(entry->UID(), entry->Record().IsModerator() ? kDemotedUserType : kPromotedUserType);
}

void TModeration::ClickMicrophone(std::uint16_t userId) {
    const TUserNode* entry = m_roster.FindEntry(userId);
    if (!entry || !m_context.state.IsModerator())
        return;
    switch (entry->MicrophoneStatus()) {
    case msRequesting:
    case msForbidden:
        SendPermission(TPermission::GiveVoice, userId);
        break;
    case msGranted:
        SendPermission(TPermission::BanVoice, userId);
        break;
    case msSpeaking:
        if (userId != m_context.state.account.UserId() &&
            m_context.dialogs.Question(
                tr("This participant is currently using the microphone. \r\nDo you want "
                   "to disable his/her microphone?")))
            SendPermission(TPermission::BanVoice, userId);
        break;
    default:
        break;
    }
}

TUserNode* TModeration::selectedOther() const {
    TUserNode* selected = m_roster.Selected();
    if (!m_context.state.IsModerator() || !selected || selected->UID() == m_context.state.account.UserId())
        return nullptr;
    return selected;
}

bool TModeration::MayActOnSelected() const {
    return selectedOther() != nullptr;
}

bool TModeration::SelectedIsModerator() const {
    const TUserNode* selected = m_roster.Selected();
    return selected && selected->Record().IsModerator();
}

bool TModeration::MayRequestMicrophone() const {
    return !m_context.state.OwnMicAllowed;
}

bool TModeration::MayRequestCamera() const {
    return !m_context.state.OwnCamAllowed;
}

// The server's packets.

void TModeration::OnSignal(std::uint16_t userId, std::int32_t value) {
    TUserNode* entry = m_roster.FindEntry(userId);
    if (!entry)
        return;
    m_roster.SetMotions(*entry, value);
    m_context.events.participantsChanged.Raise();
    if (value != Motion::None && m_beepOnMotions)
        m_context.notices.Beep(kMotionBeep.frequencyHz, kMotionBeep.durationMs);
}

void TModeration::OnRequest(const TRequestRecord& record) {
    if (m_beepOnMotions)
        m_context.notices.Beep(kRequestBeep.frequencyHz, kRequestBeep.durationMs);
    const std::uint8_t type = record.Type();
    TUserNode* entry = m_roster.FindEntry(record.From());
    if (IsEntryRequest(type)) {
        if (entry)
            applyRequest(*entry, type);
        m_context.events.participantsChanged.Raise();
        return;
    }
    if (!entry)
        return; // a note from nobody in the room is neither listed nor announced
    m_requests.Add({localFromStamp(record.Time()), entry->UserName(), record.Text(), false, record});
}

void TModeration::applyRequest(TUserNode& entry, std::uint8_t type) {
    entry.SetMotionIndex(0);
    switch (type) {
    case RequestType::Hand:
        if (entry.MotionImageIndex() == MotionPicture::Hand) {
            entry.SetMotionImageIndex(MotionPicture::kNoPicture);
        } else {
            entry.SetMotionImageIndex(MotionPicture::Hand);
            entry.SetMotionIndex(++m_requestHands);
        }
        break;
    case RequestType::Clap:
        togglePicture(entry, MotionPicture::Clap);
        break;
    case RequestType::Smile:
        togglePicture(entry, MotionPicture::Smile);
        break;
    case RequestType::Microphone:
        if (entry.MicrophoneStatus() == msNone || entry.MicrophoneStatus() == msForbidden)
            entry.SetMicrophoneStatus(msRequesting);
        else if (entry.MicrophoneStatus() == msRequesting)
            entry.SetMicrophoneStatus(msNone);
        break;
    case RequestType::Camera:
        if (entry.CameraStatus() == csNone)
            entry.SetCameraStatus(csRequesting);
        else if (entry.CameraStatus() == csRequesting)
            entry.SetCameraStatus(csNone);
        break;
    default:
        break;
    }
}

void TModeration::togglePicture(TUserNode& entry, int picture) {
    entry.SetMotionImageIndex(entry.MotionImageIndex() == picture ? MotionPicture::kNoPicture : picture);
}

void TModeration::OnClearMotions() {
    for (int i = 0; i < m_roster.Count(); ++i) {
        TUserNode& entry = m_roster.Entry(i);
        m_roster.SetMotions(entry, Motion::None);
        entry.SetMotionIndex(0); // a raised-hand request's number goes too
        if (entry.MicrophoneStatus() == msRequesting)
            entry.SetMicrophoneStatus(msNone);
        if (entry.CameraStatus() == csRequesting)
            entry.SetCameraStatus(csNone);
    }
    m_roster.HideLoadMarks();
    m_requestHands = 0; // the next raised-hand request is number 1 again
    m_context.events.participantsChanged.Raise();
}

// The main window's handlers.

void TModeration::ApplyMicrophoneRight(bool taken, std::uint16_t userId) {
    TUserNode* entry = m_roster.FindEntry(userId);
    if (!entry)
        return;
    const bool own = userId == m_context.state.account.UserId();
    if (taken) {
        entry->SetMicrophoneStatus(msForbidden);
        entry->SetMicAllowed(false);
        if (own && m_speak) {
            if (m_speak->IsSpeaking())
                m_speak->StopSpeaking();
            m_speak->ShowMicrophoneAllowed(false);
        }
        return;
    }
    entry->SetMicAllowed(true);
    if (own && m_speak)
        m_speak->ShowMicrophoneAllowed(true);
    if (own && m_speak && m_speak->IsSpeaking())
        return; // the floor taken already shows as speaking
    entry->SetMicrophoneStatus(msGranted);
}

void TModeration::ApplyAccountType(std::uint16_t userId, std::int32_t userType) {
    TSessionState& state = m_context.state;
    if (TUserNode* entry = m_roster.FindEntry(userId)) {
        const bool promoted = userType > 0;
        entry->Record().SetUserType(userType); // first: what the entry's change shows reads it
        entry->SetUserType(promoted ? utModerator : utParticipant);
        entry->SetMicAllowed(promoted);
        if (entry->MicrophoneStatus() != msSpeaking)
            entry->SetMicrophoneStatus(promoted ? msGranted : msForbidden);
    }
    if (userId != state.account.UserId())
        return;
    const bool moderator = userType >= kModeratorUserType;
    state.OwnMicAllowed = moderator;
    state.OwnBoardAllowed = moderator;
    state.OwnCamAllowed = moderator && state.room.VideoFlag();
    state.account.SetAccountType(userType);
    state.account.SetRoomRole(userType);
    if (m_ownRoleChanged)
        m_ownRoleChanged();
}

void TModeration::ApplyWebcam(std::uint16_t userId, bool started) {
    TUserNode* entry = m_roster.FindEntry(userId);
    if (!entry)
        return;
    entry->SetCameraStatus(started ? csBroadcast : csNone);
    const QString line =
        started ? entry->UserName() + tr(" started a webcam. To watch the user's video stream "
                                         "click on the red camera image next to the user's name.")
                : entry->UserName() + tr(" - webcam stopped.");
    m_context.notices.AddChatLine(0, tr("System"), TChatLineKind::System, kSystemLineColor, line);
    m_context.events.conversationWanted.Raise(ckPublic, 0);
}

void TModeration::ApplySpeaking(std::uint16_t userId, int mark) {
    TUserNode* entry = m_roster.FindEntry(userId);
    if (!entry)
        return;
    if (mark == SpeakerMarkValue::Requesting) {
        // The own request waits for the server: shown until the answer comes.
        if (entry->MicrophoneStatus() != msSpeaking)
            entry->SetMicrophoneStatus(msRequesting);
        return;
    }
    if (mark == SpeakerMarkValue::Speaking) {
        entry->SetMicrophoneStatus(msSpeaking);
        m_roster.MoveToTop(*entry);
        return;
    }
    const bool allowed = m_context.state.IsPlayback() || entry->MicAllowed();
    entry->SetMicrophoneStatus(allowed ? msGranted : msForbidden);
}

QString TModeration::RemovalText(std::uint16_t moderator) const {
    if (const TUserNode* entry = m_roster.FindEntry(moderator))
        // One substitution of both: a name or a reason holding "%2" stays as it is.
        return tr("You've just been removed from the session by %1\r\nReason: %2")
            .arg(entry->UserName(), m_removalReason);
    return tr("Your session was terminated by an administrator\r\nwith the following message:\r\n") +
           m_removalReason;
}

void TModeration::ShowRemoval(std::uint16_t moderator) {
    if (m_context.state.IsPlayback())
        return;
    m_context.dialogs.Error(RemovalText(moderator));
    if (m_closeMainWindow)
        m_closeMainWindow();
}

} // namespace orv
