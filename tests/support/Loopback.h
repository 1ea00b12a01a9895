#pragma once
// A connected pair on 127.0.0.1: our TcpClient on one side, a raw socket the test drives on the other.

#include "platform/TcpClient.h"

#include <QByteArray>

#include <cstdint>

namespace orv::test {

class LoopbackListener {
public:
    LoopbackListener();
    ~LoopbackListener();
    std::uint16_t port() const { return m_port; }
    int accept(); // blocking; returns the accepted descriptor

private:
    int m_fd = -1;
    std::uint16_t m_port = 0;
};

class LoopbackPair {
public:
    LoopbackPair();
    ~LoopbackPair();
    TcpClient client;
    void peerWrite(const QByteArray& bytes);
    QByteArray peerRead(std::size_t size); // exact
    void peerClose();
    int peerFd() const { return m_peer; }

private:
    int m_peer = -1;
};

} // namespace orv::test
