#pragma once
// Remote audio control, the moderator's side: a query for a participant's audio state, the reply shown in
// the remote audio window, and the levels and boost the moderator sets from there. The window's controls stay
// disabled from the query until its reply arrives, so nothing the moderator moves meanwhile reaches the
// participant shown before.

#include "platform/Timer.h"
#include "protocol/AudioControlMessages.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace orv {

struct TSessionContext;
class IParticipantDirectory;

// What the remote audio window shows; setting a control from here never runs the moderator's handlers.
class IRemoteAudioView {
public:
    enum class Tone { Grey, Maroon, Green, Red };

    virtual ~IRemoteAudioView() = default;
    virtual void ShowWindow() = 0;
    virtual void SetSubjectName(const QString& name) = 0;
    virtual void SetStatus(const QString& text, Tone tone) = 0;
    virtual void SetNoteVisible(bool visible) = 0;
    virtual void SetSpeaker(bool enabled, std::uint16_t level) = 0;
    virtual void SetMicrophone(bool enabled, std::uint16_t level) = 0;
    virtual void SetBoost(bool enabled, bool checked) = 0;
    // Disables both sliders and the boost box, keeping their positions.
    virtual void DisableControls() = 0;
};

class TRemoteAudioControl {
public:
    static constexpr std::uint32_t kTimeoutMs = 20000;

    TRemoteAudioControl(TSessionContext& context, const IParticipantDirectory& directory,
                        ITimerFactory& timers);

    void SetView(IRemoteAudioView* view) { m_view = view; }

    // A moderator and a selected participant other than the own user.
    bool CanControl() const;
    // Asks the selected participant's client for its audio state and shows the window.
    void QuerySelected();
    void OnReply(const TRemoteAudioRecord& reply);

    // The moderator's changes in the window.
    void LevelsChanged(std::uint16_t speaker, std::uint16_t microphone);
    void BoostClicked(std::uint16_t speaker, std::uint16_t microphone, bool checked);
    // The window closes.
    void Closed();

    std::uint16_t Subject() const { return m_subject; }
    bool Waiting() const { return m_timeout->IsActive(); }

private:
    void timedOut();
    void sendApply(std::uint16_t speaker, std::uint16_t microphone, std::int32_t boost);
    QString nameOf(std::uint16_t userId) const;

    TSessionContext& m_context;
    const IParticipantDirectory& m_directory;
    std::unique_ptr<ITimer> m_timeout;
    IRemoteAudioView* m_view = nullptr;
    std::uint16_t m_subject = 0; // of the last reply
    bool m_live = false;         // a reply arrived since the last query
};

// Sends a remote audio record; nothing while the control connection is down.
void SendRemoteAudio(TSessionContext& context, const TRemoteAudioRecord& record);

} // namespace orv
