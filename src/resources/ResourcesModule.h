#pragma once
// The shared resources as a session module: for now the file transfers, which upload and download on
// connections of their own to the file service (the host of the control connection, the bulk-transfer port
// of the room entry reply, the same proxy). The session's end stops every transfer.

#include "platform/MainThreadHandover.h"
#include "protocol/SignInRecords.h"
#include "resources/BusyCursor.h"
#include "resources/DownloadActions.h"
#include "resources/TransferSet.h"
#include "session/Module.h"
#include "session/ResourceTransfers.h"

#include <QObject>

#include <memory>
#include <mutex>

namespace orv {

struct TSessionContext;

struct TResourceFolders {
    QString userImages; // participants' pictures, named USERID.jpg
};

class TResourcesModule final : public ISessionModule, public IResourceTransfers {
public:
    TResourcesModule(TSessionContext& context, TResourceFolders folders,
                     std::unique_ptr<IDownloadActions> actions,
                     std::unique_ptr<IBusyCursor> cursor = std::make_unique<QtBusyCursor>());
    ~TResourcesModule() override;

    void RegisterMessages(TMessageRouter& mainWindow) override;
    // On entering a room: what waited uploads from other threads connect with.
    void RegisterRoomEntry(TRoomEntrySteps& steps) override;
    // Ends every transfer, releasing downloads that wait for the main thread. The module serves again
    // afterwards, for a session that goes on after a reconnection.
    void EndSession() override;

    void StartUpload(const QString& path, const QString& description, TNotifyWindow notify,
                     TTransferKind kind) override;
    void StartDownload(const TDownloadOrder& order) override;
    void DownloadUserPicture(std::uint16_t userId, TNotifyWindow notify) override;
    bool UploadAndWait(const QString& path, const QString& description, std::int32_t itemCount,
                       TTransferKind kind) override;

    // The library windows that reload after an upload to their list; null while there is none.
    void SetLibraryWindows(IMessageSink* documents, IMessageSink* images);
    // How long a connection attempt, and a read or write that moves nothing, may take.
    void SetTimeouts(int connectMs, int stallMs);
    std::size_t RunningTransfers() const { return m_transfers.Running(); }

private:
    // Where transfers go and as whom, copied from the session state on the main thread, so that threads
    // never read the state itself.
    struct TransferSession {
        TTransferEndpoint endpoint;
        TAccountRecord account;
    };
    // Main thread: takes the session state as it is now, and returns it.
    TransferSession takeSession();
    TransferSession session() const;
    std::unique_ptr<TTransferThread> upload(const TransferSession& session, const QString& path,
                                            const QString& description, std::int32_t itemCount,
                                            TNotifyWindow notify, TTransferKind kind);

    TSessionContext& m_context;
    TResourceFolders m_folders;
    std::unique_ptr<IDownloadActions> m_actions;
    int m_connectTimeoutMs = 20000;
    int m_stallTimeoutMs = 60000;
    mutable std::mutex m_sessionMutex; // guards what waited uploads read from other threads:
    TransferSession m_session;
    IMessageSink* m_documents = nullptr;
    IMessageSink* m_images = nullptr;
    QObject m_mainThread;
    MainThreadHandover m_handover{&m_mainThread};
    TransferSet m_transfers; // last: it goes first, ending every transfer while what they use still exists
};

} // namespace orv
