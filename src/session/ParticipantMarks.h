#pragma once
// The acknowledgement marks of the participant list: who confirmed that what the user showed or asked
// reached them. The roster keeps them; a subsystem that starts something new to confirm clears them first.

namespace orv {

class IParticipantMarks {
public:
    virtual ~IParticipantMarks() = default;
    // Hides every participant's acknowledgement mark.
    virtual void HideLoadMarks() = 0;
};

} // namespace orv
