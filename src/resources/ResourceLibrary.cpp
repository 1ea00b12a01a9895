#include "resources/ResourceLibrary.h"

#include "link/Dispatcher.h"
#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "protocol/BoardSharingMessages.h"
#include "protocol/LibraryMessages.h"
#include "protocol/PollMessages.h"
#include "resources/ResourceMessageIds.h"
#include "resources/TemporaryNames.h"
#include "session/BoardAccess.h"
#include "session/ParticipantDirectory.h"
#include "session/ParticipantMarks.h"
#include "session/ResourceTransfers.h"
#include "session/SessionContext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace orv {

namespace {

constexpr std::int32_t kModeratorAccountType = 1000;

} // namespace

TResourceLibrary::TResourceLibrary(TSessionContext& context, IResourceTransfers& transfers,
                                   const IParticipantDirectory& participants, IParticipantMarks& marks,
                                   QString temporaryFolder)
    : m_context(context), m_transfers(transfers), m_participants(participants), m_marks(marks),
      m_temporaryFolder(std::move(temporaryFolder)) {
    for (TLibraryList* list : {&m_documents, &m_images}) {
        list->Router().Register(
            ResourceListMsg::DeleteReply,
            [this, list](std::intptr_t code, std::intptr_t) { deleteAnswered(*list, std::uint16_t(code)); });
        list->Router().Register(ResourceListMsg::UploadDone,
                                [this, list](std::intptr_t, std::intptr_t) { Request(list->Kind()); });
    }
}

void TResourceLibrary::RegisterHandlers(TPacketDispatcher& dispatcher) {
    const auto receive = [this](const TIncomingPacket& p) { Receive(p); };
    dispatcher.RegisterHandler({cmDocumentList, cmImageList, cmPresentationList}, receive);
    dispatcher.RegisterHandler({cmDeleteDocument, cmDeleteImage, cmDeletePresentation}, receive);
    dispatcher.RegisterHandler({cmPushDocument, cmPushImage, cmPushPresentation}, receive);
}

void TResourceLibrary::Receive(const TIncomingPacket& packet) {
    const std::uint16_t command = packet.header.Command;
    if (ListKindOf(command))
        onList(packet);
    else if (DeleteKindOf(command))
        onDeleteAnswer(packet);
    else if (PushKindOf(command))
        onPush(packet);
}

TLibraryList* TResourceLibrary::List(TTransferKind kind) {
    switch (kind) {
    case tkDocument:
        return &m_documents;
    case tkLibraryImage:
        return &m_images;
    case tkPresentation:
        return &m_presentations;
    default:
        return nullptr;
    }
}

bool TResourceLibrary::CanManageLibrary() const {
    return m_context.state.account.CanManageLibrary();
}

bool TResourceLibrary::IsPlayback() const {
    return m_context.state.IsPlayback();
}

std::int32_t TResourceLibrary::currentBoard() const {
    return m_boards ? m_boards->CurrentBoard() : 0;
}

bool TResourceLibrary::mayUsePublicBoard() const {
    const std::uint16_t own = m_context.state.account.UserId();
    return m_context.state.account.AccountType() >= kModeratorAccountType ||
           (m_context.state.boardHolder != 0 && m_context.state.boardHolder == own);
}

void TResourceLibrary::Request(TTransferKind kind) {
    if (IsPlayback())
        return;
    if (const auto command = ListCommand(kind); command && List(kind))
        m_context.sender.Send(*command);
}

void TResourceLibrary::UploadDocument(const QString& path, const QString& comment) {
    m_transfers.StartUpload(path, comment, {}, tkDocument);
}

void TResourceLibrary::Download(const TResourceRecord& record, const QString& folder) {
    TDownloadOrder order;
    order.name = record.FileName();
    // Only the name's last part: a name from the server never leaves the chosen folder.
    const QString name = QFileInfo(record.FileName()).fileName();
    if (name.isEmpty() || name == "." || name == "..")
        return;
    order.localPath = QDir(folder).filePath(name);
    order.kind = tkDocument;
    m_transfers.StartDownload(order);
}

void TResourceLibrary::Delete(const TResourceRecord& record, TTransferKind kind) {
    const auto command = DeleteCommand(kind);
    if (!command)
        return;
    if (!CanManageLibrary()) {
        m_context.dialogs.Error(tr("You don't have permission to delete public resources"));
        return;
    }
    if (IsPlayback() ||
        !m_context.dialogs.Question(tr("Are you sure you want to delete this public resource")))
        return;
    m_context.sender.Send(*command, TResourceDeleteMessage{record}.encode());
}

void TResourceLibrary::deleteAnswered(TLibraryList& list, std::uint16_t resultCode) {
    if (resultCode != 0)
        m_context.dialogs.Error(
            tr("Unable to delete resource. It may be currently in use or does not exist any "
               "more on the server."));
    else
        Request(list.Kind());
}

void TResourceLibrary::PresentationDeleted(std::uint16_t resultCode) {
    deleteAnswered(m_presentations, resultCode);
}

