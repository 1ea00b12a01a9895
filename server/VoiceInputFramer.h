#pragma once
// Cuts what a voice connection receives: first the raw sign-on block, then framed packets of at most a voice
// frame's size. An oversized frame breaks the stream and stops the framer.

#include "protocol/PacketCutter.h"
#include "protocol/VoiceMessages.h"

#include <QByteArray>
#include <QString>

namespace orv::server {

class VoiceInputFramer {
public:
    class Sink {
    public:
        virtual ~Sink() = default;
        virtual void onSignOn(const TVoiceSignOn& signOn) = 0;
        // A whole packet: header and payload; valid only during the call.
        virtual void onFrame(const TPacketHeader& header, const QByteArray& packet) = 0;
        virtual void onMalformed(const QString& reason) = 0;
    };

    explicit VoiceInputFramer(Sink& sink) : m_sink(sink) {}

    // Stops delivering as soon as the sink asks (stop()) or the stream is malformed.
    void feed(const char* data, qsizetype size);
    void stop() { m_stopped = true; }

private:
    Sink& m_sink;
    bool m_signedOn = false;
    bool m_stopped = false;
    QByteArray m_signOn;
    TPacketCutter m_cutter{kMaxVoicePayload};
};

} // namespace orv::server
