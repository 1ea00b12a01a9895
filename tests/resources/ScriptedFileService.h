#pragma once
// A file service of the test's own on loopback, for replies our server never gives: it takes one
// connection, reads the request and an upload's declared bytes, answers with the scripted bytes, and then
// closes, or holds the connection open until the client goes.

#include "protocol/TransferMessages.h"
#include "support/Loopback.h"

#include <QByteArray>

#include <sys/socket.h>
#include <unistd.h>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace orv::test {

class ScriptedFileService {
public:
    enum Ending { Close, Hold };

    explicit ScriptedFileService(QByteArray answer, Ending ending = Close)
        : m_thread([this, answer = std::move(answer), ending] { serve(answer, ending); }) {}
    ~ScriptedFileService() {
        if (m_thread.joinable())
            m_thread.join();
    }
    std::uint16_t port() const { return m_listener.port(); }
    // After the exchange.
    TTransferRequest request() {
        finish();
        return m_request;
    }
    QByteArray content() {
        finish();
        return m_content;
    }
    // Until the answer has been sent.
    void waitAnswered() {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_answered; });
    }

private:
    void finish() {
        if (m_thread.joinable())
            m_thread.join();
    }
    static bool readExact(int fd, char* out, std::size_t size) {
        for (std::size_t got = 0; got < size;) {
            const ssize_t n = ::recv(fd, out + got, size - got, 0);
            if (n <= 0)
                return false;
            got += std::size_t(n);
        }
        return true;
    }
    void serve(const QByteArray& answer, Ending ending) {
        const int fd = m_listener.accept();
        QByteArray request(qsizetype(TTransferRequest::kSize), '\0');
        if (readExact(fd, request.data(), std::size_t(request.size()))) {
            PayloadReader reader(request);
            m_request = TTransferRequest::decode(reader);
            if (UploadKindOf(m_request.header.Command)) {
                m_content.resize(m_request.header.DataSize - qsizetype(TResourceRecord::kSize));
                readExact(fd, m_content.data(), std::size_t(m_content.size()));
            }
            ::send(fd, answer.constData(), std::size_t(answer.size()), MSG_NOSIGNAL);
            {
                std::lock_guard lock(m_mutex);
                m_answered = true;
                m_changed.notify_all();
            }
            char byte;
            while (ending == Hold && ::recv(fd, &byte, 1, 0) > 0) {
            }
        }
        ::close(fd);
    }

    LoopbackListener m_listener;
    TTransferRequest m_request;
    QByteArray m_content;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_answered = false;
    std::thread m_thread;
};

} // namespace orv::test
