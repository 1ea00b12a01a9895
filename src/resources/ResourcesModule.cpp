#include "resources/ResourcesModule.h"

#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "platform/Dialogs.h"
#include "platform/MessageRouter.h"
#include "resources/FileDownloadThread.h"
#include "resources/FileUploadThread.h"
#include "resources/ResourceMessageIds.h"
#include "resources/UploadSource.h"
#include "session/SessionContext.h"

#include <QDir>
#include <QMetaObject>

namespace orv {

TResourcesModule::TResourcesModule(TSessionContext& context, TResourceFolders folders,
                                   std::unique_ptr<IDownloadActions> actions,
                                   std::unique_ptr<IBusyCursor> cursor)
    : m_context(context), m_folders(std::move(folders)), m_actions(std::move(actions)),
      m_transfers(std::move(cursor)) {}

TResourcesModule::~TResourcesModule() {
    EndSession();
}

void TResourcesModule::RegisterMessages(TMessageRouter& mainWindow) {
    // An upload changed the presentations: ask for their list again.
    mainWindow.Register(MainMsg::PresentationUploaded, [this](std::intptr_t, std::intptr_t) {
        if (!m_context.state.IsPlayback())
            m_context.sender.Send(cmPresentationList);
    });
}

void TResourcesModule::RegisterRoomEntry(TRoomEntrySteps& steps) {
    steps.Add(TRoomEntryStep::ResetRoomState, [this] { takeSession(); });
}

void TResourcesModule::EndSession() {
    m_handover.abandon();
    m_transfers.StopAll();
    m_handover.rearm(); // for a session that goes on after a reconnection
}

void TResourcesModule::SetLibraryWindows(IMessageSink* documents, IMessageSink* images) {
    std::lock_guard lock(m_sessionMutex);
    m_documents = documents;
    m_images = images;
}

void TResourcesModule::SetTimeouts(int connectMs, int stallMs) {
    m_connectTimeoutMs = connectMs;
    m_stallTimeoutMs = stallMs;
    takeSession();
}

TResourcesModule::TransferSession TResourcesModule::takeSession() {
    const TSessionState& s = m_context.state;
    std::lock_guard lock(m_sessionMutex);
    m_session = {
        {s.serverHost, std::uint16_t(s.bulkPort), s.proxy, s.tls, m_connectTimeoutMs, m_stallTimeoutMs},
        s.account};
    return m_session;
}

TResourcesModule::TransferSession TResourcesModule::session() const {
    std::lock_guard lock(m_sessionMutex);
    return m_session;
}

std::unique_ptr<TTransferThread> TResourcesModule::upload(const TransferSession& session, const QString& path,
                                                          const QString& description, std::int32_t itemCount,
                                                          TNotifyWindow notify, TTransferKind kind) {
    std::unique_lock lock(m_sessionMutex);
    const TUploadTargets targets{&m_context.mainWindow, m_documents, m_images, notify};
    lock.unlock();
    return std::make_unique<TFileUploadThread>(session.endpoint, session.account, kind, path, description,
                                               itemCount, targets);
}

void TResourcesModule::StartUpload(const QString& path, const QString& description, TNotifyWindow notify,
                                   TTransferKind kind) {
    if (const auto refusal = UploadSource::Check(path)) {
        m_context.dialogs.Error(refusal->text);
        return;
    }
    m_transfers.Launch(upload(takeSession(), path, description, 0, notify, kind));
}

bool TResourcesModule::UploadAndWait(const QString& path, const QString& description, std::int32_t itemCount,
                                     TTransferKind kind) {
    if (const auto refusal = UploadSource::Check(path)) {
        // The box belongs to the main thread; the caller learns of the failure at once.
        IDialogs& dialogs = m_context.dialogs;
        QMetaObject::invokeMethod(
            &m_mainThread, [&dialogs, text = refusal->text] { dialogs.Error(text); }, Qt::AutoConnection);
        return false;
    }
    return m_transfers.RunAndWait(upload(session(), path, description, itemCount, {}, kind)) == 0;
}

void TResourcesModule::StartDownload(const TDownloadOrder& order) {
    if (!DownloadCommand(order.kind))
        return; // a kind that is never downloaded
    const TransferSession now = takeSession();
    m_transfers.Launch(
        std::make_unique<TFileDownloadThread>(now.endpoint, now.account, order, m_handover, *m_actions));
}

void TResourcesModule::DownloadUserPicture(std::uint16_t userId, TNotifyWindow notify) {
    TDownloadOrder order;
    order.name = QString::number(userId) + ".jpg";
    order.localPath = QDir(m_folders.userImages).filePath(order.name);
    order.participant = userId;
    order.notify = notify;
    order.kind = tkPicture;
    StartDownload(order);
}

} // namespace orv
