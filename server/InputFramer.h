#pragma once
// Cuts a client's byte stream into what the server acts on: the bare version record, the bare sign-in
// record, then framed packets. A header the sink refuses stops it before any of its payload is kept.

#include "protocol/PacketCutter.h"
#include "protocol/PacketHeader.h"
#include "protocol/SignInRecords.h"

#include <QByteArray>
#include <QString>

namespace orv::server {

class InputFramer {
public:
    class Sink {
    public:
        virtual ~Sink() = default;
        virtual void onVersion(const TVersionRecord& record) = 0;
        virtual void onSignIn(const TSignInRecord& record) = 0;
        virtual void onPacket(const TPacketHeader& header, const QByteArray& stream) = 0;
        virtual void onMalformed(const QString& reason) = 0;
        // Why a packet with this header is not accepted, or empty; asked before its payload arrives.
        virtual QString refusal(const TPacketHeader& header) = 0;
    };

    explicit InputFramer(Sink& sink);

    // Appends bytes and hands every complete unit to the sink, in order, until the input runs short or the
    // framer is stopped (by a malformed size, or by the sink calling stop()).
    void feed(const QByteArray& bytes);
    void stop();
    bool stopped() const { return m_stage == Stage::Stopped; }
    // Bytes of a record or packet that has started but not ended.
    bool holdsPartial() const {
        return m_stage == Stage::Framed ? m_packets.Pending() > 0 : !m_input.isEmpty();
    }

private:
    enum class Stage { Version, SignIn, Framed, Stopped };
    bool consumeOne();
    template <typename Record> bool takeRecord(Record& record);

    Sink& m_sink;
    Stage m_stage = Stage::Version;
    QByteArray m_input; // until the two bare records are in
    TPacketCutter m_packets;
    QString m_refusal;
};

} // namespace orv::server
