#pragma once
// Web links and the guided web tour as a session module: the library and tour packets, the tour browser in
// the main window's web browser view, the web links window and the file viewer with their tool bar actions,
// and asking for the tour's page on entering a room.

#include "platform/Mailbox.h"
#include "session/BoardPlacement.h"
#include "session/Module.h"
#include "webtour/FileViewer.h"
#include "webtour/WebLinks.h"
#include "webtour/WebTour.h"

#include <QCoreApplication>
#include <QPointer>

#include <functional>
#include <memory>

class QAction;
class QTimer;

namespace orv {

class TfrmBrowser;
class TfrmFileViewer;
class TfrmWebLinks;

class TWebTourModule final : public ISessionModule {
    Q_DECLARE_TR_FUNCTIONS(orv::TWebTourModule)

public:
    // The main window's number of the web browser view.
    static constexpr std::int32_t kBrowserView = 1;

    // `marks` and `board` may be null where the program has no roster or whiteboard.
    TWebTourModule(TSessionContext& context, IParticipantMarks* marks,
                   std::unique_ptr<IBoardPlacement> board);
    ~TWebTourModule() override;

    void RegisterHandlers(TPacketDispatcher& dispatcher) override;
    void RegisterMessages(TMessageRouter& mainWindow) override;
    void RegisterRoomEntry(TRoomEntrySteps& steps) override;
    void OwnRoleChanged() override;
    void EndSession() override;

    // How the main window's views are brought forward.
    void SetShowViews(std::function<void()> showBrowser, std::function<void()> showBoard);

    TWebTour& Tour() { return m_tour; }
    TWebLinks& Links() { return m_links; }
    TFileViewer& Viewer() { return m_viewer; }
    TMailbox& Mailbox() { return m_mailbox; }
    // The tour browser; null once the main window has destroyed it.
    TfrmBrowser* Browser() const;
    // The web links window and the file viewer, made when first shown.
    TfrmWebLinks* ShowWebLinks();
    TfrmFileViewer* ShowFileViewer();
    QAction* WebLinksAction() const { return m_webLinksAction; }
    QAction* FileViewerAction() const { return m_fileViewerAction; }

private:
    void updateActions();

    TSessionContext& m_context;
    std::unique_ptr<IBoardPlacement> m_board;
    TWebTour m_tour;
    TWebLinks m_links;
    TFileViewer m_viewer;
    TMailbox m_mailbox;              // the web links window's messages (ResourceListMsg)
    QPointer<TfrmBrowser> m_browser; // owned by the main window
    std::unique_ptr<TfrmWebLinks> m_linksWindow;
    std::unique_ptr<TfrmFileViewer> m_viewerWindow;
    QAction* m_webLinksAction = nullptr;   // owned by the main window
    QAction* m_fileViewerAction = nullptr; // owned by the main window
    std::unique_ptr<QTimer> m_actionTimer;
};

} // namespace orv
