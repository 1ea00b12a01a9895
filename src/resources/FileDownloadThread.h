#pragma once
// A download: the request, then the reply's file written to a temporary file beside the target and renamed
// into place only when complete, always at the path the download was started with. What follows depends on
// the kind: a document may be opened, an image or slide drawn on a board (both on the main thread, waited
// for), a picture's arrival reported.

#include "platform/MainThreadHandover.h"
#include "protocol/SignInRecords.h"
#include "resources/DownloadActions.h"
#include "resources/TransferThread.h"
#include "session/ResourceTransfers.h"

namespace orv {

class TFileDownloadThread final : public TTransferThread {
public:
    // `order.kind` is one that is downloaded. `account` is a copy of the own account record taken now.
    TFileDownloadThread(TTransferEndpoint endpoint, TAccountRecord account, TDownloadOrder order,
                        MainThreadHandover& mainThread, IDownloadActions& actions);

protected:
    int Run() override;

private:
    int download();
    void succeeded();
    void failed();

    TAccountRecord m_account;
    TDownloadOrder m_order;
    MainThreadHandover& m_mainThread;
    IDownloadActions& m_actions;
};

} // namespace orv
