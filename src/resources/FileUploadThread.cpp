#include "resources/FileUploadThread.h"

#include "platform/AppMessage.h"
#include "protocol/TransferMessages.h"
#include "resources/ResourceMessageIds.h"
#include "resources/UploadSource.h"

#include <QFile>

namespace orv {
namespace {
constexpr qint64 kUploadBlock = 256 * 1024;
}

TFileUploadThread::TFileUploadThread(TTransferEndpoint endpoint, TAccountRecord account, TTransferKind kind,
                                     QString path, QString description, std::int32_t itemCount,
                                     TUploadTargets targets)
    : TTransferThread(std::move(endpoint)), m_account(account), m_kind(kind), m_path(std::move(path)),
      m_description(std::move(description)), m_itemCount(itemCount), m_targets(targets) {}

int TFileUploadThread::Run() {
    if (const auto refusal = UploadSource::Check(m_path))
        return refusal->code; // nothing is sent
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        throw ELocalFileError("cannot read " + m_path.toStdString());
    const qint64 size = file.size();
    if (size > kMaxTransferFileSize)
        throw ELocalFileError(m_path.toStdString() + " grew beyond what a transfer can carry");

    Connect();
    const TResourceRecord record =
        UploadSource::Describe(m_path, std::int32_t(size), m_description, m_account.FullName(), m_itemCount);
    const QByteArray request =
        MakeUploadRequest(m_kind, m_account.UserId(), std::uint16_t(m_account.Room()), record).encode();
    Channel().writeAll(request.constData(), std::size_t(request.size()));
    QByteArray block(qsizetype(std::min(kUploadBlock, std::max<qint64>(size, 1))), Qt::Uninitialized);
    for (qint64 left = size; left > 0;) {
        const qint64 n = file.read(block.data(), std::min<qint64>(left, block.size()));
        if (n <= 0)
            throw ELocalFileError(m_path.toStdString() + " became shorter while it was sent");
        Channel().writeAll(block.constData(), std::size_t(n));
        left -= n;
    }

    std::uint8_t replyBytes[TPacketHeader::kSize];
    Channel().readExact(replyBytes, sizeof replyBytes);
    const TPacketHeader reply = TPacketHeader::decode(replyBytes);
    if (reply.ResultCode != 0)
        return reply.ResultCode;
    reportSuccess(reply.Command);
    return 0;
}

void TFileUploadThread::reportSuccess(std::uint16_t replyCommand) {
    auto post = [](IMessageSink* sink, int n) {
        if (sink)
            sink->post(n, 0, 0);
    };
    switch (replyCommand) {
    case cmUploadDocumentDone:
        post(m_targets.documents, ResourceListMsg::UploadDone);
        break;
    case cmUploadImageDone:
        post(m_targets.images, ResourceListMsg::UploadDone);
        break;
    case cmUploadPresentationDone:
        post(m_targets.mainWindow, MainMsg::PresentationUploaded);
        break;
    default:
        break;
    }
    post(m_targets.notify.sink, m_targets.notify.uploadDone);
}

} // namespace orv
