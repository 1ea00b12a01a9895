#pragma once
// Poll files (.exm): exactly one poll record, a poll to everybody with its answer mask and question.

#include "protocol/PollMessages.h"

#include <QString>

#include <optional>

namespace orv {

// The file's record; none when it cannot be read or is shorter than one record.
std::optional<TPollRecord> ReadPollFile(const QString& path);
// Writes the poll; false when the file cannot be written, which then stays as it was.
bool WritePollFile(const QString& path, std::int32_t answerMask, const QString& question);

} // namespace orv
