#include "resources/FileDownloadThread.h"

#include "platform/AppMessage.h"
#include "resources/DownloadFile.h"
#include "resources/DownloadReply.h"
#include "resources/ProgramFiles.h"
#include "resources/ResourceMessageIds.h"
#include "session/ResourceTransfers.h"

#include <QFile>
#include <QImage>

namespace orv {

// picture-loaded has one number on every window that receives it.
static_assert(MainMsg::PictureDownloaded == PersonalInfoMsg::PictureDownloaded);

TFileDownloadThread::TFileDownloadThread(TTransferEndpoint endpoint, TAccountRecord account,
                                         TDownloadOrder order, MainThreadHandover& mainThread,
                                         IDownloadActions& actions)
    : TTransferThread(std::move(endpoint)), m_account(account), m_order(std::move(order)),
      m_mainThread(mainThread), m_actions(actions) {}

int TFileDownloadThread::Run() {
    int code = 0;
    try {
        code = download();
    } catch (...) {
        failed();
        throw;
    }
    if (code == 0)
        succeeded();
    else
        failed();
    return code;
}

int TFileDownloadThread::download() {
    DownloadFile out(m_order.localPath);
    if (!out.open())
        throw ELocalFileError("cannot write " + m_order.localPath.toStdString() + ": " +
                              out.errorString().toStdString());
    Connect();
    const QByteArray request =
        MakeDownloadRequest(m_order.kind, m_account.UserId(), std::uint16_t(m_account.Room()), m_order.name,
                            m_order.localPath, m_order.description)
            .encode();
    Channel().writeAll(request.constData(), std::size_t(request.size()));
    const TDownloadReply reply = ReadDownloadReply(Channel(), out.device());
    if (reply.resultCode != 0)
        return reply.resultCode;
    // The reply names a path of its own; the file goes only where this download was asked to put it.
    if (!out.commit())
        throw ELocalFileError("cannot keep " + m_order.localPath.toStdString() + ": " +
                              out.errorString().toStdString());
    return 0;
}

void TFileDownloadThread::succeeded() {
    IMessageSink* notify = m_order.notify.sink;
    switch (m_order.kind) {
    case tkDocument:
        if (m_order.openAfter && IsProgramFile(m_order.localPath))
            m_mainThread.run([this] { m_actions.RefuseToOpen(m_order.localPath); });
        else if (m_order.openAfter)
            m_mainThread.run([this] { m_actions.OpenDocument(m_order.localPath); });
        break;
    case tkLibraryImage:
    case tkSlide: {
        QImage image;
        if (image.load(m_order.localPath, "JPG"))
            m_mainThread.run([this, &image] { m_actions.DrawOnBoard(m_order.board, image); });
        QFile::remove(m_order.localPath); // drawn or not, the file has served
        break;
    }
    case tkPicture:
        if (notify)
            notify->post(MainMsg::PictureDownloaded, m_order.participant, 0);
        break;
    default:
        break;
    }
    // Presented content is acknowledged to its presenter; a participant's picture was presented by nobody.
    if (notify && m_order.kind != tkPicture && m_order.participant != m_account.UserId())
        notify->post(MainMsg::AcknowledgeContent, m_order.participant, 0);
}

void TFileDownloadThread::failed() {
    if (m_order.kind == tkPicture && m_order.notify.sink)
        m_order.notify.sink->post(MainMsg::PictureDownloaded, m_order.participant, 1);
}

} // namespace orv
