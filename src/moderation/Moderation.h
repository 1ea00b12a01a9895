#pragma once
// Moderation on the client: the user's own rights, the moderators' commands (microphones, public boards,
// removal, promotion, clearing motions), the participants' signals and requests, and what the server's
// notices of them do to the roster. Handlers hand their work to the main window by messages, whose handlers
// change the roster. Main thread only.

#include "moderation/RequestList.h"
#include "protocol/ModerationMessages.h"

#include <QCoreApplication>

#include <functional>
#include <optional>

namespace orv {

class ISpeakAction;
class Roster;
class TMessageRouter;
class TPacketDispatcher;
class TUserNode;
struct TPacketHeader;
struct TSessionContext;
struct TSettings;

// The four permission actions, by their tags.
enum class TPermission { GiveVoice = 1, GiveBoard = 2, BanVoice = 3, BanBoard = 4 };

// The motion values a participant's actions send (Motion::Hand ... Motion::No).
constexpr std::int32_t kPromotedUserType = 1000;
constexpr std::int32_t kDemotedUserType = 0;

class TModeration {
    Q_DECLARE_TR_FUNCTIONS(orv::TModeration)

public:
    TModeration(TSessionContext& context, Roster& roster);

    // The voice subsystem's Speak action, none until there is one.
    void SetSpeakAction(ISpeakAction* speak) { m_speak = speak; }
    // Told after the user's own account type changed, so moderator-only controls follow.
    void SetOwnRoleChanged(std::function<void()> changed) { m_ownRoleChanged = std::move(changed); }
    // Closes the main window without asking, which ends the program.
    void SetCloseMainWindow(std::function<void()> close) { m_closeMainWindow = std::move(close); }

    void RegisterHandlers(TPacketDispatcher& dispatcher);
    void RegisterMessages(TMessageRouter& mainWindow);
    void ApplySettings(const TSettings& settings);

    // At room entry: moderators hold the microphone and the public boards, and the camera where the room
    // has video; everybody else holds none of them until told otherwise.
    void DeriveOwnRights();

    // What the senders send; each does nothing (false) while the connection is down.
    bool SendPermission(TPermission permission, std::uint16_t userId);
    // The reason is trimmed and cut to its first 49 characters.
    bool SendRemoval(std::uint16_t userId, const QString& reason);
    bool SendUserType(std::uint16_t userId, std::int32_t userType);
    bool SendMotion(std::int32_t value);
    bool SendRequest(std::uint8_t type);
    bool SendClearMotions();

    // The five motion actions: the value, or 0 when the own entry shows it already. Nothing in playback or
    // without an own entry; only the server's echo changes the own entry.
    bool ToggleMotion(std::int32_t value);
    // The Clear Motions action: the acknowledgement marks go, then everybody's motions and requests.
    bool ClearMotions();
    // The selected participant's promotion or demotion, by its current type.
    bool ToggleModeratorStatus();
    // A click on an entry's microphone picture: moderators give or take the microphone by its status;
    // taking it from a participant who speaks asks first.
    void ClickMicrophone(std::uint16_t userId);

    // The moderator actions: the user is a moderator and a participant other than the user is selected.
    bool MayActOnSelected() const;
    bool SelectedIsModerator() const;
    bool MayRequestMicrophone() const;
    bool MayRequestCamera() const;

    // The server's packets.
    void OnSignal(std::uint16_t userId, std::int32_t value);
    void OnRequest(const TRequestRecord& record);
    void OnClearMotions();
    // The main window's handlers.
    void ApplyMicrophoneRight(bool taken, std::uint16_t userId);
    void ApplyAccountType(std::uint16_t userId, std::int32_t userType);
    void ApplyWebcam(std::uint16_t userId, bool started);
    // `mark` is a SpeakerMarkValue.
    void ApplySpeaking(std::uint16_t userId, int mark);
    void ShowRemoval(std::uint16_t moderator);
    // The warning of a removal by `moderator`, with the stored reason.
    QString RemovalText(std::uint16_t moderator) const;

    TRequestList& Requests() { return m_requests; }
    std::uint32_t RequestCounter() const { return m_requestCounter; }
    // Playback starts the request numbers afresh.
    void RestartRequestCounter() { m_requestCounter = 0; }

private:
    bool refused(const TPacketHeader& header) const;
    TUserNode* selectedOther() const;
    void applyRequest(TUserNode& entry, std::uint8_t type);
    void togglePicture(TUserNode& entry, int picture);

    TSessionContext& m_context;
    Roster& m_roster;
    ISpeakAction* m_speak = nullptr;
    std::function<void()> m_ownRoleChanged;
    std::function<void()> m_closeMainWindow;
    TRequestList m_requests;
    QString m_removalReason;
    std::uint32_t m_requestCounter = 0;
    int m_requestHands = 0; // the queue numbers of raised-hand requests
    bool m_beepOnMotions = false;
};

} // namespace orv
