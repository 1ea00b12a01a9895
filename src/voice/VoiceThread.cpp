#include "voice/VoiceThread.h"

#include "protocol/CommandCatalogue.h"
#include "protocol/PacketCutter.h"
#include "protocol/VoiceMessages.h"
#include "voice/CodecCatalogue.h"
#include "voice/VoiceMessageIds.h"

#include <QDebug>

#include <array>

namespace orv {

TVoiceThread::TVoiceThread(const TVoiceSetup& setup, const TVoiceDevices& devices, IMessageSink& mainWindow)
    : m_setup(setup), m_mainWindow(mainWindow),
      m_farEnd(std::size_t(16000)), m_output{devices.audio, devices.clock, devices.timers,
                                             setup.outputDevice},
      m_keepAlive(devices.timers.CreateTimer(TTimerMode::Repeating, [this] { KeepAlive(); })) {
    try {
        m_format = MakeCodecFormat(setup.codec, devices.codecs);
        const std::optional<CodecFormat>& format = m_format;
        if (!format)
            return;
        FarEndSignal* farEnd = setup.cleaning.echoCancellation ? &m_farEnd : nullptr;
        m_playedTo = farEnd;
        m_capture = std::make_unique<TACMIn>(devices.audio, nullptr, devices.codecs);
        m_capture->SetBufferSize(int(format->avgBytesPerSec / 2));
        m_capture->SetNumBuffers(2);
        m_capture->SetCleaning(setup.cleaning, farEnd);
        m_capture->OnBufferFull = [this](TACMIn&, const std::uint8_t* data, int size) {
            Captured(data, size);
        };
        m_capture->OnLevel = [this](int level) {
            if (m_transmit)
                m_mainWindow.post(MainMsg::MicrophoneLevel, level, 0);
        };
        try {
            m_capture->Open(*format, setup.inputDevice);
        } catch (const std::exception& e) {
            qWarning() << "voice: no capture:" << e.what();
        }
        for (int i = 0; i < setup.talkers; ++i)
            m_players.Add(std::make_unique<TACMPlayer>(m_output, *format, setup.queueLength, farEnd));
        m_initResult = true;
    } catch (const std::exception& e) {
        qWarning() << "voice: audio set-up failed:" << e.what();
    }
}

TVoiceThread::~TVoiceThread() {
    Stop();
    m_client.close();
}

int TVoiceThread::Connect(const TVoiceEndpoint& endpoint) {
    try {
        if (endpoint.host.isEmpty() || endpoint.port == 0)
            throw EChannelError("no voice service to connect to");
        ConnectThrough(m_client, endpoint.host, endpoint.port, endpoint.proxy, endpoint.tls,
                       endpoint.connectTimeoutMs, &m_abort);
        m_client.setReceiveTimeout(endpoint.connectTimeoutMs); // for the sign-on's answer only
        m_client.setSendTimeout(kSendTimeoutMs);
        TVoiceSignOn signOn;
        signOn.SetUserId(m_setup.userId);
        signOn.SetPassword(endpoint.password);
        signOn.SetRoomId(m_setup.roomId);
        m_client.writeAll(signOn.bytes().data(), TVoiceSignOn::kSize);
        std::array<std::uint8_t, TPacketHeader::kSize> reply{};
        m_client.readExact(reply.data(), reply.size());
        m_client.setReceiveTimeout(0);
        const int result = TPacketHeader::decode(reply.data()).ResultCode;
        if (result == VoiceStart::Ok)
            m_keepAlive->Start(kKeepAliveMs);
        return result;
    } catch (const EChannelError& e) {
        qWarning() << "voice: connecting failed:" << e.what();
        return VoiceStart::ConnectFailed;
    }
}

void TVoiceThread::Start() {
    if (!m_thread.joinable())
        m_thread = std::thread([this] { receive(); });
}

void TVoiceThread::Stop() {
    m_stopping = true;
    m_keepAlive->Stop();
    m_abort.abort(); // unblocks a read in progress
    m_client.disconnect();
    if (m_thread.joinable())
        m_thread.join();
    if (m_capture)
        m_capture->Close();
}

void TVoiceThread::SetTalkers(int count, std::uint8_t queueLength) {
    if (!m_format || count < 1)
        return;
    m_players.Resize(std::size_t(count), [&] {
        return std::make_unique<TACMPlayer>(m_output, *m_format, queueLength, m_playedTo);
    });
}

void TVoiceThread::SetTransmit(bool on) {
    std::lock_guard lock(m_transmitMutex);
    m_transmit = on;
}

void TVoiceThread::receive() {
    TPacketCutter cutter(kMaxVoicePayload);
    std::vector<char> block(16 * 1024);
    while (!m_stopping && m_client.isConnected()) {
        try {
            cutter.Append(block.data(), m_client.readSome(block.data(), block.size()));
        } catch (const EChannelError&) {
            break;
        }
        QByteArray packet;
        TPacketCutter::TCut cut;
        while ((cut = cutter.Next(packet)) == TPacketCutter::TCut::Packet) {
            try {
                process(TPacketHeader::decode(packet), packet);
            } catch (const std::exception& e) {
                qWarning() << "voice: a frame failed:" << e.what();
            }
        }
        if (cut == TPacketCutter::TCut::Refused) {
            qWarning() << "voice: frame size beyond limit, the link is broken";
            m_client.disconnect();
            break;
        }
    }
    if (!m_stopping)
        m_mainWindow.post(MainMsg::VoiceLinkState, VoiceLink::ReceiveEnded, 0);
}

void TVoiceThread::process(const TPacketHeader& header, const QByteArray& packet) {
    if (header.ResultCode != 0 || header.DataSize <= 0)
        return;
    m_lastCommand = header.Command;
    if (header.Command != cmVoiceIn)
        return;
    if (m_muteWhileTalking && m_transmit)
        return; // the participant's own loudspeakers stay silent while talking
    if (m_paused)
        return;
    const auto* payload = reinterpret_cast<const std::uint8_t*>(packet.constData()) + TPacketHeader::kSize;
    m_players.Route(header.UserId, payload, header.DataSize);
}

void TVoiceThread::Captured(const std::uint8_t* data, int size) {
    if (size <= 0 || !m_transmit || m_muted)
        return;
    const QByteArray frame = VoiceFrame(cmVoiceOut, m_setup.userId, m_setup.roomId, data, std::size_t(size));
    try {
        m_client.writeAll(frame.constData(), std::size_t(frame.size()));
    } catch (const EChannelError&) {
        m_mainWindow.post(MainMsg::VoiceLinkState, VoiceLink::FrameSendFailed, 0);
    }
}

void TVoiceThread::KeepAlive() {
    // Sent whenever no frames go: a listener's microphone captures all the time.
    if (!m_client.isConnected() || (m_transmit && !m_muted))
        return;
    TPacketHeader probe;
    FillHeader(cmProbe, m_setup.userId, m_setup.roomId, probe);
    const QByteArray bytes = probe.toByteArray();
    try {
        m_client.writeAll(bytes.constData(), std::size_t(bytes.size()));
    } catch (const EChannelError&) {
        m_mainWindow.post(MainMsg::VoiceLinkState, VoiceLink::KeepAliveFailed, 0);
    }
}

} // namespace orv
