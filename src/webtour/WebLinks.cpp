#include "webtour/WebLinks.h"

#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "platform/Dialogs.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/WebTourMessages.h"
#include "session/SessionContext.h"
#include "webtour/WebTour.h"

namespace orv {

bool TWebLinks::CanUpload(const QString& description, const QString& address) {
    return !description.trimmed().isEmpty() && !address.trimmed().isEmpty();
}

bool TWebLinks::CanManageLibrary() const {
    return m_context.state.account.CanManageLibrary();
}

bool TWebLinks::send(std::uint16_t command, const QByteArray& payload) {
    return !m_context.state.IsPlayback() && m_context.sender.Send(command, payload);
}

void TWebLinks::RequestWebLinks() {
    send(cmWebLinkList);
}

bool TWebLinks::AddWebLink(const QString& name, const QString& address) {
    if (address.trimmed().isEmpty())
        return false;
    const TResourceRecord record =
        MakeWebLinkRecord(address.trimmed(), name.trimmed(), m_context.state.account.FullName());
    return send(cmAddWebLink, record.toByteArray());
}

void TWebLinks::DeleteWebLink(const TResourceRecord& link) {
    if (!CanManageLibrary()) {
        m_context.dialogs.Error(tr("You don't have permission to delete public resources."));
        return;
    }
    if (m_context.state.IsPlayback())
        return;
    if (!m_context.dialogs.Question(tr("Are you sure you want to delete this public resource")))
        return;
    send(cmDeleteWebLink, link.toByteArray());
}

void TWebLinks::OpenWebLink(const TResourceRecord& link) {
    m_tour.NavigateTour(link.FileName(), m_context.state.account.UserId(), link.Description());
}

void TWebLinks::ReceiveList(std::vector<TResourceRecord> links) {
    m_links = std::move(links);
    if (m_view)
        m_view->ShowLinks(m_links);
}

void TWebLinks::AddReply(int resultCode) {
    if (resultCode != 0) {
        m_context.dialogs.Error(tr("Error occured while uploading resource! Please try again."));
        return;
    }
    RequestWebLinks();
    if (m_view)
        m_view->ClearBoxes();
}

void TWebLinks::DeleteReply(int resultCode) {
    if (resultCode != 0) {
        m_context.dialogs.Error(tr("Unable to delete resource. It may be currently in use or does not exist "
                                   "any more on the server."));
        return;
    }
    RequestWebLinks();
}

} // namespace orv
