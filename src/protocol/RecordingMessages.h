#pragma once
// Recorded sessions: the header that describes a recording (at the start of every recording file and in the
// server's recording list), the server's recording exchange on the control connection, and the recorder
// controls a moderator sends.
//
//   recordings list  client: header-only cmRecordingList   server: cmRecordingList, the headers back to back
//   open             client: cmOpenRecording, a header     server: ResultCode, and when opened the header
//   next packet      client: header-only cmReadRecording   server: ResultCode 0 and one recorded packet
//                                                           (its 20-byte header and payload); else the end
//   recorder         client: cmStartRecording with TRecorderCredentials, cmStopRecording, cmPauseRecording
//                    (header-only); the server answers each with its ResultCode

#include "protocol/FixedRecord.h"
#include "protocol/PacketHeader.h"

#include <QByteArray>

#include <optional>
#include <vector>

namespace orv {

class TRecordedSessionHeader : public TFixedRecord<740> {
public:
    std::int32_t SessionId() const { return get<std::int32_t, 0>(); }
    void SetSessionId(std::int32_t v) { set<std::int32_t, 0>(v); }
    QString Title() const { return text<4, 200>(); }
    void SetTitle(const QString& v) { setText<4, 200>(v); }
    double Recorded() const { return get<double, 205>(); }
    void SetRecorded(double v) { set<double, 205>(v); }
    double SecondDate() const { return get<double, 213>(); }
    void SetSecondDate(double v) { set<double, 213>(v); }
    std::int32_t Reserved() const { return get<std::int32_t, 221>(); }
    void SetReserved(std::int32_t v) { set<std::int32_t, 221>(v); }
    // Bytes of the whole recording: this header and every packet.
    std::int32_t TotalSize() const { return get<std::int32_t, 225>(); }
    void SetTotalSize(std::int32_t v) { set<std::int32_t, 225>(v); }
    QString Description() const { return text<229, 250>(); }
    void SetDescription(const QString& v) { setText<229, 250>(v); }
    std::int32_t PacketCount() const { return get<std::int32_t, 480>(); }
    void SetPacketCount(std::int32_t v) { set<std::int32_t, 480>(v); }

    static TRecordedSessionHeader decode(PayloadReader& reader) {
        TRecordedSessionHeader h;
        h.readFrom(reader);
        return h;
    }
};
static_assert(sizeof(TRecordedSessionHeader) == 740);

// cmStartRecording: the recorder account, laid out like the sign-in record.
class TRecorderCredentials : public TFixedRecord<64> {
public:
    QString Password() const { return text<2, 10>(); }
    void SetPassword(const QString& v) { setText<2, 10>(v); }
    QString UserName() const { return text<13, 50>(); }
    void SetUserName(const QString& v) { setText<13, 50>(v); }

    static TRecorderCredentials decode(PayloadReader& reader) {
        TRecorderCredentials c;
        c.readFrom(reader);
        return c;
    }
};
static_assert(sizeof(TRecorderCredentials) == 64);

// cmRecordingList reply: whole headers back to back; bytes short of a whole header at the end are ignored.
struct TRecordingList {
    std::vector<TRecordedSessionHeader> recordings;

    QByteArray encode() const;
    static TRecordingList decode(PayloadReader& reader);
};

// cmOpenRecording request: the session id, the current time in both dates, zero elsewhere.
TRecordedSessionHeader OpenRecordingRequest(std::int32_t sessionId, double now);

// One recorded packet as the server hands it out in a cmReadRecording reply, and as a recording file keeps
// it: the header it had in the live session and its payload.
struct TRecordedPacket {
    TPacketHeader header;
    QByteArray payload;

    // The header (DataSize set to the payload's size) and the payload.
    QByteArray encode() const;
    // Throws EPayloadError when the inner header announces a negative size or more bytes than follow.
    static TRecordedPacket decode(PayloadReader& reader);
};

} // namespace orv
