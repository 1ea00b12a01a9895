#pragma once
// A blocking client that speaks the control connection's exchanges step by step, for driving the session
// server in tests and load runs.

#include "platform/TcpClient.h"
#include "protocol/PacketHeader.h"
#include "protocol/SignInRecords.h"

#include <QByteArray>

#include <utility>

namespace orv::test {

struct ReceivedPacket {
    TPacketHeader header;
    QByteArray payload;
};

class SimulatedClient {
public:
    void connect(std::uint16_t port);
    std::uint16_t checkVersion(const QString& version = "4.9.1", const QString& date = "Jul-16-2007");
    // The result code; on success the account record is read into `account`.
    std::uint16_t signIn(const QString& user, const QString& password, TAccountRecord* account = nullptr);
    // Connect, check the version and sign in; throws on any refusal.
    TAccountRecord connectAndSignIn(std::uint16_t port, const QString& user, const QString& password);

    void send(const QByteArray& bytes);
    void sendPacket(std::uint16_t command, const QByteArray& payload = {});
    TPacketHeader readHeader();
    QByteArray readBytes(std::size_t size);
    ReceivedPacket readPacket();
    // True when the server closed the connection (the next read finds its end).
    bool closedByServer();

    TcpClient tcp;
    // When set, every connection is encrypted and its certificate put to this trust.
    ITlsTrust* encryptWith = nullptr;
    std::uint16_t userId = 0;
    std::uint16_t roomId = 0;
};

} // namespace orv::test
