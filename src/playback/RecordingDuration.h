#pragma once
// A recording's length: from its first packet's stamp to its last, as the player's elapsed time counts.

#include <QString>

#include <cstdint>
#include <optional>

namespace orv {

// None when the file holds no packet. `hasHeader` as for the reader; only the first `available` bytes
// are read.
std::optional<std::int64_t> RecordingDurationMs(const QString& path, bool hasHeader, std::int64_t available);

} // namespace orv
