#include "resources/TransferThread.h"

#include "protocol/ResultCodes.h"

#include <QDebug>

namespace orv {
namespace {

class EConnectFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace

void TTransferThread::Connect() {
    try {
        m_connection.Open(m_endpoint);
    } catch (const EChannelError& e) {
        throw EConnectFailed(e.what());
    }
}

int TTransferThread::Execute() {
    // One exchange per connection: it closes as soon as the exchange is over, however it ended.
    struct CloseAtEnd {
        TransferConnection& connection;
        ~CloseAtEnd() { connection.Close(); }
    } closeAtEnd{m_connection};
    try {
        return Run();
    } catch (const EConnectFailed& e) {
        qInfo().noquote() << "transfer: no connection:" << e.what();
        return ResultCode::ConnectionFailed;
    } catch (const ELocalFileError& e) {
        qInfo().noquote() << "transfer:" << e.what();
        return ResultCode::CannotOpenFile;
    } catch (const std::exception& e) {
        qInfo().noquote() << "transfer broke off:" << e.what();
        return ResultCode::OperationFailed;
    }
}

} // namespace orv
