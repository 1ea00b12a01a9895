#pragma once
// The whiteboard as the file viewer and other subsystems see it for placing pictures.

#include "session/BoardPlacement.h"

namespace orv {

class TBoardModule;

class TWhiteboardPlacement final : public IBoardPlacement {
public:
    explicit TWhiteboardPlacement(TBoardModule& board) : m_board(board) {}

    int CurrentBoard() const override;
    bool PublicBoardAccess() const override;
    bool HoldsLock() const override;
    void RequestLock() override;
    void ClearBoard(int board) override;
    void PlacePicture(const QImage& picture) override;

private:
    TBoardModule& m_board;
};

} // namespace orv
