#include "slides/SlideNavigation.h"

#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "platform/Dialogs.h"
#include "protocol/BoardSharingMessages.h"
#include "protocol/CommandCatalogue.h"
#include "session/BoardAccess.h"
#include "session/ParticipantMarks.h"
#include "session/SessionContext.h"

#include <algorithm>

namespace orv {

namespace {
constexpr std::int32_t kModeratorAccount = 1000;
constexpr int kPrivateBoard = 0;
} // namespace

TSlideNavigation::TSlideNavigation(TSessionContext& context, IBoardAccess& boards, IParticipantMarks& marks)
    : m_context(context), m_boards(boards), m_marks(marks) {}

void TSlideNavigation::changed() {
    if (m_changed)
        m_changed();
}

void TSlideNavigation::Open(const TResourceRecord* record) {
    if (!record) {
        m_presentation.reset();
        changed();
        return;
    }
    if (m_boards.CurrentBoard() > kPrivateBoard && !m_boards.HoldsLock()) {
        m_context.dialogs.Error(tr("You can't load this resource on a public board until you lock it.\r\nUse "
                                   "the Lock Board button on "
                                   "top to ensure access over the white board."));
        return;
    }
    m_presentation = *record;
    m_slideCount = record->ItemCount();
    m_currentSlide = 1;
    showSlide();
}

void TSlideNavigation::First() {
    m_currentSlide = 1;
    showSlide();
}

void TSlideNavigation::Previous() {
    m_currentSlide = std::max(1, m_currentSlide - 1);
    showSlide();
}

void TSlideNavigation::Next() {
    m_currentSlide = std::max(1, std::min(m_slideCount, m_currentSlide + 1));
    showSlide();
}

void TSlideNavigation::Last() {
    m_currentSlide = std::max(1, m_slideCount);
    showSlide();
}

void TSlideNavigation::Repeat() {
    m_currentSlide = std::max(1, std::min(m_currentSlide, m_slideCount));
    showSlide();
}

void TSlideNavigation::Jump(int slide) {
    if (slide < 1 || slide > m_slideCount)
        return;
    m_currentSlide = slide;
    showSlide();
}

void TSlideNavigation::Clear() {
    m_presentation.reset();
    m_slideCount = 0;
    m_currentSlide = 0;
    changed();
}

bool TSlideNavigation::FirstEnabled() const {
    return m_presentation && m_slideCount >= 1 && m_currentSlide >= 2;
}

bool TSlideNavigation::NextEnabled() const {
    return m_presentation && m_currentSlide < m_slideCount;
}

bool TSlideNavigation::RepeatEnabled() const {
    return m_presentation && m_currentSlide <= m_slideCount;
}

void TSlideNavigation::showSlide() {
    const TSessionState& state = m_context.state;
    if (state.IsPlayback() || !m_linkUp) {
        changed();
        return;
    }
    if (state.account.AccountType() < kModeratorAccount && m_boards.CurrentBoard() > kPrivateBoard) {
        if (!m_context.dialogs.Question(tr(
                "You must be a session moderator to launch a PPT slide on a public board.\r\nYou can still "
                "open the slide but on your personal private board.\r\nDo you want to open the slide on your "
                "private board?"))) {
            changed();
            return;
        }
        m_boards.SwitchBoard(kPrivateBoard, false);
    }
    if (m_presentation) {
        m_marks.HideLoadMarks();
        TBoardPictureMessage request;
        request.board = m_boards.CurrentBoard();
        request.record = *m_presentation;
        request.record.SetFileName(QStringLiteral("Slide_%1.JPG").arg(m_currentSlide));
        request.record.SetFileExt(QStringLiteral(".JPG"));
        m_context.sender.Send(cmShowSlide, request.encode());
    }
    changed();
}

} // namespace orv
