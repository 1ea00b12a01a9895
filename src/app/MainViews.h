#pragma once
// The three main views of the room area (whiteboard, web browser, application sharing) and how everyone
// is switched to the same one.

#include "link/Dispatcher.h"

#include <QString>

#include <functional>

namespace orv {

enum TMainView : std::int32_t { vwWhiteBoard = 0, vwWebBrowser = 1, vwApplicationShare = 2 };

QString ViewTitle(std::int32_t view);

class TMainViews {
public:
    using Send = std::function<void(std::uint16_t command, const QByteArray& payload)>;
    // `show` makes the hosted window of a view the visible one; `leadsViews` tells whether the user's choice
    // switches everybody (a moderator, or the holder of the public board).
    TMainViews(Send send, std::function<void(std::int32_t)> show, std::function<bool()> leadsViews);

    void RegisterHandlers(TPacketDispatcher& dispatcher);
    std::int32_t Current() const { return m_current; }

    // Shows a view here only; a number other than 0, 1 or 2 changes nothing.
    void ShowView(std::int32_t view);
    // Shows it and, for a moderator or the board holder, switches everybody to it.
    void SelectView(std::int32_t view);
    // At room entry: asks which view everybody sees.
    void RequestCurrentView();

private:
    Send m_send;
    std::function<void(std::int32_t)> m_show;
    std::function<bool()> m_leadsViews;
    std::int32_t m_current = vwWhiteBoard;
};

} // namespace orv
