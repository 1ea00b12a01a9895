#include "platform/SocketAbort.h"

#include <sys/socket.h>

#include <algorithm>

namespace orv {

void SocketAbort::attach(int fd) {
    std::lock_guard lock(m_mutex);
    m_fds.push_back(fd);
    if (m_aborted)
        ::shutdown(fd, SHUT_RDWR);
}

void SocketAbort::detach(int fd) {
    std::lock_guard lock(m_mutex);
    std::erase(m_fds, fd);
}

void SocketAbort::abort() {
    std::lock_guard lock(m_mutex);
    m_aborted = true;
    for (int fd : m_fds)
        ::shutdown(fd, SHUT_RDWR);
}

bool SocketAbort::aborted() const {
    std::lock_guard lock(m_mutex);
    return m_aborted;
}

} // namespace orv
