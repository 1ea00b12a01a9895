// Arbitrary bytes as a poll file (.exm) or a poll packet's payload: a record is read only from a whole
// 217 bytes and keeps them exactly, its question stays within 200 characters, and its answer mask offers
// only answers of the table, whatever its bits.
#include "polls/PollAnswers.h"
#include "protocol/PollMessages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<orv::TPollRecord> record = orv::DecodePollFile(bytes);
    if (record.has_value() != (size >= orv::TPollRecord::kSize))
        __builtin_trap();
    if (record) {
        if (record->encode() != bytes.left(qsizetype(orv::TPollRecord::kSize)) ||
            record->Question().size() > qsizetype(orv::TPollRecord::kQuestionCapacity))
            __builtin_trap();
        const std::vector<int> answers = orv::PollAnswers::OfMask(record->AnswerMask());
        for (int n : answers)
            if (orv::PollAnswers::Name(n).isEmpty())
                __builtin_trap();
        if (orv::PollAnswers::MaskOf(answers) != (record->AnswerMask() & ((1 << 26) - 1)))
            __builtin_trap();
    }
    try {
        orv::PayloadReader reader(bytes);
        const orv::TPollAnswerMessage answer = orv::TPollAnswerMessage::decode(reader);
        orv::PollAnswers::Name(answer.answer);
        orv::TAcknowledgeMessage::decode(reader);
    } catch (const orv::EPayloadError&) {
        // Too short for the message: refused.
    }
    return 0;
}
