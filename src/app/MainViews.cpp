#include "app/MainViews.h"

#include "protocol/SessionMessages.h"

#include <QCoreApplication>

namespace orv {
QString ViewTitle(std::int32_t view) {
    switch (view) {
    case vwWhiteBoard:
        return QCoreApplication::translate("orv::TMainViews", "White Board View");
    case vwWebBrowser:
        return QCoreApplication::translate("orv::TMainViews", "Web Browser View");
    case vwApplicationShare:
        return QCoreApplication::translate("orv::TMainViews", "Application Share View");
    default:
        return {};
    }
}

TMainViews::TMainViews(Send send, std::function<void(std::int32_t)> show, std::function<bool()> leadsViews)
    : m_send(std::move(send)), m_show(std::move(show)), m_leadsViews(std::move(leadsViews)) {}

void TMainViews::RegisterHandlers(TPacketDispatcher& dispatcher) {
    dispatcher.RegisterHandler({cmSetView, cmCurrentView}, [this](const TIncomingPacket& p) {
        auto reader = p.payload();
        ShowView(TViewMessage::decode(reader).view);
    });
    dispatcher.RegisterHandler({cmViewNotice}, [](const TIncomingPacket&) {});
}

void TMainViews::ShowView(std::int32_t view) {
    if (view < vwWhiteBoard || view > vwApplicationShare)
        return;
    m_current = view;
    m_show(view);
}

void TMainViews::SelectView(std::int32_t view) {
    ShowView(view);
    if (view < vwWhiteBoard || view > vwApplicationShare)
        return;
    if (m_leadsViews())
        m_send(cmSetView, TViewMessage{view}.encode());
}

void TMainViews::RequestCurrentView() {
    m_send(cmCurrentView, TViewMessage{0}.encode());
}

} // namespace orv
