#pragma once
// The polls' messages of the control connection: a poll, wake-up call or connectivity check (cmPoll, the
// poll record both ways), an answer (cmPollAnswer) and the acknowledgement a participant sends back to a
// presenter or checker (cmAcknowledge). The poll record is also the whole content of a poll file (.exm).

#include "protocol/CommandCatalogue.h"
#include "protocol/FixedRecord.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace orv {

// What a poll record asks of its receivers.
enum TPingType : std::uint16_t {
    ptConnectivity = 0, // answered by an acknowledgement, nothing shown
    ptWakeUp = 1,       // a beep, then an acknowledgement
    ptPoll = 2,         // the answering window
};

// TPollRecord, 217 bytes.
class TPollRecord : public TFixedRecord<217> {
public:
    static constexpr std::size_t kQuestionCapacity = 200;

    // The sender's millisecond counter at sending.
    std::int32_t Id() const { return get<std::int32_t, 0>(); }
    void SetId(std::int32_t v) { set<std::int32_t, 0>(v); }
    std::uint16_t FromId() const { return get<std::uint16_t, 4>(); }
    void SetFromId(std::uint16_t v) { set<std::uint16_t, 4>(v); }
    // 0: everybody in the room.
    std::uint16_t ToId() const { return get<std::uint16_t, 6>(); }
    void SetToId(std::uint16_t v) { set<std::uint16_t, 6>(v); }
    // A TPingType; other values are carried as they are and treated as a poll.
    std::uint16_t PingType() const { return get<std::uint16_t, 8>(); }
    void SetPingType(std::uint16_t v) { set<std::uint16_t, 8>(v); }
    bool MustReply() const { return get<std::uint8_t, 10>() != 0; }
    void SetMustReply(bool v) { set<std::uint8_t, 10>(v ? 1 : 0); }
    bool MultipleAns() const { return get<std::uint8_t, 11>() != 0; }
    void SetMultipleAns(bool v) { set<std::uint8_t, 11>(v ? 1 : 0); }
    // The offered answers: answer i (1 to 26) is bit 26 - i.
    std::int32_t AnswerMask() const { return get<std::int32_t, 12>(); }
    void SetAnswerMask(std::int32_t v) { set<std::int32_t, 12>(v); }
    QString Question() const { return text<16, kQuestionCapacity>(); }
    // Longer questions are cut to the capacity.
    void SetQuestion(const QString& v) { setText<16, kQuestionCapacity>(v); }

    QByteArray encode() const { return toByteArray(); }
    static TPollRecord decode(PayloadReader& reader) {
        TPollRecord record;
        record.readFrom(reader);
        return record;
    }
};

// A poll file's record as it is written: a poll to everybody with the mask and the question, all else 0.
TPollRecord PollFileRecord(std::int32_t answerMask, const QString& question);
// A poll file's content: its first record; none when the file is shorter than one.
std::optional<TPollRecord> DecodePollFile(const QByteArray& content);

// cmPollAnswer. To the server: the poll sender's user id and the answer number; from the server the first
// field is not interpreted and the header's UserId names who answered.
struct TPollAnswerMessage {
    static constexpr std::size_t kSize = 6;

    std::uint16_t pollSender = 0;
    std::int32_t answer = 0;

    QByteArray encode() const;
    static TPollAnswerMessage decode(PayloadReader& reader);
};

// cmAcknowledge: the user id of the participant being acknowledged (the presenter or checker); the header's
// UserId names who acknowledges.
struct TAcknowledgeMessage {
    static constexpr std::size_t kSize = 2;

    std::uint16_t acknowledged = 0;

    QByteArray encode() const;
    static TAcknowledgeMessage decode(PayloadReader& reader);
};

} // namespace orv
