#pragma once
// The whiteboard as the file viewer and other subsystems see it for placing pictures.

#include "session/BoardPlacement.h"

#include <QCoreApplication>

namespace orv {

class IDialogs;
class TBoardModule;

class TWhiteboardPlacement final : public IBoardPlacement {
    Q_DECLARE_TR_FUNCTIONS(orv::TWhiteboardPlacement)

public:
    TWhiteboardPlacement(TBoardModule& board, IDialogs& dialogs) : m_board(board), m_dialogs(dialogs) {}

    int CurrentBoard() const override;
    bool PublicBoardAccess() const override;
    bool HoldsLock() const override;
    void RequestLock() override;
    void ClearBoard(int board) override;
    void PlacePicture(const QImage& picture) override;

private:
    TBoardModule& m_board;
    IDialogs& m_dialogs;
};

} // namespace orv
