#pragma once
// The presentation being shown and its slide: starting a presentation from the library, stepping through its
// slides, and asking the server to show the current slide on the current board for everybody (cmShowSlide).
// The board window's slide controls show this state.

#include "protocol/ResourceRecords.h"

#include <QCoreApplication>

#include <functional>
#include <optional>

namespace orv {

class IBoardAccess;
class IParticipantMarks;
struct TSessionContext;

class TSlideNavigation {
    Q_DECLARE_TR_FUNCTIONS(orv::TSlideNavigation)

public:
    TSlideNavigation(TSessionContext& context, IBoardAccess& boards, IParticipantMarks& marks);

    // Told after every change of the presentation or its slide.
    void SetChanged(std::function<void()> changed) { m_changed = std::move(changed); }
    // Whether the control connection is up; nothing is shown while it is down.
    void SetLinkUp(bool up) { m_linkUp = up; }

    // acPPT_Open: null clears the presentation; a public board needs the lock (or moderator rights).
    void Open(const TResourceRecord* record);
    void First();
    void Previous();
    void Next();
    void Last();
    void Repeat();
    void Jump(int slide);
    // The session ends: no presentation.
    void Clear();

    const std::optional<TResourceRecord>& CurrentPresentation() const { return m_presentation; }
    int SlideCount() const { return m_slideCount; }
    int CurrentSlide() const { return m_currentSlide; }

    bool FirstEnabled() const; // also Previous
    bool NextEnabled() const;  // also Last
    bool RepeatEnabled() const;
    bool JumpEnabled() const { return m_presentation.has_value(); }

private:
    void showSlide();
    void changed();

    TSessionContext& m_context;
    IBoardAccess& m_boards;
    IParticipantMarks& m_marks;
    std::function<void()> m_changed;
    bool m_linkUp = false;
    std::optional<TResourceRecord> m_presentation;
    int m_slideCount = 0;
    int m_currentSlide = 0;
};

} // namespace orv