bool TResourceLibrary::Launch(const TResourceRecord& record) {
    if (IsPlayback())
        return false;
    if (!mayUsePublicBoard()) {
        m_context.dialogs.Error(
            tr("You can't load this resource on a public board until you lock it.\r\nUse the "
               "Lock Board button on top to ensure access over the white board."));
        return false;
    }
    TDownloadOrder order;
    order.name = record.FileName();
    order.localPath = TemporaryDownloadPath(m_temporaryFolder, record.FileExt());
    order.kind = tkDocument;
    order.openAfter = true;
    if (!order.localPath.isEmpty())
        m_transfers.StartDownload(order);
    PresentResource(record, tkDocument);
    return true;
}

void TResourceLibrary::LoadImage(const TResourceRecord& record) {
    if (IsPlayback())
        return;
    m_marks.HideLoadMarks();
    m_context.sender.Send(cmShowLibraryImage, TBoardPictureMessage{currentBoard(), record, {}}.encode());
}

bool TResourceLibrary::MayOpenPresentation() const {
    const std::uint16_t own = m_context.state.account.UserId();
    return CanManageLibrary() || currentBoard() == 0 ||
           (m_context.state.boardHolder != 0 && m_context.state.boardHolder == own);
}

bool TResourceLibrary::MayDeletePresentation() const {
    return m_context.state.account.AccountType() >= kModeratorAccountType;
}

bool TResourceLibrary::OpenPresentation(const std::optional<TResourceRecord>& record) {
    if (!record) {
        if (m_startPresentation)
            m_startPresentation(std::nullopt);
        return false;
    }
    const std::uint16_t own = m_context.state.account.UserId();
    if (currentBoard() > 0 && !(m_context.state.boardHolder != 0 && m_context.state.boardHolder == own)) {
        m_context.dialogs.Error(
            tr("You can't load this resource on a public board until you lock it.\r\nUse the "
               "Lock Board button on top to ensure access over the white board."));
        return false;
    }
    if (m_startPresentation)
        m_startPresentation(record);
    return true;
}

void TResourceLibrary::PresentResource(const TResourceRecord& record, TTransferKind kind) {
    const auto command = PushCommand(kind);
    if (!command || IsPlayback() || (kind != tkDocument && kind != tkWebLink))
        return; // this client presents documents and web links only
    m_marks.HideLoadMarks();
    m_context.sender.Send(*command, TResourcePushMessage{currentBoard(), record}.encode());
}

void TResourceLibrary::SendLoadedAck(std::uint16_t presenter) {
    // The presenter's own copy needs no acknowledgement: the marks are of the others.
    if (presenter == 0 || presenter == m_context.state.account.UserId() || IsPlayback())
        return;
    m_context.sender.Send(cmAcknowledge, TAcknowledgeMessage{presenter}.encode());
}

void TResourceLibrary::AcceptOffer(const TDocumentOffer& offer) {
    TDownloadOrder order;
    order.name = offer.record.FileName();
    order.localPath = offer.localPath;
    order.description = offer.record.Description();
    order.board = offer.board;
    order.participant = offer.sender;
    order.notify = {&m_context.mainWindow, 0};
    order.kind = tkDocument;
    order.openAfter = true;
    m_transfers.StartDownload(order);
}

void TResourceLibrary::DeclineOffer(const TDocumentOffer& offer) {
    QFile::remove(offer.localPath);
}

void TResourceLibrary::onList(const TIncomingPacket& packet) {
    TLibraryList* list = List(*ListKindOf(packet.header.Command));
    if (!list)
        return;
    auto reader = packet.payload();
    list->SetItems(TResourceListMessage::decode(reader).records);
}

void TResourceLibrary::onDeleteAnswer(const TIncomingPacket& packet) {
    const std::uint16_t code = packet.header.ResultCode;
    switch (packet.header.Command) {
    case cmDeleteDocument:
        m_documents.Sink().post(ResourceListMsg::DeleteReply, code, 0);
        break;
    case cmDeleteImage:
        m_images.Sink().post(ResourceListMsg::DeleteReply, code, 0);
        break;
    case cmDeletePresentation:
        m_context.mainWindow.post(MainMsg::PresentationDeleted, code, 0);
        break;
    default:
        break;
    }
}

void TResourceLibrary::onPush(const TIncomingPacket& packet) {
    if (packet.header.ResultCode != 0 || IsPlayback())
        return; // a refused present of ours, or a replay, which has its own path
    auto reader = packet.payload();
    const TResourcePushMessage m = TResourcePushMessage::decode(reader);
    const std::uint16_t sender = packet.header.UserId;
    const QString localPath = TemporaryDownloadPath(m_temporaryFolder, m.record.FileExt());
    if (localPath.isEmpty())
        return;
    if (packet.header.Command == cmPushDocument) {
        const std::optional<TParticipantInfo> who = m_participants.Lookup(sender);
        if (!who || !m_offer) {
            QFile::remove(localPath);
            return; // only from somebody in the room
        }
        m_offer({m.record, localPath, sender, who->fullName, currentBoard()});
        return;
    }
    if (m_boards)
        m_boards->SwitchBoard(m.board, true);
    TDownloadOrder order;
    order.name = m.record.FileName();
    order.localPath = localPath;
    order.description = m.record.Description();
    order.board = currentBoard();
    order.participant = sender;
    order.notify = {&m_context.mainWindow, 0};
    order.kind = packet.header.Command == cmPushImage ? tkLibraryImage : tkSlide;
    order.openAfter = true;
    m_transfers.StartDownload(order);
}

} // namespace orv
