#include "webtour/WebTourModule.h"

#include "link/Dispatcher.h"
#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "protocol/WebTourMessages.h"
#include "session/MainPanes.h"
#include "session/SessionContext.h"
#include "webtour/BrowserWindow.h"
#include "webtour/FileViewerWindow.h"
#include "webtour/WebLinksWindow.h"
#include "webtour/WebTourMessageIds.h"

#include <QAction>
#include <QTimer>

namespace orv {

namespace {
// How often the tool bar actions follow the board lock and the current board.
constexpr int kActionRefreshMs = 500;
} // namespace

TWebTourModule::TWebTourModule(TSessionContext& context, IParticipantMarks* marks,
                               std::unique_ptr<IBoardPlacement> board)
    : m_context(context), m_board(std::move(board)), m_tour(context, marks, m_board.get()),
      m_links(context, m_tour), m_viewer(context.dialogs, m_board.get()),
      m_actionTimer(std::make_unique<QTimer>()) {
    m_browser = new TfrmBrowser(m_tour, m_links);
    context.panes.InstallView(kBrowserView, m_browser);

    m_webLinksAction = new QAction(tr("Web Links"));
    m_webLinksAction->setObjectName("acWebLinks");
    m_webLinksAction->setToolTip(tr("Web Links"));
    QObject::connect(m_webLinksAction, &QAction::triggered, m_webLinksAction, [this] {
        if (!m_context.state.IsPlayback())
            ShowWebLinks();
    });
    context.panes.InstallToolAction(m_webLinksAction);

    m_fileViewerAction = new QAction(tr("File Viewer"));
    m_fileViewerAction->setObjectName("acFileViewer");
    m_fileViewerAction->setToolTip(tr("Share any file or resource on the whiteboard"));
    QObject::connect(m_fileViewerAction, &QAction::triggered, m_fileViewerAction, [this] {
        if (m_viewer.CanOpen())
            ShowFileViewer();
    });
    context.panes.InstallToolAction(m_fileViewerAction);

    m_actionTimer->setInterval(kActionRefreshMs);
    m_actionTimer->callOnTimeout([this] { updateActions(); });
    m_actionTimer->start();
    updateActions();

    m_mailbox.Router().Register(WebLinksMsg::AddLinkReply,
                                [this](std::intptr_t code, std::intptr_t) { m_links.AddReply(int(code)); });
    m_mailbox.Router().Register(WebLinksMsg::DeleteReply, [this](std::intptr_t code, std::intptr_t) {
        m_links.DeleteReply(int(code));
    });
}

TWebTourModule::~TWebTourModule() {
    m_actionTimer->stop();
    m_linksWindow.reset();
    m_viewerWindow.reset();
    if (m_browser)
        m_browser->Detach();
}

TfrmBrowser* TWebTourModule::Browser() const {
    return m_browser.data();
}

void TWebTourModule::SetShowViews(std::function<void()> showBrowser, std::function<void()> showBoard) {
    m_tour.SetHooks({std::move(showBrowser), std::move(showBoard)});
}

void TWebTourModule::RegisterHandlers(TPacketDispatcher& dispatcher) {
    dispatcher.RegisterHandler({cmWebLinkList}, [this](const TIncomingPacket& p) {
        auto reader = p.payload();
        m_links.ReceiveList(TWebLinkList::decode(reader).links);
    });
    dispatcher.RegisterHandler({cmAddWebLink}, [this](const TIncomingPacket& p) {
        m_mailbox.Sink().post(WebLinksMsg::AddLinkReply, p.header.ResultCode, 0);
    });
    dispatcher.RegisterHandler({cmDeleteWebLink}, [this](const TIncomingPacket& p) {
        m_mailbox.Sink().post(WebLinksMsg::DeleteReply, p.header.ResultCode, 0);
    });
    dispatcher.RegisterHandler({cmPushWebLink}, [this](const TIncomingPacket& p) {
        auto reader = p.payload();
        m_tour.ReceivePush(p.header.UserId, TWebLinkPush::decode(reader));
    });
    dispatcher.RegisterHandler({cmLeaveWebTour}, [this](const TIncomingPacket& p) {
        m_context.mainWindow.post(MainMsg::WebTourLeft, p.header.UserId, 0);
    });
    dispatcher.RegisterHandler({cmWebTourUrl}, [this](const TIncomingPacket& p) {
        auto reader = p.payload();
        m_tour.ReceiveTourAddress(TWebTourAddress::decode(reader).address);
    });
}

void TWebTourModule::RegisterMessages(TMessageRouter& mainWindow) {
    mainWindow.Register(MainMsg::WebTourLeft, [this](std::intptr_t sender, std::intptr_t) {
        m_tour.TourLeft(std::uint16_t(sender));
    });
}

void TWebTourModule::RegisterRoomEntry(TRoomEntrySteps& steps) {
    steps.Add(TRoomEntryStep::WebTourAddress, [this] {
        // The account is known now: the leader's controls follow it.
        OwnRoleChanged();
        if (!m_context.state.IsPlayback())
            m_context.sender.Send(cmWebTourUrl);
    });
}

void TWebTourModule::OwnRoleChanged() {
    if (m_browser)
        m_browser->UpdateControls();
    updateActions();
}

void TWebTourModule::EndSession() {
    if (m_linksWindow)
        m_linksWindow->hide();
    if (m_viewerWindow)
        m_viewerWindow->hide();
}

void TWebTourModule::updateActions() {
    m_webLinksAction->setEnabled(m_context.state.account.CanManageLibrary() && !m_context.state.IsPlayback());
    m_fileViewerAction->setEnabled(m_viewer.CanOpen());
}

TfrmWebLinks* TWebTourModule::ShowWebLinks() {
    if (!m_linksWindow)
        m_linksWindow = std::make_unique<TfrmWebLinks>(m_links);
    m_linksWindow->show();
    m_linksWindow->raise();
    return m_linksWindow.get();
}

TfrmFileViewer* TWebTourModule::ShowFileViewer() {
    m_viewer.Opening();
    if (!m_viewerWindow)
        m_viewerWindow = std::make_unique<TfrmFileViewer>(m_viewer);
    m_viewerWindow->ShowOverRoomArea(m_browser.data());
    return m_viewerWindow.get();
}

} // namespace orv
