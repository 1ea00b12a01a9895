#pragma once
// What finished downloads do in this program: documents open with the desktop's application, library
// images and slides are drawn on the whiteboard.

#include "resources/DownloadActions.h"

#include <QCoreApplication>

namespace orv {

class IDialogs;
class Whiteboard;

class DesktopDownloadActions final : public IDownloadActions {
    Q_DECLARE_TR_FUNCTIONS(orv::DesktopDownloadActions)

public:
    DesktopDownloadActions(Whiteboard& boards, IDialogs& dialogs) : m_boards(boards), m_dialogs(dialogs) {}
    void OpenDocument(const QString& path) override;
    void RefuseToOpen(const QString& path) override;
    void DrawOnBoard(int board, const QImage& image) override;

private:
    Whiteboard& m_boards;
    IDialogs& m_dialogs;
};

} // namespace orv
