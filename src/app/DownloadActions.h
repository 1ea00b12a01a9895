#pragma once
// What finished downloads do in this program: documents open with the desktop's application, library
// images and slides are drawn on the whiteboard.

#include "resources/DownloadActions.h"

namespace orv {

class Whiteboard;

class DesktopDownloadActions final : public IDownloadActions {
public:
    explicit DesktopDownloadActions(Whiteboard& boards) : m_boards(boards) {}
    void OpenDocument(const QString& path) override;
    void DrawOnBoard(int board, const QImage& image) override;

private:
    Whiteboard& m_boards;
};

} // namespace orv
