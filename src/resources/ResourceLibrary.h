#pragma once
// The room's libraries as the user works with them: the lists of documents, library images and
// presentations and their requests, adding documents through the transfers, downloading, deleting with the
// answers routed to the list concerned, presenting a document to everybody and showing a library image on
// the board, what others present (a document offered to open, an image or slide downloaded onto a board),
// and the loaded acknowledgements that mark the presenter's participant list.

#include "protocol/IncomingPacket.h"
#include "protocol/ResourceRecords.h"
#include "resources/LibraryList.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>

namespace orv {

class IBoardAccess;
class IParticipantDirectory;
class IParticipantMarks;
class IResourceTransfers;
class TPacketDispatcher;
struct TSessionContext;

// A document another participant asks everybody to open, as the offer window keeps it.
struct TDocumentOffer {
    TResourceRecord record;
    QString localPath;        // the temporary file it downloads to
    std::uint16_t sender = 0; // who presented it
    QString senderName;       // the sender's full name
    std::int32_t board = 0;   // the board current when it arrived
};

class TResourceLibrary {
    Q_DECLARE_TR_FUNCTIONS(orv::TResourceLibrary)

public:
    TResourceLibrary(TSessionContext& context, IResourceTransfers& transfers,
                     const IParticipantDirectory& participants, IParticipantMarks& marks,
                     QString temporaryFolder);

    // The boards presented images and slides go on; none until the whiteboard is there.
    void SetBoards(IBoardAccess* boards) { m_boards = boards; }
    // Shows the offer window for a presented document; without one, offers are dropped.
    void SetOfferDocument(std::function<void(const TDocumentOffer&)> offer) { m_offer = std::move(offer); }
    // Starts a presentation on the board (the slide controls); none clears the one shown.
    void SetStartPresentation(std::function<void(const std::optional<TResourceRecord>&)> start) {
        m_startPresentation = std::move(start);
    }

    // Opens the presentation upload wizard; without one, "Upload" stays disabled.
    void SetUploadPresentation(std::function<void()> upload) { m_uploadPresentation = std::move(upload); }
    bool CanUploadPresentation() const {
        return bool(m_uploadPresentation) && CanManageLibrary() && !IsPlayback();
    }
    void UploadPresentation() {
        if (CanUploadPresentation())
            m_uploadPresentation();
    }

    void RegisterHandlers(TPacketDispatcher& dispatcher);
    void Receive(const TIncomingPacket& packet);

    TLibraryList& Documents() { return m_documents; }
    TLibraryList& Images() { return m_images; }
    TLibraryList& Presentations() { return m_presentations; }
    // The list of a kind (documents, library images, presentations); null for others.
    TLibraryList* List(TTransferKind kind);

    // Deleting, the library tool bar actions and uploading board images.
    bool CanManageLibrary() const;
    bool IsPlayback() const;

    // The list requests (18, 20, 49); nothing for other kinds.
    void Request(TTransferKind kind);
    // "Upload": the file goes to the documents with its comment; the server's answer reloads the list.
    void UploadDocument(const QString& path, const QString& comment);
    // "Download": the document into `folder`, under its own name.
    void Download(const TResourceRecord& record, const QString& folder);
    // "Delete": refuses without library rights, asks, then sends the delete of the kind.
    void Delete(const TResourceRecord& record, TTransferKind kind);
    // "Launch": opens the document here and asks everybody else to open it; false when refused.
    bool Launch(const TResourceRecord& record);
    // "Load": the library image on the current board for everybody (or the private board for the user).
    void LoadImage(const TResourceRecord& record);
    // Whether "Start a PowerPoint presentation" is offered: with library rights, on the private board, or
    // holding the lock.
    bool MayOpenPresentation() const;
    // Whether deleting a presentation is offered: to moderators by account type.
    bool MayDeletePresentation() const;
    // "Start a PowerPoint presentation": none clears the one shown; false when refused.
    bool OpenPresentation(const std::optional<TResourceRecord>& record);
    // Sends the present packet of the kind (documents and web links) with the current board.
    void PresentResource(const TResourceRecord& record, TTransferKind kind);
    // The local user has loaded what `presenter` showed; nothing for presenter 0 or the user.
    void SendLoadedAck(std::uint16_t presenter);
    // OK in the offer window: the document downloads and opens.
    void AcceptOffer(const TDocumentOffer& offer);
    // Cancel: nothing downloads, and the file reserved for it goes.
    void DeclineOffer(const TDocumentOffer& offer);
    // A delete answer for the presentations, which the main window receives.
    void PresentationDeleted(std::uint16_t resultCode);

private:
    void onList(const TIncomingPacket& packet);
    void onDeleteAnswer(const TIncomingPacket& packet);
    void onPush(const TIncomingPacket& packet);
    void deleteAnswered(TLibraryList& list, std::uint16_t resultCode);
    bool mayUsePublicBoard() const;
    std::int32_t currentBoard() const;

    TSessionContext& m_context;
    IResourceTransfers& m_transfers;
    const IParticipantDirectory& m_participants;
    IParticipantMarks& m_marks;
    QString m_temporaryFolder;
    IBoardAccess* m_boards = nullptr;
    std::function<void(const TDocumentOffer&)> m_offer;
    std::function<void(const std::optional<TResourceRecord>&)> m_startPresentation;
    std::function<void()> m_uploadPresentation;
    TLibraryList m_documents{tkDocument};
    TLibraryList m_images{tkLibraryImage};
    TLibraryList m_presentations{tkPresentation};
};

} // namespace orv
