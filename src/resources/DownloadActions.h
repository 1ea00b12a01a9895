#pragma once
// What a finished download asks of the rest of the program, on the main thread: opening a document with the
// desktop's application (or saying why not), and drawing a library image or a slide on a board.

#include <QImage>
#include <QString>

namespace orv {

class IDownloadActions {
public:
    virtual ~IDownloadActions() = default;
    virtual void OpenDocument(const QString& path) = 0;
    // A document that was to be opened is a program or a launcher: it is kept where it is, and the user told.
    virtual void RefuseToOpen(const QString& path) = 0;
    // At the board's top-left corner, without clearing or enlarging it; neither recorded nor sent. Board -1
    // is the board current at that moment.
    virtual void DrawOnBoard(int board, const QImage& image) = 0;
};

} // namespace orv
