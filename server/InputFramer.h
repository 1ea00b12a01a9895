#pragma once
// Cuts a client's byte stream into what the server acts on: the bare version record, the bare sign-in
// record, then framed packets. Holds at most one incomplete packet; a size it will not accept stops it.

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
    };

    explicit InputFramer(Sink& sink) : m_sink(sink) {}

    // Appends bytes and hands every complete unit to the sink, in order, until the input runs short or the
    // framer is stopped (by a malformed size, or by the sink calling stop()).
    void feed(const QByteArray& bytes);
    void stop();
    bool stopped() const { return m_stage == Stage::Stopped; }

private:
    enum class Stage { Version, SignIn, Framed, Stopped };
    bool consumeOne();
    template <typename Record> bool takeRecord(Record& record);

    Sink& m_sink;
    Stage m_stage = Stage::Version;
    QByteArray m_input;
};

} // namespace orv::server
