#pragma once
// TVoiceThread: the voice connection. It signs on raw, then receives framed voice on a thread of its own
// and routes each frame by speaker to a player; on the creating thread it captures the microphone all the
// time, sends what is captured while the participant transmits, and keeps the link alive while not. While
// transmitting it posts the microphone's level to the main window for the on-air meter.
// Stopping shuts the socket down first, so the receiving thread never holds up the join.

#include "platform/AppMessage.h"
#include "platform/ProxyConnector.h"
#include "platform/SocketAbort.h"
#include "platform/TcpClient.h"
#include "protocol/PacketHeader.h"
#include "voice/ACMIn.h"
#include "voice/FarEndSignal.h"
#include "voice/PlayerPool.h"

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

namespace orv {

// The link states the connection reports to the main window.
namespace VoiceLink {
constexpr int Connected = 0;
constexpr int FrameSendFailed = 1;
constexpr int KeepAliveFailed = 2;
constexpr int ReceiveEnded = 3;
constexpr int ReconnectFailed = 4;
constexpr int TalkSendFailed = 5;
} // namespace VoiceLink

// What StartVoice answers besides the server's own result codes.
namespace VoiceStart {
constexpr int Ok = 0;
constexpr int ConnectFailed = 13;
constexpr int AudioSetupFailed = 35;
} // namespace VoiceStart

struct TVoiceSetup {
    std::uint8_t codec = 0;
    int talkers = 1;
    std::uint16_t userId = 0;
    std::uint16_t roomId = 0;
    std::uint8_t queueLength = 2;
    QByteArray inputDevice;  // empty: the default
    QByteArray outputDevice; // empty: the default
    VoiceCleaning cleaning;
};

struct TVoiceEndpoint {
    QString host;
    std::uint16_t port = 0;
    TProxySettings proxy;
    TServerTls tls;
    QString password;
    int connectTimeoutMs = 20000;
};

struct TVoiceDevices {
    IAudioSystem& audio;
    IClock& clock;
    ITimerFactory& timers;
    const CodecRegistry& codecs = CodecRegistry::Installed();
};

class TVoiceThread {
public:
    static constexpr std::uint32_t kKeepAliveMs = 60000;
    // A write the server does not take within this long fails; writes run on the main thread.
    static constexpr int kSendTimeoutMs = 5000;

    // Sets up capture and the players on the calling thread. InitResult() tells whether the codec and the
    // players could be made; a microphone that fails to open is tolerated (nothing can be sent).
    TVoiceThread(const TVoiceSetup& setup, const TVoiceDevices& devices, IMessageSink& mainWindow);
    ~TVoiceThread();
    TVoiceThread(const TVoiceThread&) = delete;
    TVoiceThread& operator=(const TVoiceThread&) = delete;

    bool InitResult() const { return m_initResult; }
    bool CaptureActive() const { return m_capture && m_capture->Active(); }

    // Connects and signs on, before Start: 0, the server's refusal code, or 13 when the exchange failed.
    int Connect(const TVoiceEndpoint& endpoint);
    void Start();
    // Ends the connection and waits for the receiving thread. Safe to call more than once.
    void Stop();
    bool IsConnected() const { return m_client.isConnected(); }

    void SetTransmit(bool on);
    bool Transmit() const { return m_transmit.load(); }
    // While muted the floor stays held but no frames go; the link is kept alive as while not transmitting.
    void SetMuted(bool on) { m_muted = on; }
    bool Muted() const { return m_muted.load(); }
    // While paused, received frames are dropped.
    void SetPaused(bool on) { m_paused = on; }
    bool Paused() const { return m_paused.load(); }
    // While on, frames that arrive while transmitting are dropped.
    void SetMuteWhileTalking(bool on) { m_muteWhileTalking = on; }

    TPlayerPool& Players() { return m_players; }
    // The room's talker count changed: as many players from now on, each with `queueLength` blocks of queue.
    // On the creating thread, while frames go on arriving.
    void SetTalkers(int count, std::uint8_t queueLength);
    // The last command the receiving thread read.
    std::uint16_t LastCommand() const { return m_lastCommand.load(); }

    // Each captured buffer: sent as one frame while transmitting. On the creating thread.
    void Captured(const std::uint8_t* data, int size);
    // The keep-alive timer's work: a probe, while not transmitting.
    void KeepAlive();

private:
    void receive();
    void process(const TPacketHeader& header, const QByteArray& packet);

    TVoiceSetup m_setup;
    IMessageSink& m_mainWindow;
    bool m_initResult = false;
    FarEndSignal m_farEnd;
    FarEndSignal* m_playedTo = nullptr; // the echo canceller's, when it runs
    std::optional<CodecFormat> m_format;
    TPlaybackDevice m_output;
    std::unique_ptr<TACMIn> m_capture;
    TPlayerPool m_players;
    std::unique_ptr<ITimer> m_keepAlive;

    SocketAbort m_abort;
    TcpClient m_client;
    std::thread m_thread;
    std::atomic<bool> m_stopping{false};
    std::mutex m_transmitMutex; // Transmit is written under it and read without it
    std::atomic<bool> m_transmit{false};
    std::atomic<bool> m_muted{false};
    std::atomic<bool> m_paused{false};
    std::atomic<bool> m_muteWhileTalking{false};
    std::atomic<std::uint16_t> m_lastCommand{0};
};

} // namespace orv
