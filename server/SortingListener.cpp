#include "SortingListener.h"

#include "ConnectionOpening.h"

#include <QPointer>
#include <QSocketNotifier>
#include <QSslSocket>
#include <QTimer>

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace orv::server {

// One accepted connection whose kind is not known yet. Owns the descriptor until it hands it to a socket.
class OpeningConnection : public QObject {
public:
    OpeningConnection(qintptr descriptor, SortingListener& listener)
        : QObject(&listener), m_descriptor(int(descriptor)), m_listener(listener),
          m_readable(descriptor, QSocketNotifier::Read, this) {
        connect(&m_readable, &QSocketNotifier::activated, this, &OpeningConnection::peek);
        m_deadline.setSingleShot(true);
        connect(&m_deadline, &QTimer::timeout, this, [this] { drop("no opening in time"); });
        m_deadline.start(m_listener.m_tls->openingTimeoutMs);
        m_retry.setSingleShot(true);
        m_retry.setInterval(20);
        connect(&m_retry, &QTimer::timeout, this, &OpeningConnection::peek);
    }

    ~OpeningConnection() override {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
    }

private:
    void peek() {
        char bytes[kOpeningBytes];
        const ssize_t n = ::recv(m_descriptor, bytes, sizeof bytes, MSG_PEEK | MSG_DONTWAIT);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
            return;
        if (n <= 0) {
            drop({});
            return;
        }
        switch (classifyOpening(QByteArrayView(bytes, n))) {
        case OpeningKind::Plain:
            plain();
            break;
        case OpeningKind::Tls:
            encrypted();
            break;
        case OpeningKind::Undecided:
            // The rest of the opening is on its way; the notifier would fire again at once for the bytes
            // already there, so look again shortly instead.
            m_readable.setEnabled(false);
            m_retry.start();
            break;
        }
    }

    int takeDescriptor() {
        m_readable.setEnabled(false);
        m_retry.stop();
        const int descriptor = m_descriptor;
        m_descriptor = -1;
        return descriptor;
    }

    void plain() {
        if (m_listener.m_tls->tlsOnly) {
            drop("plain connection refused: only encrypted connections are taken");
            return;
        }
        m_deadline.stop();
        auto* socket = new QTcpSocket(&m_listener);
        socket->setSocketDescriptor(takeDescriptor());
        m_listener.addPendingConnection(socket);
        deleteLater();
    }

    void encrypted() {
        auto* socket = new QSslSocket(this);
        m_socket = socket;
        socket->setSslConfiguration(m_listener.m_tls->configuration);
        connect(socket, &QSslSocket::encrypted, this, [this] {
            m_deadline.stop();
            QSslSocket* done = m_socket;
            done->disconnect(this);
            done->setParent(&m_listener);
            m_listener.addPendingConnection(done);
            deleteLater();
        });
        connect(socket, &QSslSocket::errorOccurred, this,
                [this] { drop("handshake failed: " + m_socket->errorString()); });
        if (!socket->setSocketDescriptor(takeDescriptor())) {
            drop("cannot take the connection: " + socket->errorString());
            return;
        }
        socket->startServerEncryption();
    }

    void drop(const QString& reason) {
        if (m_dropped)
            return;
        m_dropped = true;
        if (!reason.isEmpty())
            m_listener.log(reason);
        m_deadline.stop();
        m_retry.stop();
        m_readable.setEnabled(false);
        if (m_socket) {
            m_socket->disconnect(this);
            m_socket->abort();
        }
        deleteLater();
    }

    int m_descriptor;
    SortingListener& m_listener;
    QSocketNotifier m_readable;
    QTimer m_deadline;
    QTimer m_retry;
    QPointer<QSslSocket> m_socket;
    bool m_dropped = false;
};

void SortingListener::incomingConnection(qintptr descriptor) {
    if (!m_tls) {
        QTcpServer::incomingConnection(descriptor);
        return;
    }
    new OpeningConnection(descriptor, *this); // a child: it deletes itself once handed over or dropped
}

void SortingListener::log(const QString& line) const {
    if (m_log)
        m_log(line);
}

} // namespace orv::server
