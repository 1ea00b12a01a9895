#include "app/DownloadActions.h"

#include "board/Whiteboard.h"
#include "platform/Dialogs.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace orv {

void DesktopDownloadActions::OpenDocument(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void DesktopDownloadActions::RefuseToOpen(const QString& path) {
    m_dialogs.Error(
        tr("\"%1\" is a program or a launcher, not a document, so it was not opened. It was saved "
           "as:\r\n%2")
            .arg(QFileInfo(path).fileName(), path));
}

void DesktopDownloadActions::DrawOnBoard(int board, const QImage& image) {
    m_boards.DrawPicture(board, image);
}

} // namespace orv
