#pragma once
// The guided web tour: who leads the tour browser, which of its navigations are announced to the room, which
// announced pages are followed, the load acknowledgement, and the tour browser closing. The browser window
// carries out the navigations and reports what its page does.

#include "protocol/WebTourMessages.h"

#include <QCoreApplication>
#include <QString>
#include <QUrl>

#include <functional>

namespace orv {

class IBoardPlacement;
class IParticipantMarks;
struct TSessionContext;

// What the tour asks of its browser window.
class ITourBrowser {
public:
    virtual ~ITourBrowser() = default;
    virtual void Load(const QUrl& url) = 0;
    virtual void ShowAddress(const QString& address) = 0;
    // Adds the address to the address box's list unless it holds it already.
    virtual void RememberAddress(const QString& address) = 0;
    // The title of the page on show.
    virtual QString LocationName() const = 0;
};

class TWebTour {
    Q_DECLARE_TR_FUNCTIONS(orv::TWebTour)

public:
    struct Hooks {
        std::function<void()> showBrowserView; // brings the main window's web browser view forward
        std::function<void()> showBoardView;   // brings the whiteboard view forward
    };

    // `marks` and `board` may be null where there is no roster or whiteboard.
    TWebTour(TSessionContext& context, IParticipantMarks* marks, IBoardPlacement* board);

    void SetBrowser(ITourBrowser* browser) { m_browser = browser; }
    void SetHooks(Hooks hooks) { m_hooks = std::move(hooks); }

    // Addresses other participants send are followed only for the web's own schemes, so nobody can make
    // this browser open local files or hand an address to another program.
    static bool IsFollowable(const QUrl& url);
    // Whether the user's account may lead a tour and use the browser's address controls.
    bool CanLead() const;
    std::uint16_t Leader() const { return m_leader; }
    QString LastAnnounced() const { return m_lastAnnounced; }

    // The browser window came on screen: nobody leads.
    void BrowserShown();
    // It went off screen: the board lock holder tells the room the tour is over.
    void BrowserClosed();

    // Brings the browser forward and goes to the address with `leader` leading; an address that may not be
    // followed is refused and nothing changes.
    void NavigateTour(const QString& address, std::uint16_t leader, const QString& title);
    // The user's own navigation from the address box, Reload or a library link.
    void GoTo(const QString& text);
    void Blank();

    // Before each navigation of the browser; false refuses it. A top-level navigation of a leading
    // moderator is announced to the room.
    bool BeforeNavigation(const QUrl& url, bool mainFrame);
    // The top-level page sends form data.
    void PostingData();
    // The page tried to open a window of its own, which was refused.
    void PopupBlocked();
    // The top-level document has finished loading.
    void LoadFinished();

    void ReceivePush(std::uint16_t sender, const TWebLinkPush& push);
    void ReceiveTourAddress(const QString& address);
    // A participant closed the tour browser: back to the whiteboard, acknowledged to them.
    void TourLeft(std::uint16_t sender);
    // Tells the presenter this user has loaded what they showed; nothing for presenter 0.
    void SendLoadedAck(std::uint16_t presenter);

private:
    bool send(std::uint16_t command, const QByteArray& payload = {});
    std::uint16_t ownId() const;

    TSessionContext& m_context;
    IParticipantMarks* m_marks;
    IBoardPlacement* m_board;
    ITourBrowser* m_browser = nullptr;
    Hooks m_hooks;
    std::uint16_t m_leader = 0;
    QString m_lastAnnounced;
    bool m_ackPending = false; // a NavigateTour's page has not finished loading yet
};

} // namespace orv
