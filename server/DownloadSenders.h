#pragma once
// The sending side of downloads, off the server's event loop: each download's reply goes out on a thread
// of its own with blocking reads and writes of one block at a time, so a large file holds up neither the
// loop nor the other clients, and costs no more than a plain copy. A socket that takes nothing for the
// stall time-out ends its download. The server's end shuts every socket and waits for the threads.

#include <QByteArray>

#include <atomic>
#include <list>
#include <memory>
#include <mutex>
#include <thread>

namespace orv::server {

class DownloadSenders {
public:
    DownloadSenders() = default;
    ~DownloadSenders();
    DownloadSenders(const DownloadSenders&) = delete;
    DownloadSenders& operator=(const DownloadSenders&) = delete;

    // Takes both descriptors: sends `head`, then `size` bytes of the file from its start, and closes.
    void start(int socket, int file, QByteArray head, qint64 size, int stallTimeoutMs);
    std::size_t running();

private:
    struct Sender {
        int socket = -1;
        std::atomic<bool> done{false};
        std::thread thread;
    };
    void reapFinished();

    std::mutex m_mutex;
    std::list<std::unique_ptr<Sender>> m_senders;
    bool m_stopping = false;
};

} // namespace orv::server
