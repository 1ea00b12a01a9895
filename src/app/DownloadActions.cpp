#include "app/DownloadActions.h"

#include "board/Whiteboard.h"

#include <QDesktopServices>
#include <QUrl>

namespace orv {

void DesktopDownloadActions::OpenDocument(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void DesktopDownloadActions::DrawOnBoard(int board, const QImage& image) {
    m_boards.DrawPicture(board, image);
}

} // namespace orv
