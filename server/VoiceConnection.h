#pragma once
// One voice connection on the server: the sign-on, then frames in. Dropped when the sign-on does not
// come in time, names no participant of the room or a wrong password, when the stream breaks, and when it
// falls silent (the client sends a keep-alive while not talking).

#include "VoiceInputFramer.h"

#include <QObject>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

namespace orv::server {

class VoiceRelayServer;

class VoiceConnection : public QObject, private VoiceInputFramer::Sink {
    Q_OBJECT
public:
    VoiceConnection(QTcpSocket* socket, VoiceRelayServer& server);
    ~VoiceConnection() override;

    std::uint16_t user() const { return m_user; }
    std::uint16_t roomId() const { return m_roomId; }
    bool signedOn() const { return m_signedOn; }
    // Queues a frame unless the listener is too far behind.
    void send(const QByteArray& frame);
    void close(const QString& reason);

private:
    void onReadyRead();
    void onSignOn(const TVoiceSignOn& signOn) override;
    void onFrame(const TPacketHeader& header, const QByteArray& packet) override;
    void onMalformed(const QString& reason) override;

    QPointer<QTcpSocket> m_socket;
    VoiceRelayServer& m_server;
    VoiceInputFramer m_framer{*this};
    QTimer m_silence;
    std::uint16_t m_user = 0;
    std::uint16_t m_roomId = 0;
    bool m_signedOn = false;
    bool m_closing = false;
};

} // namespace orv::server
