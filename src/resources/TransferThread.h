#pragma once
// One transfer: a connection, one request, one reply. Execute() runs the whole exchange on the calling
// thread and turns every failure into a result code; Abort(), from any thread, ends it at once.

#include "resources/TransferConnection.h"

namespace orv {

class TTransferThread {
public:
    explicit TTransferThread(TTransferEndpoint endpoint) : m_endpoint(std::move(endpoint)) {}
    virtual ~TTransferThread() = default;
    TTransferThread(const TTransferThread&) = delete;
    TTransferThread& operator=(const TTransferThread&) = delete;

    // 0, the server's refusal, or the client's own code: no connection (13), a broken exchange (33), a
    // local file that cannot be read or written (30).
    int Execute();
    void Abort() { m_connection.Abort(); }

protected:
    // The exchange; it may throw EChannelError (broken exchange) or ELocalFileError.
    virtual int Run() = 0;
    // Connects; a failure ends the exchange with the code of a connection that did not come about.
    void Connect();
    IByteChannel& Channel() { return m_connection.Channel(); }

private:
    TTransferEndpoint m_endpoint;
    TransferConnection m_connection;
};

// A local file that cannot be read or written.
class ELocalFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace orv
