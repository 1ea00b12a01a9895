#include "protocol/PollMessages.h"

#include "protocol/WireFormat.h"

namespace orv {

TPollRecord PollFileRecord(std::int32_t answerMask, const QString& question) {
    TPollRecord record;
    record.SetPingType(ptPoll);
    record.SetAnswerMask(answerMask);
    record.SetQuestion(question);
    return record;
}

std::optional<TPollRecord> DecodePollFile(const QByteArray& content) {
    PayloadReader reader(content);
    if (reader.remaining() < TPollRecord::kSize)
        return std::nullopt;
    return TPollRecord::decode(reader);
}

QByteArray TPollAnswerMessage::encode() const {
    return wire::bytesOf(pollSender) + wire::bytesOf(answer);
}

TPollAnswerMessage TPollAnswerMessage::decode(PayloadReader& reader) {
    TPollAnswerMessage message;
    message.pollSender = reader.u16();
    message.answer = reader.i32();
    return message;
}

QByteArray TAcknowledgeMessage::encode() const {
    return wire::bytesOf(acknowledged);
}

TAcknowledgeMessage TAcknowledgeMessage::decode(PayloadReader& reader) {
    return {reader.u16()};
}

} // namespace orv
