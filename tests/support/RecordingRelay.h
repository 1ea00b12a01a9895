#pragma once
// A TCP relay on loopback that passes every connection on to a target port and keeps a copy of all the bytes
// that went through it, both ways: what an onlooker on the network would see.

#include <QByteArray>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace orv::test {

class RecordingRelay {
public:
    explicit RecordingRelay(std::uint16_t target);
    ~RecordingRelay();
    RecordingRelay(const RecordingRelay&) = delete;
    RecordingRelay& operator=(const RecordingRelay&) = delete;

    std::uint16_t port() const { return m_port; }
    QByteArray recorded() const;

private:
    void relay(int client);

    std::uint16_t m_target;
    int m_listener = -1;
    std::uint16_t m_port = 0;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    QByteArray m_recorded;
    std::thread m_acceptor;
    std::vector<std::thread> m_relays; // joined on destruction
};

} // namespace orv::test
