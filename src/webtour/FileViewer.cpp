#include "webtour/FileViewer.h"

#include "platform/Dialogs.h"
#include "session/BoardPlacement.h"

#include <algorithm>

namespace orv {

bool TFileViewer::CanOpen() const {
    return !m_board || m_board->CurrentBoard() == 0 || m_board->HoldsLock();
}

void TFileViewer::Opening() {
    if (m_board && !m_board->HoldsLock())
        m_board->RequestLock();
}

void TFileViewer::SetPreview(const QImage& picture) {
    m_preview = picture;
    m_first = {0, 0};
    m_second = {picture.width(), picture.height()};
}

QPoint TFileViewer::clip(QPoint point) const {
    return {std::clamp(point.x(), 0, m_preview.width()), std::clamp(point.y(), 0, m_preview.height())};
}

void TFileViewer::Press(QPoint point) {
    m_first = m_second = clip(point);
    m_selectionOnly = true;
}

void TFileViewer::Drag(QPoint point) {
    m_second = clip(point);
}

QRect TFileViewer::Selection() const {
    const QPoint topLeft(std::min(m_first.x(), m_second.x()), std::min(m_first.y(), m_second.y()));
    return {topLeft, QSize(std::abs(m_first.x() - m_second.x()), std::abs(m_first.y() - m_second.y()))};
}

QImage TFileViewer::Picture() const {
    if (!m_selectionOnly)
        return m_preview;
    const QRect selection = Selection();
    if (selection.isEmpty())
        return {};
    return m_preview.copy(selection);
}

bool TFileViewer::PlaceOnBoard() {
    const int board = m_board ? m_board->CurrentBoard() : 0;
    if (m_board && !m_board->PublicBoardAccess() && !m_board->HoldsLock() && board > 0) {
        m_dialogs.Error(tr("You don't have access to do that.\r\nMust be a moderator or a user with white a "
                           "board write-access. \r\nClick the lock board button and then continue."));
        return false;
    }
    const QImage picture = Picture();
    if (picture.isNull() || picture.width() == 0 || picture.height() == 0) {
        m_dialogs.Error(tr("There is no selection to launch.\r\nClick and drag to select a portion."));
        return false;
    }
    if (m_board) {
        if (!m_board->HoldsLock())
            m_board->RequestLock();
        m_board->ClearBoard(board);
        m_board->PlacePicture(picture);
    }
    m_first = m_second = {0, 0};
    return true;
}

} // namespace orv
