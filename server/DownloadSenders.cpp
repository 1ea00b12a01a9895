#include "DownloadSenders.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace orv::server {
namespace {

bool sendAll(int socket, const char* data, qint64 size) {
    while (size > 0) {
        const ssize_t n = ::send(socket, data, std::size_t(size), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

void sendReply(int socket, int file, const QByteArray& head, qint64 size, int stallTimeoutMs) {
    ::fcntl(socket, F_SETFL, ::fcntl(socket, F_GETFL) & ~O_NONBLOCK);
    const timeval stall{stallTimeoutMs / 1000, (stallTimeoutMs % 1000) * 1000};
    ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &stall, sizeof stall);
    ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &stall, sizeof stall);
    if (sendAll(socket, head.constData(), head.size())) {
        std::vector<char> block(256 * 1024);
        for (qint64 offset = 0; offset < size;) {
            const auto want = std::size_t(std::min<qint64>(size - offset, qint64(block.size())));
            const ssize_t n = ::pread(file, block.data(), want, off_t(offset));
            // A stall, a closed peer, or a file shorter than it was: the client sees a short reply.
            if (n <= 0 || !sendAll(socket, block.data(), n))
                break;
            offset += n;
        }
    }
    // Ends the reply and waits for the client to close, so that nothing it still sends resets what it has
    // not read yet.
    ::shutdown(socket, SHUT_WR);
    char drain[256];
    while (::recv(socket, drain, sizeof drain, 0) > 0) {
    }
}

} // namespace

DownloadSenders::~DownloadSenders() {
    std::list<std::unique_ptr<Sender>> senders;
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        for (const auto& s : m_senders)
            ::shutdown(s->socket, SHUT_RDWR); // ends a blocked send or the wait for the client
        senders.swap(m_senders);
    }
    for (const auto& s : senders)
        s->thread.join();
}

void DownloadSenders::start(int socket, int file, QByteArray head, qint64 size, int stallTimeoutMs) {
    std::lock_guard lock(m_mutex);
    reapFinished();
    if (m_stopping) {
        ::close(socket);
        ::close(file);
        return;
    }
    auto sender = std::make_unique<Sender>();
    Sender* s = sender.get();
    s->socket = socket;
    s->thread = std::thread([this, s, file, head = std::move(head), size, stallTimeoutMs] {
        sendReply(s->socket, file, head, size, stallTimeoutMs);
        ::close(file);
        std::lock_guard closing(m_mutex); // never while the destructor shuts the descriptor down
        ::close(s->socket);
        s->socket = -1;
        s->done = true;
    });
    m_senders.push_back(std::move(sender));
}

std::size_t DownloadSenders::running() {
    std::lock_guard lock(m_mutex);
    reapFinished();
    return m_senders.size();
}

void DownloadSenders::reapFinished() {
    for (auto it = m_senders.begin(); it != m_senders.end();) {
        if ((*it)->done) {
            (*it)->thread.join();
            it = m_senders.erase(it);
        } else {
            ++it;
        }
    }
}

} // namespace orv::server
