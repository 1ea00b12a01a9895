#include "webtour/WebTour.h"

#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "platform/Dialogs.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/PollMessages.h"
#include "session/BoardPlacement.h"
#include "session/ParticipantMarks.h"
#include "session/SessionContext.h"

#include <QDebug>

namespace orv {

namespace {
constexpr std::int32_t kLeaderAccountType = 1000;
}

TWebTour::TWebTour(TSessionContext& context, IParticipantMarks* marks, IBoardPlacement* board)
    : m_context(context), m_marks(marks), m_board(board) {}

bool TWebTour::IsFollowable(const QUrl& url) {
    if (!url.isValid())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        return !url.host().isEmpty();
    return scheme == QLatin1String("about") && url.path() == QLatin1String("blank") && !url.hasQuery() &&
           !url.hasFragment();
}

bool TWebTour::CanLead() const {
    return m_context.state.account.AccountType() >= kLeaderAccountType;
}

std::uint16_t TWebTour::ownId() const {
    return m_context.state.account.UserId();
}

bool TWebTour::send(std::uint16_t command, const QByteArray& payload) {
    return !m_context.state.IsPlayback() && m_context.sender.Send(command, payload);
}

void TWebTour::BrowserShown() {
    m_leader = 0;
}

void TWebTour::BrowserClosed() {
    if (m_board && m_board->PublicBoardAccess() && m_board->HoldsLock())
        send(cmLeaveWebTour);
}

void TWebTour::NavigateTour(const QString& address, std::uint16_t leader, const QString& title) {
    (void)title; // the page's own title is what an announcement names
    const QUrl url = QUrl::fromUserInput(address.trimmed());
    if (!IsFollowable(url)) {
        qInfo().noquote() << "web tour: refused to open" << address.left(300);
        return;
    }
    if (m_hooks.showBrowserView)
        m_hooks.showBrowserView();
    m_leader = leader;
    m_lastAnnounced.clear();
    m_ackPending = true;
    if (m_browser) {
        m_browser->ShowAddress(address.trimmed());
        m_browser->Load(url);
    }
}

void TWebTour::GoTo(const QString& text) {
    if (text.trimmed().isEmpty())
        return;
    NavigateTour(text.trimmed(), ownId(), text);
}

void TWebTour::Blank() {
    NavigateTour(QStringLiteral("about:blank"), ownId(), QStringLiteral("about:blank"));
}

bool TWebTour::BeforeNavigation(const QUrl& url, bool mainFrame) {
    if (!mainFrame)
        return true;
    if (!IsFollowable(url))
        return false;
    if (m_leader == 0 || m_leader != ownId() || !CanLead())
        return true;
    const QString address = url.toString().trimmed();
    m_lastAnnounced = address;
    if (m_browser) {
        m_browser->RememberAddress(address);
        m_browser->ShowAddress(address);
    }
    const QString title = m_browser ? m_browser->LocationName().trimmed() : QString();
    TWebLinkPush push;
    push.board = m_board ? m_board->CurrentBoard() : 0;
    push.record = MakeWebLinkRecord(address, title, m_context.state.account.FullName());
    if (m_marks)
        m_marks->HideLoadMarks();
    send(cmPushWebLink, push.encode());
    return true;
}

void TWebTour::PostingData() {
    if (m_leader == 0 || m_leader != ownId() || !CanLead())
        return;
    m_context.dialogs.Information(
        tr("You are trying to post data to the website. Orvane allows posting data to websites but students' "
           "browsers may not be synchronized after that!"));
}

void TWebTour::PopupBlocked() {
    m_context.dialogs.Information(tr("This web site tried to open a popup window.\r\nOrvane Live does not "
                                     "allow pop-up windows in a guided web tour for security reasons."));
}

void TWebTour::LoadFinished() {
    if (!m_ackPending)
        return;
    m_ackPending = false;
    SendLoadedAck(m_leader);
}

void TWebTour::ReceivePush(std::uint16_t sender, const TWebLinkPush& push) {
    NavigateTour(push.record.FileName(), sender, push.record.Description());
}

void TWebTour::ReceiveTourAddress(const QString& address) {
    if (address.trimmed().isEmpty())
        return;
    const QUrl url(address.trimmed(), QUrl::StrictMode);
    if (!IsFollowable(url)) {
        qInfo().noquote() << "web tour: refused to open" << address.left(300);
        return;
    }
    m_leader = 0;
    m_ackPending = false;
    if (m_browser) {
        m_browser->ShowAddress(address.trimmed());
        m_browser->Load(url);
    }
}

void TWebTour::TourLeft(std::uint16_t sender) {
    if (m_hooks.showBoardView)
        m_hooks.showBoardView();
    SendLoadedAck(sender);
}

void TWebTour::SendLoadedAck(std::uint16_t presenter) {
    if (presenter == 0)
        return;
    send(cmAcknowledge, TAcknowledgeMessage{presenter}.encode());
}

} // namespace orv
