#pragma once
// TUserNode: one participant's roster entry. It owns the participant's record for as long as it lives, and
// tells its roster whenever anything a view shows changes.

#include "protocol/RosterRecords.h"

#include <QDateTime>
#include <QString>

#include <memory>

namespace orv {

class ITimer;
class Roster;

// From a record's user type: below 1000 a participant, from 1000 up a moderator; records never give the
// third.
enum TUserType : std::uint8_t { utParticipant, utModerator, utSuperModerator };

// The pictures of the main image list a motion shows; kNoPicture hides it.
namespace MotionPicture {
constexpr int kNoPicture = -1;
constexpr int Hand = 9;
constexpr int Clap = 10;
constexpr int Smile = 11;
constexpr int Yes = 61;
constexpr int No = 62;
// The acknowledgement mark: the participant confirmed what the user showed or asked.
constexpr int LoadMark = 27;
} // namespace MotionPicture

class TUserNode {
public:
    static constexpr std::uint32_t kBlinkIntervalMs = 400;
    static constexpr int kBlinkToggles = 21;

    // Entries are made by their roster (Roster::AddParticipant) and live inside it.
    TUserNode(Roster& owner, const TParticipantRecord& record);
    ~TUserNode();
    TUserNode(const TUserNode&) = delete;
    TUserNode& operator=(const TUserNode&) = delete;

    std::uint16_t UID() const { return m_record.UserId(); }
    // The display name, the record's full name to begin with.
    QString UserName() const { return m_userName; }
    void SetUserName(const QString& name);
    TMicrophoneStatus MicrophoneStatus() const { return m_microphone; }
    void SetMicrophoneStatus(TMicrophoneStatus status);
    TCameraStatus CameraStatus() const { return m_camera; }
    void SetCameraStatus(TCameraStatus status);
    TUserType UserType() const { return m_userType; }
    void SetUserType(TUserType type);
    TUserOnlineStatus OnlineStatus() const { return m_online; }
    void SetOnlineStatus(TUserOnlineStatus status);
    // Place in the raised-hands queue, 0 without a raised hand.
    int MotionIndex() const { return m_motionIndex; }
    void SetMotionIndex(int index);
    int MotionImageIndex() const { return m_motionImage; }
    void SetMotionImageIndex(int index);
    // The acknowledgement mark, kNoPicture when hidden.
    int ActivityImageIndex() const { return m_activityImage; }
    void SetActivityImageIndex(int index);
    // The local-time line of an expanded entry.
    QString InfoText() const { return m_infoText; }
    void SetInfoText(const QString& text);
    // Minutes, UTC = local time + bias.
    int TimeBias() const { return m_timeBias; }
    void SetTimeBias(int minutes);
    QDateTime UserLocalTime() const { return m_localTime; }
    void SetUserLocalTime(const QDateTime& time);

    // One bit each of the motion mask; setting one applies the whole mask.
    bool Hand() const { return m_motionMask & Motion::Hand; }
    void SetHand(bool on) { setMotionBit(Motion::Hand, on); }
    bool Smile() const { return m_motionMask & Motion::Smile; }
    void SetSmile(bool on) { setMotionBit(Motion::Smile, on); }
    bool Clap() const { return m_motionMask & Motion::Clap; }
    void SetClap(bool on) { setMotionBit(Motion::Clap, on); }
    bool Positive() const { return m_motionMask & Motion::Yes; }
    void SetPositive(bool on) { setMotionBit(Motion::Yes, on); }
    bool Negative() const { return m_motionMask & Motion::No; }
    void SetNegative(bool on) { setMotionBit(Motion::No, on); }
    bool Groovy() const { return false; }
    void SetGroovy(bool) {}
    std::int32_t MotionMask() const { return m_motionMask; }
    // Applies the motion update (Roster::SetMotions): counters, queue numbers and picture follow.
    void SetMotionMask(std::int32_t mask);

    // The participant's record, owned by the entry.
    const TParticipantRecord& Record() const { return m_record; }
    TParticipantRecord& Record() { return m_record; }
    // The participant holds a microphone grant.
    bool MicAllowed() const { return m_micAllowed; }
    void SetMicAllowed(bool allowed) { m_micAllowed = allowed; }
    // Camera status granted or broadcasting.
    bool CamAllowed() const { return m_camAllowed; }
    void SetCamAllowed(bool allowed) { m_camAllowed = allowed; }
    // Access to the public boards.
    bool BoardAllowed() const { return m_boardAllowed; }
    void SetBoardAllowed(bool allowed) { m_boardAllowed = allowed; }
    // The motion picture shows when there is one, except in the dark half of a blink.
    bool MotionPictureVisible() const { return m_motionImage != MotionPicture::kNoPicture && m_motionShown; }
    bool MotionBlinking() const { return m_blinking; }
    bool Expanded() const { return m_expanded; }
    void SetExpanded(bool expanded);

private:
    friend class Roster; // the motion update stores the mask and the blinking together
    void setMotionBit(std::int32_t bit, bool on);
    void changed();
    // Blinking: the picture toggles on each tick of the timer, 21 times, then stays.
    void startBlinking(std::unique_ptr<ITimer> timer);
    void stopBlinking();
    void blinkTick();

    Roster& m_owner;
    TParticipantRecord m_record;
    QString m_userName;
    TMicrophoneStatus m_microphone = msForbidden;
    TCameraStatus m_camera = csNone;
    TUserType m_userType = utParticipant;
    TUserOnlineStatus m_online = usOnline;
    int m_motionIndex = 0;
    int m_motionImage = MotionPicture::kNoPicture;
    int m_activityImage = MotionPicture::kNoPicture;
    QString m_infoText;
    int m_timeBias = 0;
    QDateTime m_localTime;
    std::int32_t m_motionMask = Motion::None;
    bool m_blinking = false;
    bool m_motionShown = true;
    int m_blinkToggles = 0;
    std::unique_ptr<ITimer> m_blinkTimer;
    bool m_micAllowed = false;
    bool m_camAllowed = false;
    bool m_boardAllowed = false;
    bool m_expanded = false;
};

} // namespace orv
