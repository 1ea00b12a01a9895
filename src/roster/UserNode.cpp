#include "roster/UserNode.h"

#include "platform/Timer.h"
#include "roster/Roster.h"

namespace orv {
namespace {

// Sets `field` and reports whether it changed.
template <typename T> bool assign(T& field, const T& value) {
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

TUserNode::TUserNode(Roster& owner, const TParticipantRecord& record)
    : m_owner(owner), m_record(record), m_userName(record.FullName()) {}

TUserNode::~TUserNode() = default;

void TUserNode::startBlinking(std::unique_ptr<ITimer> timer) {
    m_blinking = true;
    m_blinkToggles = 0;
    m_motionShown = true;
    m_blinkTimer = std::move(timer);
    if (m_blinkTimer)
        m_blinkTimer->Start(kBlinkIntervalMs);
}

void TUserNode::stopBlinking() {
    m_blinking = false;
    m_motionShown = true;
    m_blinkTimer.reset();
}

void TUserNode::blinkTick() {
    m_motionShown = !m_motionShown;
    if (++m_blinkToggles >= kBlinkToggles) {
        m_motionShown = true;
        m_blinking = false;
        if (m_blinkTimer)
            m_blinkTimer->Stop();
    }
    changed();
}

void TUserNode::changed() {
    m_owner.entryChanged();
}

void TUserNode::SetUserName(const QString& name) {
    if (assign(m_userName, name))
        changed();
}
void TUserNode::SetMicrophoneStatus(TMicrophoneStatus status) {
    if (assign(m_microphone, status))
        changed();
}
void TUserNode::SetCameraStatus(TCameraStatus status) {
    if (assign(m_camera, status))
        changed();
}
void TUserNode::SetUserType(TUserType type) {
    if (assign(m_userType, type))
        changed();
}
void TUserNode::SetOnlineStatus(TUserOnlineStatus status) {
    if (assign(m_online, status))
        changed();
}
void TUserNode::SetMotionIndex(int index) {
    if (assign(m_motionIndex, index))
        changed();
}
void TUserNode::SetMotionImageIndex(int index) {
    if (assign(m_motionImage, index))
        changed();
}
void TUserNode::SetActivityImageIndex(int index) {
    if (assign(m_activityImage, index))
        changed();
}
void TUserNode::SetInfoText(const QString& text) {
    if (assign(m_infoText, text))
        changed();
}
void TUserNode::SetTimeBias(int minutes) {
    if (assign(m_timeBias, minutes))
        changed();
}
void TUserNode::SetUserLocalTime(const QDateTime& time) {
    if (assign(m_localTime, time))
        changed();
}
void TUserNode::SetExpanded(bool expanded) {
    if (assign(m_expanded, expanded))
        changed();
}

void TUserNode::SetMotionMask(std::int32_t mask) {
    m_owner.SetMotions(*this, mask);
}

void TUserNode::setMotionBit(std::int32_t bit, bool on) {
    SetMotionMask(on ? (m_motionMask | bit) : (m_motionMask & ~bit));
}

} // namespace orv
