#pragma once
// Lets another thread end a connection's blocking calls at any stage: the connect attempt, a proxy's
// handshake, reads and writes. The sockets in use are attached to it until they close; abort() shuts them
// down, and a socket attached after the abort is shut at once.

#include <mutex>
#include <vector>

namespace orv {

class SocketAbort {
public:
    void attach(int fd);
    // Before the socket closes, so that a later abort never reaches a descriptor number used again.
    void detach(int fd);
    void abort();
    bool aborted() const;

private:
    mutable std::mutex m_mutex;
    std::vector<int> m_fds;
    bool m_aborted = false;
};

} // namespace orv
