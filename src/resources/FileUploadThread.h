#pragma once
// An upload: the local file streamed from disk in blocks after the request, then the server's one-header
// reply. A success makes the list it changed reload and tells the notify window.

#include "protocol/SignInRecords.h"
#include "resources/TransferThread.h"
#include "session/ResourceTransfers.h"

namespace orv {

// Where an upload's success is reported: the windows of the lists that reload, and the notify window.
struct TUploadTargets {
    IMessageSink* mainWindow = nullptr; // reloads the presentations
    IMessageSink* documents = nullptr;
    IMessageSink* images = nullptr;
    TNotifyWindow notify;
};

class TFileUploadThread final : public TTransferThread {
public:
    // `account` is a copy of the own account record taken now: later changes do not reach this upload.
    TFileUploadThread(TTransferEndpoint endpoint, TAccountRecord account, TTransferKind kind, QString path,
                      QString description, std::int32_t itemCount, TUploadTargets targets);

protected:
    int Run() override;

private:
    void reportSuccess(std::uint16_t replyCommand);

    TAccountRecord m_account;
    TTransferKind m_kind;
    QString m_path;
    QString m_description;
    std::int32_t m_itemCount;
    TUploadTargets m_targets;
};

} // namespace orv
