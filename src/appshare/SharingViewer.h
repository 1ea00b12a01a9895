#pragma once
// The viewer's side of application sharing, live or in playback: the picture built from received tiles, the
// host's pointer, the answers to the server's notices and, while in control, the own mouse and keys sent to
// the host.

#include "appshare/AppShareWindows.h"

#include <QImage>
#include <QObject>
#include <QPoint>

namespace orv {

struct TAppShareParts;
struct TIncomingPacket;
struct TSessionContext;
struct TSharingSession;

class TSharingViewer final : public IAppShareViewInput {
public:
    TSharingViewer(TSessionContext& context, TAppShareParts& parts, TSharingSession& session);
    TSharingViewer(const TSharingViewer&) = delete;
    TSharingViewer& operator=(const TSharingViewer&) = delete;

    // The sharing view, made once by the program.
    void SetView(IAppShareView* view) { m_view = view; }
    // Somebody else's sharing began (or was running on entering): the view shows its picture.
    void Begin();
    // The sharing is over here: the view is cleared, nobody is in control.
    void EndLocally();

    void OnScreenImage(const TIncomingPacket& p);
    void OnPointer(const TIncomingPacket& p);
    void OnControl(const TIncomingPacket& p, bool given);
    // The server's notices 101 and 102: the tiles this viewer has, or a request for a fresh picture.
    void OnTilesAsked();
    void OnRefreshAsked();

    bool InControl() const { return m_inControl; }
    QPoint PointerTopLeft() const { return m_pointerTopLeft; }

    // IAppShareViewInput
    void MouseInput(TMouseAction action, TMouseButton button, QPointF position, QSize shown) override;
    void KeyInput(int qtKey, bool release) override;

private:
    bool viewing() const;
    void sendInput(const TRemoteInputRecord& record);

    TSessionContext& m_context;
    TAppShareParts& m_parts;
    TSharingSession& m_session;
    IAppShareView* m_view = nullptr;
    bool m_inControl = false; // this viewer controls the host
    QImage m_pointerImage;
    QPoint m_pointerTopLeft;
    QObject m_receiver; // answers after the current message, as the view window would
};

} // namespace orv
