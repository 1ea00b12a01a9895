#include "support/SimulatedClient.h"

#include <stdexcept>

namespace orv::test {

void SimulatedClient::connect(std::uint16_t port) {
    tcp.connectTo("127.0.0.1", port, 5000);
    if (encryptWith)
        tcp.startTls(encryptWith, 5000);
}

std::uint16_t SimulatedClient::checkVersion(const QString& version, const QString& date) {
    TVersionRecord record;
    record.SetVersion(version);
    record.SetBuildDate(date);
    send(record.toByteArray());
    return readHeader().ResultCode;
}

std::uint16_t SimulatedClient::signIn(const QString& user, const QString& password, TAccountRecord* account) {
    TSignInRecord record;
    record.SetUserName(user);
    record.SetPassword(password);
    send(record.toByteArray());
    const TPacketHeader reply = readHeader();
    if (reply.ResultCode == 0) {
        TAccountRecord received;
        received.fromBytes(
            reinterpret_cast<const std::uint8_t*>(readBytes(TAccountRecord::kSize).constData()));
        userId = received.UserId();
        if (account)
            *account = received;
    }
    return reply.ResultCode;
}

TAccountRecord SimulatedClient::connectAndSignIn(std::uint16_t port, const QString& user,
                                                 const QString& password) {
    connect(port);
    if (checkVersion() != 0)
        throw std::runtime_error("version refused");
    TAccountRecord account;
    if (const auto code = signIn(user, password, &account); code != 0)
        throw std::runtime_error("sign-in refused with code " + std::to_string(code));
    return account;
}

void SimulatedClient::send(const QByteArray& bytes) {
    tcp.writeAll(bytes.constData(), std::size_t(bytes.size()));
}

void SimulatedClient::sendPacket(std::uint16_t command, const QByteArray& payload) {
    send(BuildPacket(command, userId, roomId, payload));
}

TPacketHeader SimulatedClient::readHeader() {
    std::uint8_t bytes[TPacketHeader::kSize];
    tcp.readExact(bytes, sizeof bytes);
    return TPacketHeader::decode(bytes);
}

QByteArray SimulatedClient::readBytes(std::size_t size) {
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    if (size > 0)
        tcp.readExact(out.data(), size);
    return out;
}

ReceivedPacket SimulatedClient::readPacket() {
    ReceivedPacket p{readHeader(), {}};
    p.payload = readBytes(p.header.payloadSize());
    return p;
}

bool SimulatedClient::closedByServer() {
    try {
        char byte;
        tcp.readExact(&byte, 1);
        return false;
    } catch (const EChannelError&) {
        return true;
    }
}

} // namespace orv::test
