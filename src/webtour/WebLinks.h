#pragma once
// The room's library of web links: asking for the list, adding and deleting links, the server's answers,
// and opening a link in the tour browser. The web links window shows the list and the boxes.

#include "protocol/ResourceRecords.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

namespace orv {

class TWebTour;
struct TSessionContext;

// What the logic asks of the web links window.
class IWebLinksView {
public:
    virtual ~IWebLinksView() = default;
    virtual void ShowLinks(const std::vector<TResourceRecord>& links) = 0;
    // Empties the description and address boxes after a successful upload.
    virtual void ClearBoxes() = 0;
};

class TWebLinks {
    Q_DECLARE_TR_FUNCTIONS(orv::TWebLinks)

public:
    TWebLinks(TSessionContext& context, TWebTour& tour) : m_context(context), m_tour(tour) {}

    void SetView(IWebLinksView* view) { m_view = view; }
    const std::vector<TResourceRecord>& Links() const { return m_links; }

    // Upload Link is enabled while both boxes hold more than blanks.
    static bool CanUpload(const QString& description, const QString& address);
    bool CanManageLibrary() const;

    void RequestWebLinks();
    // Sends the trimmed address and name as a new link; false when nothing was sent.
    bool AddWebLink(const QString& name, const QString& address);
    // Asks, then deletes the link from the room's library; refused without library rights.
    void DeleteWebLink(const TResourceRecord& link);
    void OpenWebLink(const TResourceRecord& link);

    void ReceiveList(std::vector<TResourceRecord> links);
    void AddReply(int resultCode);
    void DeleteReply(int resultCode);

private:
    bool send(std::uint16_t command, const QByteArray& payload = {});

    TSessionContext& m_context;
    TWebTour& m_tour;
    IWebLinksView* m_view = nullptr;
    std::vector<TResourceRecord> m_links;
};

} // namespace orv
