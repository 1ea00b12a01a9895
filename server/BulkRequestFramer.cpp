#include "BulkRequestFramer.h"

#include <algorithm>

namespace orv::server {

void BulkRequestFramer::feed(const char* data, qsizetype size) {
    if (m_stage == Stage::Request) {
        const qsizetype take =
            std::min<qsizetype>(size, qsizetype(TTransferRequest::kSize) - m_request.size());
        m_request.append(data, take);
        data += take;
        size -= take;
        if (m_request.size() < qsizetype(TTransferRequest::kSize))
            return;
        PayloadReader reader(m_request);
        const TTransferRequest request = TTransferRequest::decode(reader);
        const std::int32_t dataSize = request.header.DataSize;
        const bool upload = UploadKindOf(request.header.Command).has_value();
        const std::optional<std::int32_t> content = ContentSize(request.header, request.record);
        m_stage = Stage::Done;
        if (!upload && !DownloadKindOf(request.header.Command)) {
            m_sink.onMalformed(QString("command %1 is no transfer").arg(request.header.Command));
            return;
        }
        if (!upload && dataSize != qint32(TResourceRecord::kSize)) {
            m_sink.onMalformed(QString("a download request of %1 bytes").arg(dataSize));
            return;
        }
        if (upload && (!content || *content != dataSize - qint32(TResourceRecord::kSize))) {
            m_sink.onMalformed(QString("an upload of %1 bytes declaring a file of %2")
                                   .arg(dataSize)
                                   .arg(request.record.FileSize()));
            return;
        }
        m_request.clear();
        m_contentLeft = upload ? *content : 0;
        m_stage = Stage::Content;
        m_sink.onRequest(request);
    }
    if (m_stage != Stage::Content)
        return;
    const qsizetype take = qsizetype(std::min<qint64>(size, m_contentLeft));
    if (take > 0) {
        m_contentLeft -= take;
        m_sink.onContent(data, take);
    }
    if (m_contentLeft == 0 && m_stage == Stage::Content) {
        m_stage = Stage::Done;
        m_sink.onContentEnd();
    }
}

} // namespace orv::server
