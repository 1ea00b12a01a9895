#pragma once
// Cuts what a bulk-transfer connection receives into its one request: the header and the resource record,
// then an upload's file bytes, as many as the header declares. A request whose command is no transfer, or
// whose sizes do not hold together, is malformed and stops the framer.

#include "protocol/TransferMessages.h"

#include <QByteArray>
#include <QString>

namespace orv::server {

class BulkRequestFramer {
public:
    class Sink {
    public:
        virtual ~Sink() = default;
        // The request, checked: an upload or download code, a download's DataSize the record's, an upload's
        // DataSize the record and its FileSize.
        virtual void onRequest(const TTransferRequest& request) = 0;
        // The next piece of an upload's file.
        virtual void onContent(const char* data, qsizetype size) = 0;
        // The upload's file is complete (at once for a download or an empty file).
        virtual void onContentEnd() = 0;
        virtual void onMalformed(const QString& reason) = 0;
    };

    explicit BulkRequestFramer(Sink& sink) : m_sink(sink) {}

    // Bytes after the request's end are ignored.
    void feed(const char* data, qsizetype size);
    bool finished() const { return m_stage == Stage::Done; }

private:
    enum class Stage { Request, Content, Done };

    Sink& m_sink;
    Stage m_stage = Stage::Request;
    QByteArray m_request;
    qint64 m_contentLeft = 0;
};

} // namespace orv::server
